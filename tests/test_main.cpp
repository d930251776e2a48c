// Every test runs in one fixed time zone with daylight saving (time_zone.h).
#include <gtest/gtest.h>

#include "tests/time_zone.h"

int main(int argc, char** argv) {
  quorvel::testing::UseTestTimeZone();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
