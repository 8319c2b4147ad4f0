#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Window measures are given in twips: 1440 to the logical inch.
int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);
QSize TwipsSize(int width, int height);

// left = (screen width - window width) / 2, top likewise.
void CentreOnScreen(QWidget& window);

}  // namespace platform
