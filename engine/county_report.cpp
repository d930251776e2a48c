#include "engine/county_report.h"

#include <algorithm>
#include <optional>

#include "counties/canadian_sections.h"
#include "counties/region_tables.h"
#include "engine/ascii.h"

namespace quorvel {

namespace {

std::string_view StateName(std::string_view abbreviation) {
  for (RegionId id = 0; id < kFirstContest; ++id) {
    if (RegionAbbreviation(id) == abbreviation) return RegionName(id);
  }
  return abbreviation;
}

template <typename T>
bool Contains(const std::vector<T>& list, std::string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

void NoteValue(std::vector<std::string>& values, std::string_view value, std::size_t most) {
  if (value.empty()) value = "?";
  if (values.size() < most && !Contains(values, value)) values.emplace_back(value);
}

std::string_view LastWord(std::string_view value) {
  const std::size_t blank = value.rfind(' ');
  return blank == std::string_view::npos ? value : value.substr(blank + 1);
}

std::string_view ValueOf(const QsoRecord& record, std::string_view name) {
  for (std::size_t i = 0; i < record.fieldCount(); ++i) {
    const AdifField& field = record.field(i);
    if (field.hasValue && EqualsIgnoringCase(field.name, name)) return field.value;
  }
  return {};
}

}  // namespace

std::size_t ReportState::Worked() const {
  return static_cast<std::size_t>(std::count_if(counties.begin(), counties.end(),
                                                [](const ReportCounty& c) { return c.qsos > 0; }));
}

void CountyReport::BeginLog(std::string_view name, RegionId region) {
  logs_.push_back({std::string(name), region});
  if (std::find(regions_.begin(), regions_.end(), region) == regions_.end()) {
    regions_.push_back(region);
    AddRegion(region);
  }
}

// The states of each table in byte order of their abbreviations, the tables
// in the order the region searches them; a state already in the report
// (from another log's region) gains only the counties it lacked.
void CountyReport::AddRegion(RegionId region) {
  const SearchedTables searched = TablesSearchedFor(region);
  for (std::size_t t = 0; t < searched.count; ++t) {
    std::vector<std::string_view> tableStates;
    ForEachTableRow(searched.tables[t],
                    [&](std::string_view, std::string_view state, std::string_view) {
                      if (!Contains(tableStates, state)) tableStates.push_back(state);
                    });
    std::sort(tableStates.begin(), tableStates.end());
    for (const std::string_view state : tableStates) {
      const bool known = std::any_of(states_.begin(), states_.end(),
                                     [&](const ReportState& s) { return s.abbreviation == state; });
      if (!known) states_.push_back({state, StateName(state), {}, 0});
    }
    ForEachTableRow(searched.tables[t], [&](std::string_view key, std::string_view state,
                                            std::string_view county) {
      ReportState& s = *std::find_if(states_.begin(), states_.end(),
                                     [&](const ReportState& r) { return r.abbreviation == state; });
      auto c = std::find_if(s.counties.begin(), s.counties.end(),
                            [&](const ReportCounty& r) { return r.name == county; });
      if (c == s.counties.end()) {
        s.counties.push_back({county, {}, 0, {}, {}});
        c = s.counties.end() - 1;
      }
      if (!Contains(c->abbreviations, key)) c->abbreviations.push_back(key);
    });
  }
  countyIndex_.clear();
  for (std::size_t i = 0; i < states_.size(); ++i) {
    std::vector<ReportCounty>& counties = states_[i].counties;
    std::sort(counties.begin(), counties.end(),
              [](const ReportCounty& a, const ReportCounty& b) { return a.name < b.name; });
    for (std::size_t j = 0; j < counties.size(); ++j) {
      std::string value(states_[i].abbreviation);
      value.append(",").append(counties[j].name);
      countyIndex_.emplace(std::move(value), std::make_pair(i, j));
    }
  }
}

void CountyReport::CountQso(const std::string_view* counties, std::size_t count,
                            std::string_view band, std::string_view mode) {
  for (std::size_t k = 0; k < count; ++k) {
    const auto found = countyIndex_.find(counties[k]);
    if (found == countyIndex_.end()) continue;
    ReportState& state = states_[found->second.first];
    ReportCounty& county = state.counties[found->second.second];
    ++state.qsos;
    ++county.qsos;
    NoteValue(county.bands, band, kMostValues);
    NoteValue(county.modes, mode, kMostValues);
  }
}

void CountyReport::NoteResolved(const AdifField& field, int resolved, std::string_view callsign) {
  if (resolved != 0) return;  // a county: counted where its copy is written
  const std::string_view value = field.value;
  const RegionId region = logs_.empty() ? kNoRegion : logs_.back().region;
  if (field.name == "STATE") {
    ++otherStates_[std::string(value)];
  } else if (const auto province = FindCanadianArea(value)) {
    ++provinces_[std::string(*province)];
  } else if (const auto sent = region == kNaqp ? FindCanadianArea(LastWord(value)) : std::nullopt) {
    // A Canadian station's NAQP exchange, name and province: the conversion
    // warns about it, but the province is a multiplier, not a typo.
    ++provinces_[std::string(*sent)];
  } else {
    CountUnknown(value, callsign);
  }
}

void CountyReport::CountUnknown(std::string_view code, std::string_view callsign) {
  const RegionId region = logs_.empty() ? kNoRegion : logs_.back().region;
  // The same code means something else in another region's tables.
  std::string key(code);
  key.append(1, '\0').append(std::to_string(region));
  auto found = unknownIndex_.find(key);
  if (found == unknownIndex_.end()) {
    found = unknownIndex_.emplace(std::move(key), unknown_.size()).first;
    unknown_.push_back({std::string(code), region, 0, {}, SuggestCounties(code, region)});
  }
  ReportUnknown& entry = unknown_[found->second];
  ++entry.qsos;
  if (!callsign.empty() && entry.calls.size() < kMostCalls && !Contains(entry.calls, callsign)) {
    entry.calls.emplace_back(callsign);
  }
}

void CountyReport::AddWritten(long long qsos, long long countyLineQsos) {
  totals_.qsosWritten += qsos;
  totals_.countyLineQsos += countyLineQsos;
}

void ReportWrittenCopy(CountyReport& report, const QsoRecord& record,
                       const std::string_view* counties, std::size_t count) {
  report.CountQso(counties, count, ValueOf(record, "BAND"), ValueOf(record, "MODE"));
}

}  // namespace quorvel
