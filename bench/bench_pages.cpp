#include "bench_pages.h"

#include <QString>

namespace bench {

QByteArray ResultsPage(qsizetype bytes) {
  QByteArray page =
      "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>rank scout - Search</title>"
      "<style>body{font-family:arial}.r{margin:8px 0}.s{color:#444}cite{color:green}</style>"
      "<script>window.q={query:'rank scout',page:1};function go(n){location.href='?start='+n}"
      "</script></head><body><div id=\"top\"><form action=\"/search\"><input name=\"q\" "
      "value=\"rank scout\"><button>Search</button></form></div><div id=\"res\">";
  for (int n = 1; page.size() < bytes; ++n) {
    const QByteArray i = QByteArray::number(n);
    page += "<div class=\"r\"><h3><a href=\"http://www.site" + i +
            ".example/pages/rank-scout.html\">Rank scout tools &amp; tips, part " + i +
            "</a></h3><div class=\"s\">Find out where your <b>site</b> ranks: <b>rank</b> "
            "<b>scout</b> checks the results pages of many search engines&nbsp;&hellip; "
            "result " + i + " of about 1,230,000.</div><cite>www.site" + i +
            ".example/pages/rank-scout.html</cite> - <a href=\"/cache?id=" + i +
            "\">Cached</a></div>\n";
  }
  page += "</div><div id=\"foot\"><a href=\"?start=10\">Next</a></div></body></html>";
  return page;
}

}  // namespace bench
