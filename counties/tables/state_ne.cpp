// Nebraska QSO party: county abbreviations and the county names they stand for, one row
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
    {"ADMS", "Adams"},
    {"ANTE", "Antelope"},
    {"ARTH", "Arthur"},
    {"BANN", "Banner"},
    {"BLAI", "Blaine"},
    {"BOON", "Boone"},
    {"BOXB", "Box Butte"},
    {"BOYD", "Boyd"},
    {"BRWN", "Brown"},
    {"BUFF", "Buffalo"},
    {"BURT", "Burt"},
    {"BUTL", "Butler"},
    {"CASS", "Cass"},
    {"CEDA", "Cedar"},
    {"CHAS", "Chase"},
    {"CHER", "Cherry"},
    {"CHEY", "Cheyenne"},
    {"CLAY", "Clay"},
    {"COLF", "Colfax"},
    {"CUMI", "Cuming"},
    {"CUST", "Custer"},
    {"DAKO", "Dakota"},
    {"DAWE", "Dawes"},
    {"DAWS", "Dawson"},
    {"DEUE", "Deuel"},
    {"DGLS", "Douglas"},
    {"DIXO", "Dixon"},
    {"DODG", "Dodge"},
    {"DUND", "Dundy"},
    {"FILL", "Fillmore"},
    {"FRNK", "Franklin"},
    {"FRON", "Frontier"},
    {"FURN", "Furnas"},
    {"GAGE", "Gage"},
    {"GARD", "Garden"},
    {"GARF", "Garfield"},
    {"GOSP", "Gosper"},
    {"GRAN", "Grant"},
    {"GREE", "Greeley"},
    {"HALL", "Hall"},
    {"HAMI", "Hamilton"},
    {"HAYE", "Hayes"},
    {"HITC", "Hitchcock"},
    {"HOLT", "Holt"},
    {"HOOK", "Hooker"},
    {"HOWA", "Howard"},
    {"HRLN", "Harlan"},
    {"JEFF", "Jefferson"},
    {"JOHN", "Johnson"},
    {"KEAR", "Kearney"},
    {"KEIT", "Keith"},
    {"KEYA", "Keya Paha"},
    {"KIMB", "Kimball"},
    {"KNOX", "Knox"},
    {"LINC", "Lincoln"},
    {"LNCS", "Lancaster"},
    {"LOGA", "Logan"},
    {"LOUP", "Loup"},
    {"MCPH", "McPherson"},
    {"MDSN", "Madison"},
    {"MERR", "Merrick"},
    {"MORR", "Morrill"},
    {"NANC", "Nance"},
    {"NEMA", "Nemaha"},
    {"NUCK", "Nuckolls"},
    {"OTOE", "Otoe"},
    {"PAWN", "Pawnee"},
    {"PERK", "Perkins"},
    {"PHEL", "Phelps"},
    {"PIER", "Pierce"},
    {"PLAT", "Platte"},
    {"POLK", "Polk"},
    {"REDW", "Red Willow"},
    {"RICH", "Richardson"},
    {"ROCK", "Rock"},
    {"SALI", "Saline"},
    {"SARP", "Sarpy"},
    {"SAUN", "Saunders"},
    {"SCOT", "Scotts Bluff"},
    {"SEWA", "Seward"},
    {"SHRD", "Sheridan"},
    {"SHRM", "Sherman"},
    {"SIOU", "Sioux"},
    {"STAN", "Stanton"},
    {"THAY", "Thayer"},
    {"THOM", "Thomas"},
    {"THUR", "Thurston"},
    {"VLLY", "Valley"},
    {"WASH", "Washington"},
    {"WAYN", "Wayne"},
    {"WEBS", "Webster"},
    {"WHEE", "Wheeler"},
    {"YORK", "York"},
};
// clang-format on

QUORVEL_CHECK_STATE_COUNTY_TABLE(kRows, "Nebraska", 93, KeyLengths(4));

}  // namespace

constexpr StateCountyTable kNebraskaCountyTable = {"Nebraska", kRows, std::size(kRows)};

std::optional<std::string_view> LookupNebraskaCounty(std::string_view value) {
  return SearchCountyTable(value, kNebraskaCountyTable, 0,
                           static_cast<int>(kNebraskaCountyTable.rowCount) - 1);
}

}  // namespace quorvel
