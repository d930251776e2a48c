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

// The fields of one sample line, viewing it, and their texts as read.
struct SampleRecord {
  std::vector<AdifField> fields;
  std::vector<std::string_view> texts;
};

SampleRecord RecordFields() {
  SampleRecord record;
  const std::string& line = SampleLines(kUscqp, 1).front();
  std::size_t position = 0;
  ScannedTag tag;
  while (ScanTag(line, position, tag) == ScanResult::kTag) {
    record.fields.push_back(AdifField{tag.name, tag.value, tag.hasValue});
    record.texts.push_back(tag.text);
  }
  return record;
}

// Arg 0: every field built from its name and value; 1: as read, where it can be.
void BM_WriteAdifField(benchmark::State& state) {
  const SampleRecord record = RecordFields();
  const bool asRead = state.range(0) != 0;
  NullSink sink;
  TextWriter writer(sink, true);
  for (auto _ : state) {
    std::size_t column = 0;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
      const AdifField& field = record.fields[i];
      column =
          asRead && !record.texts[i].empty()
              ? WriteAdifFieldText(writer, record.texts[i], column)
              : WriteAdifField(writer, field.name, field.hasValue ? &field.value : nullptr, column);
    }
    writer.Put("\n\n");
  }
  writer.Flush();
  state.SetBytesProcessed(static_cast<std::int64_t>(sink.bytes));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * record.fields.size()));
}
BENCHMARK(BM_WriteAdifField)->Arg(0)->Arg(1);

}  // namespace
}  // namespace quorvel::bench
