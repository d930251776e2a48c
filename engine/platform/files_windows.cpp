// The C runtime's text mode and share modes do the work on Windows.
#include <share.h>
#include <stdio.h>

#include "engine/platform/files.h"

namespace quorvel {

namespace {

constexpr std::size_t kStreamBuffer = 1 << 18;

class WindowsInputFile final : public InputFile {
 public:
  explicit WindowsInputFile(FILE* file) : file_(file) {
    setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
  }
  ~WindowsInputFile() override { fclose(file_); }

  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = fread(buffer, 1, size, file_);
    if (n == 0 && ferror(file_)) return -1;
    return static_cast<std::ptrdiff_t>(n);
  }
  bool NeedsTextTranslation() const override { return false; }

 private:
  FILE* file_;
};

class WindowsOutputFile final : public OutputFile {
 public:
  explicit WindowsOutputFile(FILE* file) : file_(file) {
    setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
  }
  ~WindowsOutputFile() override { Close(); }

  bool Write(const char* data, std::size_t size) override {
    return fwrite(data, 1, size, file_) == size;
  }
  bool NeedsTextTranslation() const override { return false; }
  bool Close() override {
    if (file_ == nullptr) return true;
    const bool flushed = fflush(file_) == 0;
    const bool closed = fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed;
  }

 private:
  FILE* file_;
};

}  // namespace

std::unique_ptr<InputFile> OpenInputFile(const std::string& path) {
  FILE* file = _fsopen(path.c_str(), "r", _SH_DENYWR);
  if (file == nullptr) return nullptr;
  return std::make_unique<WindowsInputFile>(file);
}

std::unique_ptr<OutputFile> OpenOutputFile(const std::string& path, const InputFile&) {
  FILE* file = _fsopen(path.c_str(), "w", _SH_DENYRW);
  if (file == nullptr) return nullptr;
  return std::make_unique<WindowsOutputFile>(file);
}

}  // namespace quorvel
