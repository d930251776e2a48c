// Illinois QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// Edward is spelled so here on purpose; the contest tables write Edwards.
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
    {"ADAM", "Adams"},
    {"ALEX", "Alexander"},
    {"BOND", "Bond"},
    {"BOON", "Boone"},
    {"BROW", "Brown"},
    {"BURO", "Bureau"},
    {"CALH", "Calhoun"},
    {"CARR", "Carroll"},
    {"CASS", "Cass"},
    {"CHAM", "Champaign"},
    {"CHRS", "Christian"},
    {"CLAY", "Clay"},
    {"CLNT", "Clinton"},
    {"CLRK", "Clark"},
    {"COLE", "Coles"},
    {"COOK", "Cook"},
    {"CRAW", "Crawford"},
    {"CUMB", "Cumberland"},
    {"DEKA", "DeKalb"},
    {"DEWT", "DeWitt"},
    {"DOUG", "Douglas"},
    {"DUPG", "DuPage"},
    {"EDGR", "Edgar"},
    {"EDWA", "Edward"},
    {"EFFG", "Effingham"},
    {"FAYE", "Fayette"},
    {"FORD", "Ford"},
    {"FRNK", "Franklin"},
    {"FULT", "Fulton"},
    {"GALL", "Gallatin"},
    {"GREE", "Greene"},
    {"GRUN", "Grundy"},
    {"HAML", "Hamilton"},
    {"HANC", "Hancock"},
    {"HARD", "Hardin"},
    {"HENR", "Henry"},
    {"HNDR", "Henderson"},
    {"IROQ", "Iroquois"},
    {"JACK", "Jackson"},
    {"JASP", "Jasper"},
    {"JEFF", "Jefferson"},
    {"JERS", "Jersey"},
    {"JODA", "Jo Daviess"},
    {"JOHN", "Johnson"},
    {"KANE", "Kane"},
    {"KANK", "Kankakee"},
    {"KEND", "Kendall"},
    {"KNOX", "Knox"},
    {"LAKE", "Lake"},
    {"LASA", "La Salle"},
    {"LAWR", "Lawrence"},
    {"LEE", "Lee"},
    {"LIVG", "Livingston"},
    {"LOGN", "Logan"},
    {"MACN", "Macon"},
    {"MADN", "Madison"},
    {"MARI", "Marion"},
    {"MASN", "Mason"},
    {"MCDN", "McDonough"},
    {"MCHE", "McHenry"},
    {"MCLN", "McLean"},
    {"MCPN", "Macoupin"},
    {"MNRD", "Menard"},
    {"MNRO", "Monroe"},
    {"MNTG", "Montgomery"},
    {"MORG", "Morgan"},
    {"MOUL", "Moultrie"},
    {"MRCR", "Mercer"},
    {"MSHL", "Marshall"},
    {"MSSC", "Massac"},
    {"OGLE", "Ogle"},
    {"PEOR", "Peoria"},
    {"PERR", "Perry"},
    {"PIAT", "Piatt"},
    {"PIKE", "Pike"},
    {"POPE", "Pope"},
    {"PULA", "Pulaski"},
    {"PUTN", "Putnam"},
    {"RAND", "Randolph"},
    {"RICH", "Richland"},
    {"ROCK", "Rock Island"},
    {"SALI", "Saline"},
    {"SANG", "Sangamon"},
    {"SCHY", "Schuyler"},
    {"SCLA", "St. Clair"},
    {"SCOT", "Scott"},
    {"SHEL", "Shelby"},
    {"STAR", "Stark"},
    {"STEP", "Stephenson"},
    {"TAZW", "Tazewell"},
    {"UNIO", "Union"},
    {"VERM", "Vermilion"},
    {"WABA", "Wabash"},
    {"WARR", "Warren"},
    {"WASH", "Washington"},
    {"WAYN", "Wayne"},
    {"WBGO", "Winnebago"},
    {"WHIT", "White"},
    {"WILL", "Will"},
    {"WMSN", "Williamson"},
    {"WOOD", "Woodford"},
    {"WTSD", "Whiteside"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Illinois", 102, KeyLengths(3, 4));

}  // namespace

constexpr StateCountyTable kIllinoisCountyTable = {"Illinois", kRows, std::size(kRows)};

std::optional<std::string_view> LookupIllinoisCounty(std::string_view value) {
  return SearchCountyTable(value, kIllinoisCountyTable, 0,
                           static_cast<int>(kIllinoisCountyTable.rowCount) - 1);
}

}  // namespace quorvel
