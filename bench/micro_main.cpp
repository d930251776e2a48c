// The micro-benchmarks run in US Eastern time, as the tests do, so that the
// time conversions meet daylight saving time the same way on every machine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <utility>

#include "bench/log_generator.h"
#include "bench/micro_support.h"
#include "tests/time_zone.h"

namespace quorvel::bench {

const std::string& SampleLog(RegionId region, long long qsos) {
  static std::map<std::pair<RegionId, long long>, std::string> logs;
  std::string& log = logs[{region, qsos}];
  if (log.empty()) {
    LogOptions options;
    options.region = region;
    options.qsos = qsos;
    std::FILE* file = std::tmpfile();
    std::string problem;
    if (file == nullptr || !WriteLog(options, file, problem)) std::abort();
    log.resize(static_cast<std::size_t>(std::ftell(file)));
    std::rewind(file);
    if (std::fread(log.data(), 1, log.size(), file) != log.size()) std::abort();
    std::fclose(file);
  }
  return log;
}

const std::vector<std::string>& SampleLines(RegionId region, long long qsos) {
  static std::map<std::pair<RegionId, long long>, std::vector<std::string>> all;
  std::vector<std::string>& lines = all[{region, qsos}];
  if (lines.empty()) {
    const std::string& log = SampleLog(region, qsos);
    const std::size_t records = log.find("<EOH>\r\n") + 7;
    for (std::size_t at = records; at < log.size();) {
      const std::size_t end = log.find("\r\n", at);
      lines.push_back(log.substr(at, end - at) + "\n");
      at = end + 2;
    }
  }
  return lines;
}

}  // namespace quorvel::bench

int main(int argc, char** argv) {
  quorvel::testing::UseTestTimeZone();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
