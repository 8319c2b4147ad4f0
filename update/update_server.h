#pragma once

#include <QString>

namespace update {

// The update page and the updater on the update server, whose host the build sets.
QString UpdatePageAddress();
QString UpdaterAddress();

}  // namespace update
