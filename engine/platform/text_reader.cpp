#include "engine/platform/text_reader.h"

#include <cstdint>
#include <cstring>

namespace quorvel {

namespace {
// Reads of 256 kB were the fastest measured, and a read into a buffer that
// does not start at a page boundary took four times as long as one that does.
// The first block is small and each refill doubles it up to the full size:
// a small log then costs no large buffer (each one a fresh mapping under a
// sanitizer's allocator), and a large one reaches full-size reads at once.
constexpr std::size_t kBlockSize = 1 << 18;
constexpr std::size_t kFirstBlockSize = 1 << 14;
constexpr std::size_t kPage = 4096;
constexpr char kEndOfFile = '\x1a';

std::size_t PageOffset(const char* at) {
  return static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(at) % kPage);
}
}  // namespace

TextReader::TextReader(ByteSource& source, bool translate)
    : source_(source), translate_(translate), blockSize_(kFirstBlockSize) {
  Reserve(2 * kFirstBlockSize);
}

// Room for size bytes from data_, which starts at a page boundary; the
// unread bytes move to its start.
void TextReader::Reserve(std::size_t size) {
  // Uninitialised, as only the bytes read are ever looked at.
  std::unique_ptr<char[]> storage(new char[size + kPage]);
  char* const data = storage.get() + (kPage - PageOffset(storage.get())) % kPage;
  if (end_ > begin_) std::memcpy(data, data_ + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  storage_.swap(storage);
  data_ = data;
  capacity_ = size;
  storageSize_ = size + kPage;
}

bool TextReader::Refill() {
  // A source that hands out a few bytes at a time (a pipe) is read until the
  // block is full: each refill has the scan look at its unread bytes again.
  const std::size_t unread = end_ - begin_;
  const std::size_t target = unread + (unread > blockSize_ ? unread : blockSize_);
  if (blockSize_ < kBlockSize) blockSize_ *= 2;
  while (end_ - begin_ < target && Fill(target - (end_ - begin_))) {
  }
  return end_ - begin_ > unread;
}

bool TextReader::Fill(std::size_t wanted) {
  if (ended_) return false;
  if (begin_ > 0) {
    std::memmove(data_, data_ + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  // The read goes to the first page boundary after the data and the CR held
  // back from the previous block, and the bytes move down to the data as they
  // are translated. Room grows geometrically so that a very long line costs
  // linear time; two blocks from the start leave room for a block after any
  // line shorter than one.
  const std::size_t gap = (kPage - (end_ + 1) % kPage) % kPage + 1;
  if (capacity_ - end_ < wanted + gap) {
    const std::size_t needed = end_ + wanted + gap;
    Reserve(needed > 2 * capacity_ ? needed : 2 * capacity_);
  }
  char* const target = data_ + end_;
  const std::ptrdiff_t got = source_.Read(target + gap, wanted);
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
  if (translate_) {
    end_ += Translate(target, target + gap, size);
  } else {
    std::memmove(target, target + gap, size);
    end_ += size;
  }
  return true;
}

// Translates the size bytes at in into data, returning the new count.
// Output never overtakes input: a held-back CR is the only extra byte, and
// the block was read at least one byte further on to make room for it. The bytes
// between two CRs move as one piece: a log has one CR in every line.
std::size_t TextReader::Translate(char* data, const char* in, std::size_t size) {
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
