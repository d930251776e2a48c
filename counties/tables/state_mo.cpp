// Missouri QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// STL is St. Louis City, SLC the county of St. Louis. St. Genevieve is spelled so here on
// purpose; the contest tables write Ste. Genevieve. NWT also reads as a Canadian
// territory, which the resolver tests first.
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
    {"ADR", "Adair"},
    {"AND", "Andrew"},
    {"ATC", "Atchison"},
    {"AUD", "Audrain"},
    {"BAR", "Barry"},
    {"BAT", "Bates"},
    {"BEN", "Benton"},
    {"BOL", "Bollinger"},
    {"BOO", "Boone"},
    {"BTN", "Barton"},
    {"BTR", "Butler"},
    {"BUC", "Buchanan"},
    {"CAL", "Callaway"},
    {"CAM", "Camden"},
    {"CAR", "Carter"},
    {"CAS", "Cass"},
    {"CED", "Cedar"},
    {"CHN", "Chariton"},
    {"CHR", "Christian"},
    {"CLA", "Clay"},
    {"CLK", "Clark"},
    {"CLN", "Clinton"},
    {"COL", "Cole"},
    {"COP", "Cooper"},
    {"CPG", "Cape Girardeau"},
    {"CRA", "Crawford"},
    {"CRL", "Carroll"},
    {"CWL", "Caldwell"},
    {"DAD", "Dade"},
    {"DAL", "Dallas"},
    {"DEK", "DeKalb"},
    {"DEN", "Dent"},
    {"DGL", "Douglas"},
    {"DUN", "Dunklin"},
    {"DVS", "Daviess"},
    {"FRA", "Franklin"},
    {"GAS", "Gasconade"},
    {"GEN", "Gentry"},
    {"GRN", "Greene"},
    {"GRU", "Grundy"},
    {"HAR", "Harrison"},
    {"HEN", "Henry"},
    {"HIC", "Hickory"},
    {"HLT", "Holt"},
    {"HOW", "Howard"},
    {"HWL", "Howell"},
    {"IRN", "Iron"},
    {"JAC", "Jackson"},
    {"JAS", "Jasper"},
    {"JEF", "Jefferson"},
    {"JON", "Johnson"},
    {"KNX", "Knox"},
    {"LAC", "Laclede"},
    {"LAF", "Lafayette"},
    {"LAW", "Lawrence"},
    {"LCN", "Lincoln"},
    {"LEW", "Lewis"},
    {"LIN", "Linn"},
    {"LIV", "Livingston"},
    {"MAC", "Macon"},
    {"MAD", "Madison"},
    {"MAR", "Marion"},
    {"MCD", "McDonald"},
    {"MER", "Mercer"},
    {"MGM", "Montgomery"},
    {"MIL", "Miller"},
    {"MIS", "Mississippi"},
    {"MNT", "Moniteau"},
    {"MON", "Monroe"},
    {"MOR", "Morgan"},
    {"MRE", "Maries"},
    {"NMD", "New Madrid"},
    {"NOD", "Nodaway"},
    {"NWT", "Newton"},
    {"ORE", "Oregon"},
    {"OSA", "Osage"},
    {"OZA", "Ozark"},
    {"PEM", "Pemiscot"},
    {"PER", "Perry"},
    {"PET", "Pettis"},
    {"PHE", "Phelps"},
    {"PIK", "Pike"},
    {"PLA", "Platte"},
    {"POL", "Polk"},
    {"PUL", "Pulaski"},
    {"PUT", "Putnam"},
    {"RAL", "Ralls"},
    {"RAN", "Randolph"},
    {"RAY", "Ray"},
    {"REY", "Reynolds"},
    {"RIP", "Ripley"},
    {"SAL", "Saline"},
    {"SCH", "Schuyler"},
    {"SCL", "St. Clair"},
    {"SCO", "Scott"},
    {"SCT", "Scotland"},
    {"SHA", "Shannon"},
    {"SHL", "Shelby"},
    {"SLC", "St. Louis"},
    {"STC", "St. Charles"},
    {"STD", "Stoddard"},
    {"STF", "St. Francois"},
    {"STG", "St. Genevieve"},
    {"STL", "St. Louis City"},
    {"STN", "Stone"},
    {"SUL", "Sullivan"},
    {"TAN", "Taney"},
    {"TEX", "Texas"},
    {"VRN", "Vernon"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WAY", "Wayne"},
    {"WEB", "Webster"},
    {"WOR", "Worth"},
    {"WRT", "Wright"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Missouri", 115, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kMissouriCountyTable = {"Missouri", kRows, std::size(kRows)};

std::optional<std::string_view> LookupMissouriCounty(std::string_view value) {
  return SearchCountyTable(value, kMissouriCountyTable, 0,
                           static_cast<int>(kMissouriCountyTable.rowCount) - 1);
}

}  // namespace quorvel
