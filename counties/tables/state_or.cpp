// Oregon QSO party: county abbreviations and the county names they stand for, one row
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
    {"BAK", "Baker"},
    {"BEN", "Benton"},
    {"CLK", "Clackamas"},
    {"CLT", "Clatsop"},
    {"COL", "Columbia"},
    {"COO", "Coos"},
    {"CRO", "Crook"},
    {"CUR", "Curry"},
    {"DES", "Deschutes"},
    {"DOU", "Douglas"},
    {"GIL", "Gilliam"},
    {"GRA", "Grant"},
    {"HAR", "Harney"},
    {"HOO", "Hood River"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"JOS", "Josephine"},
    {"KLA", "Klamath"},
    {"LAK", "Lake"},
    {"LAN", "Lane"},
    {"LCN", "Lincoln"},
    {"LNN", "Linn"},
    {"MAL", "Malheur"},
    {"MAR", "Marion"},
    {"MOR", "Morrow"},
    {"MUL", "Multnomah"},
    {"POL", "Polk"},
    {"SHE", "Sherman"},
    {"TIL", "Tillamook"},
    {"UMA", "Umatilla"},
    {"UNI", "Union"},
    {"WAL", "Wallowa"},
    {"WCO", "Wasco"},
    {"WHE", "Wheeler"},
    {"WSH", "Washington"},
    {"YAM", "Yamhill"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Oregon", 36, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kOregonCountyTable = {"Oregon", kRows, std::size(kRows)};

std::optional<std::string_view> LookupOregonCounty(std::string_view value) {
  return SearchCountyTable(value, kOregonCountyTable, 0,
                           static_cast<int>(kOregonCountyTable.rowCount) - 1);
}

}  // namespace quorvel
