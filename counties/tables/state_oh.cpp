// Ohio QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADAM", "Adams"},
    {"ALLE", "Allen"},
    {"ASHL", "Ashland"},
    {"ASHT", "Ashtabula"},
    {"ATHE", "Athens"},
    {"AUGL", "Auglaize"},
    {"BELM", "Belmont"},
    {"BROW", "Brown"},
    {"BUTL", "Butler"},
    {"CARR", "Carroll"},
    {"CHAM", "Champaign"},
    {"CLAR", "Clark"},
    {"CLER", "Clermont"},
    {"CLIN", "Clinton"},
    {"COLU", "Columbiana"},
    {"COSH", "Coshocton"},
    {"CRAW", "Crawford"},
    {"CUYA", "Cuyahoga"},
    {"DARK", "Darke"},
    {"DEFI", "Defiance"},
    {"DELA", "Delaware"},
    {"ERIE", "Erie"},
    {"FAIR", "Fairfield"},
    {"FAYE", "Fayette"},
    {"FRAN", "Franklin"},
    {"FULT", "Fulton"},
    {"GALL", "Gallia"},
    {"GEAU", "Geauga"},
    {"GREE", "Greene"},
    {"GUER", "Guernsey"},
    {"HAMI", "Hamilton"},
    {"HANC", "Hancock"},
    {"HARD", "Hardin"},
    {"HARR", "Harrison"},
    {"HENR", "Henry"},
    {"HIGH", "Highland"},
    {"HOCK", "Hocking"},
    {"HOLM", "Holmes"},
    {"HURO", "Huron"},
    {"JACK", "Jackson"},
    {"JEFF", "Jefferson"},
    {"KNOX", "Knox"},
    {"LAKE", "Lake"},
    {"LAWR", "Lawrence"},
    {"LICK", "Licking"},
    {"LOGA", "Logan"},
    {"LORA", "Lorain"},
    {"LUCA", "Lucas"},
    {"MADI", "Madison"},
    {"MAHO", "Mahoning"},
    {"MARI", "Marion"},
    {"MEDI", "Medina"},
    {"MEIG", "Meigs"},
    {"MERC", "Mercer"},
    {"MIAM", "Miami"},
    {"MONR", "Monroe"},
    {"MONT", "Montgomery"},
    {"MORG", "Morgan"},
    {"MORR", "Morrow"},
    {"MUSK", "Muskingum"},
    {"NOBL", "Noble"},
    {"OTTA", "Ottawa"},
    {"PAUL", "Paulding"},
    {"PERR", "Perry"},
    {"PICK", "Pickaway"},
    {"PIKE", "Pike"},
    {"PORT", "Portage"},
    {"PREB", "Preble"},
    {"PUTN", "Putnam"},
    {"RICH", "Richland"},
    {"ROSS", "Ross"},
    {"SAND", "Sandusky"},
    {"SCIO", "Scioto"},
    {"SENE", "Seneca"},
    {"SHEL", "Shelby"},
    {"STAR", "Stark"},
    {"SUMM", "Summit"},
    {"TRUM", "Trumbull"},
    {"TUSC", "Tuscarawas"},
    {"UNIO", "Union"},
    {"VANW", "Van Wert"},
    {"VINT", "Vinton"},
    {"WARR", "Warren"},
    {"WASH", "Washington"},
    {"WAYN", "Wayne"},
    {"WILL", "Williams"},
    {"WOOD", "Wood"},
    {"WYAN", "Wyandot"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Ohio", 88, KeyLengths(4));

}  // namespace

constexpr StateCountyTable kOhioCountyTable = {"Ohio", kRows, std::size(kRows)};

std::optional<std::string_view> LookupOhioCounty(std::string_view value) {
  return SearchCountyTable(value, kOhioCountyTable, 0,
                           static_cast<int>(kOhioCountyTable.rowCount) - 1);
}

}  // namespace quorvel
