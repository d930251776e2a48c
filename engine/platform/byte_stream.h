// Raw byte streams under the text layer: files on each platform, or memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to size bytes; returns the count, 0 at the end, -1 on a read error.
  virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Writes all of data; false if any of it could not be written.
  virtual bool Write(const char* data, std::size_t size) = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override;

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

class MemorySink final : public ByteSink {
 public:
  bool Write(const char* data, std::size_t size) override {
    bytes_.append(data, size);
    return true;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace quorvel
