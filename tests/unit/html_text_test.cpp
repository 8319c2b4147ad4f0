#include "platform/html_text.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
  const char* name;
  QByteArray contentType;
  QByteArray body;
  QString text;
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.name; }

class ReadableTextTable : public ::testing::TestWithParam<Fixture> {};

TEST_P(ReadableTextTable, GivesThePagesReadableText) {
  const Fixture& f = GetParam();
  EXPECT_EQ(platform::ReadableText(f.body, f.contentType), f.text);
}

const QByteArray kHtml = "text/html";

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReadableTextTable,
    ::testing::Values(
        Fixture{"HeadScriptStyleNoscriptTemplateSkipped", kHtml,
                "<html><head><title>Title</title><style>p{color:red}</style>"
                "<script>var site='in-script.example';</script></head><body>"
                "Shown<script>document.write('no')</script><noscript>off</noscript>"
                "<template><p>tpl</p></template> text</body></html>",
                "Shown text"},
        Fixture{"EntitiesDecoded", kHtml,
                "<p>Fish &amp; Chips &lt;b&gt; &quot;caf&eacute;&quot; &#169; &#x20AC;</p>",
                QString::fromUtf8("Fish & Chips <b> \"café\" © €")},
        Fixture{"BlocksAndBreaksMakeLines", kHtml,
                "<div>one</div><div>two<br>three</div><ul><li>four</li><li>five</li></ul>"
                "<p>six</p><p>seven</p>",
                "one\ntwo\nthree\nfour\nfive\n\nsix\n\nseven"},
        Fixture{"WhiteSpaceCollapses", kHtml,
                "<body>\n   lots \t of\r\n\n   space <b> bold </b>  <i>it</i>\n</body>",
                "lots of space bold it"},
        Fixture{"InlineElementsJoinWithoutBlanks", kHtml,
                "<p>www.<b>example</b>.com</p>", "www.example.com"},
        Fixture{"PreformattedKeepsItsSpace", kHtml, "<p>a</p><pre>x   y\n z</pre>",
                "a\n\nx   y\n z"},
        Fixture{"TableCellsAndRows", kHtml,
                "<table><tr><td>1</td><td>one</td></tr><tr><th>2</th><td>two</td></tr></table>",
                "1\tone\n2\ttwo"},
        Fixture{"HiddenElementSkipped", kHtml, "<div hidden>secret</div><div>open</div>", "open"},
        Fixture{"CharsetFromTheHeader", "text/html; charset=ISO-8859-1",
                "<p>caf\xE9 na\xEFve</p>", QString::fromUtf8("café naïve")},
        Fixture{"HeaderBeatsMeta", "text/html; charset=utf-8",
                "<meta charset=\"windows-1252\"><p>\xE2\x82\xAC</p>", QString::fromUtf8("€")},
        Fixture{"CharsetFromMetaCharset", kHtml,
                "<html><head><meta charset=\"windows-1252\"></head><body>caf\xE9</body></html>",
                QString::fromUtf8("café")},
        Fixture{"CharsetFromMetaHttpEquiv", kHtml,
                "<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                "charset=iso-8859-1\"></head><p>\xC0 la carte</p>",
                QString::fromUtf8("À la carte")},
        Fixture{"CharsetFromTheBom", kHtml, "\xEF\xBB\xBF<p>\xC3\xBC" "ber</p>",
                QString::fromUtf8("über")},
        Fixture{"Utf16FromTheBom", kHtml,
                QByteArray("\xFF\xFE<\0p\0>\0\xFC\0b\0e\0r\0", 18), QString::fromUtf8("über")},
        Fixture{"Utf8WithoutAnyHint", kHtml, "<p>\xC3\xA9t\xC3\xA9 \xE2\x80\x93 ok</p>",
                QString::fromUtf8("été – ok")},
        Fixture{"Windows1252HighBytes", "text/html; charset=windows-1252",
                "<p>\x80 \x85 \x8A \x91quoted\x92 \x93" "double\x94 \x96 \x97 \x99 \x9F</p>",
                QString::fromUtf8("€ … Š ‘quoted’ “double” – — ™ Ÿ")},
        Fixture{"Latin1LabelReadAsWindows1252", "text/html; charset=iso-8859-1", "<p>\x80</p>",
                QString::fromUtf8("€")},
        Fixture{"InvalidUtf8BecomesReplacementOnly", kHtml, "<p>ab\xFF\xFE" "cd</p>",
                QString::fromUtf8("ab\uFFFD\uFFFDcd")},
        Fixture{"BrokenMarkup", kHtml,
                "<html><body><div><p>unclosed <b>bold <i>both</div>after</p></b><td>cell"
                "<<>> &bogus; <p",
                "unclosed bold both\n\naftercell<<>> &bogus;"},
        Fixture{"PlainTextTakenAsItIs", "text/plain; charset=utf-8",
                "<b>not markup</b>\n  spaced   &amp;", "<b>not markup</b>\n  spaced   &amp;"},
        Fixture{"BinaryGivesNothing", "image/png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                ""},
        Fixture{"UntypedBinaryGivesNothing", "", QByteArray("GIF89a\0\0\x01\0text", 14), ""},
        Fixture{"UntypedTextIsReadAsHtml", "", "<p>plain <b>page</b></p>", "plain page"},
        Fixture{"EmptyBody", kHtml, "", ""}),
    [](const ::testing::TestParamInfo<Fixture>& info) { return std::string(info.param.name); });

TEST(ReadableText, AHalfArrivedPageGivesTheTextSoFar) {
  const QByteArray page = "<html><body><p>first part www.site.example</p><p>second part</p>";
  const QByteArray half = page.left(page.indexOf("<p>second"));
  EXPECT_EQ(platform::ReadableText(half, "text/html"), "first part www.site.example");
  // Cut inside a multibyte character: the part before it is kept.
  EXPECT_EQ(platform::ReadableText("<p>caf\xC3", "text/html; charset=utf-8"),
            QString::fromUtf8("caf\uFFFD"));
}

}  // namespace
