// Kansas QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// LAB also reads as a Canadian province, which the resolver tests first.
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
    {"ALL", "Allen"},
    {"AND", "Anderson"},
    {"ATC", "Atchison"},
    {"BAR", "Barber"},
    {"BOU", "Bourbon"},
    {"BRO", "Brown"},
    {"BRT", "Barton"},
    {"BUT", "Butler"},
    {"CHE", "Cherokee"},
    {"CHS", "Chase"},
    {"CHT", "Chautauqua"},
    {"CHY", "Cheyenne"},
    {"CLK", "Clark"},
    {"CLO", "Cloud"},
    {"CLY", "Clay"},
    {"COF", "Coffey"},
    {"COM", "Comanche"},
    {"COW", "Cowley"},
    {"CRA", "Crawford"},
    {"DEC", "Decatur"},
    {"DIC", "Dickinson"},
    {"DON", "Doniphan"},
    {"DOU", "Douglas"},
    {"EDW", "Edwards"},
    {"ELK", "Elk"},
    {"ELL", "Ellis"},
    {"ELS", "Ellsworth"},
    {"FIN", "Finney"},
    {"FOR", "Ford"},
    {"FRA", "Franklin"},
    {"GEA", "Geary"},
    {"GLY", "Greeley"},
    {"GOV", "Gove"},
    {"GRE", "Greenwood"},
    {"GRM", "Graham"},
    {"GRT", "Grant"},
    {"GRY", "Gray"},
    {"HAM", "Hamilton"},
    {"HAS", "Haskell"},
    {"HOG", "Hodgeman"},
    {"HPR", "Harper"},
    {"HVY", "Harvey"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"JEW", "Jewell"},
    {"JOH", "Johnson"},
    {"KEA", "Kearny"},
    {"KIN", "Kingman"},
    {"KIO", "Kiowa"},
    {"LAB", "Labette"},
    {"LAN", "Lane"},
    {"LCN", "Lincoln"},
    {"LEA", "Leavenworth"},
    {"LIN", "Linn"},
    {"LOG", "Logan"},
    {"LYO", "Lyon"},
    {"MCP", "McPherson"},
    {"MEA", "Meade"},
    {"MGY", "Montgomery"},
    {"MIA", "Miami"},
    {"MIT", "Mitchell"},
    {"MOR", "Morris"},
    {"MRN", "Marion"},
    {"MSH", "Marshall"},
    {"MTN", "Morton"},
    {"NEM", "Nemaha"},
    {"NEO", "Neosho"},
    {"NES", "Ness"},
    {"NOR", "Norton"},
    {"OSA", "Osage"},
    {"OSB", "Osborne"},
    {"OTT", "Ottawa"},
    {"PAW", "Pawnee"},
    {"PHI", "Phillips"},
    {"POT", "Pottawatomie"},
    {"PRA", "Pratt"},
    {"RAW", "Rawlins"},
    {"REN", "Reno"},
    {"REP", "Republic"},
    {"RIC", "Rice"},
    {"RIL", "Riley"},
    {"ROO", "Rooks"},
    {"RSL", "Russell"},
    {"RUS", "Rush"},
    {"SAL", "Saline"},
    {"SCO", "Scott"},
    {"SED", "Sedgwick"},
    {"SEW", "Seward"},
    {"SHA", "Shawnee"},
    {"SHE", "Sheridan"},
    {"SMI", "Smith"},
    {"SMN", "Sherman"},
    {"STA", "Stafford"},
    {"STE", "Stevens"},
    {"STN", "Stanton"},
    {"SUM", "Sumner"},
    {"THO", "Thomas"},
    {"TRE", "Trego"},
    {"WAB", "Wabaunsee"},
    {"WAL", "Wallace"},
    {"WAS", "Washington"},
    {"WIC", "Wichita"},
    {"WIL", "Wilson"},
    {"WOO", "Woodson"},
    {"WYA", "Wyandotte"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Kansas", 105, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kKansasCountyTable = {"Kansas", kRows, std::size(kRows)};

std::optional<std::string_view> LookupKansasCounty(std::string_view value) {
  return SearchCountyTable(value, kKansasCountyTable, 0,
                           static_cast<int>(kKansasCountyTable.rowCount) - 1);
}

}  // namespace quorvel
