#include "search/search_state.h"
#include "search/search_words.h"

#include <gtest/gtest.h>

namespace {

using namespace RankscoutMod;

struct EncodingCase {
  const char* name;
  QString words;
  QString plus, dash, pct2B, pct252B, pct20;
};

class Encoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Encoding, ReplacesEachBlankAndKeepsEverythingElse) {
  const EncodingCase& c = GetParam();
  SearchWords = c.words;
  EncodeSearchWords();
  EXPECT_EQ(QueryPlus, c.plus);
  EXPECT_EQ(QueryDash, c.dash);
  EXPECT_EQ(QueryPct2B, c.pct2B);
  EXPECT_EQ(QueryPct252B, c.pct252B);
  EXPECT_EQ(QueryPct20, c.pct20);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Encoding,
    ::testing::Values(
        EncodingCase{"worked_example", "red apple pie", "red+apple+pie", "red-apple-pie",
                     "red%2Bapple%2Bpie", "red%252Bapple%252Bpie", "red%20apple%20pie"},
        EncodingCase{"double_blank", "red  apple", "red++apple", "red--apple", "red%2B%2Bapple",
                     "red%252B%252Bapple", "red%20%20apple"},
        EncodingCase{"leading_and_trailing_blank", " red ", "+red+", "-red-", "%2Bred%2B",
                     "%252Bred%252B", "%20red%20"},
        EncodingCase{"single_blank", " ", "+", "-", "%2B", "%252B", "%20"},
        EncodingCase{"plus_ampersand_percent_kept", "a+b c&d%", "a+b+c&d%", "a+b-c&d%",
                     "a+b%2Bc&d%", "a+b%252Bc&d%", "a+b%20c&d%"},
        EncodingCase{"tab_and_non_ascii_kept", QString::fromUtf8("caf\xc3\xa9\tbar"),
                     QString::fromUtf8("caf\xc3\xa9\tbar"), QString::fromUtf8("caf\xc3\xa9\tbar"),
                     QString::fromUtf8("caf\xc3\xa9\tbar"), QString::fromUtf8("caf\xc3\xa9\tbar"),
                     QString::fromUtf8("caf\xc3\xa9\tbar")},
        EncodingCase{"empty", "", "", "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Encoding, ASecondRunForgetsTheFirstRunsWords) {
  SearchWords = "first long words here";
  EncodeSearchWords();
  SearchWords = "b c";
  EncodeSearchWords();
  EXPECT_EQ(QueryPlus, "b+c");
  EXPECT_EQ(QueryDash, "b-c");
  EXPECT_EQ(QueryPct252B, "b%252Bc");
  // The character loop leaves the shared counter behind the last character.
  EXPECT_EQ(EngineIndex, 4);
}

struct NumberCase {
  const char* text;
  double value;
};

class PagesValue : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PagesValue, ReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromLatin1(GetParam().text)), GetParam().value)
      << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Texts, PagesValue,
                         ::testing::Values(NumberCase{"10", 10}, NumberCase{"2.5", 2.5},
                                           NumberCase{"abc", 0}, NumberCase{"12 pages", 12},
                                           NumberCase{" 1 0", 10}, NumberCase{"-1", -1},
                                           NumberCase{"1e1", 10}, NumberCase{"", 0},
                                           NumberCase{"+3", 3}, NumberCase{".5", 0.5},
                                           NumberCase{"1.5.3", 1.5}, NumberCase{"2e", 2},
                                           NumberCase{"2e-1x", 0.2}, NumberCase{"-", 0},
                                           NumberCase{"--1", 0}, NumberCase{"e5", 0}));

}  // namespace
