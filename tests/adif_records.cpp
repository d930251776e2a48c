#include "tests/adif_records.h"

#include <utility>

#include "engine/log_scanner.h"
#include "engine/platform/byte_stream.h"
#include "engine/platform/text_reader.h"

namespace quorvel::testing {

namespace {

// The log scanner's consumer that keeps every tag as a field.
struct RecordReader {
  void Header(std::string_view) {}
  bool ReadName(std::string_view) const { return false; }
  void Tag(const ScannedTag& tag, bool, bool endsRecord) {
    current.fields.push_back({std::string(tag.name), std::string(tag.value), tag.hasValue});
    if (endsRecord) {
      log.records.push_back(std::move(current));
      current = ReadRecord();
    }
  }
  void BlockMoving() {}

  ReadLog log;
  ReadRecord current;
};

}  // namespace

std::vector<std::string> ReadRecord::ValuesOf(std::string_view name) const {
  std::vector<std::string> values;
  for (const ReadField& field : fields) {
    if (field.name == name) values.push_back(field.value);
  }
  return values;
}

ReadLog ReadOutput(std::string_view bytes) {
  RecordReader records;
  MemorySource source(bytes);
  TextReader reader(source, true);
  records.log.headerFound = ScanLog(reader, records).headerDone;
  records.log.openRecord = !records.current.fields.empty();
  return std::move(records.log);
}

}  // namespace quorvel::testing
