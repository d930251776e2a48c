// Close abbreviations for a county code that was not found: what the
// operator probably meant to log. Only a hint; nothing is changed by it.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "counties/region_catalogue.h"

namespace quorvel {

struct CountySuggestion {
  std::string_view abbreviation;  // the table's own texts
  std::string_view county;
  std::string_view state;
};

struct CountySuggestions {
  static constexpr std::size_t kMost = 3;
  std::array<CountySuggestion, kMost> items{};
  std::size_t count = 0;
};

// Up to three abbreviations of the region's tables at edit distance 1 from
// value (a letter added, removed or changed, or two neighbours swapped), and
// at distance 2 when value has five letters or more: nearest first, then in
// the order the region's lookups search the tables. An abbreviation that the
// resolver takes for a state, a Canadian area or a section is never offered,
// as typing it would not give the county.
CountySuggestions SuggestCounties(std::string_view value, RegionId region);

}  // namespace quorvel
