// Pennsylvania QSO party: county abbreviations and the county names they stand for, one row
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
    {"ALL", "Allegheny"},
    {"ARM", "Armstrong"},
    {"BEA", "Beaver"},
    {"BED", "Bedford"},
    {"BER", "Berks"},
    {"BLA", "Blair"},
    {"BRA", "Bradford"},
    {"BUT", "Butler"},
    {"BUX", "Bucks"},
    {"CAR", "Carbon"},
    {"CEN", "Centre"},
    {"CHE", "Chester"},
    {"CLA", "Clarion"},
    {"CLE", "Clearfield"},
    {"CLI", "Clinton"},
    {"CMB", "Cambria"},
    {"COL", "Columbia"},
    {"CRA", "Crawford"},
    {"CRN", "Cameron"},
    {"CUM", "Cumberland"},
    {"DAU", "Dauphin"},
    {"DCO", "Delaware"},
    {"ELK", "Elk"},
    {"ERI", "Erie"},
    {"FAY", "Fayette"},
    {"FOR", "Forest"},
    {"FRA", "Franklin"},
    {"FUL", "Fulton"},
    {"GRE", "Greene"},
    {"HUN", "Huntingdon"},
    {"INN", "Indiana"},
    {"JEF", "Jefferson"},
    {"JUN", "Juniata"},
    {"LAC", "Lackawanna"},
    {"LAN", "Lancaster"},
    {"LAW", "Lawrence"},
    {"LEB", "Lebanon"},
    {"LEH", "Lehigh"},
    {"LUZ", "Luzerne"},
    {"LYC", "Lycoming"},
    {"MCK", "McKean"},
    {"MER", "Mercer"},
    {"MGY", "Montgomery"},
    {"MIF", "Mifflin"},
    {"MOE", "Monroe"},
    {"MTR", "Montour"},
    {"NHA", "Northampton"},
    {"NUM", "Northumberland"},
    {"PER", "Perry"},
    {"PHI", "Philadelphia"},
    {"PIK", "Pike"},
    {"POT", "Potter"},
    {"SCH", "Schuylkill"},
    {"SNY", "Snyder"},
    {"SOM", "Somerset"},
    {"SUL", "Sullivan"},
    {"SUS", "Susquehanna"},
    {"TIO", "Tioga"},
    {"UNI", "Union"},
    {"VEN", "Venango"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WAY", "Wayne"},
    {"WES", "Westmoreland"},
    {"WYO", "Wyoming"},
    {"YOR", "York"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Pennsylvania", 67, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kPennsylvaniaCountyTable = {"Pennsylvania", kRows, std::size(kRows)};

std::optional<std::string_view> LookupPennsylvaniaCounty(std::string_view value) {
  return SearchCountyTable(value, kPennsylvaniaCountyTable, 0,
                           static_cast<int>(kPennsylvaniaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
