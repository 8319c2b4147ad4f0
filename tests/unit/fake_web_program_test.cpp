#include "platform/event_wait.h"
#include "platform/html_document.h"
#include "tests/support/fake_web.h"
#include "tests/support/qt_printers.h"
#include "tests/support/test_environment.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

QString Load(const QString& url) {
  platform::HtmlDocument blank;
  const auto document = blank.createDocumentFromUrl(url, QString());
  const QDeadlineTimer deadline(10000);
  while (document->readyState() != QLatin1String("complete") && !deadline.hasExpired())
    platform::WaitForNextEvent(deadline);
  return document->documentElement().innerText();
}

// The program other tests start: it serves its script, tells its port and
// logs every request.
TEST(FakeWebProgram, ServesItsScriptAndLogsEachRequest) {
  const QString root = testsupport::TestRoot();
  WriteFile(root + "/page.html", "<p>from a file</p>");
  WriteFile(root + "/script.json", R"({"routes": [
      {"url": "www.engine.test/search?q=a", "body": "<p>inline page</p>",
       "headers": {"Content-Type": "text/html", "Set-Cookie": "id=7; Path=/"}},
      {"url": "www.engine.test/file", "bodyFile": "page.html"},
      {"url": "www.engine.test/gone", "status": 404, "reason": "Not Found", "body": "gone"}]})");
  const QString log = root + "/requests.log";

  QProcess web;
  web.start(QStringLiteral(RANKSCOUT_FAKE_WEB), {root + "/script.json", "--log", log});
  ASSERT_TRUE(web.waitForReadyRead(10000)) << web.readAllStandardError().constData();
  const uint port = web.readLine().trimmed().toUInt();
  ASSERT_GT(port, 0u);
  qputenv("http_proxy", QByteArray("http://127.0.0.1:") + QByteArray::number(port));

  EXPECT_EQ(Load("http://www.engine.test/search?q=a"), "inline page");
  EXPECT_EQ(Load("http://www.engine.test/file"), "from a file");
  EXPECT_EQ(Load("http://www.engine.test/gone"), "gone");
  EXPECT_EQ(Load("http://www.engine.test/unscripted"), "Not Found");
  web.terminate();
  web.waitForFinished(5000);
  qunsetenv("http_proxy");

  QFile lines(log);
  ASSERT_TRUE(lines.open(QIODevice::ReadOnly));
  std::vector<QJsonObject> requests;
  while (!lines.atEnd()) requests.push_back(QJsonDocument::fromJson(lines.readLine()).object());
  ASSERT_GE(requests.size(), 4u);
  EXPECT_EQ(requests[0]["method"].toString(), "GET");
  EXPECT_EQ(requests[0]["url"].toString(), "http://www.engine.test/search?q=a");
  EXPECT_EQ(requests[1]["url"].toString(), "http://www.engine.test/file");
  EXPECT_EQ(requests[1]["headers"].toObject()["Cookie"].toString(), "id=7");
}

TEST(FakeWebProgram, RefusesAScriptItCannotRead) {
  const QString root = testsupport::TestRoot();
  WriteFile(root + "/bad.json", R"({"routes": [{"url": "a.test/", "mode": "sideways"}]})");
  for (const QString& script : QStringList{root + "/bad.json", root + "/missing.json"}) {
    QProcess web;
    web.start(QStringLiteral(RANKSCOUT_FAKE_WEB), {script});
    ASSERT_TRUE(web.waitForFinished(10000));
    EXPECT_EQ(web.exitCode(), 2) << script.toStdString();
    EXPECT_TRUE(web.readAllStandardOutput().isEmpty());
  }
}

}  // namespace
