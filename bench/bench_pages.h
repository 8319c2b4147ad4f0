#pragma once

#include <QByteArray>

namespace bench {

// A search engine's results page of about `bytes` bytes: a head with style
// and script, then result blocks of links, titles, snippets and cited hosts.
QByteArray ResultsPage(qsizetype bytes);

}  // namespace bench
