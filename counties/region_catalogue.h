// The states and contests a log can be converted for.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvel {

// Row number in RegionCatalogue: 0..49 the US states in byte order of their
// abbreviations, 50..56 the contests. The dialog uses -1 while nothing is chosen.
using RegionId = int;

inline constexpr RegionId kNoRegion = -1;
inline constexpr RegionId kFirstContest = 50;
inline constexpr RegionId kRegionCount = 57;

// Ids the resolver and the tables refer to by name.
inline constexpr RegionId kIndiana = 14;
inline constexpr RegionId kNevada = 32;
inline constexpr RegionId kPennsylvania = 37;
inline constexpr RegionId kMarac = 50;
inline constexpr RegionId kMaqp = 51;
inline constexpr RegionId kNaqp = 52;
inline constexpr RegionId kNeqp = 53;
inline constexpr RegionId kSevenQp = 54;
inline constexpr RegionId kUscqp = 55;
inline constexpr RegionId kMulti = 56;

struct RegionRow {
  std::string_view abbreviation;
  std::string_view name;
};

inline constexpr std::array<RegionRow, kRegionCount> RegionCatalogue = {{
    {"AK", "Alaska"},
    {"AL", "Alabama"},
    {"AR", "Arkansas"},
    {"AZ", "Arizona"},
    {"CA", "California"},
    {"CO", "Colorado"},
    {"CT", "Connecticut"},
    {"DE", "Delaware"},
    {"FL", "Florida"},
    {"GA", "Georgia"},
    {"HI", "Hawaii"},
    {"IA", "Iowa"},
    {"ID", "Idaho"},
    {"IL", "Illinois"},
    {"IN", "Indiana"},
    {"KS", "Kansas"},
    {"KY", "Kentucky"},
    {"LA", "Louisiana"},
    {"MA", "Massachusetts"},
    {"MD", "Maryland"},
    {"ME", "Maine"},
    {"MI", "Michigan"},
    {"MN", "Minnesota"},
    {"MO", "Missouri"},
    {"MS", "Mississippi"},
    {"MT", "Montana"},
    {"NC", "North Carolina"},
    {"ND", "North Dakota"},
    {"NE", "Nebraska"},
    {"NH", "New Hampshire"},
    {"NJ", "New Jersey"},
    {"NM", "New Mexico"},
    {"NV", "Nevada"},
    {"NY", "New York"},
    {"OH", "Ohio"},
    {"OK", "Oklahoma"},
    {"OR", "Oregon"},
    {"PA", "Pennsylvania"},
    {"RI", "Rhode Island"},
    {"SC", "South Carolina"},
    {"SD", "South Dakota"},
    {"TN", "Tennessee"},
    {"TX", "Texas"},
    {"UT", "Utah"},
    {"VA", "Virginia"},
    {"VT", "Vermont"},
    {"WA", "Washington"},
    {"WI", "Wisconsin"},
    {"WV", "West Virginia"},
    {"WY", "Wyoming"},
    {"MARAC", "MARAC CW Contest"},
    {"MAQP", "Mid-Atlantic QSO Party"},
    {"NAQP", "North American QSO Party"},
    {"NEQP", "New England QSO Party"},
    {"7QP", "7-Land QSO Party"},
    {"USCQP", "US Counties QSO Party"},
    {"MULTI", "7QP/INQP/NEQP"},
}};

// The 44 regions the dialog offers, in the order it lists them.
inline constexpr std::array<RegionId, 44> RegionChoiceOrder = {
    1,  4,  5,  7,  8,  9,  10, 12, 13, 14, 11, 15, 16, 17, 19, 21, 22, 24, 23, 28, 32, 30,
    33, 26, 27, 34, 35, 36, 37, 39, 41, 42, 45, 44, 46, 48, 47, 56, 54, 51, 50, 53, 52, 55,
};

constexpr bool IsValidRegion(RegionId region) { return region >= 0 && region < kRegionCount; }

// Display name and abbreviation; the empty text for an id outside 0..56.
std::string_view RegionName(RegionId region);
std::string_view RegionAbbreviation(RegionId region);

// The catalogue's own abbreviation text when text is one of the 50 states.
std::optional<std::string_view> FindStateAbbreviation(std::string_view text);

}  // namespace quorvel
