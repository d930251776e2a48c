// West Virginia QSO party: county abbreviations and the county names they stand for, one row
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
    {"BAR", "Barbour"},
    {"BER", "Berkeley"},
    {"BOO", "Boone"},
    {"BRA", "Braxton"},
    {"BRO", "Brooke"},
    {"CAB", "Cabell"},
    {"CAL", "Calhoun"},
    {"CLA", "Clay"},
    {"DOD", "Doddridge"},
    {"FAY", "Fayette"},
    {"GIL", "Gilmer"},
    {"GRA", "Grant"},
    {"GRE", "Greenbrier"},
    {"HAM", "Hampshire"},
    {"HAN", "Hancock"},
    {"HAR", "Harrison"},
    {"HDY", "Hardy"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"KAN", "Kanawha"},
    {"LEW", "Lewis"},
    {"LIN", "Lincoln"},
    {"LOG", "Logan"},
    {"MAR", "Marshall"},
    {"MAS", "Mason"},
    {"MCD", "McDowell"},
    {"MER", "Mercer"},
    {"MGO", "Mingo"},
    {"MIN", "Mineral"},
    {"MON", "Monongalia"},
    {"MOR", "Morgan"},
    {"MRN", "Marion"},
    {"MRO", "Monroe"},
    {"NIC", "Nicholas"},
    {"OHI", "Ohio"},
    {"PEN", "Pendleton"},
    {"PLE", "Pleasants"},
    {"POC", "Pocahontas"},
    {"PRE", "Preston"},
    {"PUT", "Putnam"},
    {"RAL", "Raleigh"},
    {"RAN", "Randolph"},
    {"RIT", "Ritchie"},
    {"ROA", "Roane"},
    {"SUM", "Summers"},
    {"TAY", "Taylor"},
    {"TUC", "Tucker"},
    {"TYL", "Tyler"},
    {"UPS", "Upshur"},
    {"WAY", "Wayne"},
    {"WEB", "Webster"},
    {"WET", "Wetzel"},
    {"WIR", "Wirt"},
    {"WOO", "Wood"},
    {"WYO", "Wyoming"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "West Virginia", 55, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kWestVirginiaCountyTable = {"West Virginia", kRows, std::size(kRows)};

std::optional<std::string_view> LookupWestVirginiaCounty(std::string_view value) {
  return SearchCountyTable(value, kWestVirginiaCountyTable, 0,
                           static_cast<int>(kWestVirginiaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
