#include "engine/contest_regions.h"

#include <iterator>
#include <string>

#include "counties/county_table.h"
#include "counties/table_checks.h"
#include "engine/ascii.h"

namespace quorvel {

namespace {

// The catalogue row of an abbreviation; kNoRegion for none, which no check
// below lets through.
constexpr RegionId Region(std::string_view abbreviation) {
  for (RegionId id = 0; id < kRegionCount; ++id) {
    if (table_checks::SameText(RegionCatalogue[static_cast<std::size_t>(id)].abbreviation,
                               abbreviation)) {
      return id;
    }
  }
  return kNoRegion;
}

// MAR-QSO-PARTY is the Canadian Maritimes, not the Mid-Atlantic: it is not here.
// clang-format off
constexpr ContestRegionRow kContestRegions[] = {
    {"7QP", Region("7QP")},
    {"AL-QSO-PARTY", Region("AL")},
    {"CA-QSO-PARTY", Region("CA")},
    {"CO-QSO-PARTY", Region("CO")},
    {"DE-QSO-PARTY", Region("DE")},
    {"FL-QSO-PARTY", Region("FL")},
    {"GA-QSO-PARTY", Region("GA")},
    {"HI-QSO-PARTY", Region("HI")},
    {"IA-QSO-PARTY", Region("IA")},
    {"ID-QSO-PARTY", Region("ID")},
    {"IL QSO PARTY", Region("IL")},
    {"IN-QSO-PARTY", Region("IN")},
    {"IN7QPNE-QSO-PARTY", Region("MULTI")},
    {"KS-QSO-PARTY", Region("KS")},
    {"KY-QSO-PARTY", Region("KY")},
    {"LA-QSO-PARTY", Region("LA")},
    {"MD-QSO-PARTY", Region("MD")},
    {"MI-QSO-PARTY", Region("MI")},
    {"MIDATLANTIC-QSO-PARTY", Region("MAQP")},
    {"MN-QSO-PARTY", Region("MN")},
    {"MO-QSO-PARTY", Region("MO")},
    {"MS-QSO-PARTY", Region("MS")},
    {"NAQP-CW", Region("NAQP")},
    {"NAQP-RTTY", Region("NAQP")},
    {"NAQP-SSB", Region("NAQP")},
    {"NC-QSO-PARTY", Region("NC")},
    {"ND-QSO-PARTY", Region("ND")},
    {"NE-QSO-PARTY", Region("NE")},
    {"NEQP", Region("NEQP")},
    {"NJ-QSO-PARTY", Region("NJ")},
    {"NV-QSO-PARTY", Region("NV")},
    {"NY-QSO-PARTY", Region("NY")},
    {"OH-QSO-PARTY", Region("OH")},
    {"OK-QSO-PARTY", Region("OK")},
    {"OR-QSO-PARTY", Region("OR")},
    {"PA-QSO-PARTY", Region("PA")},
    {"SC-QSO-PARTY", Region("SC")},
    {"TN-QSO-PARTY", Region("TN")},
    {"TX-QSO-PARTY", Region("TX")},
    {"US-COUNTIES-QSO", Region("USCQP")},
    {"VA-QSO-PARTY", Region("VA")},
    {"VIRGINIA QSO PARTY", Region("VA")},
    {"VT-QSO-PARTY", Region("VT")},
    {"WA-QSO-PARTY", Region("WA")},
    {"WI-QSO-PARTY", Region("WI")},
    {"WV-QSO-PARTY", Region("WV")},
};
// clang-format on

// The search below is a binary search over capital letters.
constexpr std::size_t FirstUnorderedRow() {
  for (std::size_t i = 1; i < std::size(kContestRegions); ++i) {
    if (CompareKeys(kContestRegions[i - 1].contestId, kContestRegions[i].contestId) >= 0) {
      return i;
    }
  }
  return std::size(kContestRegions);
}

constexpr bool IsOffered(RegionId region) {
  for (const RegionId offered : RegionChoiceOrder) {
    if (offered == region) return true;
  }
  return false;
}

constexpr bool IsWellFormedContestId(std::string_view id) {
  if (id.empty()) return false;
  for (const char c : id) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ' ')) return false;
  }
  return true;
}

// A state's own XX-QSO-PARTY must lead to that state, not to a neighbour.
constexpr bool NamesItsOwnState(const ContestRegionRow& row) {
  constexpr std::string_view suffix = "-QSO-PARTY";
  const std::string_view id = row.contestId;
  if (id.size() != 2 + suffix.size() || !table_checks::SameText(id.substr(2), suffix)) return true;
  return IsValidRegion(row.region) &&
         table_checks::SameText(RegionCatalogue[static_cast<std::size_t>(row.region)].abbreviation,
                                id.substr(0, 2));
}

template <typename Test>
constexpr std::size_t FirstRowFailing(Test test) {
  for (std::size_t i = 0; i < std::size(kContestRegions); ++i) {
    if (!test(kContestRegions[i])) return i;
  }
  return std::size(kContestRegions);
}

static_assert(FirstUnorderedRow() == std::size(kContestRegions),
              "contest regions: row out of byte order or repeated (the value shown is its index)");
static_assert(FirstRowFailing([](const ContestRegionRow& row) { return IsOffered(row.region); }) ==
                  std::size(kContestRegions),
              "contest regions: the region is not one the dialog offers (the value shown is the "
              "row index)");
static_assert(FirstRowFailing([](const ContestRegionRow& row) {
                return IsWellFormedContestId(row.contestId);
              }) == std::size(kContestRegions),
              "contest regions: CONTEST_ID not in capital letters, digits, '-' and blanks (the "
              "value shown is the row index)");
static_assert(FirstRowFailing(NamesItsOwnState) == std::size(kContestRegions),
              "contest regions: an XX-QSO-PARTY row leads to another state than XX (the value "
              "shown is the row index)");

}  // namespace

RegionId RegionForContestId(std::string_view value) {
  std::string key(value);
  for (char& c : key) c = ToUpperAscii(c);
  const int row = FindSortedRow(key, kContestRegions, std::size(kContestRegions), 0,
                                static_cast<int>(std::size(kContestRegions)) - 1,
                                [](const ContestRegionRow& r) { return r.contestId; });
  return row < 0 ? kNoRegion : kContestRegions[static_cast<std::size_t>(row)].region;
}

}  // namespace quorvel
