#include "tests/adif_records.h"

#include "engine/field_scanner.h"
#include "engine/platform/byte_stream.h"
#include "engine/platform/text_reader.h"

namespace quorvel::testing {

namespace {

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

std::vector<std::string> ReadRecord::ValuesOf(std::string_view name) const {
  std::vector<std::string> values;
  for (const ReadField& field : fields) {
    if (field.name == name) values.push_back(field.value);
  }
  return values;
}

ReadLog ReadOutput(std::string_view bytes) {
  ReadLog log;
  MemorySource source(bytes);
  TextReader reader(source, true);
  ReadRecord current;
  std::string_view line;
  while (reader.NextLine(line)) {
    if (!log.headerFound) {
      log.headerFound = Contains(line, "<eoh>") || Contains(line, "<EOH>");
      continue;
    }
    std::size_t position = 0;
    ScannedTag tag;
    while (ScanNextTag(line, position, tag)) {
      current.fields.push_back({std::string(tag.name), std::string(tag.value), tag.hasValue});
      if (Contains(tag.name, "eor") || Contains(tag.name, "EOR")) {
        log.records.push_back(std::move(current));
        current = ReadRecord();
      }
    }
  }
  log.openRecord = !current.fields.empty();
  return log;
}

}  // namespace quorvel::testing
