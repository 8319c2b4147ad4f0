// Benchmarks run with their own empty XDG folders, so the user's cache and
// cookies are never touched, and with a Qt application for the event loop.

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
  QTemporaryDir root;
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
    const QString folder = root.path() + QLatin1Char('/') + QString::fromLatin1(variable);
    QDir().mkpath(folder);
    qputenv(variable, QFile::encodeName(folder));
  }
  QDir::setCurrent(root.path());
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
