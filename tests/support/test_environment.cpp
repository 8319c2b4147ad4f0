#include "tests/support/test_environment.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {
namespace {

std::unique_ptr<QTemporaryDir>& Root() {
  static std::unique_ptr<QTemporaryDir> root;
  return root;
}

// Gives every test case its own empty user and machine stores.
class FreshXdgFolders : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    Root() = std::make_unique<QTemporaryDir>();
    const QString base = Root()->path();
    const struct {
      const char* variable;
      const char* folder;
    } folders[] = {{"XDG_CONFIG_HOME", "config"},
                   {"XDG_CACHE_HOME", "cache"},
                   {"XDG_DATA_HOME", "data"},
                   {"XDG_CONFIG_DIRS", "etc-xdg"}};
    for (const auto& f : folders) {
      const QString path = base + QLatin1Char('/') + QLatin1String(f.folder);
      QDir().mkpath(path);
      qputenv(f.variable, QFile::encodeName(path));
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base + QStringLiteral("/config"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, base + QStringLiteral("/etc-xdg"));
  }

  void OnTestEnd(const ::testing::TestInfo&) override { Root().reset(); }
};

}  // namespace

QString TestRoot() { return Root() ? Root()->path() : QString(); }

void InstallFreshXdgFolders() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshXdgFolders);
}

}  // namespace testsupport
