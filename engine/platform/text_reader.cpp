#include "engine/platform/text_reader.h"

#include <cstring>

namespace quorvel {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
constexpr char kEndOfFile = '\x1a';
}  // namespace

TextReader::TextReader(ByteSource& source, bool translate)
    : source_(source), translate_(translate), buffer_(2 * kBlockSize) {}

bool TextReader::Refill() {
  // A source that hands out a few bytes at a time (a pipe) is read until the
  // block is full: each refill has the scan look at its unread bytes again.
  const std::size_t unread = end_ - begin_;
  const std::size_t target = unread + (unread > kBlockSize ? unread : kBlockSize);
  while (end_ - begin_ < target && Fill(target - (end_ - begin_))) {
  }
  return end_ - begin_ > unread;
}

bool TextReader::Fill(std::size_t wanted) {
  if (ended_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  // Room for the bytes asked for plus the CR held back from the previous
  // block; grow geometrically so that a very long line costs linear time. Two
  // blocks from the start leave room for a block after any line shorter than
  // one.
  if (buffer_.size() - end_ < wanted + 1) {
    const std::size_t needed = end_ + wanted + 1;
    buffer_.resize(needed > 2 * buffer_.size() ? needed : 2 * buffer_.size());
  }
  char* target = buffer_.data() + end_;
  const std::ptrdiff_t got = source_.Read(translate_ ? target + 1 : target, wanted);
  if (got <= 0) {
    failed_ = got < 0;
    ended_ = true;
    if (pendingCr_) {
      *target = '\r';
      ++end_;
      pendingCr_ = false;
      return true;
    }
    return false;
  }
  const std::size_t size = static_cast<std::size_t>(got);
  end_ += translate_ ? Translate(target, size) : size;
  return true;
}

// Translates the size bytes at data + 1 into data, returning the new count.
// Output never overtakes input: a held-back CR is the only extra byte, and
// the block was read one byte further on to make room for it. The bytes
// between two CRs move as one piece: a log has one CR in every line.
std::size_t TextReader::Translate(char* data, std::size_t size) {
  const char* in = data + 1;
  const char* const blockEnd = in + size;
  const void* eof = std::memchr(in, kEndOfFile, size);
  const char* const stop = eof != nullptr ? static_cast<const char*>(eof) : blockEnd;
  char* out = data;
  if (pendingCr_) {
    pendingCr_ = false;
    if (in < stop && *in == '\n') {
      *out++ = '\n';
      ++in;
    } else {
      *out++ = '\r';
    }
  }
  while (in < stop) {
    const void* found = std::memchr(in, '\r', static_cast<std::size_t>(stop - in));
    const char* const cr = found != nullptr ? static_cast<const char*>(found) : stop;
    const std::size_t n = static_cast<std::size_t>(cr - in);
    std::memmove(out, in, n);
    out += n;
    in = cr;
    if (found == nullptr) break;
    if (++in == stop) {
      // Its LF, if any, comes with the next block; the end of the input
      // leaves it a lone CR.
      if (eof != nullptr) {
        *out++ = '\r';
      } else {
        pendingCr_ = true;
      }
      break;
    }
    if (*in != '\n') *out++ = '\r';  // a lone CR stays; before an LF it goes
  }
  if (eof != nullptr) ended_ = true;
  return static_cast<std::size_t>(out - data);
}

}  // namespace quorvel
