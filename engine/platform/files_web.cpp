// The web page's files. Neither log's bytes pass through Emscripten's
// in-memory folder: the input's are pulled a block at a time from the page's
// worker (Module.onRead, from the user's file itself, so that memory stays
// flat however large the log), and the output's are gathered in large pieces
// of the engine's memory and go to the worker in one call when the file is
// closed (Module.onOutput), for the download to be made of them at once. The folder holds an empty
// file under the input's name, put there by the worker when the file can be read, and the output
// file is still created, so that names fail as on the desktop and the output is never the input,
// compared by inode. The read position is the progress (Module.onProgress, once a percent). One run
// at a time, so no locks.
#include <emscripten.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/platform/descriptor_output.h"
#include "engine/platform/files.h"

namespace quorvel {

namespace {

// clang-format off
// The worker copies the bytes during the call: the views are of the engine's
// memory, which is freed after it.
EM_JS(void, QuorvelPageOutput, (char* const* pieces, const std::size_t* sizes, int count), {
  const views = [];
  for (let i = 0; i < count; ++i) {
    const at = HEAPU32[(pieces >> 2) + i];
    views.push(HEAPU8.subarray(at, at + HEAPU32[(sizes >> 2) + i]));
  }
  Module.onOutput(views);
});
// Up to size of the input's bytes from position into buffer: the count, 0 at
// the end, -1 when the file could not be read.
EM_JS(int, QuorvelPageRead, (char* buffer, std::size_t size, double position), {
  const bytes = Module.onRead(size, position);
  if (!bytes) return -1;
  HEAPU8.set(bytes, buffer);
  return bytes.length;
});
EM_JS(double, QuorvelPageInputSize, (), {
  return Module.inputSize();
});
EM_JS(void, QuorvelPageProgress, (int percent), {
  Module.onProgress(percent);
});
// clang-format on

class WebInputFile final : public InputFile {
 public:
  WebInputFile(int fd, const struct stat& info)
      : fd_(fd), info_(info), total_(static_cast<long long>(QuorvelPageInputSize())) {}
  ~WebInputFile() override { ::close(fd_); }

  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    // A block of a few megabytes at most keeps the count an int.
    const std::size_t wanted = size < kMaxRead ? size : kMaxRead;
    const int n = QuorvelPageRead(buffer, wanted, static_cast<double>(position_));
    if (n > 0) position_ += n;
    const long long total = total_;
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
    return true;
  }
  bool SameFile(const struct stat& other) const {
    return info_.st_dev == other.st_dev && info_.st_ino == other.st_ino;
  }

 private:
  static constexpr std::size_t kMaxRead = 1 << 24;

  int fd_;
  struct stat info_;
  long long total_;
  long long position_ = 0;
  int reported_ = -1;
};

// The engine's memory, once grown, stays: a second conversion writes into
// pages already there, where fresh memory in the worker costs more than the
// copy itself.
class WebOutputFile final : public DescriptorOutput {
 public:
  using DescriptorOutput::DescriptorOutput;
  ~WebOutputFile() override { HandOver(); }

  bool Write(const char* data, std::size_t size) override {
    while (size > 0) {
      if (pieces_.empty() || sizes_.back() == room_) {
        // As large as what came before, up to the full size: a small log
        // takes little memory, a large one few pieces. Uninitialised: only
        // the bytes written are handed over.
        room_ = std::min(kPieceSize, std::max(kFirstPieceSize, written_));
        pieces_.push_back(std::unique_ptr<char[]>(new char[room_]));
        sizes_.push_back(0);
      }
      const std::size_t n = std::min(size, room_ - sizes_.back());
      std::memcpy(pieces_.back().get() + sizes_.back(), data, n);
      sizes_.back() += n;
      written_ += n;
      data += n;
      size -= n;
    }
    return true;
  }
  bool Close() override {
    HandOver();
    return DescriptorOutput::Close();
  }

 private:
  static constexpr std::size_t kFirstPieceSize = 1 << 16;
  static constexpr std::size_t kPieceSize = 1 << 24;

  void HandOver() {
    if (pieces_.empty()) return;
    std::vector<char*> at;
    for (const auto& piece : pieces_) at.push_back(piece.get());
    QuorvelPageOutput(at.data(), sizes_.data(), static_cast<int>(at.size()));
    pieces_.clear();
    sizes_.clear();
  }

  std::vector<std::unique_ptr<char[]>> pieces_;
  std::vector<std::size_t> sizes_;
  std::size_t room_ = 0;     // the last piece's size
  std::size_t written_ = 0;  // in all the pieces
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
