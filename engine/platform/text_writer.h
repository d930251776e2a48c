// Buffered output in the text mode of Windows: every LF goes out as CR LF.
#pragma once

#include <memory>
#include <string_view>

#include "engine/platform/byte_stream.h"

namespace quorvel {

class TextWriter {
 public:
  // translate: write LF as CR LF here; off where the platform's C runtime
  // already does it (Windows text-mode files).
  TextWriter(ByteSink& sink, bool translate);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void Put(std::string_view text);
  void Put(char c) {
    if (c == '\n' && translate_) PutRaw('\r');
    PutRaw(c);
  }
  // Room for size bytes (at most kDirectLimit) to be written straight into the
  // buffer, LF translation left to the caller: for texts known to hold none.
  // Commit then takes the bytes up to end.
  static constexpr std::size_t kDirectLimit = 4096;
  char* Reserve(std::size_t size) {
    if (size_ - used_ < size) MakeRoom();
    return buffer_.get() + used_;
  }
  void Commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }
  bool Translates() const { return translate_; }

  // Hands everything buffered to the sink; false if any write so far failed.
  bool Flush();
  bool Failed() const { return failed_; }

 private:
  void PutRaw(char c) {
    if (used_ == size_) MakeRoom();
    buffer_[used_++] = c;
  }
  void Drain();
  // Grows the buffer while it is small, and drains it once it is at its
  // full size.
  void MakeRoom();

  ByteSink& sink_;
  bool translate_;
  bool failed_ = false;
  // The buffer starts small and uninitialised, since a megabyte set up for
  // each file costs more than a small log takes to convert; large outputs
  // still go out a megabyte at a time.
  static constexpr std::size_t kFirstSize = 1 << 14;
  static constexpr std::size_t kBufferSize = 1 << 20;
  std::unique_ptr<char[]> buffer_;
  std::size_t size_ = kFirstSize;
  std::size_t used_ = 0;
};

}  // namespace quorvel
