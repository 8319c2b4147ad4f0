#pragma once

#include <QString>

namespace update {

// Takes the process out of the user's offline mode: when the user store's
// GlobalUserOffline is 1, the connected state is set to connected. Any other
// value, or none, changes nothing. Returns "".
QString OnLineStatus();

}  // namespace update
