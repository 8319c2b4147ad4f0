#include "platform/window_measures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

int Twips(int twips) { return static_cast<int>(std::lround(twips * LogicalDpi() / kTwipsPerInch)); }

QRect TwipsRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

QSize TwipsSize(int width, int height) { return {Twips(width), Twips(height)}; }

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize size = window.frameGeometry().size();
  window.move(area.left() + (area.width() - size.width()) / 2,
              area.top() + (area.height() - size.height()) / 2);
}

}  // namespace platform
