#include "counties/canadian_sections.h"

#include "counties/county_table.h"

namespace quorvel {

namespace {

constexpr bool SectionsSorted() {
  for (std::size_t i = 1; i < SectionStateTable.size(); ++i) {
    if (!(SectionStateTable[i - 1].section < SectionStateTable[i].section)) return false;
  }
  return true;
}
static_assert(SectionsSorted(), "SectionStateTable: sections must be in strictly ascending order");

}  // namespace

std::optional<std::string_view> FindCanadianArea(std::string_view text) {
  for (const std::string_view code : CanadianAreaCodes) {
    if (text == code) return code;
  }
  for (const CanadianAlias& alias : CanadianAreaAliases) {
    if (text == alias.alias) return alias.code;
  }
  return std::nullopt;
}

std::optional<std::string_view> FindSectionState(std::string_view text) {
  const int row = FindSortedRow(text, SectionStateTable.data(), SectionStateTable.size(), 0,
                                static_cast<int>(SectionStateTable.size()) - 1,
                                [](const SectionState& s) { return s.section; });
  if (row < 0) return std::nullopt;
  return SectionStateTable[static_cast<std::size_t>(row)].state;
}

}  // namespace quorvel
