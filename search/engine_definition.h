#pragma once

// One engine of the catalogue: its caption, page step, last page value and
// the pieces its results-page address is joined from.

#include <cstdint>
#include <string_view>
#include <vector>

namespace RankscoutMod {

// The encoded forms of the search words.
enum class Words { Plus, Dash, Pct2B, Pct252B, Pct20 };

// Whole-number values of the page loop that addresses carry, for a step s.
enum class Page {
  Counter,          // PageCounter: 1, 1 + s, 1 + 2s, ...
  Offset,           // PageCounter - 1: 0, s, 2s, ...
  Index,            // (PageCounter - 1) / PageStep: 0, 1, 2, ...
  Number,           // 1 + (PageCounter - 1) / PageStep: 1, 2, 3, ...
  Step,             // PageStep on every page
  HalfOffset,       // (PageCounter - 1) / 2
  NumberTimesStep,  // Number x PageStep: s, 2s, 3s, ...
  OffsetPlusStep,   // (PageCounter - 1) + PageStep: s, 2s, 3s, ...
  OddNumber,        // 1 + 2 (PageCounter - 1) / PageStep: 1, 3, 5, ...
  TwiceStep,        // 2 x PageStep on every page
};

struct AddressPiece {
  enum class Kind { Text, Words, Page };
  Kind kind;
  std::string_view text;
  Words words = Words::Plus;
  Page page = Page::Counter;
};

constexpr AddressPiece Text(std::string_view text) { return {AddressPiece::Kind::Text, text}; }
constexpr AddressPiece SearchWordsAs(Words words) { return {AddressPiece::Kind::Words, {}, words}; }
constexpr AddressPiece PageValue(Page page) {
  return {AddressPiece::Kind::Page, {}, Words::Plus, page};
}

// The end value of the page loop, worked out once before the loop.
enum class LastPage {
  StepTimesPagesPlusStep,  // PageStep x PagesToSearch + PageStep
  StepTimesPagesPlusOne,   // PageStep x PagesToSearch + 1
  SinglePage,              // no loop: one page with PageCounter 1
};

struct EngineDefinition {
  std::string_view caption;
  std::int16_t step;
  LastPage lastPage;
  std::string_view host;
  std::vector<AddressPiece> address;
  // Used instead of `address` on the first page, when not empty.
  std::vector<AddressPiece> firstPageAddress = {};
};

}  // namespace RankscoutMod
