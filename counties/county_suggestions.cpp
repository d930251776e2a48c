#include "counties/county_suggestions.h"

#include <algorithm>

#include "counties/canadian_sections.h"
#include "counties/region_tables.h"

namespace quorvel {

namespace {

// Keys are 2 to 6 letters; anything further away than the largest distance
// asked for needs no distance computed.
constexpr std::size_t kLongestKey = 6;
constexpr std::size_t kFarthest = 2;
constexpr std::size_t kLongestValue = kLongestKey + kFarthest;

// Edit distance with adjacent swaps (optimal string alignment), over texts
// that the callers have bounded to kLongestValue and kLongestKey bytes.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::size_t d[kLongestValue + 1][kLongestValue + 1];
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      std::size_t best = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        best = std::min(best, d[i - 2][j - 2] + 1);
      }
      d[i][j] = best;
    }
  }
  return d[a.size()][b.size()];
}

std::size_t LengthGap(std::size_t a, std::size_t b) { return a > b ? a - b : b - a; }

// Whether the resolver would turn key into the county at all: states,
// Canadian areas and (in Pennsylvania) sections are tested first.
bool ReachesCounty(std::string_view key, RegionId region) {
  if (FindStateAbbreviation(key) || FindCanadianArea(key)) return false;
  return region != kPennsylvania || !FindSectionState(key);
}

// The first few suggestions of one distance, in table order, each key once.
struct Bucket {
  CountySuggestions found;
  bool Holds(std::string_view key) const {
    for (std::size_t i = 0; i < found.count; ++i) {
      if (found.items[i].abbreviation == key) return true;
    }
    return false;
  }
  void Add(const CountySuggestion& suggestion) {
    if (found.count < CountySuggestions::kMost) found.items[found.count++] = suggestion;
  }
};

}  // namespace

CountySuggestions SuggestCounties(std::string_view value, RegionId region) {
  const std::size_t farthest = value.size() >= 5 ? 2 : 1;
  if (value.size() > kLongestKey + farthest) return {};
  Bucket near[2];  // distance 1, distance 2
  ForEachRegionRow(region,
                   [&](std::string_view key, std::string_view state, std::string_view county) {
                     if (key.size() > kLongestKey || LengthGap(value.size(), key.size()) > farthest)
                       return;
                     const std::size_t distance = EditDistance(value, key);
                     if (distance == 0 || distance > farthest) return;
                     Bucket& bucket = near[distance - 1];
                     if (bucket.found.count == CountySuggestions::kMost || near[0].Holds(key) ||
                         near[1].Holds(key) || !ReachesCounty(key, region)) {
                       return;
                     }
                     bucket.Add({key, county, state});
                   });
  CountySuggestions result = near[0].found;
  for (std::size_t i = 0; i < near[1].found.count; ++i) {
    if (result.count < CountySuggestions::kMost)
      result.items[result.count++] = near[1].found.items[i];
  }
  return result;
}

}  // namespace quorvel
