// Colorado QSO party: county abbreviations and the county names they stand for, one row
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
    {"ALA", "Alamosa"},
    {"ARA", "Arapahoe"},
    {"ARC", "Archuleta"},
    {"BAC", "Baca"},
    {"BEN", "Bent"},
    {"BOU", "Boulder"},
    {"BRO", "Broomfield"},
    {"CHA", "Chaffee"},
    {"CHE", "Cheyenne"},
    {"CLC", "Clear Creek"},
    {"CON", "Conejos"},
    {"COS", "Costilla"},
    {"CRO", "Crowley"},
    {"CUS", "Custer"},
    {"DEL", "Delta"},
    {"DEN", "Denver"},
    {"DOL", "Dolores"},
    {"DOU", "Douglas"},
    {"EAG", "Eagle"},
    {"ELB", "Elbert"},
    {"ELP", "El Paso"},
    {"FRE", "Fremont"},
    {"GAR", "Garfield"},
    {"GIL", "Gilpin"},
    {"GRA", "Grand"},
    {"GUN", "Gunnison"},
    {"HIN", "Hinsdale"},
    {"HUE", "Huerfano"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"KIC", "Kit Carson"},
    {"KIO", "Kiowa"},
    {"LAA", "Las Animas"},
    {"LAK", "Lake"},
    {"LAP", "La Plata"},
    {"LAR", "Larimer"},
    {"LIN", "Lincoln"},
    {"LOG", "Logan"},
    {"MES", "Mesa"},
    {"MIN", "Mineral"},
    {"MOF", "Moffat"},
    {"MON", "Montezuma"},
    {"MOR", "Morgan"},
    {"MOT", "Montrose"},
    {"OTE", "Otero"},
    {"OUR", "Ouray"},
    {"PAR", "Park"},
    {"PHI", "Phillips"},
    {"PIT", "Pitkin"},
    {"PRO", "Prowers"},
    {"PUE", "Pueblo"},
    {"RIB", "Rio Blanco"},
    {"RIG", "Rio Grande"},
    {"ROU", "Routt"},
    {"SAG", "Saguache"},
    {"SAJ", "San Juan"},
    {"SAM", "San Miguel"},
    {"SED", "Sedgwick"},
    {"SUM", "Summit"},
    {"TEL", "Teller"},
    {"WAS", "Washington"},
    {"WEL", "Weld"},
    {"YUM", "Yuma"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Colorado", 64, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kColoradoCountyTable = {"Colorado", kRows, std::size(kRows)};

std::optional<std::string_view> LookupColoradoCounty(std::string_view value) {
  return SearchCountyTable(value, kColoradoCountyTable, 0,
                           static_cast<int>(kColoradoCountyTable.rowCount) - 1);
}

}  // namespace quorvel
