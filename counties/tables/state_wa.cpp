// Washington QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
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
    {"ADA", "Adams"},
    {"ASO", "Asotin"},
    {"BEN", "Benton"},
    {"CHE", "Chelan"},
    {"CLAL", "Clallam"},
    {"CLAR", "Clark"},
    {"COL", "Columbia"},
    {"COW", "Cowlitz"},
    {"DOU", "Douglas"},
    {"FER", "Ferry"},
    {"FRA", "Franklin"},
    {"GAR", "Garfield"},
    {"GRAN", "Grant"},
    {"GRAY", "Grays Harbor"},
    {"ISL", "Island"},
    {"JEFF", "Jefferson"},
    {"KING", "King"},
    {"KITS", "Kitsap"},
    {"KITT", "Kittitas"},
    {"KLI", "Klickitat"},
    {"LEW", "Lewis"},
    {"LIN", "Lincoln"},
    {"MAS", "Mason"},
    {"OKA", "Okanogan"},
    {"PAC", "Pacific"},
    {"PEND", "Pend Oreille"},
    {"PIE", "Pierce"},
    {"SAN", "San Juan"},
    {"SKAG", "Skagit"},
    {"SKAM", "Skamania"},
    {"SNO", "Snohomish"},
    {"SPO", "Spokane"},
    {"STE", "Stevens"},
    {"THU", "Thurston"},
    {"WAH", "Wahkiakum"},
    {"WAL", "Walla Walla"},
    {"WHA", "Whatcom"},
    {"WHI", "Whitman"},
    {"YAK", "Yakima"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Washington", 39, KeyLengths(3, 4));

}  // namespace

constexpr StateCountyTable kWashingtonCountyTable = {"Washington", kRows, std::size(kRows)};

std::optional<std::string_view> LookupWashingtonCounty(std::string_view value) {
  return SearchCountyTable(value, kWashingtonCountyTable, 0,
                           static_cast<int>(kWashingtonCountyTable.rowCount) - 1);
}

}  // namespace quorvel
