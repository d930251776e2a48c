// POSIX has no share modes; what they protect here is that the output is never
// the input, so the output is opened without truncating, compared with the
// open input by device and inode, and only then emptied.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/platform/files.h"

namespace quorvel {

namespace {

class PosixInputFile final : public InputFile {
 public:
  PosixInputFile(int fd, const struct stat& info) : fd_(fd), info_(info) {}
  ~PosixInputFile() override { ::close(fd_); }

  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n >= 0 || errno != EINTR) return n;
    }
  }
  bool NeedsTextTranslation() const override { return true; }
  bool SameFile(const struct stat& other) const {
    return info_.st_dev == other.st_dev && info_.st_ino == other.st_ino;
  }

 private:
  int fd_;
  struct stat info_;
};

class PosixOutputFile final : public OutputFile {
 public:
  explicit PosixOutputFile(int fd) : fd_(fd) {}
  ~PosixOutputFile() override { Close(); }

  bool Write(const char* data, std::size_t size) override {
    while (size > 0) {
      const ssize_t n = ::write(fd_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      size -= static_cast<std::size_t>(n);
    }
    return true;
  }
  bool NeedsTextTranslation() const override { return true; }
  bool Close() override {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<InputFile> OpenInputFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixInputFile>(fd, info);
}

std::unique_ptr<OutputFile> OpenOutputFile(const std::string& path, const InputFile& input) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return nullptr;
  struct stat info {};
  const auto& in = static_cast<const PosixInputFile&>(input);
  if (::fstat(fd, &info) != 0 || in.SameFile(info) ||
      (S_ISREG(info.st_mode) && ::ftruncate(fd, 0) != 0)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixOutputFile>(fd);
}

}  // namespace quorvel
