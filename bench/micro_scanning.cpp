// The tag scanner and the whole driver over N1MM-style lines.
#include <benchmark/benchmark.h>

#include "bench/micro_support.h"
#include "core/message_log.h"
#include "engine/field_scanner.h"
#include "fuzz/memory_conversion.h"

namespace quorvel::bench {
namespace {

void BM_ScanTag(benchmark::State& state) {
  const auto& lines = SampleLines(kUscqp, 1000);
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& line : lines) {
      std::size_t position = 0;
      ScannedTag tag;
      while (ScanTag(line, position, tag) == ScanResult::kTag) benchmark::DoNotOptimize(tag);
      bytes += line.size();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_ScanTag);

// Reading, rewriting and writing in memory: the conversion without the disk.
void BM_ConvertLogInMemory(benchmark::State& state) {
  const RegionId region = static_cast<RegionId>(state.range(0));
  const std::string& log = SampleLog(region, 2000);
  for (auto _ : state) {
    const fuzzing::MemoryConversion run = fuzzing::ConvertInMemory(log, region, 1);
    benchmark::DoNotOptimize(run.output.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 2000));
}
BENCHMARK(BM_ConvertLogInMemory)->Arg(kUscqp)->Arg(kPennsylvania)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvel::bench
