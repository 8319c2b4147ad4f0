#pragma once

// Texts are wide in memory; the files and cache records the programs read and
// write hold them in the locale's 8-bit encoding (the "ANSI code page").

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// `text` in the locale's encoding; characters it cannot hold become "?".
QByteArray ToAnsi(const QString& text);

// The program's text form of bytes in the locale's encoding.
QString FromAnsi(QByteArrayView bytes);

}  // namespace platform
