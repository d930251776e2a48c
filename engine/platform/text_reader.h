// Reads a stream block by block in the text mode of Windows: a CR LF pair
// reads as one LF, a lone CR stays, and a byte 0x1A ends the input.
#pragma once

#include <memory>
#include <string_view>

#include "engine/platform/byte_stream.h"

namespace quorvel {

class TextReader {
 public:
  // translate: apply the text-mode rules here; off where the platform's C
  // runtime already did (Windows text-mode files).
  TextReader(ByteSource& source, bool translate);

  // For a scan that keeps only what it still needs: the bytes read and not
  // yet consumed, valid until the next Refill.
  std::string_view Unread() const { return std::string_view(data_ + begin_, end_ - begin_); }
  void Consume(std::size_t size) { begin_ += size; }
  // Reads more bytes after the unread ones, which move; false at the end of
  // the input, when none came. Short of the end it reads a block, or as many
  // bytes as are unread if that is more, so that a text longer than a block
  // costs linear time.
  bool Refill();
  // True once the input has ended: no Refill can add anything.
  bool Ended() const { return ended_; }

  // True once a read from the source failed.
  bool Failed() const { return failed_; }
  // The bytes the reader holds room for: what its memory comes to.
  std::size_t BufferSize() const { return storageSize_; }

 private:
  bool Fill(std::size_t size);  // reads up to size more bytes after end_; false when none came
  std::size_t Translate(char* data, const char* in, std::size_t size);
  void Reserve(std::size_t size);

  ByteSource& source_;
  bool translate_;
  bool ended_ = false;
  bool failed_ = false;
  bool pendingCr_ = false;  // a CR ended the last block; its LF may follow
  std::size_t blockSize_;   // what the next refill reads
  std::unique_ptr<char[]> storage_;
  std::size_t storageSize_ = 0;
  char* data_ = nullptr;  // the first page boundary in storage_
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;  // start of unread data
  std::size_t end_ = 0;    // end of data
};

}  // namespace quorvel
