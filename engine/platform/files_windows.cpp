// The C runtime's text mode and share modes do the work on Windows. The
// standard streams are switched to binary mode and get the text-mode rules
// from TextReader and TextWriter, like the files elsewhere.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdio.h>
#include <windows.h>

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
  bool Rewind() override { return fseek(file_, 0, SEEK_SET) == 0; }

 private:
  FILE* file_;
};

// A standard stream belongs to the process: it is flushed, never closed.
class StandardInput final : public InputFile {
 public:
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = fread(buffer, 1, size, stdin);
    if (n == 0 && ferror(stdin)) return -1;
    return static_cast<std::ptrdiff_t>(n);
  }
  bool NeedsTextTranslation() const override { return true; }
  bool Rewind() override { return fseek(stdin, 0, SEEK_SET) == 0; }
};

class StandardOutput final : public OutputFile {
 public:
  bool Write(const char* data, std::size_t size) override {
    return fwrite(data, 1, size, stdout) == size;
  }
  bool NeedsTextTranslation() const override { return true; }
  bool Close() override { return fflush(stdout) == 0 && !ferror(stdout); }
};

// Whether two streams are one file, by volume and file index. A named input
// and standard output cannot be: the input's share mode refuses to open a
// file that a handle already writes.
bool SameFile(int first, int second) {
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  const auto ha = reinterpret_cast<HANDLE>(_get_osfhandle(first));
  const auto hb = reinterpret_cast<HANDLE>(_get_osfhandle(second));
  if (!GetFileInformationByHandle(ha, &a) || !GetFileInformationByHandle(hb, &b)) return false;
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

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

std::unique_ptr<InputFile> OpenStandardInput() {
  if (_fileno(stdin) < 0 || _setmode(_fileno(stdin), _O_BINARY) == -1) return nullptr;
  return std::make_unique<StandardInput>();
}

std::unique_ptr<OutputFile> OpenStandardOutput(const InputFile& input) {
  if (_fileno(stdout) < 0 || _setmode(_fileno(stdout), _O_BINARY) == -1) return nullptr;
  if (dynamic_cast<const StandardInput*>(&input) != nullptr &&
      SameFile(_fileno(stdin), _fileno(stdout))) {
    return nullptr;
  }
  return std::make_unique<StandardOutput>();
}

}  // namespace quorvel
