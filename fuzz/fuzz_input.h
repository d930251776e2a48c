// What both fuzz programs make of an input: the first byte picks the region
// (mod the region count) and, by its quotient, a variant of the run; the rest
// is the log. fuzz_input.cpp also gives both programs their time zone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "counties/region_catalogue.h"

namespace quorvel::fuzzing {

struct FuzzInput {
  RegionId region;
  unsigned variant;  // 0 to 255 / kRegionCount
  std::string_view log;
};

// size must be at least 1.
inline FuzzInput SplitFuzzInput(const std::uint8_t* data, std::size_t size) {
  return FuzzInput{static_cast<RegionId>(data[0] % kRegionCount),
                   static_cast<unsigned>(data[0] / kRegionCount),
                   std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

}  // namespace quorvel::fuzzing
