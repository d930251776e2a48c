#include "counties/county_resolver.h"

#include <optional>
#include <string>

#include "counties/canadian_sections.h"
#include "counties/region_tables.h"

namespace quorvel {

namespace {

using County = RegionCounty;

std::optional<County> SearchState(std::string_view value, const StateCountyTable& table,
                                  std::string_view state) {
  const auto name = SearchCountyTable(value, table, 0, static_cast<int>(table.rowCount) - 1);
  if (!name) return std::nullopt;
  return County{state, *name};
}

std::optional<County> SearchContest(std::string_view value, const ContestCountyTable& table) {
  const auto match = SearchContestTable(value, table, 0, static_cast<int>(table.rowCount) - 1);
  if (!match) return std::nullopt;
  return County{match->state, match->county};
}

// MULTI covers the 7QP, the New England and the Indiana QSO parties at once.
std::optional<County> SearchMulti(std::string_view value) {
  if (auto county = SearchContest(value, *ContestCountyTableFor(kSevenQp))) return county;
  if (auto county = SearchContest(value, *ContestCountyTableFor(kNeqp))) return county;
  return SearchState(value, *StateCountyTableFor(kIndiana), RegionAbbreviation(kIndiana));
}

std::optional<County> SearchRegion(std::string_view value, RegionId region) {
  if (const StateCountyTable* table = StateCountyTableFor(region)) {
    return SearchState(value, *table, RegionAbbreviation(region));
  }
  if (const ContestCountyTable* table = ContestCountyTableFor(region)) {
    return SearchContest(value, *table);
  }
  if (region == kMulti) return SearchMulti(value);
  return std::nullopt;
}

// The text after the last blank; a value without a blank is its own last word.
std::string_view LastWord(std::string_view value) {
  const std::size_t blank = value.rfind(' ');
  return blank == std::string_view::npos ? value : value.substr(blank + 1);
}

}  // namespace

std::optional<RegionCounty> FindRegionCounty(std::string_view value, RegionId region) {
  // The resolver's order: states, Canadian areas and sections come first, and
  // NAQP has no counties.
  if (FindStateAbbreviation(value) || FindCanadianArea(value) || region == kNaqp) {
    return std::nullopt;
  }
  if (region == kPennsylvania && FindSectionState(value)) return std::nullopt;
  return SearchRegion(value, region);
}

int ResolveCounty(AdifField& field, RegionId region, std::string_view callsign, MessageLog& log,
                  std::string& text) {
  const std::string_view value = field.value;
  if (FindStateAbbreviation(value)) {
    field.name = "STATE";
    return 0;
  }
  if (FindCanadianArea(value)) return 0;
  if (region == kPennsylvania) {
    if (const auto state = FindSectionState(value)) {
      // A section outside the fifty states keeps its own abbreviation.
      if (!state->empty()) field.value = *state;
      field.name = "STATE";
      return 0;
    }
  }
  if (region == kNaqp) {
    const std::string_view word = LastWord(value);
    if (FindStateAbbreviation(word)) {
      field.value = word;
      field.name = "STATE";
      return 0;
    }
  } else if (const auto county = SearchRegion(value, region)) {
    text.assign(county->state).append(",").append(county->name);
    field.value = text;
    field.name = "CNTY";
    return 1;
  } else if (region == kMulti && value == "NVCAR") {
    std::string message(callsign);
    message.append(" in ").append(value).append(" is an independent city.");
    AddMessage(kWarningList, log, std::move(message));
    field.value = RegionAbbreviation(kNevada);
    field.name = "STATE";
    return 0;
  }
  std::string message = "WARNING: ";
  message.append(callsign).append(" in ").append(value).append(" is not a valid ");
  message.append(RegionName(region)).append(" county abbreviation.");
  AddMessage(kWarningList, log, std::move(message));
  return 0;
}

}  // namespace quorvel
