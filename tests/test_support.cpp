#include "tests/test_support.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/convert_log.h"
#include "engine/platform/byte_stream.h"
#include "engine/platform/text_reader.h"
#include "engine/platform/text_writer.h"

namespace quorvel::testing {

Converted ConvertText(std::string_view input, RegionId region, int addMobile,
                      std::optional<std::string_view> outputName, CountyLineForm form) {
  Converted result;
  MemorySource source(input);
  MemorySink sink;
  {
    TextReader reader(source, true);
    TextWriter writer(sink, true);
    ConvertLog(reader, writer, region, addMobile, outputName, result.log, form);
    writer.Flush();
  }
  result.output = sink.bytes();
  result.listing = ListMessages(result.log);
  return result;
}

std::string WithoutCr(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

TempDir::TempDir() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("quorvel-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quorvel::testing
