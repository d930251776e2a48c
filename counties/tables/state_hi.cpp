// Hawaii QSO party: county abbreviations and the county names they stand for, one row
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
    {"HAW", "Hawaii"},
    {"HON", "Honolulu"},
    {"KAL", "Kalawao"},
    {"KAU", "Kauai"},
    {"LAN", "Maui"},
    {"MAU", "Maui"},
    {"MOL", "Maui"},
    {"NII", "Kauai"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Hawaii", 8, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kHawaiiCountyTable = {"Hawaii", kRows, std::size(kRows)};

std::optional<std::string_view> LookupHawaiiCounty(std::string_view value) {
  return SearchCountyTable(value, kHawaiiCountyTable, 0,
                           static_cast<int>(kHawaiiCountyTable.rowCount) - 1);
}

}  // namespace quorvel
