#include "tests/county_model.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>

#include "counties/canadian_sections.h"
#include "counties/region_tables.h"
#include "engine/field_rewriting.h"

namespace quorvel::testing {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

bool IsState(std::string_view value) {
  for (RegionId region = 0; region < kFirstContest; ++region) {
    if (RegionCatalogue[region].abbreviation == value) return true;
  }
  return false;
}

bool IsCanadian(std::string_view value) {
  for (const std::string_view code : CanadianAreaCodes) {
    if (code == value) return true;
  }
  for (const CanadianAlias& alias : CanadianAreaAliases) {
    if (alias.alias == value) return true;
  }
  return false;
}

const SectionState* FindSection(std::string_view value) {
  for (const SectionState& row : SectionStateTable) {
    if (row.section == value) return &row;
  }
  return nullptr;
}

// Every key of a region's tables with the CNTY value of its first row, the
// tables taken in the order the region searches them.
struct RegionKeys {
  std::map<std::string, std::string, std::less<>> county;
  std::set<std::string, std::less<>> shared;  // held by several rows of one table
  std::vector<std::string> order;             // keys in table order
};

template <typename Row, typename CountyOf>
void AddRows(RegionKeys& keys, const Row* rows, std::size_t count, CountyOf countyOf) {
  std::map<std::string_view, int> rowsOfKey;
  for (std::size_t i = 0; i < count; ++i) ++rowsOfKey[rows[i].key];
  for (std::size_t i = 0; i < count; ++i) {
    const std::string key(rows[i].key);
    if (rowsOfKey[rows[i].key] > 1) keys.shared.insert(key);
    if (keys.county.emplace(key, countyOf(rows[i])).second) keys.order.push_back(key);
  }
}

void AddStateTable(RegionKeys& keys, RegionId region) {
  for (const StateTableEntry& entry : kAllStateCountyTables) {
    if (entry.region != region) continue;
    const std::string state(RegionCatalogue[region].abbreviation);
    AddRows(keys, entry.table->rows, entry.table->rowCount,
            [&](const StateCountyRow& row) { return state + "," + std::string(row.county); });
  }
}

void AddContestTable(RegionKeys& keys, RegionId region) {
  for (const ContestTableEntry& entry : kAllContestCountyTables) {
    if (entry.region != region) continue;
    AddRows(keys, entry.table->rows, entry.table->rowCount, [](const ContestCountyRow& row) {
      return std::string(row.state) + "," + std::string(row.county);
    });
  }
}

const RegionKeys& KeysOf(RegionId region) {
  static std::array<std::unique_ptr<RegionKeys>, kRegionCount> cache;
  std::unique_ptr<RegionKeys>& keys = cache[static_cast<std::size_t>(region)];
  if (keys) return *keys;
  keys = std::make_unique<RegionKeys>();
  if (region == kMulti) {
    AddContestTable(*keys, kSevenQp);
    AddContestTable(*keys, kNeqp);
    AddStateTable(*keys, kIndiana);
  } else {
    AddStateTable(*keys, region);
    AddContestTable(*keys, region);
  }
  return *keys;
}

std::string NotValid(RegionId region, std::string_view callsign, std::string_view value) {
  return "WARNING: " + std::string(callsign) + " in " + std::string(value) + " is not a valid " +
         std::string(RegionCatalogue[region].name) + " county abbreviation.";
}

ValueOutcome Outcome(std::string name, std::string value, bool converted = false,
                     std::string warning = {}) {
  return ValueOutcome{std::move(name), std::move(value), converted, std::move(warning)};
}

}  // namespace

ValueOutcome ExpectResolution(RegionId region, std::string_view name, std::string_view value,
                              std::string_view callsign) {
  const std::string text(value);
  if (IsState(value)) return Outcome("STATE", text);
  if (IsCanadian(value)) return Outcome(std::string(name), text);
  if (region == kPennsylvania) {
    if (const SectionState* row = FindSection(value)) {
      return Outcome("STATE", row->state.empty() ? text : std::string(row->state));
    }
  }
  if (region == kNaqp) {
    const std::string_view word = value.substr(value.rfind(' ') + 1);
    if (IsState(word)) return Outcome("STATE", std::string(word));
  } else if (const auto found = KeysOf(region).county.find(value);
             found != KeysOf(region).county.end()) {
    return Outcome("CNTY", found->second, true);
  } else if (region == kMulti && value == "NVCAR") {
    return Outcome("STATE", "NV", false,
                   std::string(callsign) + " in NVCAR is an independent city.");
  }
  return Outcome(std::string(name), text, false, NotValid(region, callsign, value));
}

const std::vector<ConvertingKey>& ConvertingKeys(RegionId region) {
  static std::array<std::unique_ptr<std::vector<ConvertingKey>>, kRegionCount> cache;
  auto& keys = cache[static_cast<std::size_t>(region)];
  if (keys) return *keys;
  keys = std::make_unique<std::vector<ConvertingKey>>();
  std::set<std::string> counties;
  for (const std::string& key : KeysOf(region).order) {
    if (KeysOf(region).shared.count(key) != 0) continue;
    const ValueOutcome outcome = ExpectResolution(region, "QTH", key, "");
    if (outcome.converted && counties.insert(outcome.value).second) {
      keys->push_back({key, outcome.value});
    }
  }
  return *keys;
}

// The engine's list of names, matched here on the model's own terms: "CNTY"
// in any letter case, the others only as written.
bool IsCountyField(std::string_view name) {
  return SameIgnoringCase(name, CountyFieldNames[0]) ||
         std::find(CountyFieldNames.begin() + 1, CountyFieldNames.end(), name) !=
             CountyFieldNames.end();
}

}  // namespace quorvel::testing
