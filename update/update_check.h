#pragma once

#include "update/main_window_link.h"

#include <QString>

#include <chrono>

namespace update {

// "Version: " and the program's major, minor and revision numbers.
QString OwnVersionLine();

// The first field of `text` read as a comma-delimited record: leading blanks
// skipped, ending at the first comma or the end of the first line.
QString FirstField(const QString& text);

// The update check of start-up and of Help > Update: loads the update page,
// and when its first field names another version, offers it and waits while
// the offer is open. Reports nothing itself.
void RunUpdateCheck(const MainWindowLink& mainWindow);

inline constexpr std::chrono::seconds kUpdatePageLimit{10};
// Fields longer than this are taken for anything but a version line, such as an error page.
inline constexpr qsizetype kLongestVersionField = 15;

}  // namespace update
