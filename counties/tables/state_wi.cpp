// Wisconsin QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// MAN also reads as a Canadian province, which the resolver tests first.
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
    {"ADA", "Adams"},
    {"ASH", "Ashland"},
    {"BAR", "Barron"},
    {"BAY", "Bayfield"},
    {"BRO", "Brown"},
    {"BUF", "Buffalo"},
    {"BUR", "Burnett"},
    {"CAL", "Calumet"},
    {"CHI", "Chippewa"},
    {"CLA", "Clark"},
    {"COL", "Columbia"},
    {"CRA", "Crawford"},
    {"DAN", "Dane"},
    {"DOD", "Dodge"},
    {"DOO", "Door"},
    {"DOU", "Douglas"},
    {"DUN", "Dunn"},
    {"EAU", "Eau Claire"},
    {"FLO", "Florence"},
    {"FON", "Fond du Lac"},
    {"FOR", "Forest"},
    {"GRA", "Grant"},
    {"GRE", "Green"},
    {"GRL", "Green Lake"},
    {"IOW", "Iowa"},
    {"IRO", "Iron"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"JUN", "Juneau"},
    {"KEN", "Kenosha"},
    {"KEW", "Kewaunee"},
    {"LAC", "La Crosse"},
    {"LAF", "Lafayette"},
    {"LAN", "Langlade"},
    {"LIN", "Lincoln"},
    {"MAN", "Manitowoc"},
    {"MAR", "Marathon"},
    {"MEN", "Menominee"},
    {"MIL", "Milwaukee"},
    {"MON", "Monroe"},
    {"MRN", "Marinette"},
    {"MRQ", "Marquette"},
    {"OCO", "Oconto"},
    {"ONE", "Oneida"},
    {"OUT", "Outagamie"},
    {"OZA", "Ozaukee"},
    {"PEP", "Pepin"},
    {"PIE", "Pierce"},
    {"POL", "Polk"},
    {"POR", "Portage"},
    {"PRI", "Price"},
    {"RAC", "Racine"},
    {"RIC", "Richland"},
    {"ROC", "Rock"},
    {"RUS", "Rusk"},
    {"SAU", "Sauk"},
    {"SAW", "Sawyer"},
    {"SHA", "Shawano"},
    {"SHE", "Sheboygan"},
    {"STC", "St. Croix"},
    {"TAY", "Taylor"},
    {"TRE", "Trempealeau"},
    {"VER", "Vernon"},
    {"VIL", "Vilas"},
    {"WAL", "Walworth"},
    {"WAP", "Waupaca"},
    {"WAS", "Washington"},
    {"WAU", "Waukesha"},
    {"WIN", "Winnebago"},
    {"WOO", "Wood"},
    {"WSB", "Washburn"},
    {"WSR", "Waushara"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Wisconsin", 72, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kWisconsinCountyTable = {"Wisconsin", kRows, std::size(kRows)};

std::optional<std::string_view> LookupWisconsinCounty(std::string_view value) {
  return SearchCountyTable(value, kWisconsinCountyTable, 0,
                           static_cast<int>(kWisconsinCountyTable.rowCount) - 1);
}

}  // namespace quorvel
