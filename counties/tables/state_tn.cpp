// Tennessee QSO party: county abbreviations and the county names they stand for, one row
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
    {"ANDE", "Anderson"},
    {"BEDF", "Bedford"},
    {"BENT", "Benton"},
    {"BLED", "Bledsoe"},
    {"BLOU", "Blount"},
    {"BRAD", "Bradley"},
    {"CAMP", "Campbell"},
    {"CANN", "Cannon"},
    {"CARR", "Carroll"},
    {"CART", "Carter"},
    {"CHEA", "Cheatham"},
    {"CHES", "Chester"},
    {"CLAI", "Claiborne"},
    {"CLAY", "Clay"},
    {"COCK", "Cocke"},
    {"COFF", "Coffee"},
    {"CROC", "Crockett"},
    {"CUMB", "Cumberland"},
    {"DAVI", "Davidson"},
    {"DECA", "Decatur"},
    {"DEKA", "DeKalb"},
    {"DICK", "Dickson"},
    {"DYER", "Dyer"},
    {"FAYE", "Fayette"},
    {"FENT", "Fentress"},
    {"FRAN", "Franklin"},
    {"GIBS", "Gibson"},
    {"GILE", "Giles"},
    {"GRAI", "Grainger"},
    {"GREE", "Greene"},
    {"GRUN", "Grundy"},
    {"HAMB", "Hamblen"},
    {"HAMI", "Hamilton"},
    {"HANC", "Hancock"},
    {"HARD", "Hardeman"},
    {"HARN", "Hardin"},
    {"HAWK", "Hawkins"},
    {"HAYW", "Haywood"},
    {"HEND", "Henderson"},
    {"HENR", "Henry"},
    {"HICK", "Hickman"},
    {"HOUS", "Houston"},
    {"HUMP", "Humphreys"},
    {"JACK", "Jackson"},
    {"JEFF", "Jefferson"},
    {"JOHN", "Johnson"},
    {"KNOX", "Knox"},
    {"LAKE", "Lake"},
    {"LAUD", "Lauderdale"},
    {"LAWR", "Lawrence"},
    {"LEWI", "Lewis"},
    {"LINC", "Lincoln"},
    {"LOUD", "Loudon"},
    {"MACO", "Macon"},
    {"MADI", "Madison"},
    {"MARI", "Marion"},
    {"MARS", "Marshall"},
    {"MAUR", "Maury"},
    {"MCMI", "McMinn"},
    {"MCNA", "McNairy"},
    {"MEIG", "Meigs"},
    {"MONR", "Monroe"},
    {"MONT", "Montgomery"},
    {"MOOR", "Moore"},
    {"MORG", "Morgan"},
    {"OBIO", "Obion"},
    {"OVER", "Overton"},
    {"PERR", "Perry"},
    {"PICK", "Pickett"},
    {"POLK", "Polk"},
    {"PUTN", "Putnam"},
    {"RHEA", "Rhea"},
    {"ROAN", "Roane"},
    {"ROBE", "Robertson"},
    {"RUTH", "Rutherford"},
    {"SCOT", "Scott"},
    {"SEQU", "Sequatchie"},
    {"SEVI", "Sevier"},
    {"SHEL", "Shelby"},
    {"SMIT", "Smith"},
    {"STEW", "Stewart"},
    {"SULL", "Sullivan"},
    {"SUMN", "Sumner"},
    {"TIPT", "Tipton"},
    {"TROU", "Trousdale"},
    {"UNIC", "Unicoi"},
    {"UNIO", "Union"},
    {"VANB", "Van Buren"},
    {"WARR", "Warren"},
    {"WASH", "Washington"},
    {"WAYN", "Wayne"},
    {"WEAK", "Weakley"},
    {"WHIT", "White"},
    {"WILL", "Williamson"},
    {"WILS", "Wilson"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Tennessee", 95, KeyLengths(4));

}  // namespace

constexpr StateCountyTable kTennesseeCountyTable = {"Tennessee", kRows, std::size(kRows)};

std::optional<std::string_view> LookupTennesseeCounty(std::string_view value) {
  return SearchCountyTable(value, kTennesseeCountyTable, 0,
                           static_cast<int>(kTennesseeCountyTable.rowCount) - 1);
}

}  // namespace quorvel
