// The forgiving tag rules: how one ADIF tag and its value are read from the
// bytes of a log. The log scanner applies them to the reader's blocks; a tag
// or a value never runs past the end of its line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/byte_search.h"

namespace quorvel {

struct ScannedTag {
  std::string_view name;
  std::string_view value;  // as kept: never past the line's end, cut at a '<'
  bool hasValue = false;
  long long declaredLength = 0;  // as the tag says; negative reads as 0
  // The tag and its value as read, when that is exactly what the field writer
  // would write for them (a plain length that the value kept, no line feed);
  // empty otherwise.
  std::string_view text;
};

enum class ScanResult {
  kTag,   // a tag; position is past it
  kNone,  // no '<' left; position is the line's size
  kOpen,  // the tag at the next '<' is not closed in line; position is at that '<'
};

// Scans the next tag of one line (or of the last bytes of a log) from
// position on.
ScanResult ScanTag(std::string_view line, std::size_t& position, ScannedTag& tag);

// atoi's reading of a tag's length: blanks, a sign, digits up to the first
// other character; a missing number reads 0. Saturates instead of overflowing.
long long ReadDeclaredLength(std::string_view text);

// The first '<' from from on, or nullptr: mostly the byte after a blank.
inline const char* FindTagOpen(const char* from, const char* end) {
  if (from < end && *from == '<') return from;
  if (end - from >= 2 && from[1] == '<') return from + 1;
  return byte_search::Find(from, end, '<');
}

// Where the name that starts at name ends: its ':' or '>', or the line feed
// before either (the tag is not closed on its line), or end.
inline const char* FindNameEnd(const char* name, const char* end) {
  return byte_search::FindAny(name, end, ':', '>', '\n');
}

// How many bytes after a tag's separator ReadShortTag may look at.
inline constexpr std::size_t kShortTagReach = 24;

// The name of the tag at open, whose name ends at separator; true when that
// is the whole tag ("<EOR>"), with next after it.
inline bool ReadNameOfTag(const char* open, const char* separator, ScannedTag& tag,
                          const char*& next) {
  tag.name = std::string_view(open + 1, static_cast<std::size_t>(separator - open - 1));
  if (*separator != '>') return false;
  tag.value = std::string_view(separator + 1, 0);
  tag.hasValue = false;
  tag.declaredLength = 0;
  tag.text = std::string_view(open, static_cast<std::size_t>(separator + 1 - open));
  next = separator + 1;
  return true;
}

// The tag as nearly every tag of a log is written, a name and '>' or a name,
// one or two digits, '>' and a value of at most 16 bytes with no '<' and no
// line feed, read as ReadTagAt below would read it, from the kShortTagReach
// bytes after separator. False for any other tag, which is then read whole.
inline bool ReadShortTag(const char* open, const char* separator, ScannedTag& tag,
                         const char*& next) {
  using byte_search::MatchingBytes;
  using byte_search::Word;
  if (ReadNameOfTag(open, separator, tag, next)) return true;
  const unsigned first = static_cast<unsigned char>(separator[1]) - '0';
  const unsigned second = static_cast<unsigned char>(separator[2]) - '0';
  std::size_t length = 0;
  const char* start = nullptr;
  if (first <= 9 && separator[2] == '>') {
    length = first;
    start = separator + 3;
  } else if (first - 1 <= 8 && second <= 9 && separator[3] == '>') {
    length = first * 10 + second;
    start = separator + 4;
    if (length > 16) return false;
  } else {
    return false;
  }
  constexpr std::uint64_t kOpen = byte_search::kOnes * '<';
  constexpr std::uint64_t kLineFeed = byte_search::kOnes * '\n';
  const std::uint64_t head = Word(start);
  const std::uint64_t tail = Word(start + 8);
  const std::uint64_t all = ~std::uint64_t{0};
  const std::uint64_t headBytes = length >= 8 ? all : (std::uint64_t{1} << (8 * length)) - 1;
  const std::uint64_t tailBytes = length >= 16  ? all
                                  : length <= 8 ? 0
                                                : (std::uint64_t{1} << (8 * (length - 8))) - 1;
  const std::uint64_t stops =
      ((MatchingBytes(head, kOpen) | MatchingBytes(head, kLineFeed)) & headBytes) |
      ((MatchingBytes(tail, kOpen) | MatchingBytes(tail, kLineFeed)) & tailBytes);
  if (stops != 0) return false;
  tag.value = std::string_view(start, length);
  tag.hasValue = true;
  tag.declaredLength = static_cast<long long>(length);
  tag.text = std::string_view(open, static_cast<std::size_t>(start + length - open));
  next = start + length;
  return true;
}

enum class TagRead {
  kTag,        // tag holds it; next is the byte after it
  kNotClosed,  // a line feed came before the length's '>': next is after it
  kMore,       // the tag or its value may go on past end
};

// Reads the tag at open ('<') whose name ends at separator (':' or '>'), in
// the bytes up to end; last says that no byte follows end. Inline: it runs
// for every tag of a log.
inline TagRead ReadTagAt(const char* open, const char* separator, const char* end, bool last,
                         ScannedTag& tag, const char*& next) {
  if (ReadNameOfTag(open, separator, tag, next)) return TagRead::kTag;
  // One or two plain digits and '>', as nearly every tag has, are read
  // here; anything else as atoi would.
  const char* close = separator + 1;
  long long declared = 0;
  bool plain = false;
  if (end - close >= 3) {
    const unsigned first = static_cast<unsigned char>(close[0]) - '0';
    const unsigned second = static_cast<unsigned char>(close[1]) - '0';
    if (first <= 9 && close[1] == '>') {
      declared = first;
      close += 1;
      plain = true;
    } else if (first - 1 <= 8 && second <= 9 && close[2] == '>') {
      declared = first * 10 + second;
      close += 2;
      plain = true;
    }
  }
  if (!plain) {
    while (close < end && close - separator <= 4 && *close >= '0' && *close <= '9') {
      declared = declared * 10 + (*close++ - '0');
    }
    plain = close < end && *close == '>' && close > separator + 1 &&
            (separator[1] != '0' || close == separator + 2);
  }
  if (!plain) {
    close = byte_search::FindEither(close, end, '>', '\n');
    if (close == end) return last ? (next = end, TagRead::kNotClosed) : TagRead::kMore;
    if (*close == '\n') {
      next = close + 1;
      return TagRead::kNotClosed;
    }
    declared = ReadDeclaredLength(
        std::string_view(separator + 1, static_cast<std::size_t>(close - separator - 1)));
  }
  // The value is the declared number of bytes, cut before a '<' and after
  // the line's line feed; one test of its bytes finds either.
  const char* const start = close + 1;
  const std::size_t available = static_cast<std::size_t>(end - start);
  const std::size_t wanted = declared < 0 ? 0 : static_cast<unsigned long long>(declared);
  const bool within = wanted <= available;
  const std::size_t looked = within ? wanted : available;
  const char* const stop = byte_search::FindEitherBefore(start, start + looked, end, '<', '\n');
  std::size_t kept = looked;
  if (stop != nullptr) {
    kept = static_cast<std::size_t>(stop - start) + (*stop == '\n' ? 1 : 0);
  } else if (!within && !last) {
    return TagRead::kMore;
  }
  tag.value = std::string_view(start, kept);
  tag.hasValue = true;
  tag.declaredLength = declared;
  // Written back as read: a plain length that the value kept whole.
  tag.text = plain && stop == nullptr && within
                 ? std::string_view(open, static_cast<std::size_t>(start + kept - open))
                 : std::string_view();
  next = start + kept;
  return TagRead::kTag;
}

}  // namespace quorvel
