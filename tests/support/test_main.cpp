#include <QApplication>

#include <gtest/gtest.h>

namespace testsupport {
void InstallFreshXdgFolders();
}

int main(int argc, char** argv) {
  // CTest sets the offscreen platform; a test run by hand gets it too.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  testsupport::InstallFreshXdgFolders();
  return RUN_ALL_TESTS();
}
