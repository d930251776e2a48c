// The web page's files. The input lies in Emscripten's in-memory folder, put
// there by the page's worker; the converted log does not: its bytes go to the
// page as the engine writes them, through an interface of the page's own
// (Module.onOutput), and the input's read position is the progress
// (Module.onProgress, once a percent). The output file is still created, so
// that a name that cannot be a file fails as on the desktop. One run at a
// time, so no locks; the output is never the input, compared by inode.
#include <emscripten.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/platform/descriptor_output.h"
#include "engine/platform/files.h"

namespace quorvel {

namespace {

// clang-format off
EM_JS(void, QuorvelPageOutput, (const char* data, std::size_t size), {
  Module.onOutput(HEAPU8.slice(data, data + size));
});
EM_JS(void, QuorvelPageProgress, (int percent), {
  Module.onProgress(percent);
});
// clang-format on

class WebInputFile final : public InputFile {
 public:
  WebInputFile(int fd, const struct stat& info) : fd_(fd), info_(info) {}
  ~WebInputFile() override { ::close(fd_); }

  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n > 0) position_ += static_cast<long long>(n);
    const long long total = static_cast<long long>(info_.st_size);
    const int percent = total > 0 ? static_cast<int>(position_ * 100 / total) : 100;
    if (percent > reported_) {
      reported_ = percent;
      QuorvelPageProgress(percent);
    }
    return n;
  }
  bool NeedsTextTranslation() const override { return true; }
  bool Rewind() override {
    position_ = 0;
    return ::lseek(fd_, 0, SEEK_SET) == 0;
  }
  bool SameFile(const struct stat& other) const {
    return info_.st_dev == other.st_dev && info_.st_ino == other.st_ino;
  }

 private:
  int fd_;
  struct stat info_;
  long long position_ = 0;
  int reported_ = -1;
};

class WebOutputFile final : public DescriptorOutput {
 public:
  using DescriptorOutput::DescriptorOutput;

  bool Write(const char* data, std::size_t size) override {
    if (size > 0) QuorvelPageOutput(data, size);
    return true;
  }
};

}  // namespace

std::unique_ptr<InputFile> OpenInputFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<WebInputFile>(fd, info);
}

std::unique_ptr<OutputFile> OpenOutputFile(const std::string& path, const InputFile& input) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  struct stat info {};
  const auto& in = static_cast<const WebInputFile&>(input);
  if (::fstat(fd, &info) != 0 || in.SameFile(info) || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<WebOutputFile>(fd);
}

// The page has no standard streams.
std::unique_ptr<InputFile> OpenStandardInput() { return nullptr; }
std::unique_ptr<OutputFile> OpenStandardOutput(const InputFile&) { return nullptr; }

}  // namespace quorvel
