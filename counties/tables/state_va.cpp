// Virginia QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// ALB also reads as a Canadian province, which the resolver tests first.
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
    {"ACC", "Accomack"},
    {"ALB", "Albemarle"},
    {"ALL", "Alleghany"},
    {"AME", "Amelia"},
    {"AMH", "Amherst"},
    {"APP", "Appomattox"},
    {"ARL", "Arlington"},
    {"AUG", "Augusta"},
    {"BAT", "Bath"},
    {"BCH", "Buchanan"},
    {"BED", "Bedford"},
    {"BHM", "Buckingham"},
    {"BLA", "Bland"},
    {"BOT", "Botetourt"},
    {"BRU", "Brunswick"},
    {"CAM", "Campbell"},
    {"CCY", "Charles City"},
    {"CHA", "Charlotte"},
    {"CHE", "Chesterfield"},
    {"CLA", "Clarke"},
    {"CLN", "Caroline"},
    {"CRA", "Craig"},
    {"CRL", "Carroll"},
    {"CUL", "Culpeper"},
    {"CUM", "Cumberland"},
    {"DIC", "Dickenson"},
    {"DIN", "Dinwiddie"},
    {"ESS", "Essex"},
    {"FAU", "Fauquier"},
    {"FFX", "Fairfax"},
    {"FLO", "Floyd"},
    {"FLU", "Fluvanna"},
    {"FRA", "Franklin"},
    {"FRE", "Frederick"},
    {"GIL", "Giles"},
    {"GLO", "Gloucester"},
    {"GOO", "Goochland"},
    {"GRA", "Grayson"},
    {"GRN", "Greene"},
    {"GVL", "Greensville"},
    {"HAL", "Halifax"},
    {"HAN", "Hanover"},
    {"HCO", "Henrico"},
    {"HIG", "Highland"},
    {"HRY", "Henry"},
    {"IOW", "Isle of Wight"},
    {"JAM", "James City"},
    {"KGE", "King George"},
    {"KQN", "King and Queen"},
    {"KWM", "King William"},
    {"LAN", "Lancaster"},
    {"LDN", "Loudoun"},
    {"LEE", "Lee"},
    {"LSA", "Louisa"},
    {"LUN", "Lunenburg"},
    {"MAD", "Madison"},
    {"MAT", "Mathews"},
    {"MEC", "Mecklenburg"},
    {"MID", "Middlesex"},
    {"MON", "Montgomery"},
    {"NEL", "Nelson"},
    {"NEW", "New Kent"},
    {"NHA", "Northampton"},
    {"NOT", "Nottoway"},
    {"NUM", "Northumberland"},
    {"ORG", "Orange"},
    {"PAG", "Page"},
    {"PAT", "Patrick"},
    {"PIT", "Pittsylvania"},
    {"POW", "Powhatan"},
    {"PRE", "Prince Edward"},
    {"PRG", "Prince George"},
    {"PRW", "Prince William"},
    {"PUL", "Pulaski"},
    {"RAP", "Rappahannock"},
    {"RBR", "Rockbridge"},
    {"RHM", "Rockingham"},
    {"RIC", "Richmond"},
    {"ROA", "Roanoke"},
    {"RUS", "Russell"},
    {"SCO", "Scott"},
    {"SHA", "Southampton"},
    {"SHE", "Shenandoah"},
    {"SMY", "Smyth"},
    {"SPO", "Spotsylvania"},
    {"STA", "Stafford"},
    {"SUR", "Surry"},
    {"SUS", "Sussex"},
    {"TAZ", "Tazewell"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WES", "Westmoreland"},
    {"WIS", "Wise"},
    {"WYT", "Wythe"},
    {"YOR", "York"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Virginia", 95, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kVirginiaCountyTable = {"Virginia", kRows, std::size(kRows)};

std::optional<std::string_view> LookupVirginiaCounty(std::string_view value) {
  return SearchCountyTable(value, kVirginiaCountyTable, 0,
                           static_cast<int>(kVirginiaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
