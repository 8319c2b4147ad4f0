#pragma once

class QFont;

namespace platform {

// The windows were laid out for a narrow 8-point dialog font; this is the
// closest one the desktop has, so captions fit their measured places.
QFont DialogFont(double pointSize = 8.0);

// Makes DialogFont() the application's default font.
void UseDialogFont();

}  // namespace platform
