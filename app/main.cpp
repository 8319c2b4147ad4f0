#include "app/main_window.h"
#include "platform/window_font.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Rankscout"));
  QApplication::setOrganizationName(QStringLiteral("Rankscout"));
  QApplication::setQuitOnLastWindowClosed(false);
  platform::UseDialogFont();
  Main();
  return QApplication::exec();
}
