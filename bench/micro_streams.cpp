// The text-mode reader and writer over memory.
#include <benchmark/benchmark.h>

#include "bench/micro_support.h"
#include "engine/platform/text_reader.h"
#include "engine/platform/text_writer.h"

namespace quorvel::bench {
namespace {

void BM_TextReaderBlocks(benchmark::State& state) {
  const std::string& log = SampleLog(kUscqp, 5000);
  for (auto _ : state) {
    MemorySource source(log);
    TextReader reader(source, true);
    while (reader.Refill()) {
      benchmark::DoNotOptimize(reader.Unread().data());
      reader.Consume(reader.Unread().size());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(BM_TextReaderBlocks)->Unit(benchmark::kMillisecond);

// Short pieces with a line feed now and then, as the field writer puts them.
void BM_TextWriterPut(benchmark::State& state) {
  const auto& lines = SampleLines(kUscqp, 200);
  NullSink sink;
  TextWriter writer(sink, true);
  for (auto _ : state) {
    for (const std::string& line : lines) {
      std::string_view rest = line;
      while (!rest.empty()) {
        const std::size_t n = rest.size() < 24 ? rest.size() : 24;
        writer.Put(rest.substr(0, n));
        rest.remove_prefix(n);
      }
    }
  }
  writer.Flush();
  state.SetBytesProcessed(static_cast<std::int64_t>(sink.bytes));
}
BENCHMARK(BM_TextWriterPut);

}  // namespace
}  // namespace quorvel::bench
