// A whole conversion in memory, as the tests, the fuzz target and the
// micro-benchmarks run it: the same reader, driver and writer as a file's.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_log.h"
#include "counties/region_catalogue.h"
#include "engine/county_line_form.h"
#include "engine/platform/byte_stream.h"

namespace quorvel {
class CountyReport;
}

namespace quorvel::fuzzing {

// The name the closing message gives the output unless told otherwise.
inline constexpr std::string_view kOutputName = "out.adi";

// Hands out at most chunk bytes per read, so that line ends and 0x1A fall
// across the reader's refills.
class ChunkedSource final : public ByteSource {
 public:
  ChunkedSource(std::string_view bytes, std::size_t chunk) : bytes_(bytes), chunk_(chunk) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override;

 private:
  std::string_view bytes_;
  std::size_t chunk_;
};

struct MemoryConversion {
  std::string output;  // the bytes written, CR LF line ends included
  MessageLog log;
  std::vector<std::string> listing;
  double seconds = 0;           // processor time the conversion took
  std::size_t readerBytes = 0;  // the room the reader held at the end: its memory
};

// ConvertLog over log in memory, with the text-mode rules on both sides. A
// chunk other than 0 hands the input over at most that many bytes at a time.
// report, when given, is filled by the conversion; form is how county lines
// are written.
MemoryConversion ConvertInMemory(std::string_view log, RegionId region, int addMobile,
                                 std::size_t chunk = 0,
                                 std::optional<std::string_view> outputName = kOutputName,
                                 CountyReport* report = nullptr,
                                 CountyLineForm form = CountyLineForm::kSplit);

}  // namespace quorvel::fuzzing
