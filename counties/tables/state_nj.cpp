// New Jersey QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// The six-letter NJ keys are the MARAC keys of the same counties.
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
    {"ATL", "Atlantic"},
    {"BER", "Bergen"},
    {"BURL", "Burlington"},
    {"CAM", "Camden"},
    {"CMY", "Cape May"},
    {"CUMB", "Cumberland"},
    {"ESS", "Essex"},
    {"GLO", "Gloucester"},
    {"HUD", "Hudson"},
    {"HUNT", "Hunterdon"},
    {"MER", "Mercer"},
    {"MON", "Monmouth"},
    {"MOR", "Morris"},
    {"MSX", "Middlesex"},
    {"NJATLA", "Atlantic"},
    {"NJBERG", "Bergen"},
    {"NJBURL", "Burlington"},
    {"NJCAPE", "Cape May"},
    {"NJCMDN", "Camden"},
    {"NJCUMB", "Cumberland"},
    {"NJESSE", "Essex"},
    {"NJGLOU", "Gloucester"},
    {"NJHUDS", "Hudson"},
    {"NJHUNT", "Hunterdon"},
    {"NJMERC", "Mercer"},
    {"NJMIDD", "Middlesex"},
    {"NJMONM", "Monmouth"},
    {"NJMORR", "Morris"},
    {"NJOCEA", "Ocean"},
    {"NJPASS", "Passaic"},
    {"NJSALE", "Salem"},
    {"NJSOME", "Somerset"},
    {"NJSUSS", "Sussex"},
    {"NJUNIO", "Union"},
    {"NJWRRN", "Warren"},
    {"OCN", "Ocean"},
    {"PASS", "Passaic"},
    {"SAL", "Salem"},
    {"SOM", "Somerset"},
    {"SUS", "Sussex"},
    {"UNI", "Union"},
    {"WAR", "Warren"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "New Jersey", 42, KeyLengths(3, 4, 6));

}  // namespace

constexpr StateCountyTable kNewJerseyCountyTable = {"New Jersey", kRows, std::size(kRows)};

std::optional<std::string_view> LookupNewJerseyCounty(std::string_view value) {
  return SearchCountyTable(value, kNewJerseyCountyTable, 0,
                           static_cast<int>(kNewJerseyCountyTable.rowCount) - 1);
}

}  // namespace quorvel
