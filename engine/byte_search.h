// Finding a byte in the short texts of a log: eight bytes tested at a time,
// memchr for long stretches. A word holds the byte c when some byte of
// word ^ (c repeated eight times) is zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quorvel::byte_search {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Eight bytes as a little-endian number, first byte lowest.
inline std::uint64_t Word(const char* at) {
  std::uint64_t word = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  for (int i = 7; i >= 0; --i) word = word << 8 | static_cast<unsigned char>(at[i]);
#else
  std::memcpy(&word, at, sizeof word);
#endif
  return word;
}

// The high bit set in each byte of word that equals the repeated byte; the
// lowest one set marks the first such byte exactly.
inline std::uint64_t MatchingBytes(std::uint64_t word, std::uint64_t repeated) {
  const std::uint64_t x = word ^ repeated;
  return (x - kOnes) & ~x & kHighBits;
}

inline std::size_t FirstMatch(std::uint64_t matches) {
#if defined(__GNUC__) || defined(__clang__)
  return static_cast<std::size_t>(__builtin_ctzll(matches)) / 8;
#else
  std::size_t index = 0;
  while ((matches & 0x80) == 0) {
    matches >>= 8;
    ++index;
  }
  return index;
#endif
}

// The first c in from..to, or nullptr.
inline const char* Find(const char* from, const char* to, char c) {
  const std::uint64_t repeated = kOnes * static_cast<unsigned char>(c);
  for (int words = 0; to - from >= 8 && words < 8; ++words, from += 8) {
    if (const std::uint64_t matches = MatchingBytes(Word(from), repeated)) {
      return from + FirstMatch(matches);
    }
  }
  if (to - from > 64) {
    return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(to - from)));
  }
  for (; from < to; ++from) {
    if (*from == c) return from;
  }
  return nullptr;
}

// The first of the two bytes a and b in from..to, or to.
inline const char* FindEither(const char* from, const char* to, char a, char b) {
  const std::uint64_t as = kOnes * static_cast<unsigned char>(a);
  const std::uint64_t bs = kOnes * static_cast<unsigned char>(b);
  for (; to - from >= 8; from += 8) {
    const std::uint64_t word = Word(from);
    if (const std::uint64_t matches = MatchingBytes(word, as) | MatchingBytes(word, bs)) {
      return from + FirstMatch(matches);
    }
  }
  while (from < to && *from != a && *from != b) ++from;
  return from;
}

// The first of the three bytes a, b and c in from..to, or to.
inline const char* FindAny(const char* from, const char* to, char a, char b, char c) {
  const std::uint64_t as = kOnes * static_cast<unsigned char>(a);
  const std::uint64_t bs = kOnes * static_cast<unsigned char>(b);
  const std::uint64_t cs = kOnes * static_cast<unsigned char>(c);
  for (; to - from >= 8; from += 8) {
    const std::uint64_t word = Word(from);
    if (const std::uint64_t matches =
            MatchingBytes(word, as) | MatchingBytes(word, bs) | MatchingBytes(word, cs)) {
      return from + FirstMatch(matches);
    }
  }
  while (from < to && *from != a && *from != b && *from != c) ++from;
  return from;
}

// The first of the bytes a and b in from..limit, or nullptr, reading whole
// words up to end (limit at most end): a short value followed by more of its
// line costs one test.
inline const char* FindEitherBefore(const char* from, const char* limit, const char* end, char a,
                                    char b) {
  const std::uint64_t as = kOnes * static_cast<unsigned char>(a);
  const std::uint64_t bs = kOnes * static_cast<unsigned char>(b);
  if (limit - from <= 8 && end - from >= 8) {
    if (from == limit) return nullptr;
    const std::uint64_t word = Word(from);
    const std::uint64_t within = ~std::uint64_t{0} >> (8 * (8 - (limit - from)));
    const std::uint64_t matches = (MatchingBytes(word, as) | MatchingBytes(word, bs)) & within;
    return matches != 0 ? from + FirstMatch(matches) : nullptr;
  }
  if (limit - from > 64) {
    const char* const found = FindEither(from, limit, a, b);
    return found < limit ? found : nullptr;
  }
  for (; from < limit && end - from >= 8; from += 8) {
    const std::uint64_t word = Word(from);
    if (const std::uint64_t matches = MatchingBytes(word, as) | MatchingBytes(word, bs)) {
      const char* const found = from + FirstMatch(matches);
      return found < limit ? found : nullptr;
    }
  }
  for (; from < limit; ++from) {
    if (*from == a || *from == b) return from;
  }
  return nullptr;
}

// Whether the size bytes at a and b are the same: a short name in one or two
// overlapping words.
inline bool SameBytes(const char* a, const char* b, std::size_t size) {
  if (size >= 8) {
    for (std::size_t i = 0; i + 8 < size; i += 8) {
      if (Word(a + i) != Word(b + i)) return false;
    }
    return Word(a + size - 8) == Word(b + size - 8);
  }
  return std::memcmp(a, b, size) == 0;
}

}  // namespace quorvel::byte_search
