// Minnesota QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// Lac Qui Parle and Ottertail are spelled so here on purpose; the contest tables write
// Lac qui Parle and Otter Tail.
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
    {"AIT", "Aitkin"},
    {"ANO", "Anoka"},
    {"BEC", "Becker"},
    {"BEL", "Beltrami"},
    {"BEN", "Benton"},
    {"BIG", "Big Stone"},
    {"BLU", "Blue Earth"},
    {"BRO", "Brown"},
    {"CAS", "Cass"},
    {"CHP", "Chippewa"},
    {"CHS", "Chisago"},
    {"CLA", "Clay"},
    {"CLE", "Clearwater"},
    {"COO", "Cook"},
    {"COT", "Cottonwood"},
    {"CRL", "Carlton"},
    {"CRO", "Crow Wing"},
    {"CRV", "Carver"},
    {"DAK", "Dakota"},
    {"DOD", "Dodge"},
    {"DOU", "Douglas"},
    {"FAI", "Faribault"},
    {"FIL", "Fillmore"},
    {"FRE", "Freeborn"},
    {"GOO", "Goodhue"},
    {"GRA", "Grant"},
    {"HEN", "Hennepin"},
    {"HOU", "Houston"},
    {"HUB", "Hubbard"},
    {"ISA", "Isanti"},
    {"ITA", "Itasca"},
    {"JAC", "Jackson"},
    {"KIT", "Kittson"},
    {"KNB", "Kanabec"},
    {"KND", "Kandiyohi"},
    {"KOO", "Koochiching"},
    {"LAC", "Lac Qui Parle"},
    {"LAK", "Lake"},
    {"LES", "Le Sueur"},
    {"LIN", "Lincoln"},
    {"LKW", "Lake of the Woods"},
    {"LYO", "Lyon"},
    {"MAH", "Mahnomen"},
    {"MCL", "McLeod"},
    {"MEE", "Meeker"},
    {"MIL", "Mille Lacs"},
    {"MOR", "Morrison"},
    {"MOW", "Mower"},
    {"MRS", "Marshall"},
    {"MRT", "Martin"},
    {"MUR", "Murray"},
    {"NIC", "Nicollet"},
    {"NOB", "Nobles"},
    {"NOR", "Norman"},
    {"OLM", "Olmsted"},
    {"OTT", "Ottertail"},
    {"PEN", "Pennington"},
    {"PIN", "Pine"},
    {"PIP", "Pipestone"},
    {"POL", "Polk"},
    {"POP", "Pope"},
    {"RAM", "Ramsey"},
    {"RDL", "Red Lake"},
    {"RDW", "Redwood"},
    {"REN", "Renville"},
    {"RIC", "Rice"},
    {"ROC", "Rock"},
    {"ROS", "Roseau"},
    {"SCO", "Scott"},
    {"SHE", "Sherburne"},
    {"SIB", "Sibley"},
    {"STE", "Steele"},
    {"STL", "St. Louis"},
    {"STR", "Stearns"},
    {"STV", "Stevens"},
    {"SWI", "Swift"},
    {"TOD", "Todd"},
    {"TRA", "Traverse"},
    {"WAB", "Wabasha"},
    {"WAD", "Wadena"},
    {"WAT", "Watonwan"},
    {"WIL", "Wilkin"},
    {"WIN", "Winona"},
    {"WRI", "Wright"},
    {"WSC", "Waseca"},
    {"WSH", "Washington"},
    {"YEL", "Yellow Medicine"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Minnesota", 87, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kMinnesotaCountyTable = {"Minnesota", kRows, std::size(kRows)};

std::optional<std::string_view> LookupMinnesotaCounty(std::string_view value) {
  return SearchCountyTable(value, kMinnesotaCountyTable, 0,
                           static_cast<int>(kMinnesotaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
