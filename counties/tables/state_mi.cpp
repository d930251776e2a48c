// Michigan QSO party: county abbreviations and the county names they stand for, one row
// per line in byte order of key.
// Dickenson is spelled so here on purpose; the contest tables write Dickinson.
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
    {"ALCO", "Alcona"},
    {"ALGE", "Alger"},
    {"ALLE", "Allegan"},
    {"ALPE", "Alpena"},
    {"ANTR", "Antrim"},
    {"AREN", "Arenac"},
    {"BARA", "Baraga"},
    {"BARR", "Barry"},
    {"BAY", "Bay"},
    {"BENZ", "Benzie"},
    {"BERR", "Berrien"},
    {"BRAN", "Branch"},
    {"CALH", "Calhoun"},
    {"CASS", "Cass"},
    {"CHAR", "Charlevoix"},
    {"CHEB", "Cheboygan"},
    {"CHIP", "Chippewa"},
    {"CLAR", "Clare"},
    {"CLIN", "Clinton"},
    {"CRAW", "Crawford"},
    {"DELT", "Delta"},
    {"DICK", "Dickenson"},
    {"EATO", "Eaton"},
    {"EMME", "Emmet"},
    {"GENE", "Genesee"},
    {"GLAD", "Gladwin"},
    {"GOGE", "Gogebic"},
    {"GRAT", "Gratiot"},
    {"GRTR", "Grand Traverse"},
    {"HILL", "Hillsdale"},
    {"HOUG", "Houghton"},
    {"HURO", "Huron"},
    {"INGH", "Ingham"},
    {"IONI", "Ionia"},
    {"IOSC", "Iosco"},
    {"IRON", "Iron"},
    {"ISAB", "Isabella"},
    {"JACK", "Jackson"},
    {"KALK", "Kalkaska"},
    {"KENT", "Kent"},
    {"KEWE", "Keweenaw"},
    {"KZOO", "Kalamazoo"},
    {"LAKE", "Lake"},
    {"LAPE", "Lapeer"},
    {"LEEL", "Leelanau"},
    {"LENA", "Lenawee"},
    {"LIVI", "Livingston"},
    {"LUCE", "Luce"},
    {"MACK", "Mackinac"},
    {"MACO", "Macomb"},
    {"MANI", "Manistee"},
    {"MARQ", "Marquette"},
    {"MASO", "Mason"},
    {"MCLM", "Montcalm"},
    {"MECO", "Mecosta"},
    {"MENO", "Menominee"},
    {"MIDL", "Midland"},
    {"MISS", "Missaukee"},
    {"MONR", "Monroe"},
    {"MTMO", "Montmorency"},
    {"MUSK", "Muskegon"},
    {"NEWA", "Newaygo"},
    {"OAKL", "Oakland"},
    {"OCEA", "Oceana"},
    {"OGEM", "Ogemaw"},
    {"ONTO", "Ontonagon"},
    {"OSCE", "Osceola"},
    {"OSCO", "Oscoda"},
    {"OTSE", "Otsego"},
    {"OTTA", "Ottawa"},
    {"PRES", "Presque Isle"},
    {"ROSC", "Roscommon"},
    {"SAGI", "Saginaw"},
    {"SANI", "Sanilac"},
    {"SCHO", "Schoolcraft"},
    {"SHIA", "Shiawassee"},
    {"STCL", "St. Clair"},
    {"STJO", "St. Joseph"},
    {"TUSC", "Tuscola"},
    {"VANB", "Van Buren"},
    {"WASH", "Washtenaw"},
    {"WAYN", "Wayne"},
    {"WEXF", "Wexford"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Michigan", 83, KeyLengths(3, 4));

}  // namespace

constexpr StateCountyTable kMichiganCountyTable = {"Michigan", kRows, std::size(kRows)};

std::optional<std::string_view> LookupMichiganCounty(std::string_view value) {
  return SearchCountyTable(value, kMichiganCountyTable, 0,
                           static_cast<int>(kMichiganCountyTable.rowCount) - 1);
}

}  // namespace quorvel
