#include "counties/county_resolver.h"

#include <optional>
#include <string>

#include "counties/canadian_sections.h"
#include "counties/region_tables.h"

namespace quorvel {

namespace {

using County = RegionCounty;

constexpr std::string_view kCountyFieldName = "CNTY";
constexpr std::string_view kStateFieldName = "STATE";

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

CountyAnswer ClassifyCountyValue(std::string_view value, RegionId region) {
  if (const auto state = FindStateAbbreviation(value)) {
    return {CountyAnswerKind::kState, *state, {}};
  }
  if (FindCanadianArea(value)) return {CountyAnswerKind::kCanadian, {}, {}};
  if (region == kPennsylvania) {
    if (const auto state = FindSectionState(value)) {
      // A section outside the fifty states keeps its own abbreviation.
      return {CountyAnswerKind::kState, state->empty() ? value : *state, {}};
    }
  }
  if (region == kNaqp) {
    // NAQP's exchange is a name and a state: the last word may be the state.
    if (const auto state = FindStateAbbreviation(LastWord(value))) {
      return {CountyAnswerKind::kState, *state, {}};
    }
  } else if (const auto county = SearchRegion(value, region)) {
    return {CountyAnswerKind::kCounty, county->state, county->name};
  } else if (region == kMulti && value == "NVCAR") {
    return {CountyAnswerKind::kIndependentCity, RegionAbbreviation(kNevada), {}};
  }
  return {};
}

void AppendCountyAnswerText(const CountyAnswer& answer, std::string_view value, std::string& text) {
  switch (answer.kind) {
    case CountyAnswerKind::kCounty:
      text.append(answer.state).append(",").append(answer.county);
      return;
    case CountyAnswerKind::kState:
    case CountyAnswerKind::kIndependentCity:
      text.append(answer.state);
      return;
    default:
      text.append(value);
      return;
  }
}

int ApplyCountyAnswer(CountyAnswerKind kind, std::string_view newValue, AdifField& field,
                      RegionId region, std::string_view callsign, MessageLog& log) {
  switch (kind) {
    case CountyAnswerKind::kCounty:
      field.value = newValue;
      field.name = kCountyFieldName;
      return 1;
    case CountyAnswerKind::kState:
      // A state as written stays the bytes read.
      if (field.value != newValue) field.value = newValue;
      field.name = kStateFieldName;
      return 0;
    case CountyAnswerKind::kCanadian:
      return 0;
    case CountyAnswerKind::kIndependentCity: {
      std::string text(callsign);
      text.append(" in ").append(field.value).append(" is an independent city.");
      AddMessage(kWarningList, log, std::move(text));
      field.value = newValue;
      field.name = kStateFieldName;
      return 0;
    }
    case CountyAnswerKind::kUnknown:
      break;
  }
  std::string text = "WARNING: ";
  text.append(callsign).append(" in ").append(field.value).append(" is not a valid ");
  text.append(RegionName(region)).append(" county abbreviation.");
  AddMessage(kWarningList, log, std::move(text));
  return 0;
}

int ResolveCounty(AdifField& field, RegionId region, std::string_view callsign, MessageLog& log,
                  std::string& text) {
  const CountyAnswer answer = ClassifyCountyValue(field.value, region);
  if (answer.kind == CountyAnswerKind::kCanadian || answer.kind == CountyAnswerKind::kUnknown) {
    // The value stays: nothing to copy.
    return ApplyCountyAnswer(answer.kind, field.value, field, region, callsign, log);
  }
  text.clear();
  AppendCountyAnswerText(answer, field.value, text);
  return ApplyCountyAnswer(answer.kind, text, field, region, callsign, log);
}

std::optional<RegionCounty> FindRegionCounty(std::string_view value, RegionId region) {
  const CountyAnswer answer = ClassifyCountyValue(value, region);
  if (answer.kind != CountyAnswerKind::kCounty) return std::nullopt;
  return RegionCounty{answer.state, answer.county};
}

}  // namespace quorvel
