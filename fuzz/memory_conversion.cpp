#include "fuzz/memory_conversion.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "engine/convert_log.h"
#include "engine/platform/text_reader.h"
#include "engine/platform/text_writer.h"

namespace quorvel::fuzzing {

std::ptrdiff_t ChunkedSource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min({size, chunk_, bytes_.size()});
  if (n > 0) std::memcpy(buffer, bytes_.data(), n);
  bytes_.remove_prefix(n);
  return static_cast<std::ptrdiff_t>(n);
}

MemoryConversion ConvertInMemory(std::string_view log, RegionId region, int addMobile,
                                 std::size_t chunk, std::optional<std::string_view> outputName,
                                 CountyReport* report, CountyLineForm form) {
  MemoryConversion result;
  const std::clock_t start = std::clock();
  MemorySource whole(log);
  ChunkedSource pieces(log, chunk);
  MemorySink sink;
  {
    TextReader reader(chunk == 0 ? static_cast<ByteSource&>(whole) : pieces, true);
    TextWriter writer(sink, true);
    ConvertLog(reader, writer, region, addMobile, outputName, result.log, report, form);
    writer.Flush();
    result.readerBytes = reader.BufferSize();
  }
  result.seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  result.output = sink.bytes();
  result.listing = ListMessages(result.log);
  return result;
}

}  // namespace quorvel::fuzzing
