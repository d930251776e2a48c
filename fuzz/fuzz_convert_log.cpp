// The fuzz entry point: arbitrary bytes through a whole conversion. The first
// byte picks the region (mod 57) and how the reader is fed; the rest is the log.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/conversion_checks.h"
#include "fuzz/fuzz_input.h"

namespace {

// Refill sizes for the second reading of each input, indexed by the first
// byte's quotient: every line end and 0x1A then meets a refill in some run.
constexpr std::size_t kChunks[] = {1, 2, 3, 7, 64};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto [region, variant, log] = quorvel::fuzzing::SplitFuzzInput(data, size);
  const std::size_t chunk = kChunks[variant];
  // The costly checks run once: add /M changes only callsign texts.
  for (const int addMobile : {0, 1}) {
    const bool all = addMobile != 0;
    const std::string failure =
        quorvel::fuzzing::CheckConversion(log, region, addMobile, all ? chunk : 0, all).problem;
    if (!failure.empty()) {
      std::fprintf(stderr, "region %d, add /M %d: %s\n", region, addMobile, failure.c_str());
      std::abort();
    }
  }
  return 0;
}
