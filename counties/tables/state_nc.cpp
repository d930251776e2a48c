// North Carolina QSO party: county abbreviations and the county names they stand for, one row
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
    {"ALA", "Alamance"},
    {"ALE", "Alexander"},
    {"ALL", "Alleghany"},
    {"ANS", "Anson"},
    {"ASH", "Ashe"},
    {"AVE", "Avery"},
    {"BEA", "Beaufort"},
    {"BER", "Bertie"},
    {"BLA", "Bladen"},
    {"BRU", "Brunswick"},
    {"BUN", "Buncombe"},
    {"BUR", "Burke"},
    {"CAB", "Cabarrus"},
    {"CAL", "Caldwell"},
    {"CAM", "Camden"},
    {"CAR", "Carteret"},
    {"CAS", "Caswell"},
    {"CAT", "Catawba"},
    {"CHA", "Chatham"},
    {"CHE", "Cherokee"},
    {"CHO", "Chowan"},
    {"CLA", "Clay"},
    {"CLE", "Cleveland"},
    {"COL", "Columbus"},
    {"CRA", "Craven"},
    {"CUM", "Cumberland"},
    {"CUR", "Currituck"},
    {"DAR", "Dare"},
    {"DAV", "Davie"},
    {"DUP", "Duplin"},
    {"DUR", "Durham"},
    {"DVD", "Davidson"},
    {"EDG", "Edgecombe"},
    {"FOR", "Forsyth"},
    {"FRA", "Franklin"},
    {"GAS", "Gaston"},
    {"GAT", "Gates"},
    {"GRA", "Granville"},
    {"GRE", "Greene"},
    {"GRM", "Graham"},
    {"GUI", "Guilford"},
    {"HAL", "Halifax"},
    {"HAR", "Harnett"},
    {"HAY", "Haywood"},
    {"HEN", "Henderson"},
    {"HER", "Hertford"},
    {"HOK", "Hoke"},
    {"HYD", "Hyde"},
    {"IRE", "Iredell"},
    {"JAC", "Jackson"},
    {"JOH", "Johnston"},
    {"JON", "Jones"},
    {"LEE", "Lee"},
    {"LEN", "Lenoir"},
    {"LIN", "Lincoln"},
    {"MAC", "Macon"},
    {"MAD", "Madison"},
    {"MAR", "Martin"},
    {"MCD", "McDowell"},
    {"MEC", "Mecklenburg"},
    {"MIT", "Mitchell"},
    {"MON", "Montgomery"},
    {"MOO", "Moore"},
    {"NAS", "Nash"},
    {"NEW", "New Hanover"},
    {"NOR", "Northampton"},
    {"ONS", "Onslow"},
    {"ORA", "Orange"},
    {"PAM", "Pamlico"},
    {"PAS", "Pasquotank"},
    {"PEN", "Pender"},
    {"PEQ", "Perquimans"},
    {"PER", "Person"},
    {"PIT", "Pitt"},
    {"POL", "Polk"},
    {"RAN", "Randolph"},
    {"RIC", "Richmond"},
    {"ROB", "Robeson"},
    {"ROC", "Rockingham"},
    {"ROW", "Rowan"},
    {"RUT", "Rutherford"},
    {"SAM", "Sampson"},
    {"SCO", "Scotland"},
    {"STA", "Stanly"},
    {"STO", "Stokes"},
    {"SUR", "Surry"},
    {"SWA", "Swain"},
    {"TRA", "Transylvania"},
    {"TYR", "Tyrrell"},
    {"UNI", "Union"},
    {"VAN", "Vance"},
    {"WAK", "Wake"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WAT", "Watauga"},
    {"WAY", "Wayne"},
    {"WIL", "Wilson"},
    {"WLK", "Wilkes"},
    {"YAD", "Yadkin"},
    {"YAN", "Yancey"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "North Carolina", 100, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kNorthCarolinaCountyTable = {"North Carolina", kRows, std::size(kRows)};

std::optional<std::string_view> LookupNorthCarolinaCounty(std::string_view value) {
  return SearchCountyTable(value, kNorthCarolinaCountyTable, 0,
                           static_cast<int>(kNorthCarolinaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
