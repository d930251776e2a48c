// Nevada QSO party: county abbreviations and the county names they stand for, one row
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
    {"CHU", "Churchill"},
    {"CLA", "Clark"},
    {"DOU", "Douglas"},
    {"ELK", "Elko"},
    {"ESM", "Esmeralda"},
    {"EUR", "Eureka"},
    {"HUM", "Humboldt"},
    {"LAN", "Lander"},
    {"LIN", "Lincoln"},
    {"LYO", "Lyon"},
    {"MIN", "Mineral"},
    {"NYE", "Nye"},
    {"PER", "Pershing"},
    {"STO", "Storey"},
    {"WAS", "Washoe"},
    {"WHI", "White Pine"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Nevada", 16, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kNevadaCountyTable = {"Nevada", kRows, std::size(kRows)};

std::optional<std::string_view> LookupNevadaCounty(std::string_view value) {
  return SearchCountyTable(value, kNevadaCountyTable, 0,
                           static_cast<int>(kNevadaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
