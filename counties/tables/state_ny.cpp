// New York QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// ALB, ONT and QUE also read as Canadian provinces, which the resolver tests first.
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
    {"ALB", "Albany"},
    {"ALL", "Allegany"},
    {"BRM", "Broome"},
    {"BRX", "Bronx"},
    {"CAT", "Cattaraugus"},
    {"CAY", "Cayuga"},
    {"CGO", "Chenango"},
    {"CHA", "Chautauqua"},
    {"CHE", "Chemung"},
    {"CLI", "Clinton"},
    {"COL", "Columbia"},
    {"COR", "Cortland"},
    {"DEL", "Delaware"},
    {"DUT", "Dutchess"},
    {"ERI", "Erie"},
    {"ESS", "Essex"},
    {"FRA", "Franklin"},
    {"FUL", "Fulton"},
    {"GEN", "Genesee"},
    {"GRE", "Greene"},
    {"HAM", "Hamilton"},
    {"HER", "Herkimer"},
    {"JEF", "Jefferson"},
    {"KIN", "Kings"},
    {"LEW", "Lewis"},
    {"LIV", "Livingston"},
    {"MAD", "Madison"},
    {"MON", "Monroe"},
    {"MTG", "Montgomery"},
    {"NAS", "Nassau"},
    {"NEW", "New York"},
    {"NIA", "Niagara"},
    {"ONE", "Oneida"},
    {"ONO", "Onondaga"},
    {"ONT", "Ontario"},
    {"ORA", "Orange"},
    {"ORL", "Orleans"},
    {"OSW", "Oswego"},
    {"OTS", "Otsego"},
    {"PUT", "Putnam"},
    {"QUE", "Queens"},
    {"REN", "Rensselaer"},
    {"RIC", "Richmond"},
    {"ROC", "Rockland"},
    {"SAR", "Saratoga"},
    {"SCH", "Schenectady"},
    {"SCO", "Schoharie"},
    {"SCU", "Schuyler"},
    {"SEN", "Seneca"},
    {"STE", "Steuben"},
    {"STL", "St. Lawrence"},
    {"SUF", "Suffolk"},
    {"SUL", "Sullivan"},
    {"TIO", "Tioga"},
    {"TOM", "Tompkins"},
    {"ULS", "Ulster"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WAY", "Wayne"},
    {"WES", "Westchester"},
    {"WYO", "Wyoming"},
    {"YAT", "Yates"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "New York", 62, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kNewYorkCountyTable = {"New York", kRows, std::size(kRows)};

std::optional<std::string_view> LookupNewYorkCounty(std::string_view value) {
  return SearchCountyTable(value, kNewYorkCountyTable, 0,
                           static_cast<int>(kNewYorkCountyTable.rowCount) - 1);
}

}  // namespace quorvel
