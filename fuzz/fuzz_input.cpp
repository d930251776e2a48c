#include "fuzz/fuzz_input.h"

#include "tests/time_zone.h"

// Times are read in one zone with daylight saving, so that every run and
// every machine sees the same changeovers.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  quorvel::testing::UseTestTimeZone();
  return 0;
}
