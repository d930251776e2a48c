#include <cstring>

#include "engine/platform/byte_stream.h"

namespace quorvel {

std::ptrdiff_t MemorySource::Read(char* buffer, std::size_t size) {
  const std::size_t left = bytes_.size() - position_;
  const std::size_t n = size < left ? size : left;
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return static_cast<std::ptrdiff_t>(n);
}

}  // namespace quorvel
