// The field writer: one typical record's fields, line breaks included.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/micro_support.h"
#include "core/adif_field.h"
#include "engine/adif_writer.h"
#include "engine/field_scanner.h"

namespace quorvel::bench {
namespace {

std::vector<AdifField> RecordFields() {
  std::vector<AdifField> fields;
  const std::string& line = SampleLines(kUscqp, 1).front();
  std::size_t position = 0;
  ScannedTag tag;
  while (ScanTag(line, position, tag) == ScanResult::kTag) {
    AdifField& field = fields.emplace_back();
    if (tag.hasValue) {
      field.Set(tag.name, tag.value);
    } else {
      field.SetWithoutValue(tag.name);
    }
  }
  return fields;
}

void BM_WriteAdifField(benchmark::State& state) {
  const std::vector<AdifField> fields = RecordFields();
  NullSink sink;
  TextWriter writer(sink, true);
  for (auto _ : state) {
    std::size_t column = 0;
    for (const AdifField& field : fields) column = WriteAdifField(writer, field, column);
    writer.Put("\n\n");
  }
  writer.Flush();
  state.SetBytesProcessed(static_cast<std::int64_t>(sink.bytes));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * fields.size()));
}
BENCHMARK(BM_WriteAdifField);

}  // namespace
}  // namespace quorvel::bench
