// A stand-in for any program the product starts: each start appends a record
// of its window style, working folder and arguments to "<own path>.started".
// Tests copy it to wherever a program is expected, under the expected name.

#include "platform/program_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QFile record(QCoreApplication::applicationFilePath() + QStringLiteral(".started"));
  if (!record.open(QIODevice::WriteOnly | QIODevice::Append)) return 1;
  QByteArray text = "style " + qgetenv(platform::kWindowStyleVariable) + '\n';
  text += "cwd " + QDir::currentPath().toUtf8() + '\n';
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) text += "arg " + arguments[i].toUtf8() + '\n';
  text += "end\n";
  // One write, so a reader never sees half a record.
  record.write(text);
  return 0;
}
