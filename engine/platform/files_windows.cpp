// The C runtime's text mode and share modes do the work on Windows. The
// standard streams are switched to binary mode and get the text-mode rules
// from TextReader and TextWriter, like the files elsewhere; the shell opened
// them, so no share mode of ours guards them, and a file on one of them is
// compared with the other file of the run before anything is written.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <stdio.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstring>

#include "engine/platform/files.h"

namespace quorvel {

namespace {

constexpr std::size_t kStreamBuffer = 1 << 18;

HANDLE HandleOf(FILE* stream) { return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))); }

// standard: the process's own stream, in binary mode for the text-mode
// rules to be applied by TextReader and TextWriter; flushed, never closed.
class WindowsInputFile final : public InputFile {
 public:
  WindowsInputFile(FILE* file, bool standard) : file_(file), standard_(standard) {
    if (!standard_) setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
  }
  ~WindowsInputFile() override {
    if (!standard_) fclose(file_);
  }

  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = fread(buffer, 1, size, file_);
    if (n == 0 && ferror(file_)) return -1;
    return static_cast<std::ptrdiff_t>(n);
  }
  bool NeedsTextTranslation() const override { return standard_; }
  bool Rewind() override { return fseek(file_, 0, SEEK_SET) == 0; }
  bool IsStandard() const { return standard_; }
  HANDLE Handle() const { return HandleOf(file_); }

 private:
  FILE* file_;
  bool standard_;
};

class WindowsOutputFile final : public OutputFile {
 public:
  WindowsOutputFile(FILE* file, bool standard) : file_(file), standard_(standard) {
    if (!standard_) setvbuf(file_, nullptr, _IOFBF, kStreamBuffer);
  }
  ~WindowsOutputFile() override { Close(); }

  bool Write(const char* data, std::size_t size) override {
    return fwrite(data, 1, size, file_) == size;
  }
  bool NeedsTextTranslation() const override { return standard_; }
  bool Close() override {
    if (file_ == nullptr) return true;
    const bool flushed = fflush(file_) == 0 && !ferror(file_);
    const bool closed = standard_ || fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed;
  }

 private:
  FILE* file_;
  bool standard_;
};

// Whether two handles are one file. By the file id where the system offers it
// (from Windows 8, and for the redirected streams that wine hands over, which
// know no file index), else by volume serial and file index. The function is
// looked up, not imported, so that the program still starts where it is
// missing.
bool SameFile(HANDLE first, HANDLE second) {
  using Query = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
  static const auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileInformationByHandleEx")));
  FILE_ID_INFO x{};
  FILE_ID_INFO y{};
  if (query != nullptr && query(first, FileIdInfo, &x, sizeof x) &&
      query(second, FileIdInfo, &y, sizeof y)) {
    // wine tells no volume for those streams (0): the id alone then decides,
    // which at worst refuses a run.
    const bool sameVolume = x.VolumeSerialNumber == y.VolumeSerialNumber ||
                            x.VolumeSerialNumber == 0 || y.VolumeSerialNumber == 0;
    return sameVolume && std::memcmp(&x.FileId, &y.FileId, sizeof x.FileId) == 0;
  }
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  if (!GetFileInformationByHandle(first, &a) || !GetFileInformationByHandle(second, &b)) {
    return false;
  }
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

// A named output where the input is standard input: no share mode of ours
// guards that stream, so the file is compared with it before it is emptied.
FILE* OpenOutputBesideStandardInput(const std::string& path) {
  const int fd =
      _sopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_TEXT, _SH_DENYRW, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  FILE* file = nullptr;
  if (!SameFile(HandleOf(stdin), reinterpret_cast<HANDLE>(_get_osfhandle(fd))) &&
      _chsize(fd, 0) == 0) {
    file = _fdopen(fd, "w");
  }
  if (file == nullptr) _close(fd);
  return file;
}

bool ToBinaryMode(FILE* stream) {
  return _fileno(stream) >= 0 && _setmode(_fileno(stream), _O_BINARY) != -1;
}

}  // namespace

std::unique_ptr<InputFile> OpenInputFile(const std::string& path) {
  FILE* file = _fsopen(path.c_str(), "r", _SH_DENYWR);
  if (file == nullptr) return nullptr;
  return std::make_unique<WindowsInputFile>(file, false);
}

std::unique_ptr<OutputFile> OpenOutputFile(const std::string& path, const InputFile& input) {
  FILE* file = static_cast<const WindowsInputFile&>(input).IsStandard()
                   ? OpenOutputBesideStandardInput(path)
                   : _fsopen(path.c_str(), "w", _SH_DENYRW);
  if (file == nullptr) return nullptr;
  return std::make_unique<WindowsOutputFile>(file, false);
}

std::unique_ptr<InputFile> OpenStandardInput() {
  if (!ToBinaryMode(stdin)) return nullptr;
  return std::make_unique<WindowsInputFile>(stdin, true);
}

std::unique_ptr<OutputFile> OpenStandardOutput(const InputFile& input) {
  if (!ToBinaryMode(stdout)) return nullptr;
  if (SameFile(static_cast<const WindowsInputFile&>(input).Handle(), HandleOf(stdout))) {
    return nullptr;
  }
  return std::make_unique<WindowsOutputFile>(stdout, true);
}

}  // namespace quorvel
