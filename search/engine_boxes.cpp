#include "search/engine_boxes.h"

#include "search/search_state.h"

#include <array>

namespace RankscoutMod {
namespace {

constexpr std::array<const char*, kEngineBoxCount> kCaptions = {
    "About",       "Alexa",        "AllTheWeb",     "Alta Vista",   "Amfibi",      "AOL",
    "Ask",         "Bluewin",      "Ezilon",        "Cipinet",      "CNN",         "Ditto",
    "DMOZ",        "Dogpile",      "Dotzup",        "Entireweb",    "Espotting",   "Excite",
    "Gigablast",   "Galaxyhit",    "Go",            "Google",       "Homerweb",    "HotBot",
    "Humanux",     "Galaxy",       "Info",          "InfoSpace",    "Intelseek",   "Internet",
    "Ixquick",     "Jayde",        "Kanoodle",      "LookSmart",    "Lycos",       "Mamma",
    "Metacrawler", "MSN",          "Myway",         "NationalDir",  "NBCi",        "Netscape",
    "OneStepSearch", "Info",       "Infotiger",     "Scrubbtheweb", "2020 Search", "Search",
    "Search123",   "Goguides",     "Illumirate",    "Searchit",     "Searchhippo", "SightQuest",
    "Searchsight", "Joeant",       "SearchYet",     "Seeq",         "Sootle",      "Splatsearch",
    "Surfgopher",  "Terra",        "Teoma",         "Warp",         "Webcrawler",  "WebSearch",
    "Websquash",   "Whatuseek",    "WiseNut",       "Yahoo",        "Yoogee",      "Walhello",
    "Zeal",        "Yeandi",       "WOW",           "Webworld",     "Mavicanet",   "WindSeek",
    "Wotbox",      "Ontheweb",     "Xuppa",         "7 Search",     "Find What",   "Enhance",
    "Search Bug",  "MSN Beta",     "Goaio",         "",             "",            "",
};

}  // namespace

QString EngineBoxCaption(int index) {
  if (index < 0 || index >= kEngineBoxCount) return {};
  return QString::fromLatin1(kCaptions[static_cast<std::size_t>(index)]);
}

}  // namespace RankscoutMod
