// Oklahoma QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADA", "Adair"},
    {"ALF", "Alfalfa"},
    {"ATO", "Atoka"},
    {"BEA", "Beaver"},
    {"BEC", "Beckham"},
    {"BLA", "Blaine"},
    {"BRY", "Bryan"},
    {"CAD", "Caddo"},
    {"CAN", "Canadian"},
    {"CAR", "Carter"},
    {"CHE", "Cherokee"},
    {"CHO", "Choctaw"},
    {"CIM", "Cimarron"},
    {"CLE", "Cleveland"},
    {"COA", "Coal"},
    {"COM", "Comanche"},
    {"COT", "Cotton"},
    {"CRA", "Craig"},
    {"CRE", "Creek"},
    {"CUS", "Custer"},
    {"DEL", "Delaware"},
    {"DEW", "Dewey"},
    {"ELL", "Ellis"},
    {"GAR", "Garfield"},
    {"GNT", "Grant"},
    {"GRA", "Grady"},
    {"GRE", "Greer"},
    {"GRV", "Garvin"},
    {"HAR", "Harmon"},
    {"HAS", "Haskell"},
    {"HRP", "Harper"},
    {"HUG", "Hughes"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"JOH", "Johnston"},
    {"KAY", "Kay"},
    {"KIN", "Kingfisher"},
    {"KIO", "Kiowa"},
    {"LAT", "Latimer"},
    {"LEF", "Le Flore"},
    {"LIN", "Lincoln"},
    {"LOG", "Logan"},
    {"LOV", "Love"},
    {"MAJ", "Major"},
    {"MAR", "Marshall"},
    {"MAY", "Mayes"},
    {"MCI", "McIntosh"},
    {"MCL", "McClain"},
    {"MCU", "McCurtain"},
    {"MUR", "Murray"},
    {"MUS", "Muskogee"},
    {"NOB", "Noble"},
    {"NOW", "Nowata"},
    {"OKF", "Okfuskee"},
    {"OKL", "Oklahoma"},
    {"OKM", "Okmulgee"},
    {"OSA", "Osage"},
    {"OTT", "Ottawa"},
    {"PAW", "Pawnee"},
    {"PAY", "Payne"},
    {"PIT", "Pittsburg"},
    {"PON", "Pontotoc"},
    {"POT", "Pottawatomie"},
    {"PUS", "Pushmataha"},
    {"RGM", "Roger Mills"},
    {"ROG", "Rogers"},
    {"SEM", "Seminole"},
    {"SEQ", "Sequoyah"},
    {"STE", "Stephens"},
    {"TEX", "Texas"},
    {"TIL", "Tillman"},
    {"TUL", "Tulsa"},
    {"WAG", "Wagoner"},
    {"WAS", "Washington"},
    {"WAT", "Washita"},
    {"WDW", "Woodward"},
    {"WOO", "Woods"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Oklahoma", 77, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kOklahomaCountyTable = {"Oklahoma", kRows, std::size(kRows)};

std::optional<std::string_view> LookupOklahomaCounty(std::string_view value) {
  return SearchCountyTable(value, kOklahomaCountyTable, 0,
                           static_cast<int>(kOklahomaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
