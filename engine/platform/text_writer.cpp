#include "engine/platform/text_writer.h"

#include <cstring>

namespace quorvel {

TextWriter::TextWriter(ByteSink& sink, bool translate)
    : sink_(sink), translate_(translate), buffer_(new char[kFirstSize]) {}

TextWriter::~TextWriter() { Drain(); }

void TextWriter::Put(std::string_view text) {
  while (!text.empty()) {
    std::size_t chunk = text.size();
    const void* lf = translate_ ? std::memchr(text.data(), '\n', chunk) : nullptr;
    if (lf != nullptr) chunk = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
    while (chunk > 0) {
      if (used_ == size_) MakeRoom();
      const std::size_t room = size_ - used_;
      const std::size_t n = chunk < room ? chunk : room;
      std::memcpy(buffer_.get() + used_, text.data(), n);
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

void TextWriter::MakeRoom() {
  if (size_ == kBufferSize) {
    Drain();
    return;
  }
  std::unique_ptr<char[]> larger(new char[2 * size_]);
  std::memcpy(larger.get(), buffer_.get(), used_);
  buffer_.swap(larger);
  size_ *= 2;
}

void TextWriter::Drain() {
  if (used_ > 0 && !failed_ && !sink_.Write(buffer_.get(), used_)) failed_ = true;
  used_ = 0;
}

}  // namespace quorvel
