// The one reader of a log's shape: it copies out the header up to the line
// with the end-of-header tag, then finds the records' tags block by block and
// hands them to a consumer. The conversion and the region pass are its
// consumers; the tag rules, the block cursors and the refills live here alone,
// so that every pass keeps to the memory of the longest field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/byte_search.h"
#include "engine/field_scanner.h"
#include "engine/platform/text_reader.h"

namespace quorvel {

// True when a tag of that name ends a record: "eor" or "EOR" anywhere in it.
bool IsEndOfRecord(std::string_view name);

// True when a header line holds the end-of-header tag: "<eoh>" or "<EOH>".
bool HoldsEndOfHeader(std::string_view text);

struct LogScan {
  bool sawInput = false;    // the input held at least one byte
  bool headerDone = false;  // a header line held the end-of-header tag
};

namespace log_scanning {

// Where a header line's end-of-header tag was looked for across refills.
class HeaderSearch {
 public:
  // The next bytes of the current line; true once the line holds the tag.
  bool Add(std::string_view piece);
  void NextLine() { tail_.clear(); }

 private:
  std::string tail_;  // the last bytes of the line so far, for a tag cut by a refill
};

// Loggers write the same names in the same order in every record, so the
// name of a tag is mostly the one that followed the name before it the last
// time. Each name known is remembered with the consumer's answer for it and
// the name that followed it; a tag with the expected name is recognised,
// with where its name ends, by comparing the bytes after its '<' with that
// name and its separator. Any other name is looked up by a hash of its bytes,
// and asked of the consumer only when it is new. Names past kLongest bytes,
// and new names once kEntries are known, are asked each time: a hostile log
// cannot grow the memory.
template <typename Facts>
class NameMemory {
 public:
  struct Known {
    bool endsRecord = false;
    Facts facts{};
  };

  // How far past a name its guess may read: a guess needs that many bytes.
  static constexpr std::size_t kReach = 32;

  // The separator of the tag whose name starts at name, if it has the
  // expected name; nullptr otherwise.
  const char* Guess(const char* name, const char* end) const {
    if (expected_ == kNone || static_cast<std::size_t>(end - name) < kReach) return nullptr;
    const Entry& entry = entries_[expected_];
    return entry.Matches(name) ? name + entry.size : nullptr;
  }
  // The answer for the name that Guess recognised.
  const Known& Guessed() { return Follow(expected_); }

  // The answer for any other name.
  template <typename Consumer>
  const Known& Learn(std::string_view name, char separator, Consumer& consumer) {
    std::uint32_t index = kNone;
    if (name.size() <= kLongest) {
      std::uint16_t& slot = Slot(name);
      if (slot != 0) {
        index = slot - 1u;
        entries_[index].bytes[name.size()] = separator;
      } else if (entries_.size() < kEntries) {
        index = static_cast<std::uint32_t>(entries_.size());
        entries_.push_back(Entry::Of(name, separator, Ask(name, consumer)));
        slot = static_cast<std::uint16_t>(index + 1);
      }
    }
    if (index == kNone) {
      expected_ = last_ = kNone;
      return miss_ = Ask(name, consumer);
    }
    if (last_ != kNone) entries_[last_].next = index;
    return Follow(index);
  }

 private:
  static constexpr std::size_t kLongest = kReach - 1;  // a name and its separator in kReach
  static constexpr std::size_t kEntries = 1024;
  static constexpr std::size_t kSlots = 2 * kEntries;  // a power of two
  static constexpr std::uint32_t kNone = ~0u;

  struct Entry {
    char bytes[kReach] = {};               // the name, its ':' or '>', zeros
    std::uint64_t masks[kReach / 8] = {};  // the bits of bytes that Matches compares
    std::size_t size = 0;                  // of the name
    std::uint32_t next = kNone;
    Known known;

    static Entry Of(std::string_view name, char separator, const Known& known) {
      Entry entry;
      std::memcpy(entry.bytes, name.data(), name.size());
      entry.bytes[name.size()] = separator;
      entry.size = name.size();
      for (std::size_t i = 0; i <= name.size(); ++i) entry.masks[i / 8] |= 0xffULL << (8 * (i % 8));
      entry.known = known;
      return entry;
    }
    // Whether the bytes at name are this name and its separator: two words
    // for most names, four for the long ones, each masked to what is left.
    bool Matches(const char* name) const {
      using byte_search::Word;
      const std::uint64_t differ =
          ((Word(name) ^ Word(bytes)) & masks[0]) | ((Word(name + 8) ^ Word(bytes + 8)) & masks[1]);
      if (differ != 0 || masks[2] == 0) return differ == 0;
      return (((Word(name + 16) ^ Word(bytes + 16)) & masks[2]) |
              ((Word(name + 24) ^ Word(bytes + 24)) & masks[3])) == 0;
    }
  };

  template <typename Consumer>
  static Known Ask(std::string_view name, Consumer& consumer) {
    Known known;
    known.endsRecord = IsEndOfRecord(name);
    known.facts = consumer.ReadName(name);
    return known;
  }

