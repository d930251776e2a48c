// Indiana QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADA", "Adams"},
    {"ALL", "Allen"},
    {"BAR", "Bartholomew"},
    {"BEN", "Benton"},
    {"BLA", "Blackford"},
    {"BOO", "Boone"},
    {"BRO", "Brown"},
    {"CAR", "Carroll"},
    {"CAS", "Cass"},
    {"CLAR", "Clark"},
    {"CLAY", "Clay"},
    {"CLI", "Clinton"},
    {"CRA", "Crawford"},
    {"DAV", "Daviess"},
    {"DEA", "Dearborn"},
    {"DEC", "Decatur"},
    {"DEK", "DeKalb"},
    {"DEL", "Delaware"},
    {"DUB", "Dubois"},
    {"ELK", "Elkhart"},
    {"FAY", "Fayette"},
    {"FLO", "Floyd"},
    {"FOU", "Fountain"},
    {"FRA", "Franklin"},
    {"FUL", "Fulton"},
    {"GIB", "Gibson"},
    {"GRA", "Grant"},
    {"GRE", "Greene"},
    {"HAM", "Hamilton"},
    {"HAN", "Hancock"},
    {"HAR", "Harrison"},
    {"HEND", "Hendricks"},
    {"HENR", "Henry"},
    {"HOW", "Howard"},
    {"HUN", "Huntington"},
    {"JAC", "Jackson"},
    {"JAS", "Jasper"},
    {"JAY", "Jay"},
    {"JEF", "Jefferson"},
    {"JEN", "Jennings"},
    {"JOH", "Johnson"},
    {"KNO", "Knox"},
    {"KOS", "Kosciusko"},
    {"LAG", "Lagrange"},
    {"LAK", "Lake"},
    {"LAP", "La Porte"},
    {"LAW", "Lawrence"},
    {"MAD", "Madison"},
    {"MARI", "Marion"},
    {"MARS", "Marshall"},
    {"MART", "Martin"},
    {"MIA", "Miami"},
    {"MONR", "Monroe"},
    {"MONT", "Montgomery"},
    {"MOR", "Morgan"},
    {"NEW", "Newton"},
    {"NOB", "Noble"},
    {"OHI", "Ohio"},
    {"ORA", "Orange"},
    {"OWE", "Owen"},
    {"PAR", "Parke"},
    {"PER", "Perry"},
    {"PIK", "Pike"},
    {"POR", "Porter"},
    {"POS", "Posey"},
    {"PUL", "Pulaski"},
    {"PUT", "Putnam"},
    {"RAN", "Randolph"},
    {"RIP", "Ripley"},
    {"RUS", "Rush"},
    {"SCO", "Scott"},
    {"SHE", "Shelby"},
    {"SPE", "Spencer"},
    {"STA", "Starke"},
    {"STE", "Steuben"},
    {"STJ", "St. Joseph"},
    {"SUL", "Sullivan"},
    {"SWI", "Switzerland"},
    {"TIPP", "Tippecanoe"},
    {"TIPT", "Tipton"},
    {"UNI", "Union"},
    {"VAN", "Vanderburgh"},
    {"VER", "Vermillion"},
    {"VIG", "Vigo"},
    {"WAB", "Wabash"},
    {"WARK", "Warrick"},
    {"WARN", "Warren"},
    {"WAS", "Washington"},
    {"WAY", "Wayne"},
    {"WEL", "Wells"},
    {"WHTE", "White"},
    {"WHTL", "Whitley"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Indiana", 92, KeyLengths(3, 4));

}  // namespace

constexpr StateCountyTable kIndianaCountyTable = {"Indiana", kRows, std::size(kRows)};

std::optional<std::string_view> LookupIndianaCounty(std::string_view value) {
  return SearchCountyTable(value, kIndianaCountyTable, 0,
                           static_cast<int>(kIndianaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
