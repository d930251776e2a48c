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

// Loggers write the same names in the same order in every record: the n-th
// tag of a record mostly has the name of the n-th tag of the record before,
// and the consumer's answer for it. A name known there is recognised, with
// where it ends, by one comparison of the bytes after the '<'.
template <typename Facts>
class NameMemory {
 public:
  struct Known {
    bool endsRecord = false;
    Facts facts{};
  };

  // Where the tag at open would end its name if it had the n-th name of the
  // record before: its separator, or nullptr when it has another name.
  const char* Guess(const char* open, const char* end) const {
    if (next_ >= names_.size()) return nullptr;
    const Entry& entry = names_[next_];
    const char* const name = open + 1;
    if (entry.size > kLongest || static_cast<std::size_t>(end - name) <= entry.size ||
        !byte_search::SameBytes(entry.bytes, name, entry.size + 1)) {
      return nullptr;
    }
    return name + entry.size;
  }
  // The answer for the name that Guess recognised.
  const Known& Guessed() { return names_[next_++].known; }

  // The answer for any other name, which the next record is expected to have
  // here too.
  template <typename Consumer>
  const Known& Learn(std::string_view name, char separator, Consumer& consumer) {
    const std::size_t n = next_++;
    miss_.endsRecord = IsEndOfRecord(name);
    miss_.facts = consumer.ReadName(name);
    if (name.size() <= kLongest && n < kNames) {
      if (n >= names_.size()) names_.resize(n + 1);
      Entry& entry = names_[n];
      std::memcpy(entry.bytes, name.data(), name.size());
      entry.bytes[name.size()] = separator;
      entry.size = name.size();
      entry.known = miss_;
    }
    return miss_;
  }
  void NextRecord() { next_ = 0; }

 private:
  static constexpr std::size_t kLongest = 32;
  static constexpr std::size_t kNames = 256;
  struct Entry {
    char bytes[kLongest + 1];         // the name and the ':' or '>' after it
    std::size_t size = kLongest + 1;  // of the name; past kLongest while none is stored
    Known known;
  };
  std::vector<Entry> names_;
  Known miss_;
  std::size_t next_ = 0;
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

  // The records are scanned in the reader's blocks: a piece is a line, or the
  // part of one that the block holds so far. Only a tag that goes on past the
  // block waits for more input.
  void ScanRecords() {
    std::size_t searched = 0;  // unread bytes known to hold no line feed
    for (;;) {
      const std::string_view unread = input_.Unread();
      const void* lf = searched < unread.size()
                           ? std::memchr(unread.data() + searched, '\n', unread.size() - searched)
                           : nullptr;
      const std::size_t size =
          lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - unread.data()) + 1
                        : unread.size();
      const bool whole = lf != nullptr || input_.Ended();
      std::size_t position = 0;
      if (size > 0 && ScanPiece(unread.substr(0, size), whole, position)) {
        input_.Consume(size);
        searched = 0;
        continue;
      }
      // The tag at position, or the line's end, comes with more input.
      input_.Consume(position);
      searched = size - position;
      consumer_.BlockMoving();
      if (!input_.Refill()) {
        position = 0;
        if (searched > 0) ScanPiece(input_.Unread(), true, position);
        return;
      }
    }
  }

  // Scans the tags of piece; true when it is done with them. A piece that is
  // not a whole line may end in a tag or a value that goes on: false then,
  // with position at that tag.
  bool ScanPiece(std::string_view piece, bool whole, std::size_t& position) {
    const char* const begin = piece.data();
    const char* const end = begin + piece.size();
    for (;;) {
      const std::size_t start = position;
      const char* const open =
          position < piece.size() ? FindTagOpen(begin + position, end) : nullptr;
      if (open == nullptr) return true;
      const char* separator = names_.Guess(open, end);
      const bool guessed = separator != nullptr;
      if (!guessed) separator = byte_search::FindEither(open + 1, end, ':', '>');
      if (separator == end ||
          ScanTagAt(piece, open, separator, position, tag_) == ScanResult::kOpen) {
        position = static_cast<std::size_t>(open - begin);
        return whole;
      }
      if (!whole && tag_.hasValue && tag_.value.data() + tag_.value.size() == end &&
          static_cast<long long>(tag_.value.size()) < tag_.declaredLength) {
        position = start;
        return false;
      }
      const auto& known =
          guessed ? names_.Guessed() : names_.Learn(tag_.name, *separator, consumer_);
      if (known.endsRecord) names_.NextRecord();
      consumer_.Tag(tag_, known.facts, known.endsRecord);
    }
  }

  TextReader& input_;
  Consumer& consumer_;
  ScannedTag tag_;
  log_scanning::NameMemory<Facts> names_;
};

// Walks the whole log through consumer.
template <typename Consumer>
LogScan ScanLog(TextReader& input, Consumer& consumer) {
  return LogScanner<Consumer>(input, consumer).Run();
}

}  // namespace quorvel
