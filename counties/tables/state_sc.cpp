// South Carolina QSO party: county abbreviations and the county names they stand for, one row
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
    {"ABB", "Abbeville"},
    {"ABBE", "Abbeville"},
    {"AIK", "Aiken"},
    {"AIKE", "Aiken"},
    {"ALL", "Allendale"},
    {"ALLE", "Allendale"},
    {"AND", "Anderson"},
    {"ANDE", "Anderson"},
    {"BAM", "Bamberg"},
    {"BAMB", "Bamberg"},
    {"BARN", "Barnwell"},
    {"BEAU", "Beaufort"},
    {"BERK", "Berkeley"},
    {"BFT", "Beaufort"},
    {"BRK", "Berkeley"},
    {"BRN", "Barnwell"},
    {"CAL", "Calhoun"},
    {"CHA", "Charleston"},
    {"CHAR", "Charleston"},
    {"CHES", "Chester"},
    {"CHF", "Chesterfield"},
    {"CHFD", "Chesterfield"},
    {"CHK", "Cherokee"},
    {"CHOU", "Calhoun"},
    {"CHR", "Chester"},
    {"CKEE", "Cherokee"},
    {"CLR", "Clarendon"},
    {"CLRN", "Clarendon"},
    {"COL", "Colleton"},
    {"COLL", "Colleton"},
    {"DAR", "Darlington"},
    {"DARL", "Darlington"},
    {"DIL", "Dillon"},
    {"DILL", "Dillon"},
    {"DOR", "Dorchester"},
    {"DORC", "Dorchester"},
    {"EDG", "Edgefield"},
    {"EDGE", "Edgefield"},
    {"FAIR", "Fairfield"},
    {"FFD", "Fairfield"},
    {"FLO", "Florence"},
    {"FLOR", "Florence"},
    {"GEO", "Georgetown"},
    {"GEOR", "Georgetown"},
    {"GRV", "Greenville"},
    {"GRW", "Greenwood"},
    {"GRWD", "Greenwood"},
    {"GVIL", "Greenville"},
    {"HAM", "Hampton"},
    {"HAMP", "Hampton"},
    {"HORR", "Horry"},
    {"HRY", "Horry"},
    {"JAS", "Jasper"},
    {"JASP", "Jasper"},
    {"KER", "Kershaw"},
    {"KERS", "Kershaw"},
    {"LAN", "Lancaster"},
    {"LAU", "Laurens"},
    {"LAUR", "Laurens"},
    {"LEE", "Lee"},
    {"LEX", "Lexington"},
    {"LEXI", "Lexington"},
    {"LNCS", "Lancaster"},
    {"MARI", "Marion"},
    {"MARL", "Marlboro"},
    {"MCC", "McCormick"},
    {"MCOR", "McCormick"},
    {"MRL", "Marlboro"},
    {"MRN", "Marion"},
    {"NEW", "Newberry"},
    {"NEWB", "Newberry"},
    {"OCO", "Oconee"},
    {"OCON", "Oconee"},
    {"ORA", "Orangeburg"},
    {"ORNG", "Orangeburg"},
    {"PIC", "Pickens"},
    {"PICK", "Pickens"},
    {"RIC", "Richland"},
    {"RICH", "Richland"},
    {"SAL", "Saluda"},
    {"SALU", "Saluda"},
    {"SPAR", "Spartanburg"},
    {"SPT", "Spartanburg"},
    {"SUM", "Sumter"},
    {"SUMT", "Sumter"},
    {"UNIO", "Union"},
    {"UNN", "Union"},
    {"WIL", "Williamsburg"},
    {"WILL", "Williamsburg"},
    {"YORK", "York"},
    {"YRK", "York"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "South Carolina", 91, KeyLengths(3, 4));

}  // namespace

constexpr StateCountyTable kSouthCarolinaCountyTable = {"South Carolina", kRows, std::size(kRows)};

std::optional<std::string_view> LookupSouthCarolinaCounty(std::string_view value) {
  return SearchCountyTable(value, kSouthCarolinaCountyTable, 0,
                           static_cast<int>(kSouthCarolinaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
