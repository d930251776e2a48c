// The lean fuzz entry point: one conversion from memory to memory, for as many
// executions a second as the sanitizers allow. The deep checks stay with
// fuzz_convert_log.cpp. The first byte picks the region (mod 57) and whether
// /M is added; the rest is the log.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/message_log.h"
#include "engine/convert_log.h"
#include "engine/platform/byte_stream.h"
#include "engine/platform/text_reader.h"
#include "engine/platform/text_writer.h"
#include "fuzz/fuzz_input.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "lean fuzz target: %s\n", what);
  std::abort();
}

// The run's last message names what it wrote; the output then holds whole
// lines, since every record written ends its line.
void CheckEnd(const quorvel::MessageLog& log, const std::string& output) {
  const std::vector<std::string>& info = log.lists[quorvel::kInformationList];
  if (info.empty()) Fail("no closing message");
  const std::string& wrote = info.back();
  if (wrote.compare(0, 6, "Wrote ") != 0) Fail("the last message is not the closing one");
  const bool none = wrote.compare(0, 8, "Wrote 0 ") == 0;
  if (!none && (output.size() < 2 || output.compare(output.size() - 2, 2, "\r\n") != 0)) {
    Fail("QSOs were written but the output does not end with a line end");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const quorvel::fuzzing::FuzzInput input = quorvel::fuzzing::SplitFuzzInput(data, size);
  const int addMobile = static_cast<int>(input.variant & 1);
  quorvel::MemorySource source(input.log);
  quorvel::MemorySink sink;
  quorvel::MessageLog log;
  {
    quorvel::TextReader reader(source, true);
    quorvel::TextWriter writer(sink, true);
    quorvel::ConvertLog(reader, writer, input.region, addMobile, std::string_view("out.adi"), log);
    if (!writer.Flush() || reader.Failed()) Fail("a memory stream failed");
  }
  CheckEnd(log, sink.bytes());
  return 0;
}
