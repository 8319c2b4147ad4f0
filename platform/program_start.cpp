#include "platform/program_start.h"

#include "platform/windows_directory.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QWidget>

#include <optional>

namespace platform {
namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// The local file a program piece names, or "" when there is none.
QString ProgramFile(const QString& piece) {
  QString path = NativePath(piece);
  if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QStringLiteral(".exe");
  const QFileInfo file(path);
  return file.isFile() ? file.absoluteFilePath() : QString();
}

// Splits the text after the program piece the way Windows programs split
// their command line: blanks separate, double quotes group, and backslashes
// are literal unless they stand before a quote.
QStringList SplitArguments(const QString& text) {
  QStringList arguments;
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (true) {
    while (i < n && IsBlank(text[i])) ++i;
    if (i >= n) return arguments;
    QString argument;
    bool quoted = false;
    while (i < n && (quoted || !IsBlank(text[i]))) {
      if (text[i] == QLatin1Char('\\')) {
        qsizetype slashes = 0;
        while (i < n && text[i] == QLatin1Char('\\')) ++slashes, ++i;
        if (i < n && text[i] == QLatin1Char('"')) {
          argument += QString(slashes / 2, QLatin1Char('\\'));
          if (slashes % 2) {
            argument += QLatin1Char('"');
            ++i;
          }
        } else {
          argument += QString(slashes, QLatin1Char('\\'));
        }
      } else if (text[i] == QLatin1Char('"')) {
        if (quoted && i + 1 < n && text[i + 1] == QLatin1Char('"')) {
          argument += QLatin1Char('"');
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += text[i++];
      }
    }
    arguments.append(argument);
  }
}

std::optional<WindowStyle>& StyleGiven() {
  static std::optional<WindowStyle> style;
  return style;
}

}  // namespace

ResolvedCommandLine ResolveCommandLine(const QString& commandLine) {
  qsizetype start = 0;
  while (start < commandLine.size() && IsBlank(commandLine[start])) ++start;
  const QString line = commandLine.mid(start);

  if (line.startsWith(QLatin1Char('"'))) {
    qsizetype close = line.indexOf(QLatin1Char('"'), 1);
    if (close < 0) close = line.size();
    const QString program = ProgramFile(line.mid(1, close - 1));
    if (program.isEmpty()) return {};
    return {program, SplitArguments(line.mid(close + 1))};
  }

  for (qsizetype end = 1; end <= line.size(); ++end) {
    const bool pieceEnds = end == line.size() || line[end] == QLatin1Char(' ');
    if (!pieceEnds || IsBlank(line[end - 1])) continue;
    const QString program = ProgramFile(line.left(end));
    if (!program.isEmpty()) return {program, SplitArguments(line.mid(end))};
  }
  return {};
}

qint64 StartProgram(const QString& commandLine, WindowStyle style) {
  const ResolvedCommandLine resolved = ResolveCommandLine(commandLine);
  if (resolved.program.isEmpty()) return 0;

  QFile file(resolved.program);
  if (!(file.permissions() & QFileDevice::ExeUser))
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);

  QProcess process;
  process.setProgram(resolved.program);
  process.setArguments(resolved.arguments);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromLatin1(kWindowStyleVariable), QString::number(static_cast<int>(style)));
  process.setProcessEnvironment(environment);
  qint64 pid = 0;
  if (!process.startDetached(&pid)) return 0;
  return pid > 0 ? pid : 1;
}

WindowStyle StartupWindowStyle() {
  if (!StyleGiven()) {
    bool ok = false;
    const int given = qEnvironmentVariableIntValue(kWindowStyleVariable, &ok);
    // Later starts carry their own style; the variable is this process's only.
    qunsetenv(kWindowStyleVariable);
    const bool known = ok && given >= 0 && given <= 6 && given != 5;
    StyleGiven() = known ? static_cast<WindowStyle>(given) : WindowStyle::NormalFocus;
  }
  return *StyleGiven();
}

void ShowFirstWindow(QWidget& window) {
  static bool firstShown = false;
  if (firstShown) {
    window.show();
    return;
  }
  firstShown = true;
  switch (StartupWindowStyle()) {
    case WindowStyle::Hide: return;
    case WindowStyle::MinimizedFocus: window.showMinimized(); return;
    case WindowStyle::MinimizedNoFocus:
      window.setAttribute(Qt::WA_ShowWithoutActivating);
      window.showMinimized();
      return;
    case WindowStyle::MaximizedFocus: window.showMaximized(); return;
    case WindowStyle::NormalNoFocus:
      window.setAttribute(Qt::WA_ShowWithoutActivating);
      window.show();
      return;
    case WindowStyle::NormalFocus: window.show(); return;
  }
}

}  // namespace platform
