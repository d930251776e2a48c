// Values that are no county: Canadian provinces and territories, which a
// conversion leaves alone, and the sections that out-of-state stations send
// in Pennsylvania's QSO party.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvel {

inline constexpr std::array<std::string_view, 13> CanadianAreaCodes = {
    "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NT", "NB", "NL", "YT", "PE", "NU",
};

struct CanadianAlias {
  std::string_view alias;
  std::string_view code;
};

inline constexpr std::array<CanadianAlias, 15> CanadianAreaAliases = {{
    {"NF", "NL"},
    {"NFL", "NL"},
    {"LB", "NL"},
    {"LAB", "NL"},
    {"PEI", "PE"},
    {"PQ", "QC"},
    {"QU", "QC"},
    {"QUE", "QC"},
    {"ONT", "ON"},
    {"MAN", "MB"},
    {"SA", "SK"},
    {"ALT", "AB"},
    {"ALB", "AB"},
    {"NWT", "NT"},
    {"YU", "YT"},
}};

struct SectionState {
  std::string_view section;
  std::string_view state;  // empty for a section outside the fifty states
};

// Sorted by section: the lookup is a binary search.
// clang-format off
inline constexpr std::array<SectionState, 81> SectionStateTable = {{
    {"AB", ""}, {"AK", "AK"}, {"AL", "AL"}, {"AR", "AR"}, {"AZ", "AZ"}, {"BC", ""},
    {"CO", "CO"}, {"CT", "CT"}, {"DE", "DE"}, {"EB", "CA"}, {"EMA", "MA"}, {"ENY", "NY"},
    {"EPA", "PA"}, {"EWA", "WA"}, {"GA", "GA"}, {"HI", "HI"}, {"IA", "IA"}, {"ID", "ID"},
    {"IL", "IL"}, {"IN", "IN"}, {"KS", "KS"}, {"KY", "KY"}, {"LA", "LA"}, {"LAX", "CA"},
    {"MAR", ""}, {"MB", ""}, {"MDC", "MD"}, {"ME", "ME"}, {"MI", "MI"}, {"MN", "MN"},
    {"MO", "MO"}, {"MS", "MS"}, {"MT", "MT"}, {"NC", "NC"}, {"ND", "ND"}, {"NE", "NE"},
    {"NFL", "FL"}, {"NH", "NH"}, {"NL", ""}, {"NLI", "NY"}, {"NM", "NM"}, {"NNJ", "NJ"},
    {"NNY", "NY"}, {"NT", ""}, {"NTX", "TX"}, {"NV", "NV"}, {"OH", "OH"}, {"OK", "OK"},
    {"ON", ""}, {"OR", "OR"}, {"ORG", "CA"}, {"PAC", ""}, {"PR", ""}, {"QC", ""},
    {"RI", "RI"}, {"SB", "CA"}, {"SC", "SC"}, {"SCV", "CA"}, {"SD", "SD"}, {"SDG", "CA"},
    {"SF", "CA"}, {"SFL", "FL"}, {"SJV", "CA"}, {"SK", ""}, {"SNJ", "NJ"}, {"STX", "TX"},
    {"SV", "CA"}, {"TN", "TN"}, {"UT", "UT"}, {"VA", "VA"}, {"VI", ""}, {"VT", "VT"},
    {"WCF", "FL"}, {"WI", "WI"}, {"WMA", "MA"}, {"WNY", "NY"}, {"WPA", "PA"}, {"WTX", "TX"},
    {"WV", "WV"}, {"WWA", "WA"}, {"WY", "WY"},
}};
// clang-format on

// The code of a Canadian area or of its alias; codes are tried first.
std::optional<std::string_view> FindCanadianArea(std::string_view text);

// The state of a section (the empty text for one outside the fifty states).
std::optional<std::string_view> FindSectionState(std::string_view text);

}  // namespace quorvel
