// Every test runs in one fixed time zone with daylight saving, never in the
// machine's own: US Eastern, written as a POSIX rule so no zone files are needed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
#ifdef _WIN32
  _putenv_s("TZ", "EST5EDT");
  _tzset();
#else
  setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
  tzset();
#endif
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
