// Maryland QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// BAL is Baltimore City, BCO the county of Baltimore.
#include <iterator>
#include <optional>
#include <string_view>

#include "counties/county_lookups.h"
#include "counties/table_checks.h"

namespace quorvel {
namespace {

using table_checks::KeyLengths;

// clang-format off
constexpr StateCountyRow kRows[] = {
    {"ALY", "Allegany"},
    {"ANA", "Anne Arundel"},
    {"BAL", "Baltimore City"},
    {"BCO", "Baltimore"},
    {"CEC", "Cecil"},
    {"CHS", "Charles"},
    {"CLN", "Caroline"},
    {"CLV", "Calvert"},
    {"CRL", "Carroll"},
    {"DRC", "Dorchester"},
    {"FRD", "Frederick"},
    {"GAR", "Garrett"},
    {"HFD", "Harford"},
    {"HWD", "Howard"},
    {"KEN", "Kent"},
    {"MON", "Montgomery"},
    {"PGE", "Prince George's"},
    {"QAN", "Queen Anne's"},
    {"SMR", "Somerset"},
    {"STM", "St. Mary's"},
    {"TAL", "Talbot"},
    {"WAS", "Washington"},
    {"WIC", "Wicomico"},
    {"WRC", "Worcester"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Maryland", 24, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kMarylandCountyTable = {"Maryland", kRows, std::size(kRows)};

std::optional<std::string_view> LookupMarylandCounty(std::string_view value) {
  return SearchCountyTable(value, kMarylandCountyTable, 0,
                           static_cast<int>(kMarylandCountyTable.rowCount) - 1);
}

}  // namespace quorvel
