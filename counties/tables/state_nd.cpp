// North Dakota QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADM", "Adams"},
    {"BLL", "Billings"},
    {"BOT", "Bottineau"},
    {"BOW", "Bowman"},
    {"BRK", "Burke"},
    {"BRN", "Barnes"},
    {"BSN", "Benson"},
    {"BUR", "Burleigh"},
    {"CAV", "Cavalier"},
    {"CSS", "Cass"},
    {"DIK", "Dickey"},
    {"DIV", "Divide"},
    {"DUN", "Dunn"},
    {"EDY", "Eddy"},
    {"EMN", "Emmons"},
    {"FOS", "Foster"},
    {"GFK", "Grand Forks"},
    {"GNT", "Grant"},
    {"GNV", "Golden Valley"},
    {"GRG", "Griggs"},
    {"HET", "Hettinger"},
    {"KDR", "Kidder"},
    {"LMR", "LaMoure"},
    {"LOG", "Logan"},
    {"MCH", "McHenry"},
    {"MCI", "McIntosh"},
    {"MCK", "McKenzie"},
    {"MCL", "McLean"},
    {"MCR", "Mercer"},
    {"MRL", "Mountrail"},
    {"MTN", "Morton"},
    {"NEL", "Nelson"},
    {"OLR", "Oliver"},
    {"PBA", "Pembina"},
    {"PRC", "Pierce"},
    {"REN", "Renville"},
    {"RLD", "Richland"},
    {"RMY", "Ramsey"},
    {"ROL", "Rolette"},
    {"RSM", "Ransom"},
    {"SGT", "Sargent"},
    {"SIX", "Sioux"},
    {"SLP", "Slope"},
    {"SRN", "Sheridan"},
    {"STK", "Stark"},
    {"STL", "Steele"},
    {"STN", "Stutsman"},
    {"TRL", "Traill"},
    {"TWR", "Towner"},
    {"WLH", "Walsh"},
    {"WLM", "Williams"},
    {"WLS", "Wells"},
    {"WRD", "Ward"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "North Dakota", 53, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kNorthDakotaCountyTable = {"North Dakota", kRows, std::size(kRows)};

std::optional<std::string_view> LookupNorthDakotaCounty(std::string_view value) {
  return SearchCountyTable(value, kNorthDakotaCountyTable, 0,
                           static_cast<int>(kNorthDakotaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
