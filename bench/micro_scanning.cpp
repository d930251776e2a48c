// The tag scanner and the whole driver over N1MM-style lines.
#include <benchmark/benchmark.h>

#include "bench/micro_support.h"
#include "core/message_log.h"
#include "engine/convert_log.h"
#include "engine/field_scanner.h"

namespace quorvel::bench {
namespace {

void BM_ScanNextTag(benchmark::State& state) {
  const auto& lines = SampleLines(kUscqp, 1000);
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& line : lines) {
      std::size_t position = 0;
      ScannedTag tag;
      while (ScanNextTag(line, position, tag)) benchmark::DoNotOptimize(tag);
      bytes += line.size();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_ScanNextTag);

// Reading, rewriting and writing in memory: the conversion without the disk.
void BM_ConvertLogInMemory(benchmark::State& state) {
  const RegionId region = static_cast<RegionId>(state.range(0));
  const std::string& log = SampleLog(region, 2000);
  for (auto _ : state) {
    MemorySource source(log);
    NullSink sink;
    MessageLog messages;
    {
      TextReader reader(source, true);
      TextWriter writer(sink, true);
      ConvertLog(reader, writer, region, 1, std::nullopt, messages);
      writer.Flush();
    }
    benchmark::DoNotOptimize(sink.bytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 2000));
}
BENCHMARK(BM_ConvertLogInMemory)->Arg(kUscqp)->Arg(kPennsylvania)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvel::bench
