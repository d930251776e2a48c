// Louisiana QSO party: county abbreviations and the county names they stand for, one row
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
    {"ACAD", "Acadia"},
    {"ALLE", "Allen"},
    {"ASCE", "Ascension"},
    {"ASSU", "Assumption"},
    {"AVOY", "Avoyelles"},
    {"BEAU", "Beauregard"},
    {"BIEN", "Bienville"},
    {"BOSS", "Bossier"},
    {"CADD", "Caddo"},
    {"CALC", "Calcasieu"},
    {"CALD", "Caldwell"},
    {"CAME", "Cameron"},
    {"CATA", "Catahoula"},
    {"CLAI", "Claiborne"},
    {"CONC", "Concordia"},
    {"DESO", "DeSoto"},
    {"EBR", "E. Baton Rouge"},
    {"ECAR", "E. Carroll"},
    {"EFEL", "E. Feliciana"},
    {"EVAN", "Evangeline"},
    {"FRAN", "Franklin"},
    {"GRAN", "Grant"},
    {"IBER", "Iberia"},
    {"IBVL", "Iberville"},
    {"JACK", "Jackson"},
    {"JEFF", "Jefferson"},
    {"JFDV", "Jefferson Davis"},
    {"LAFA", "Lafayette"},
    {"LAFO", "Lafourche"},
    {"LASA", "La Salle"},
    {"LINC", "Lincoln"},
    {"LIVI", "Livingston"},
    {"MADI", "Madison"},
    {"MORE", "Morehouse"},
    {"NATC", "Natchitoches"},
    {"ORLE", "Orleans"},
    {"OUAC", "Ouachita"},
    {"PCP", "Pointe Coupee"},
    {"PLAQ", "Plaquemines"},
    {"RAPI", "Rapides"},
    {"REDR", "Red River"},
    {"RICH", "Richland"},
    {"SABI", "Sabine"},
    {"SBND", "St. Bernard"},
    {"SCHL", "St. Charles"},
    {"SHEL", "St. Helena"},
    {"SJAM", "St. James"},
    {"SJB", "St. John the Baptist"},
    {"SLAN", "St. Landry"},
    {"SMAR", "St. Mary"},
    {"SMT", "St. Martin"},
    {"STAM", "St. Tammany"},
    {"TANG", "Tangipahoa"},
    {"TENS", "Tensas"},
    {"TERR", "Terrebonne"},
    {"UNIO", "Union"},
    {"VERM", "Vermilion"},
    {"VERN", "Vernon"},
    {"WASH", "Washington"},
    {"WBR", "W. Baton Rouge"},
    {"WCAR", "W. Carroll"},
    {"WEBS", "Webster"},
    {"WFEL", "W. Feliciana"},
    {"WINN", "Winn"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Louisiana", 64, KeyLengths(3, 4));

}  // namespace

constexpr StateCountyTable kLouisianaCountyTable = {"Louisiana", kRows, std::size(kRows)};

std::optional<std::string_view> LookupLouisianaCounty(std::string_view value) {
  return SearchCountyTable(value, kLouisianaCountyTable, 0,
                           static_cast<int>(kLouisianaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
