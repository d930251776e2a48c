// POSIX has no share modes. What they protect is emulated: the output is
// opened without truncating, compared with the open input by device and inode,
// and only then emptied; and advisory locks, taken without waiting, keep two
// Quorvel runs apart: the input locked shared, the output exclusively, so a
// run whose output another run reads or writes, or whose input another run
// writes, is refused before it changes anything.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/platform/descriptor_output.h"
#include "engine/platform/files.h"

namespace quorvel {

namespace {

// False only when another holder has the file locked: a file system without
// locks (some network shares) must not stop a conversion.
bool LockWithoutWaiting(int fd, const struct stat& info, int kind) {
  if (!S_ISREG(info.st_mode)) return true;
  for (;;) {
    if (::flock(fd, kind | LOCK_NB) == 0) return true;
    if (errno != EINTR) return errno != EWOULDBLOCK;
  }
}

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
  bool Rewind() override { return ::lseek(fd_, 0, SEEK_SET) == 0; }
  bool SameFile(const struct stat& other) const {
    return info_.st_dev == other.st_dev && info_.st_ino == other.st_ino;
  }

 private:
  int fd_;
  struct stat info_;
};

class PosixOutputFile final : public DescriptorOutput {
 public:
  using DescriptorOutput::DescriptorOutput;

  bool Write(const char* data, std::size_t size) override {
    while (size > 0) {
      const ssize_t n = ::write(fd(), data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      size -= static_cast<std::size_t>(n);
    }
    return true;
  }
};

// fd is the input's own descriptor (a duplicate for standard input), closed
// on failure; a directory is no input.
std::unique_ptr<InputFile> AdoptInput(int fd) {
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) || !LockWithoutWaiting(fd, info, LOCK_SH)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixInputFile>(fd, info);
}

// The lock comes before the emptying: a refused run leaves the file as the
// run that holds it writes it.
std::unique_ptr<OutputFile> AdoptOutput(int fd, const InputFile& input, bool empty) {
  if (fd < 0) return nullptr;
  struct stat info {};
  const auto& in = static_cast<const PosixInputFile&>(input);
  if (::fstat(fd, &info) != 0 || in.SameFile(info) || !LockWithoutWaiting(fd, info, LOCK_EX) ||
      (empty && S_ISREG(info.st_mode) && ::ftruncate(fd, 0) != 0)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixOutputFile>(fd);
}

}  // namespace

std::unique_ptr<InputFile> OpenInputFile(const std::string& path) {
  return AdoptInput(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
}

std::unique_ptr<OutputFile> OpenOutputFile(const std::string& path, const InputFile& input) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
  return AdoptOutput(fd, input, true);
}

// Duplicates, so that closing them leaves the process's streams in place.
std::unique_ptr<InputFile> OpenStandardInput() {
  return AdoptInput(::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0));
}

std::unique_ptr<OutputFile> OpenStandardOutput(const InputFile& input) {
  // A reader that went away must be a write error, not the end of the process.
  ::signal(SIGPIPE, SIG_IGN);
  return AdoptOutput(::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0), input, false);
}

}  // namespace quorvel
