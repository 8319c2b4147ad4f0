#pragma once

// Starting a program from a Windows-style command line, as the programs start
// browsers, tools and each other. Never through a shell: the line is split
// into a program file and its arguments, and the file is started directly.

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// How the started program shows its first window.
enum class WindowStyle : int {
  Hide = 0,
  NormalFocus = 1,
  MinimizedFocus = 2,
  MaximizedFocus = 3,
  NormalNoFocus = 4,
  MinimizedNoFocus = 6,
};

// The started program finds its window style in this environment variable.
inline constexpr char kWindowStyleVariable[] = "RANKSCOUT_WINDOW_STYLE";

struct ResolvedCommandLine {
  QString program;  // the local file to start
  QStringList arguments;
};

// A quoted first piece names the program. An unquoted line is tried piece by
// ever longer piece ending at a blank, each with ".exe" added where its file
// name has no extension, until one names an existing file; the rest of the
// line is split into arguments the way Windows programs split theirs. Drive
// letters go through the drive mapping; "\" separates folders. Empty
// `program` when no piece names a file.
ResolvedCommandLine ResolveCommandLine(const QString& commandLine);

// Starts the program the line names and returns its process id, or 0 when
// nothing was started. The program is not waited for. A file that lacks the
// execute permission is given it for its owner: on the system the programs
// were made for, any ".exe" file can be started.
qint64 StartProgram(const QString& commandLine, WindowStyle style);

// The style this process was started with; NormalFocus when none was given.
WindowStyle StartupWindowStyle();

// Shows `window` the way the first window of the process is shown: in the
// start-up style the first time, normally after that.
void ShowFirstWindow(QWidget& window);

}  // namespace platform
