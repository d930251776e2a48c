// The conversions between a QSO's local date and time and its start time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "engine/local_time_cache.h"
#include "engine/qso_time.h"

namespace quorvel::bench {
namespace {

// A contest weekend: a QSO every 37 seconds from Saturday 14:00 on.
std::vector<std::tm> ContestTimes() {
  std::vector<std::tm> times;
  for (int i = 0; i < 4096; ++i) {
    std::tm t = InitialQsoTime();
    t.tm_year = 2024 - 1900;
    t.tm_mon = 4;
    t.tm_mday = 4;
    t.tm_hour = 14;
    t.tm_sec = i * 37;  // left for the conversion to normalise
    std::int64_t ignored = MakeStartTime(t);
    benchmark::DoNotOptimize(ignored);
    times.push_back(t);
  }
  return times;
}

void BM_MakeStartTime(benchmark::State& state) {
  const std::vector<std::tm> times = ContestTimes();
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm t = times[i];
    i = (i + 1) % times.size();
    benchmark::DoNotOptimize(MakeStartTime(t));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_MakeStartTime);

void BM_MakeStartTimeCached(benchmark::State& state) {
  const std::vector<std::tm> times = ContestTimes();
  LocalTimeCache cache;
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm t = times[i];
    i = (i + 1) % times.size();
    benchmark::DoNotOptimize(MakeStartTime(t, cache));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_MakeStartTimeCached);

// With TZ unset, as on most machines: glibc's mktime then checks the zone
// file on disk at every call.
void BM_MakeStartTimeMachineZone(benchmark::State& state) {
  const std::vector<std::tm> times = ContestTimes();
  const std::string zone = std::getenv("TZ");
  unsetenv("TZ");
  tzset();
  LocalTimeCache cache;
  const bool cached = state.range(0) != 0;
  std::size_t i = 0;
  for (auto _ : state) {
    std::tm t = times[i];
    i = (i + 1) % times.size();
    benchmark::DoNotOptimize(cached ? MakeStartTime(t, cache) : MakeStartTime(t));
  }
  setenv("TZ", zone.c_str(), 1);
  tzset();
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_MakeStartTimeMachineZone)->Arg(0)->Arg(1);

void BM_FormatStartTime(benchmark::State& state) {
  std::int64_t seconds = 1714831200;  // 2024-05-04 10:00 EDT
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatStartTime(seconds));
    seconds += 37;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_FormatStartTime);

void BM_FormatStartTimeCached(benchmark::State& state) {
  LocalTimeCache cache;
  std::int64_t seconds = 1714831200;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatStartTime(seconds, cache));
    seconds += 37;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_FormatStartTimeCached);

}  // namespace
}  // namespace quorvel::bench
