#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_log.h"
#include "counties/region_catalogue.h"
#include "engine/county_line_form.h"

namespace quorvel::testing {

struct Converted {
  std::string output;  // the bytes written, CR LF line ends included
  std::vector<std::string> listing;
  MessageLog log;
};

// Runs the driver over input bytes in memory with the text-mode rules applied.
Converted ConvertText(std::string_view input, RegionId region = kPennsylvania, int addMobile = 1,
                      std::optional<std::string_view> outputName = "out.adi",
                      CountyLineForm form = CountyLineForm::kSplit);

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
