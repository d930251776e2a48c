// Florida QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// Saint Johns and Saint Lucie are spelled so here on purpose; the contest tables write
// St. Johns and St. Lucie. MAN also reads as a Canadian province, which the resolver
// tests first; MAT and MTE still reach Manatee.
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
    {"ALC", "Alachua"},
    {"BAK", "Baker"},
    {"BAY", "Bay"},
    {"BRA", "Bradford"},
    {"BRE", "Brevard"},
    {"BRO", "Broward"},
    {"CAH", "Calhoun"},
    {"CHA", "Charlotte"},
    {"CIT", "Citrus"},
    {"CLA", "Clay"},
    {"CLM", "Columbia"},
    {"CLR", "Collier"},
    {"DAD", "Miami-Dade"},
    {"DES", "DeSoto"},
    {"DIX", "Dixie"},
    {"DUV", "Duval"},
    {"ESC", "Escambia"},
    {"FLG", "Flagler"},
    {"FRA", "Franklin"},
    {"GAD", "Gadsden"},
    {"GIL", "Gilchrist"},
    {"GLA", "Glades"},
    {"GUL", "Gulf"},
    {"HAM", "Hamilton"},
    {"HAR", "Hardee"},
    {"HEN", "Hendry"},
    {"HER", "Hernando"},
    {"HIG", "Highlands"},
    {"HIL", "Hillsborough"},
    {"HOL", "Holmes"},
    {"IDR", "Indian River"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"LAF", "Lafayette"},
    {"LAK", "Lake"},
    {"LEE", "Lee"},
    {"LEO", "Leon"},
    {"LEV", "Levy"},
    {"LIB", "Liberty"},
    {"MAD", "Madison"},
    {"MAN", "Manatee"},
    {"MAO", "Marion"},
    {"MAT", "Manatee"},
    {"MON", "Monroe"},
    {"MRT", "Martin"},
    {"MTE", "Manatee"},
    {"NAS", "Nassau"},
    {"OKA", "Okaloosa"},
    {"OKE", "Okeechobee"},
    {"ORA", "Orange"},
    {"OSC", "Osceola"},
    {"PAL", "Palm Beach"},
    {"PAS", "Pasco"},
    {"PIN", "Pinellas"},
    {"POL", "Polk"},
    {"PUT", "Putnam"},
    {"SAN", "Santa Rosa"},
    {"SAR", "Sarasota"},
    {"SEM", "Seminole"},
    {"STJ", "Saint Johns"},
    {"STL", "Saint Lucie"},
    {"SUM", "Sumter"},
    {"SUW", "Suwannee"},
    {"TAY", "Taylor"},
    {"UNI", "Union"},
    {"VOL", "Volusia"},
    {"WAG", "Washington"},
    {"WAK", "Wakulla"},
    {"WAL", "Walton"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Florida", 69, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kFloridaCountyTable = {"Florida", kRows, std::size(kRows)};

std::optional<std::string_view> LookupFloridaCounty(std::string_view value) {
  return SearchCountyTable(value, kFloridaCountyTable, 0,
                           static_cast<int>(kFloridaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
