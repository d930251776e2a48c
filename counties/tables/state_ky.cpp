// Kentucky QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADA", "Adair"},
    {"ALL", "Allen"},
    {"AND", "Anderson"},
    {"BAL", "Ballard"},
    {"BAR", "Barren"},
    {"BAT", "Bath"},
    {"BEL", "Bell"},
    {"BOL", "Boyle"},
    {"BOO", "Boone"},
    {"BOU", "Bourbon"},
    {"BOY", "Boyd"},
    {"BRA", "Bracken"},
    {"BRE", "Breathitt"},
    {"BRK", "Breckinridge"},
    {"BUL", "Bullitt"},
    {"BUT", "Butler"},
    {"CAE", "Carlisle"},
    {"CAL", "Caldwell"},
    {"CAM", "Campbell"},
    {"CAS", "Casey"},
    {"CAW", "Calloway"},
    {"CHR", "Christian"},
    {"CLA", "Clark"},
    {"CLI", "Clinton"},
    {"CLY", "Clay"},
    {"CRI", "Crittenden"},
    {"CRL", "Carroll"},
    {"CTR", "Carter"},
    {"CUM", "Cumberland"},
    {"DAV", "Daviess"},
    {"EDM", "Edmonson"},
    {"ELL", "Elliott"},
    {"EST", "Estill"},
    {"FAY", "Fayette"},
    {"FLE", "Fleming"},
    {"FLO", "Floyd"},
    {"FRA", "Franklin"},
    {"FUL", "Fulton"},
    {"GAL", "Gallatin"},
    {"GAR", "Garrard"},
    {"GRE", "Green"},
    {"GRP", "Greenup"},
    {"GRT", "Grant"},
    {"GRV", "Graves"},
    {"GRY", "Grayson"},
    {"HAN", "Hancock"},
    {"HAR", "Hardin"},
    {"HEN", "Henderson"},
    {"HIC", "Hickman"},
    {"HNY", "Henry"},
    {"HOP", "Hopkins"},
    {"HRL", "Harlan"},
    {"HRT", "Hart"},
    {"HSN", "Harrison"},
    {"JAC", "Jackson"},
    {"JEF", "Jefferson"},
    {"JES", "Jessamine"},
    {"JOH", "Johnson"},
    {"KEN", "Kenton"},
    {"KNT", "Knott"},
    {"KNX", "Knox"},
    {"LAR", "Larue"},
    {"LAU", "Laurel"},
    {"LAW", "Lawrence"},
    {"LEE", "Lee"},
    {"LES", "Leslie"},
    {"LET", "Letcher"},
    {"LEW", "Lewis"},
    {"LIN", "Lincoln"},
    {"LIV", "Livingston"},
    {"LOG", "Logan"},
    {"LYO", "Lyon"},
    {"MAD", "Madison"},
    {"MAG", "Magoffin"},
    {"MAR", "Marion"},
    {"MAS", "Mason"},
    {"MAT", "Martin"},
    {"MCC", "McCracken"},
    {"MCL", "McLean"},
    {"MCY", "McCreary"},
    {"MEA", "Meade"},
    {"MEN", "Menifee"},
    {"MER", "Mercer"},
    {"MET", "Metcalfe"},
    {"MON", "Monroe"},
    {"MOR", "Morgan"},
    {"MOT", "Montgomery"},
    {"MSL", "Marshall"},
    {"MUH", "Muhlenberg"},
    {"NEL", "Nelson"},
    {"NIC", "Nicholas"},
    {"OHI", "Ohio"},
    {"OLD", "Oldham"},
    {"OWE", "Owen"},
    {"OWS", "Owsley"},
    {"PEN", "Pendleton"},
    {"PER", "Perry"},
    {"PIK", "Pike"},
    {"POW", "Powell"},
    {"PUL", "Pulaski"},
    {"ROB", "Robertson"},
    {"ROC", "Rockcastle"},
    {"ROW", "Rowan"},
    {"RUS", "Russell"},
    {"SCO", "Scott"},
    {"SHE", "Shelby"},
    {"SIM", "Simpson"},
    {"SPE", "Spencer"},
    {"TAY", "Taylor"},
    {"TOD", "Todd"},
    {"TRI", "Trigg"},
    {"TRM", "Trimble"},
    {"UNI", "Union"},
    {"WAR", "Warren"},
    {"WAS", "Washington"},
    {"WAY", "Wayne"},
    {"WEB", "Webster"},
    {"WHI", "Whitley"},
    {"WOL", "Wolfe"},
    {"WOO", "Woodford"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Kentucky", 120, KeyLengths(3));

}  // namespace

constexpr StateCountyTable kKentuckyCountyTable = {"Kentucky", kRows, std::size(kRows)};

std::optional<std::string_view> LookupKentuckyCounty(std::string_view value) {
  return SearchCountyTable(value, kKentuckyCountyTable, 0,
                           static_cast<int>(kKentuckyCountyTable.rowCount) - 1);
}

}  // namespace quorvel
