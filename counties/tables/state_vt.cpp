// Vermont QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADD", "Addison"},
    {"BEN", "Bennington"},
    {"CAL", "Caledonia"},
    {"CHI", "Chittenden"},
    {"ESS", "Essex"},
    {"FRA", "Franklin"},
    {"GRA", "Grand Isle"},
    {"LAM", "Lamoille"},
    {"ORA", "Orange"},
    {"ORL", "Orleans"},
    {"RUT", "Rutland"},
    {"WAS", "Washington"},
    {"WIN", "Windham"},
    {"WSR", "Windsor"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Vermont", 14, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kVermontCountyTable = {"Vermont", kRows, std::size(kRows)};

std::optional<std::string_view> LookupVermontCounty(std::string_view value) {
  return SearchCountyTable(value, kVermontCountyTable, 0,
                           static_cast<int>(kVermontCountyTable.rowCount) - 1);
}

}  // namespace quorvel
