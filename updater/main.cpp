#include "updater/updater_module.h"

#include "platform/window_font.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Updater"));
  QApplication::setQuitOnLastWindowClosed(false);
  platform::UseDialogFont();
  Updater::Main();
  return QApplication::exec();
}
