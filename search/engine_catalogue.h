#pragma once

// The engine catalogue: one row per engine, in the order the run tests the
// rows against a ticked box's caption. A row gives the caption, the step, the
// last page value, the host, and the address after the host as literal texts,
// encoded search words and named page values, joined with nothing between.

#include "search/engine_definition.h"

#include <iterator>
#include <span>
#include <string_view>

namespace RankscoutMod {

namespace catalogue {

// Last page values.
inline constexpr LastPage kPlusStep = LastPage::StepTimesPagesPlusStep;  // step x pages + step
inline constexpr LastPage kPlusOne = LastPage::StepTimesPagesPlusOne;    // step x pages + 1
inline constexpr LastPage kOnePage = LastPage::SinglePage;               // no loop at all

// The encoded search words.
inline constexpr AddressPiece kQueryPlus = SearchWordsAs(Words::Plus);        // blank -> "+"
inline constexpr AddressPiece kQueryDash = SearchWordsAs(Words::Dash);        // blank -> "-"
inline constexpr AddressPiece kQueryPct2B = SearchWordsAs(Words::Pct2B);      // blank -> "%2B"
inline constexpr AddressPiece kQueryPct252B = SearchWordsAs(Words::Pct252B);  // blank -> "%252B"
inline constexpr AddressPiece kQueryPct20 = SearchWordsAs(Words::Pct20);      // blank -> "%20"

// Page values, shown for a step s on the pages 1, 2, 3, ...
inline constexpr AddressPiece kPageCounter = PageValue(Page::Counter);  // 1, 1 + s, 1 + 2s
inline constexpr AddressPiece kOffset = PageValue(Page::Offset);        // 0, s, 2s
inline constexpr AddressPiece kPageIndex = PageValue(Page::Index);      // 0, 1, 2
inline constexpr AddressPiece kPageNumber = PageValue(Page::Number);    // 1, 2, 3
inline constexpr AddressPiece kPageStep = PageValue(Page::Step);        // s, s, s
// The odd ones, each used by one engine.
inline constexpr AddressPiece kHalfOffset = PageValue(Page::HalfOffset);  // 0, s/2, s
inline constexpr AddressPiece kPageNumberTimesStep = PageValue(Page::NumberTimesStep);  // s, 2s, 3s
inline constexpr AddressPiece kOffsetPlusStep = PageValue(Page::OffsetPlusStep);  // s, 2s, 3s
inline constexpr AddressPiece kOddPageNumber = PageValue(Page::OddNumber);       // 1, 3, 5
inline constexpr AddressPiece kTwiceStep = PageValue(Page::TwiceStep);           // 2s, 2s, 2s

// Fixed values of the engines' own that their addresses carry.
inline constexpr std::string_view kAskQueryId = "C03BFE648F46433AD16CE7C8AF6473DA";
inline constexpr std::string_view kTeomaQueryId = "454417BE1F2BAECDB627570DEBC45630";
inline constexpr std::string_view kNbciId = "KO5Y7M59KVDA1U";
inline constexpr std::string_view k2020SearchId = "Q6W47ACSZL541RUQ";
inline constexpr std::string_view kInternetHomeHost = "www.internet.com";
inline constexpr std::string_view kIxquickQueryId = "FIBOEOYZCJMC";
inline constexpr std::string_view kSeeqDomain = "seeq.com";
inline constexpr std::string_view kSearchYetId = "auggtpuyyfpwjrl7zug1g4qg1etuzuqq";
inline constexpr std::string_view kInfoId = "PM44ZQXA24TJ9N";
inline constexpr std::string_view kInfoPartnerCode = "info.icom";
inline constexpr std::string_view kSearchBugId = "43O77GF4BUGKH1";
inline constexpr std::string_view kSevenSearchHome = "http%3A%2F%2Fwww%2E7search%2Ecom";

// Hosts that serve more than one engine.
inline constexpr std::string_view kInfoSpaceHost = "www.infospace.com";

// clang-format off
inline const EngineDefinition kEngineCatalogue[] = {
// Caption           Step  Last page  Host
//   Address after the host

// Departure: the loop ends at step x pages + 1, which stops a fractional pages value a page early.
{"Alta Vista",       10, kPlusOne,  "www.altavista.com",
  {Text("/web/results?q="), kQueryPlus, Text("&kgs=1&kls=0&stq="), kOffset}},
{"About",            10, kPlusStep, "search.about.com",
  {Text("/fullsearch.htm?TopNode=/&terms="), kQueryPlus, Text("&pg="), kPageNumber, Text("&SUName=home&ipg=")}},
{"Dogpile",          20, kPlusStep, "www.dogpile.com",
  {Text("/info.dogpl/search/web/"), kQueryPct2B, Text("/"), kPageCounter, Text("/"), kPageStep, Text("/"), kPageNumber,
   Text("/-/0/0/1/1/1/1/-/-/-/on2%253A1082507539796%253A0%253A")}},
{"Excite",           20, kPlusStep, "msxml.excite.com",
  {Text("/info.xcite/search/web/"), kQueryPct2B, Text("/"), kPageCounter, Text("/"), kPageStep, Text("/"), kPageNumber,
   Text("/-/0/0/1/1/1/1/-/-/-/on5%253A1083192009012%253A0%253A")}},
{"Google",           10, kPlusStep, "www.google.com",
  {Text("/search?q="), kQueryPlus, Text("&hl=en&lr=&ie=UTF-8&oe=UTF-8&start="), kOffset, Text("&sa=N")}},
{"HotBot",           10, kPlusStep, "www.hotbot.com",
  {Text("/default.asp?query="), kQueryPlus, Text("&first="), kPageCounter,
   Text("&page=more&ca=w&prov=Inktomi&pc=&pcx=&pcu=&date=")}},
// "first" carries the page counter, as on HotBot's address of the same path.
{"Lycos",            10, kPlusStep, "search.lycos.com",
  {Text("/default.asp?query="), kQueryPlus, Text("&first="), kPageCounter, Text("&pmore=more&gi=1")}},
{"Mamma",            15, kPlusStep, "www.mamma.com",
  {Text("/Mamma?cookie=&query="), kQueryPlus, Text("&lang=1&qtype=0&rpp=15&cb=Mamma&index="), kPageCounter}},
{"Yahoo",            10, kPlusStep, "search.yahoo.com",
  {Text("/search?p="), kQueryPlus, Text("&ei=UTF-8&cop=mss&xargs=0&pstart=1&fr=FP-tab-web-t&b="), kPageCounter}},
{"AllTheWeb",        10, kPlusStep, "www.alltheweb.com",
  {Text("/search?cat=web&cs=utf8&q="), kQueryPlus, Text("&rys=0&_sb_lang=pref&o="), kOffset}},
{"Ask",              10, kPlusStep, "web.ask.com",
  {Text("/web?q="), kQueryPlus, Text("&qsrc=1&o=0&page="), kPageNumber, Text("&qid="), Text(kAskQueryId),
   Text("&qte=0&params=teoma%3dy%3d")}},
{"LookSmart",        15, kPlusStep, "search.looksmart.com",
  {Text("/p/search?qt="), kQueryPlus, Text("&tb=dir&sn="), kOffset, Text("&se=0,0,0,300")}},
{"Metacrawler",      20, kPlusStep, "www.metacrawler.com",
  {Text("/info.metac/search/web/"), kQueryPct2B, Text("/"), kPageCounter, Text("/"), kPageStep, Text("/"), kPageNumber,
   Text("/-/-/0/1/1/1/1/-/-/-/on4%253A1083206291411%253A0%253A/-/1/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/-/"),
   kQueryPct252B}},
{"Scrubbtheweb",     15, kPlusStep, "www.scrubtheweb.com",
  {Text("/cgi-bin/search.cgi?q="), kQueryPlus, Text("&page="), kPageIndex}},
{"Webcrawler",       20, kPlusStep, "www.webcrawler.com",
  {Text("/info.wbcrwl/search/web/"), kQueryPct2B, Text("/"), kPageCounter, Text("/"), kPageStep, Text("/"), kPageNumber,
   Text("/-/0/0/1/1/1/1/-/-/-/on2%253B1083449452062%253B0%253B")}},
{"Whatuseek",        20, kPlusStep, "seek.whatuseek.com",
  {Text("/search.go?query="), kQueryPct20, Text("&page="), kPageNumber}},
{"AOL",              15, kPlusStep, "search.aol.com",
  {Text("/aolcom/search?query="), kQueryPlus, Text("&page="), kPageNumber}},
// Served by the partner that runs the engine's web search.
{"Go",               10, kPlusStep, "www.google.com",
  {Text("/hws/search?q="), kQueryPlus,
   Text("&client=disney-go-test&channel=searchresultspage&safe=medium&adsafe=medium&start="), kOffset}},
{"Jayde",            25, kPlusStep, "www.jayde.com",
  {Text("/cgi-bin/search.pl?r="), kOffset, Text("&q="), kQueryPct20,
   Text("&w=&k=&s=&e=Search%20Results&o=&m=&X=63047&a=0&ph=")}},
{"MSN",              25, kPlusStep, "search.msn.com",
  {Text("/pass/results.aspx?ps=ba%3d(31."), kPageCounter,
   Text(")0(.)0...1.0.3.0.%26co%3d(0.15)4(0.1)3.200.2.5.10.1.3.%26rd%3d0%26pn%3d6%26&q="), kQueryPlus,
   Text("&ck_sc=1&ck_af=0")}},
{"Teoma",            10, kPlusStep, "s.teoma.com",
  {Text("/search?q="), kQueryPlus, Text("&qcat=1&qsrc=0&page="), kPageNumber, Text("&qid="), Text(kTeomaQueryId),
   Text("&qte=0&params=teoma%3dy%3d")}},
{"WiseNut",          10, kPlusStep, "www.wisenut.com",
  {Text("/search/query.dll?q="), kQueryPlus, Text("&p="), kPageIndex, Text("&c="), kPageStep}},
{"CNN",              10, kPlusStep, "search.cnn.com",
  {Text("/search/search?q="), kQueryPlus, Text("&hl=en&lr=&ie=UTF-8&output=xml_no_dtd&client=cnn&start="), kOffset,
   Text("&sa=N")}},
{"Kanoodle",         10, kPlusStep, "www.kanoodle.com",
  {Text("/return.cool?query="), kQueryPct20, Text("&id=&first="), kHalfOffset, Text("&afirst="), kOffset}},
{"Netscape",         10, kPlusStep, "search.netscape.com",
  {Text("/ns/search?query="), kQueryPlus, Text("&page="), kPageNumber,
   Text("&offset=1&fromPage=NSCPNextPrev&invocationType=next")}},
// Served by the InfoSpace host.
{"NBCi",             10, kPlusStep, kInfoSpaceHost,
  {Text("/_1_"), Text(kNbciId), Text("__info.nbci/dog/results?otmpl=dog/webresults.htm&qcat=web&start="), kPageIndex,
   Text("&nextid=ms11%3A1083540142636&qkw="), kQueryPlus, Text("&submit2.x=23&submit2.y=11&top="), kPageIndex,
   Text("&start="), kPageIndex, Text("&ver=3879")}},
{"Search",           10, kPlusStep, "www.search.com",
  {Text("/search?cat=118&q="), kQueryPlus, Text("&format=spider&channel=1&k=41653957&page="), kOffset}},
{"Gigablast",        10, kPlusStep, "www.gigablast.com",
  {Text("/search?k0y=802572&s="), kOffset, Text("&q="), kQueryPlus}},
{"Searchit",         10, kPlusStep, "www.searchit.com",
  {Text("/search.php?keywords="), kQueryPct20, Text("&page="), kPageNumber, Text("&username=&alt_search=5")}},
{"Searchhippo",      10, kPlusStep, "www.searchhippo.com",
  {Text("/q.php?q="), kQueryPlus, Text("&c="), kPageStep, Text("&i="), kOffset}},
// Departure: the first page has an address of its own.
{.caption = "Humanux", .step = 10, .lastPage = kPlusStep, .host = "www.humanux.com",
  .address =          {Text("/s/?t="), kQueryPlus, Text("&n="), kPageNumber},
  .firstPageAddress = {Text("/s/?t="), kQueryPlus, Text("&n=.1")}},
{"Cipinet",          10, kPlusStep, "www.cipinet.com",
  {Text("/cgi-bin/query?db=all&ys=01&c=001&pp="), kPageStep, Text("&dec=r-r&q="), kQueryPlus,
   Text("&dec=r-r&results="), kOffset}},
{"Intelseek",        10, kPlusStep, "www.intelseek.com",
  {Text("/default.asp?PagePosition="), kPageNumber, Text("&search="), kQueryPlus, Text("&mode=allwords")}},
{"InfoSpace",        20, kPlusStep, kInfoSpaceHost,
  {Text("/home/search/web/"), kQueryPct2B, Text("/"), kPageCounter, Text("/"), kPageStep, Text("/"), kPageNumber,
   Text("/-/0/0/1/1/1/1/-/-/-/di12%253A1089158329791%253A0%253A")}},
{"Entireweb",        10, kPlusStep, "www.entireweb.com",
  {Text("/query?q="), kQueryPlus, Text("&of="), kOffset, Text("&n="), kPageStep}},
{"Myway",            10, kPlusStep, "search.myway.com",
  {Text("/jsp/GGweb.jsp?searchfor="), kQueryPlus, Text("&fr="), kOffset, Text("&st=site&ptnrS=")}},
{"Dotzup",            5, kPlusStep, "www.dotzup.com",
  {Text("/searchresult-temp1-dtz2.php?dc="), kPageStep, Text("&base="), kOffset, Text("&SRCH=198499198&X="),
   kQueryPlus}},
{"Websquash",        15, kPlusStep, "www.websquash.com",
  {Text("/ssearch/smartsearch.cgi?keywords="), kQueryPlus, Text("&s="), kOffset,
   Text("&bt=0&crawlsite=&c=&db=&e=9084977&f=&username=&c3=4&c5=&c99=")}},
{"2020 Search",      20, kPlusStep, "www.2020search.com",
  {Text("/search/results.php?Keywords="), kQueryPct20, Text("&iss=d-www-en-us_i-"), Text(k2020SearchId),
   Text("_s-0&offset="), kOffset, Text("&source=8&page=more&prov=Inktomi")}},
{"Yoogee",           20, kPlusStep, "www.yoogee.com",
  {Text("/search/?lt=2&q="), kQueryPct20, Text("&start="), kOffset, Text("&size=10&e=f")}},
{"WebSearch",        20, kPlusStep, "www.websearch.com",
  {Text("/websrch.tab.main/search/web/"), kQueryPct2B, Text("/"), kOddPageNumber, Text("/20/"), kPageNumber,
   Text("/-/0/0/0/1/1/1/-/-/-/di8%253A1089585061202")}},

{"Bluewin",          15, kPlusStep, "search.bluewin.ch",
  {Text("/bw/search/web/de/result.jsp?qry="), kQueryPlus, Text("&qgres=0&what=ch&first="), kPageNumber,
   Text("&qgres=0")}},
{"Espotting",        10, kPlusStep, "www.espotting.com",
  {Text("/search/results.asp?keyword="), kQueryPlus, Text("&affiliateid=3024&hits=10&page="), kPageNumber,
   Text("&noadult=&bkfill=&excl=")}},
// The search host serves a path named after the engine's home host.
{"Internet",         10, kPlusStep, "search.internet.com",
  {Text("/"), Text(kInternetHomeHost), Text("?IC_QueryText="), kQueryPlus,
   Text("&submit=1&IC_QueryDatabase=all&IC_BatchSize="), kPageNumberTimesStep,
   Text("&IC_RelevanceThreshold=50&IC_SortBy=&IC_StartNumber="), kOffset, Text("&referer="), Text(kInternetHomeHost),
   Text("&case=1&juppage="), kPageNumber}},
{"Ixquick",          10, kPlusStep, "www.ixquick.com",
  {Text("/do/metasearch.pl?cmd=process_search&startat="), kOffset, Text("&language=english&qid="),
   Text(kIxquickQueryId), Text("&query="), kQueryPlus, Text("&cat=web&rl=NONE&lui=english")}},
{"OneStepSearch",    10, kPlusStep, "www.onestepsearch.com",
  {Text("/main/index.php?page="), kPageIndex, Text("&cmd=1&ss="), kQueryPct20, Text("&rpp="), kPageStep,
   Text("&hidesummary=0")}},
{"Search123",        20, kPlusStep, "www.search123.com",
  {Text("/cgi-bin/ksearch.cgi?AID=2656&QUERY="), kQueryPlus, Text("&START="), kOffset}},
{"Seeq",             10, kPlusStep, "www.seeq.com",
  {Text("/results.jsp?portal_id=1&domain="), Text(kSeeqDomain), Text("&keyword="), kQueryPct20, Text("&offset="),
   kOffset, Text("&type=s")}},
{"SearchYet",        10, kPlusStep, "www.searchyet.com",
  {Text("/index.php?cmd=search&ts_id="), Text(kSearchYetId), Text("&query="), kQueryPlus, Text("&page="),
   kPageNumber}},
{"Terra",            10, kPlusStep, "buscador.terra.com",
  {Text("/default.asp?query="), kQueryPlus, Text("&first="), kPageCounter, Text("&ca=e")}},
{"Alexa",            10, kPlusStep, "www.alexa.com",
  {Text("/search?q="), kQueryPlus, Text("&filter=y&page="), kPageNumber}},
{"Amfibi",           10, kPlusStep, "www.amfibi.com",
  {Text("/se?q="), kQueryPlus, Text("&cs=utf-8&ps=10&fm=off&np="), kPageNumber}},
{"Ditto",             3, kPlusStep, "www.ditto.com",
  {Text("/searchresults.asp?ss="), kQueryPlus, Text("&ap="), kPageNumber,
   Text("&pid=7002&mainToolbar=imageSelected&categoryIDs=0")}},
{"DMOZ",             20, kPlusStep, "search.dmoz.org",
  {Text("/cgi-bin/search?search="), kQueryPct20, Text("&utf8=1&locale=en_us&start="), kPageCounter}},
{"Galaxy",           15, kPlusStep, "www.galaxy.com",
  {Text("/b/q?p="), kPageNumber, Text("&k="), kQueryPlus}},
{"Homerweb",         15, kPlusStep, "www.homerweb.com",
  {Text("/?p="), kPageNumber, Text("&s="), kQueryPct20, Text("&a=web&t=Web")}},
// Runs for each of the two boxes that carry this caption.
{"Info",             20, kPlusStep, "www.info.com",
  {Text("/_1_"), Text(kInfoId), Text("__"), Text(kInfoPartnerCode), Text("/search/web/"), kQueryPct2B, Text("/"),
   kPageCounter, Text("/"), kPageStep, Text("/"), kPageNumber,
   Text("/-/1/0/1/1/1/1/-/-/-/di4%253A1089760966220%253A0%253A?")}},
{"WindSeek",         10, kPlusStep, "www.windseek.com",
  {Text("/query?q="), kQueryPlus, Text("&page="), kPageNumber}},
// The blank before "&sq=" belongs to the address; the loader sends it as %20.
{"Sootle",           10, kPlusStep, "www.sootle.com",
  {Text("/search.html?start="), kOffset, Text(" &sq="), kQueryPct20}},
{"Walhello",         10, kPlusStep, "www.walhello.com",
  {Text("/cgi-bin/search?key="), kQueryPlus, Text("&taal=a&nummer="), kPageNumber, Text("&no&no&no&vert=0&no")}},
{"Infotiger",        10, kPlusStep, "www.infotiger.com",
  {Text("/search?qs="), kQueryPlus, Text("&page="), kPageNumber}},
{"Zeal",             10, kPlusStep, "www.zeal.com",
  {Text("/search/results.jhtml?keyword="), kQueryPlus, Text("&scope=directory&domain=websites&webNum=10&start="),
   kPageCounter}},
{"WOW",              10, kPlusStep, "www.wow.com",
  {Text("/search.php?q="), kQueryPlus, Text("&s="), kPageCounter}},
{"SightQuest",       10, kPlusStep, "www.sightquest.com",
  {Text("/search-results.htm?page="), kPageNumber, Text("&keywords="), kQueryPlus}},
// Departure: one page only, whatever the pages value.
{"Yeandi",           10, kOnePage,  "www.yeandi.com",
  {Text("/searchresults.asp?term="), kQueryPlus}},
{"Goguides",         10, kPlusStep, "www.goguides.org",
  {Text("/DIR/search.php?q="), kQueryPlus, Text("&s="), kPageCounter}},
{"Joeant",           10, kPlusStep, "www.joeant.com",
  {Text("/DIR/search.php?keywords="), kQueryPlus, Text("&page="), kOffset, Text("&limit=10")}},
{"Wotbox",           10, kPlusStep, "www.wotbox.com",
  {Text("/search?q="), kQueryPlus, Text("&o="), kPageIndex, Text("&l=10")}},
{"Galaxyhit",        10, kPlusStep, "www.galaxyhit.com",
  {Text("/search/search.cgi?keywords="), kQueryPct20, Text("&start="), kPageNumber}},
{"Illumirate",       10, kPlusStep, "www.illumirate.com",
  {Text("/search.cfm?Search="), kQueryPct20, Text("&StartRow="), kPageCounter, Text("&ThisPage="), kPageIndex}},
{"Mavicanet",        20, kPlusStep, "www.mavicanet.com",
  {Text("/directory/eng/1.html?iss=1&searchlng=&search="), kQueryPlus,
   Text("&searchurl=&instspace=&sortorder1=8&fsort=&page="), kPageIndex, Text("&curcat=&SDir=")}},
{"Ezilon",           15, kPlusStep, "www.ezilon.com",
  {Text("/cgi-bin/jump/jump_search.cgi?q="), kQueryPlus, Text("&m=and&cat=1&search_cat=1&start="), kPageIndex}},
{"Warp",             15, kPlusStep, "www.warpsearch.com",
  {Text("/web/results.php?keywords="), kQueryPct20, Text("&page="), kPageNumber}},
// "page", added behind the engine's own pieces, asks for the page that the pass records.
{"Surfgopher",       15, kPlusStep, "www.surfgopher.com",
  {Text("/nph-go.crawl?w="), kQueryPlus, Text("&c=0&n=1&t=1"), Text("&page="), kPageNumber}},
{"Searchsight",      10, kPlusStep, "www.searchsight.com",
  {Text("/search.htm?search="), kQueryPlus, Text("&s="), kPageCounter}},
{"NationalDir",      10, kPlusStep, "www.nationaldirectory.com",
  {Text("/query.cgi?query="), kQueryPlus, Text("&page="), kPageNumber}},
{"Splatsearch",      10, kPlusStep, "www.splatsearch.com",
  {Text("/cgi-bin/splatsearch?searchstring="), kQueryPlus, Text("&page="), kPageNumber}},
{"Webworld",         10, kPlusStep, "www.webworldindex.com",
  {Text("/cgi-bin/pseek/search2.cgi?st="), kOffset, Text("&nd="), kOffsetPlusStep, Text("&keywords="), kQueryPlus,
   Text("&cat_search=&hn=1&hn=1")}},
{"Ontheweb",         10, kPlusStep, "www.ontheweb.com",
  {Text("/s/"), kQueryDash, Text("_"), kPageNumber, Text(".html")}},
// Served by the InfoSpace host.
{"Search Bug",       20, kPlusStep, kInfoSpaceHost,
  {Text("/_1_"), Text(kSearchBugId), Text("__info.sbug/search/web/"), kQueryPct2B, Text("/"), kPageCounter, Text("/"),
   kPageStep, Text("/"), kPageNumber, Text("/-/0/0/1/1/1/1/-/-/-/di8%253A1092606703157%253A0%253A")}},
// Served by the partner host. S and O stay at the step and twice the step on every page;
// "PG", added behind the engine's own pieces, asks for the page that the pass records.
{"Enhance",          20, kPlusStep, "search.ah-ha.com",
  {Text("/1000.aspx?Q="), kQueryPlus, Text("&QT=L&FT=F1&MB=.026&SA=&LOG=&S="), kPageStep, Text("&O="), kTwiceStep,
   Text("&LC=4&FC=266&CID=1000&SID="), Text("&PG="), kPageNumber}},
{"Find What",        25, kPlusStep, "www.findwhat.com",
  {Text("/results.asp?DC="), kPageStep, Text("&Base="), kOffset, Text("&MT="), kQueryPlus, Text("&pdc="), kOffset,
   Text("&filter_pref=0")}},
{"7 Search",         20, kPlusStep, "www.7search.com",
  {Text("/scripts/search.asp?qu="), kQueryPlus, Text("&language=1&s=sb&u="), Text(kSevenSearchHome),
   Text("&filter=off&moreresults="), kPageCounter}},
{"MSN Beta",         10, kPlusStep, "beta.search.msn.com",
  {Text("/results.aspx?q="), kQueryPlus, Text("&first="), kPageCounter, Text("&count="), kPageStep,
   Text("&FORM=PDRE"), kPageIndex}},
{"Xuppa",            28, kPlusStep, "www.xuppa.com",
  {Text("/cgi-local/search.cgi?keyword="), kQueryPlus, Text("&startlimit="), kOffset, Text("&limitnumber=20&file="),
   kOffset, Text("&link=&clicktrade=&partnerid=bay9&require=1&nohead=&nofoot=&filter=0")}},
};
// clang-format on

static_assert(std::size(kEngineCatalogue) == 85, "85 engine definitions");

}  // namespace catalogue

// The engine definitions, in the order the run tests them.
inline std::span<const EngineDefinition> EngineCatalogue() { return catalogue::kEngineCatalogue; }

}  // namespace RankscoutMod
