#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_log.h"
#include "counties/region_catalogue.h"
#include "engine/county_line_form.h"
#include "fuzz/memory_conversion.h"

namespace quorvel::testing {

using Converted = fuzzing::MemoryConversion;

// The in-memory conversion with the defaults of most tests.
inline Converted ConvertText(std::string_view input, RegionId region = kPennsylvania,
                             int addMobile = 1,
                             std::optional<std::string_view> outputName = "out.adi",
                             CountyLineForm form = CountyLineForm::kSplit) {
  return fuzzing::ConvertInMemory(input, region, addMobile, 0, outputName, nullptr, form);
}

// The text with every CR LF turned into LF, for readable expectations.
std::string WithoutCr(std::string_view text);

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::string_view bytes);

}  // namespace quorvel::testing
