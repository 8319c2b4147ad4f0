// The fake web as a program, for tests that run the built executables:
//   fake_web <script.json> [--log <file>] [--port <n>]
// prints the port it listens on, then serves until it is ended. With --log,
// every request is appended to the file as one JSON line.

#include "tests/support/fake_web.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  QString script, logFile;
  quint16 port = 0;
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--log") && i + 1 < args.size()) logFile = args[++i];
    else if (args[i] == QLatin1String("--port") && i + 1 < args.size()) port = quint16(args[++i].toUInt());
    else script = args[i];
  }
  if (script.isEmpty()) {
    std::fprintf(stderr, "usage: fake_web <script.json> [--log <file>] [--port <n>]\n");
    return 2;
  }
  testsupport::FakeWeb web(port);
  QString error;
  if (!web.LoadScript(script, &error)) {
    std::fprintf(stderr, "fake_web: %s\n", qPrintable(error));
    return 2;
  }
  if (web.port() == 0) {
    std::fprintf(stderr, "fake_web: cannot listen\n");
    return 1;
  }
  QFile log(logFile);
  if (!logFile.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Append)) {
    std::fprintf(stderr, "fake_web: cannot write %s\n", qPrintable(logFile));
    return 2;
  }
  web.OnRequest([&log](const testsupport::FakeRequest& request) {
    if (!log.isOpen()) return;
    QJsonObject headers;
    for (const auto& [name, value] : request.headers)
      headers.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    const QJsonObject line{{QStringLiteral("method"), QString::fromLatin1(request.method)},
                           {QStringLiteral("url"), request.url},
                           {QStringLiteral("headers"), headers}};
    log.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    log.flush();
  });
  std::printf("%u\n", unsigned(web.port()));
  std::fflush(stdout);
  return app.exec();
}
