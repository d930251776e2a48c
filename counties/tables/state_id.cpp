// Idaho QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// Adams has no row here, though the contest tables have one.
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
    {"ADA", "Ada"},
    {"BAN", "Bannock"},
    {"BEA", "Bear Lake"},
    {"BEN", "Benewah"},
    {"BIN", "Bingham"},
    {"BLA", "Blaine"},
    {"BNR", "Bonner"},
    {"BNV", "Bonneville"},
    {"BOI", "Boise"},
    {"BOU", "Boundary"},
    {"BUT", "Butte"},
    {"CAM", "Camas"},
    {"CAN", "Canyon"},
    {"CAR", "Caribou"},
    {"CAS", "Cassia"},
    {"CLA", "Clark"},
    {"CLE", "Clearwater"},
    {"CUS", "Custer"},
    {"ELM", "Elmore"},
    {"FRA", "Franklin"},
    {"FRE", "Fremont"},
    {"GEM", "Gem"},
    {"GOO", "Gooding"},
    {"IDA", "Idaho"},
    {"JEF", "Jefferson"},
    {"JER", "Jerome"},
    {"KOO", "Kootenai"},
    {"LAT", "Latah"},
    {"LEM", "Lemhi"},
    {"LEW", "Lewis"},
    {"LIN", "Lincoln"},
    {"MAD", "Madison"},
    {"MIN", "Minidoka"},
    {"NEZ", "Nez Perce"},
    {"ONE", "Oneida"},
    {"OWY", "Owyhee"},
    {"PAY", "Payette"},
    {"POW", "Power"},
    {"SHO", "Shoshone"},
    {"TET", "Teton"},
    {"TWI", "Twin Falls"},
    {"VAL", "Valley"},
    {"WAS", "Washington"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Idaho", 43, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kIdahoCountyTable = {"Idaho", kRows, std::size(kRows)};

std::optional<std::string_view> LookupIdahoCounty(std::string_view value) {
  return SearchCountyTable(value, kIdahoCountyTable, 0,
                           static_cast<int>(kIdahoCountyTable.rowCount) - 1);
}

}  // namespace quorvel
