// Shared inputs of the micro-benchmarks: a realistic contest log in memory and
// a sink that throws its bytes away.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "counties/region_catalogue.h"
#include "engine/platform/byte_stream.h"

namespace quorvel::bench {

// The bytes of a generated log (header included, CR LF line ends).
const std::string& SampleLog(RegionId region, long long qsos);

// The record lines of SampleLog, LF line ends as the reader hands them out.
const std::vector<std::string>& SampleLines(RegionId region, long long qsos);

class NullSink final : public ByteSink {
 public:
  bool Write(const char*, std::size_t size) override {
    bytes += size;
    return true;
  }
  std::size_t bytes = 0;
};

}  // namespace quorvel::bench
