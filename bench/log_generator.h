// Large, realistic contest logs for the benchmarks and the output comparison.
#pragma once

#include <cstdio>
#include <string>

#include "counties/region_catalogue.h"

namespace quorvel::bench {

struct LogOptions {
  RegionId region = kUscqp;
  long long qsos = 10000;
  unsigned long long seed = 1;
  double countyLinePercent = 5;  // records with two or three county fields
  double warningPercent = 0.5;   // county values the region does not know
  // Contests across daylight-saving changeover nights (US and EU rules), and
  // now and then a date or time that needs normalising or does not parse.
  bool edgeTimes = false;
  // Every record on the header's next line, without line feeds between them,
  // as some programs write them.
  bool oneLine = false;
};

// Writes the header and options.qsos records to file. False (with problem
// set) when the region has no county keys or a write failed.
bool WriteLog(const LogOptions& options, std::FILE* file, std::string& problem);

}  // namespace quorvel::bench
