// Iowa QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// Blackhawk, Emmett and Vanburen are spelled so here on purpose; the contest tables write
// Black Hawk, Emmet and Van Buren.
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
    {"ADM", "Adams"},
    {"ADR", "Adair"},
    {"ALL", "Allamakee"},
    {"APP", "Appanoose"},
    {"AUD", "Audubon"},
    {"BEN", "Benton"},
    {"BKH", "Blackhawk"},
    {"BNV", "Buena Vista"},
    {"BOO", "Boone"},
    {"BRE", "Bremer"},
    {"BTL", "Butler"},
    {"BUC", "Buchanan"},
    {"CAL", "Calhoun"},
    {"CAR", "Carroll"},
    {"CAS", "Cass"},
    {"CED", "Cedar"},
    {"CEG", "Cerro Gordo"},
    {"CHE", "Cherokee"},
    {"CHI", "Chickasaw"},
    {"CLA", "Clay"},
    {"CLN", "Clinton"},
    {"CLR", "Clarke"},
    {"CLT", "Clayton"},
    {"CRF", "Crawford"},
    {"DAL", "Dallas"},
    {"DAV", "Davis"},
    {"DEC", "Decatur"},
    {"DEL", "Delaware"},
    {"DIC", "Dickinson"},
    {"DSM", "Des Moines"},
    {"DUB", "Dubuque"},
    {"EMM", "Emmett"},
    {"FAY", "Fayette"},
    {"FLO", "Floyd"},
    {"FRA", "Franklin"},
    {"FRE", "Fremont"},
    {"GRE", "Greene"},
    {"GRU", "Grundy"},
    {"GUT", "Guthrie"},
    {"HAM", "Hamilton"},
    {"HAN", "Hancock"},
    {"HDN", "Hardin"},
    {"HEN", "Henry"},
    {"HOW", "Howard"},
    {"HRS", "Harrison"},
    {"HUM", "Humboldt"},
    {"IDA", "Ida"},
    {"IOW", "Iowa"},
    {"JAC", "Jackson"},
    {"JAS", "Jasper"},
    {"JEF", "Jefferson"},
    {"JOH", "Johnson"},
    {"JON", "Jones"},
    {"KEO", "Keokuk"},
    {"KOS", "Kossuth"},
    {"LEE", "Lee"},
    {"LIN", "Linn"},
    {"LOU", "Louisa"},
    {"LUC", "Lucas"},
    {"LYN", "Lyon"},
    {"MAD", "Madison"},
    {"MAH", "Mahaska"},
    {"MIL", "Mills"},
    {"MIT", "Mitchell"},
    {"MNA", "Monona"},
    {"MOE", "Monroe"},
    {"MRN", "Marion"},
    {"MSL", "Marshall"},
    {"MTG", "Montgomery"},
    {"MUS", "Muscatine"},
    {"OBR", "O'Brien"},
    {"OSC", "Osceola"},
    {"PAG", "Page"},
    {"PLA", "Palo Alto"},
    {"PLY", "Plymouth"},
    {"POC", "Pocahontas"},
    {"POL", "Polk"},
    {"POT", "Pottawattamie"},
    {"POW", "Poweshiek"},
    {"RIN", "Ringgold"},
    {"SAC", "Sac"},
    {"SCO", "Scott"},
    {"SHE", "Shelby"},
    {"SIO", "Sioux"},
    {"STR", "Story"},
    {"TAM", "Tama"},
    {"TAY", "Taylor"},
    {"UNI", "Union"},
    {"VAN", "Vanburen"},
    {"WAP", "Wapello"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WAY", "Wayne"},
    {"WEB", "Webster"},
    {"WNB", "Winnebago"},
    {"WNS", "Winneshiek"},
    {"WOO", "Woodbury"},
    {"WOR", "Worth"},
    {"WRI", "Wright"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Iowa", 99, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kIowaCountyTable = {"Iowa", kRows, std::size(kRows)};

std::optional<std::string_view> LookupIowaCounty(std::string_view value) {
  return SearchCountyTable(value, kIowaCountyTable, 0,
                           static_cast<int>(kIowaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
