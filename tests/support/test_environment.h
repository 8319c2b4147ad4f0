#pragma once

#include <QString>

namespace testsupport {

// The fresh temporary root of the running test; XDG_CONFIG_HOME,
// XDG_CACHE_HOME, XDG_DATA_HOME and XDG_CONFIG_DIRS point below it.
QString TestRoot();

}  // namespace testsupport
