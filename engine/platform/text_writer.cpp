#include "engine/platform/text_writer.h"

#include <cstring>

namespace quorvel {

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
}  // namespace

TextWriter::TextWriter(ByteSink& sink, bool translate)
    : sink_(sink), translate_(translate), buffer_(kBufferSize) {}

TextWriter::~TextWriter() { Drain(); }

void TextWriter::Put(std::string_view text) {
  while (!text.empty()) {
    std::size_t chunk = text.size();
    const void* lf = translate_ ? std::memchr(text.data(), '\n', chunk) : nullptr;
    if (lf != nullptr) chunk = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
    while (chunk > 0) {
      if (used_ == buffer_.size()) Drain();
      const std::size_t room = buffer_.size() - used_;
      const std::size_t n = chunk < room ? chunk : room;
      std::memcpy(buffer_.data() + used_, text.data(), n);
      used_ += n;
      text.remove_prefix(n);
      chunk -= n;
    }
    if (lf != nullptr) {
      Put('\n');
      text.remove_prefix(1);
    }
  }
}

bool TextWriter::Flush() {
  Drain();
  return !failed_;
}

void TextWriter::Drain() {
  if (used_ > 0 && !failed_ && !sink_.Write(buffer_.data(), used_)) failed_ = true;
  used_ = 0;
}

}  // namespace quorvel
