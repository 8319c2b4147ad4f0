#pragma once

// The readable text of a loaded page, as a document's innerText gives it.

#include <QByteArrayView>
#include <QString>

namespace platform {

// `body` as it arrived, with the Content-Type header it came with (may be
// empty). HTML gives its rendered text: head, script, style, noscript and
// template skipped, blocks and <br> breaking lines, white space collapsed,
// entities decoded. Other text/* types are taken as they are; any other type
// gives an empty text.
QString ReadableText(QByteArrayView body, QByteArrayView contentType);

}  // namespace platform