  const Known& Follow(std::uint32_t index) {
    last_ = index;
    expected_ = entries_[index].next;
    return entries_[index].known;
  }

  // The slot of name in the hash table: its entry's, or the empty one where
  // it would go.
  std::uint16_t& Slot(std::string_view name) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    for (std::size_t probe = hash;; ++probe) {
      std::uint16_t& slot = slots_[probe & (kSlots - 1)];
      if (slot == 0) return slot;
      const Entry& entry = entries_[slot - 1u];
      if (entry.size == name.size() && std::memcmp(entry.bytes, name.data(), name.size()) == 0) {
        return slot;
      }
    }
  }

  std::vector<Entry> entries_;
  std::vector<std::uint16_t> slots_ = std::vector<std::uint16_t>(kSlots);
  std::uint32_t expected_ = kNone;  // the entry of the name expected next
  std::uint32_t last_ = kNone;      // the entry of the last tag's name
  Known miss_;
};

}  // namespace log_scanning

// A consumer has:
//   void Header(std::string_view bytes);  the header's bytes in order, the
//                                         end-of-header line whole
//   Facts ReadName(std::string_view name);  what it makes of a tag's name,
//                                           asked once per name and position
//   void Tag(const ScannedTag& tag, const Facts& facts, bool endsRecord);
//   void BlockMoving();  the bytes that tags viewed are about to go
template <typename Consumer>
class LogScanner {
 public:
  using Facts = decltype(std::declval<Consumer&>().ReadName(std::string_view()));

  LogScanner(TextReader& input, Consumer& consumer) : input_(input), consumer_(consumer) {}

  LogScan Run() {
    LogScan scan;
    scan.headerDone = CopyHeader(scan.sawInput);
    if (scan.headerDone) ScanRecords();
    return scan;
  }

 private:
  // Streams the header lines, so that a header line of any length costs no
  // memory. False when no line held the tag.
  bool CopyHeader(bool& sawInput) {
    log_scanning::HeaderSearch search;
    bool found = false;
    for (;;) {
      const std::string_view unread = input_.Unread();
      if (unread.empty()) {
        // A last line without a line feed may hold the tag too.
        if (!input_.Refill()) return found;
        continue;
      }
      sawInput = true;
      const void* lf = std::memchr(unread.data(), '\n', unread.size());
      const std::size_t size =
          lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - unread.data()) + 1
                        : unread.size();
      const std::string_view piece = unread.substr(0, size);
      if (!found) found = search.Add(piece);
      consumer_.Header(piece);
      input_.Consume(size);
      if (lf != nullptr) {
        if (found) return true;
        search.NextLine();
      }
    }
  }

  // The records are scanned in the reader's blocks, tag after tag, with no
  // pass over the lines: the tag rules stop at a line feed where it matters.
  // Only a tag that may go on past the block waits for more input; the
  // consumer hears when the bytes its tags viewed are about to go.
  void ScanRecords() {
    for (;;) {
      const bool last = input_.Ended();
      const std::string_view unread = input_.Unread();
      const char* const begin = unread.data();
      const char* const stop = ScanBlock(begin, begin + unread.size(), last);
      input_.Consume(static_cast<std::size_t>(stop - begin));
      if (last) return;
      consumer_.BlockMoving();
      input_.Refill();  // at the end of the input, the rest is scanned as the last bytes
    }
  }

  // Scans the tags in p..end; returns where it stopped: end, or the '<' of a
  // tag that may go on past end.
  const char* ScanBlock(const char* p, const char* const end, const bool last) {
    for (;;) {
      const char* const open = FindTagOpen(p, end);
      if (open == nullptr) return end;
      const char* separator = names_.Guess(open + 1, end);
      const bool guessed = separator != nullptr;
      if (!guessed) {
        separator = FindNameEnd(open + 1, end);
        if (separator == end) return last ? end : open;
        if (*separator == '\n') {  // not closed on its line: the line ends there
          p = separator + 1;
          continue;
        }
      }
      ScannedTag tag;
      if (guessed && static_cast<std::size_t>(end - separator) >= kShortTagReach &&
          ReadShortTag(open, separator, tag, p)) {
        const auto& known = names_.Guessed();
        consumer_.Tag(tag, known.facts, known.endsRecord);
        continue;
      }
      const TagRead read = ReadTagAt(open, separator, end, last, tag, p);
      if (read == TagRead::kMore) return open;
      if (read == TagRead::kNotClosed) continue;
      const auto& known =
          guessed ? names_.Guessed() : names_.Learn(tag.name, *separator, consumer_);
      consumer_.Tag(tag, known.facts, known.endsRecord);
    }
  }

  TextReader& input_;
  Consumer& consumer_;
  log_scanning::NameMemory<Facts> names_;
};

// Walks the whole log through consumer.
template <typename Consumer>
LogScan ScanLog(TextReader& input, Consumer& consumer) {
  return LogScanner<Consumer>(input, consumer).Run();
}

}  // namespace quorvel
