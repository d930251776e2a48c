#include "counties/region_catalogue.h"

#include "counties/county_table.h"

namespace quorvel {

namespace {

constexpr std::size_t kStateAbbreviationSize = 2;

}  // namespace

std::string_view RegionName(RegionId region) {
  return IsValidRegion(region) ? RegionCatalogue[static_cast<std::size_t>(region)].name
                               : std::string_view{};
}

std::string_view RegionAbbreviation(RegionId region) {
  return IsValidRegion(region) ? RegionCatalogue[static_cast<std::size_t>(region)].abbreviation
                               : std::string_view{};
}

std::optional<std::string_view> FindStateAbbreviation(std::string_view text) {
  // Most values asked about are counties, longer than any state.
  if (text.size() != kStateAbbreviationSize) return std::nullopt;
  const int row = FindSortedRow(text, RegionCatalogue.data(), kFirstContest, 0, kFirstContest - 1,
                                [](const RegionRow& r) { return r.abbreviation; });
  if (row < 0) return std::nullopt;
  return RegionCatalogue[static_cast<std::size_t>(row)].abbreviation;
}

namespace {

// The state lookup is a binary search: the state rows must stay sorted.
constexpr bool StatesSorted() {
  for (std::size_t i = 1; i < static_cast<std::size_t>(kFirstContest); ++i) {
    if (!(RegionCatalogue[i - 1].abbreviation < RegionCatalogue[i].abbreviation)) return false;
  }
  return true;
}
static_assert(StatesSorted(),
              "RegionCatalogue: state rows must be in ascending abbreviation order");

// The state lookup rules out every other length at once.
constexpr bool StatesAllOfOneSize() {
  for (std::size_t i = 0; i < static_cast<std::size_t>(kFirstContest); ++i) {
    if (RegionCatalogue[i].abbreviation.size() != kStateAbbreviationSize) return false;
  }
  return true;
}
static_assert(StatesAllOfOneSize(), "a state abbreviation is not two letters");

// Every offered id is a catalogue row and none is offered twice.
constexpr bool ChoiceOrderValid() {
  for (std::size_t i = 0; i < RegionChoiceOrder.size(); ++i) {
    if (!IsValidRegion(RegionChoiceOrder[i])) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (RegionChoiceOrder[j] == RegionChoiceOrder[i]) return false;
    }
  }
  return true;
}
static_assert(ChoiceOrderValid(), "RegionChoiceOrder: ids must be distinct catalogue rows");

}  // namespace

}  // namespace quorvel
