#include "platform/window_font.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace platform {

QFont DialogFont(double pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
  font.setPointSizeF(pointSize);
  font.setStretch(92);  // the classic dialog font runs narrower than its substitutes
  return font;
}

void UseDialogFont() { QApplication::setFont(DialogFont()); }

}  // namespace platform
