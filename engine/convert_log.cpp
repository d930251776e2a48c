#include "engine/convert_log.h"

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "core/qso_record.h"
#include "engine/ascii.h"
#include "engine/byte_search.h"
#include "engine/field_rewriting.h"
#include "engine/field_scanner.h"
#include "engine/local_time_cache.h"
#include "engine/qso_time.h"
#include "engine/record_output.h"

namespace quorvel {

namespace {

// Every tag of the log is asked: the R of either spelling is looked for
// first, eight bytes at a time.
bool IsEndOfRecord(std::string_view name) {
  const char* const begin = name.data();
  const char* const end = begin + name.size();
  for (const char* r = begin + 2; r < end; ++r) {
    r = byte_search::FindEither(r, end, 'r', 'R');
    if (r == end) return false;
    if ((*r == 'r' && r[-1] == 'o' && r[-2] == 'e') ||
        (*r == 'R' && r[-1] == 'O' && r[-2] == 'E')) {
      return true;
    }
  }
  return false;
}

bool HoldsEndOfHeader(std::string_view text) {
  return text.find("<eoh>") != std::string_view::npos ||
         text.find("<EOH>") != std::string_view::npos;
}

// Copies the header lines unchanged; the one with the end-of-header tag is
// copied whole, anything after the tag included. Streams, so that a header
// line of any length costs no memory. False when no line held the tag.
bool CopyHeader(TextReader& input, TextWriter& output, bool& sawInput) {
  std::string tail;  // the last bytes of the line so far, for a tag cut by a refill
  bool found = false;
  for (;;) {
    const std::string_view unread = input.Unread();
    if (unread.empty()) {
      // A last line without a line feed may hold the tag too.
      if (!input.Refill()) return found;
      continue;
    }
    sawInput = true;
    const void* lf = std::memchr(unread.data(), '\n', unread.size());
    const std::size_t size =
        lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - unread.data()) + 1
                      : unread.size();
    const std::string_view piece = unread.substr(0, size);
    if (!found) {
      tail.append(piece.substr(0, 4));
      found = HoldsEndOfHeader(tail) || HoldsEndOfHeader(piece);
      if (piece.size() >= 4) {
        tail.assign(piece.substr(piece.size() - 4));
      } else if (tail.size() > 4) {
        tail.erase(0, tail.size() - 4);
      }
    }
    output.Put(piece);
    input.Consume(size);
    if (lf != nullptr) {
      if (found) return true;
      tail.clear();
    }
  }
}

// What the driver and the rewriting make of a tag's name.
struct NameFacts {
  bool date = false;
  bool time = false;
  bool endOfRecord = false;
  std::uint8_t kind = 0;  // FieldNameKind
};

NameFacts ReadName(std::string_view name) {
  NameFacts facts;
  facts.date = EqualsIgnoringCase(name, "QSO_DATE");
  facts.time = EqualsIgnoringCase(name, "TIME_ON");
  facts.endOfRecord = IsEndOfRecord(name);
  facts.kind = ClassifyFieldName(name);
  return facts;
}

bool SameBytes(const char* a, const char* b, std::size_t size) {
  using byte_search::Word;
  if (size >= 8) {
    for (std::size_t i = 0; i + 8 < size; i += 8) {
      if (Word(a + i) != Word(b + i)) return false;
    }
    return Word(a + size - 8) == Word(b + size - 8);
  }
  return std::memcmp(a, b, size) == 0;
}

// Loggers write the same names in the same order in every record: the facts
// about the n-th name of the record before are mostly those of the n-th name
// of this one.
class NameMemory {
 public:
  NameFacts Read(std::string_view name) {
    const std::size_t n = next_++;
    if (n < names_.size()) {
      const Known& known = names_[n];
      if (known.size == name.size() && SameBytes(known.bytes, name.data(), name.size())) {
        return known.facts;
      }
    }
    const NameFacts facts = ReadName(name);
    if (name.size() <= kLongest && n < kNames) {
      if (n >= names_.size()) names_.resize(n + 1);
      Known& known = names_[n];
      std::memcpy(known.bytes, name.data(), name.size());
      known.size = name.size();
      known.facts = facts;
    }
    return facts;
  }
  void NextRecord() { next_ = 0; }

 private:
  static constexpr std::size_t kLongest = 32;
  static constexpr std::size_t kNames = 256;
  struct Known {
    char bytes[kLongest];
    std::size_t size = kLongest + 1;
    NameFacts facts;
  };
  std::vector<Known> names_;
  std::size_t next_ = 0;
};

class Driver {
 public:
  Driver(TextWriter& output, RegionId region, int addMobile, CountyLineForm form, MessageLog& log)
      : output_(output), region_(region), addMobile_(addMobile), form_(form), log_(log) {}

  void ScanRecords(TextReader& input);
  void Finish(bool sawInput, bool headerDone, std::optional<std::string_view> outputName);

 private:
  bool ScanPiece(std::string_view piece, bool whole, std::size_t& position);
  void Take(const ScannedTag& tag);
  void CompleteRecord();

  TextWriter& output_;
  RegionId region_;
  int addMobile_;
  CountyLineForm form_;
  MessageLog& log_;
  QsoRecord record_;
  NameMemory names_;
  std::tm time_ = InitialQsoTime();
  bool recordOpen_ = false;
  long long converted_ = 0;
  OutputTally tally_;
  LocalTimeCache clock_;
};

// The records are scanned in the reader's blocks; fields view the block, and
// only a record still open when the block moves on is copied.
void Driver::ScanRecords(TextReader& input) {
  std::size_t searched = 0;  // unread bytes known to hold no line feed
  for (;;) {
    const std::string_view unread = input.Unread();
    const void* lf = searched < unread.size()
                         ? std::memchr(unread.data() + searched, '\n', unread.size() - searched)
                         : nullptr;
    // A piece is a line, or the part of one that the block holds so far.
    const std::size_t size =
        lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - unread.data()) + 1
                      : unread.size();
    const bool whole = lf != nullptr || input.Ended();
    std::size_t position = 0;
    if (size > 0 && ScanPiece(unread.substr(0, size), whole, position)) {
      input.Consume(size);
      searched = 0;
      continue;
    }
    // The tag at position, or the line's end, comes with more input.
    input.Consume(position);
    searched = size - position;
    record_.Detach();
    if (!input.Refill()) {
      if (size > position) ScanPiece(input.Unread(), true, position = 0);
      return;
    }
  }
}

// Scans the tags of piece; true when it is done with them. A piece that is
// not a whole line may end in a tag or a value that goes on: false then, with
// position at that tag.
bool Driver::ScanPiece(std::string_view piece, bool whole, std::size_t& position) {
  ScannedTag tag;
  for (;;) {
    const std::size_t start = position;
    const ScanResult result = ScanTag(piece, position, tag);
    if (result == ScanResult::kNone) return true;
    if (result == ScanResult::kOpen) return whole;
    if (!whole && tag.hasValue &&
        tag.value.data() + tag.value.size() == piece.data() + piece.size() &&
        static_cast<long long>(tag.value.size()) < tag.declaredLength) {
      position = start;
      return false;
    }
    Take(tag);
  }
}

void Driver::Take(const ScannedTag& tag) {
  recordOpen_ = true;
  const NameFacts facts = names_.Read(tag.name);
  if (facts.date) {
    ReadQsoDate(tag.value, time_);
    return;
  }
  if (facts.time) {
    if (!ReadQsoTime(tag.value, tag.declaredLength, time_)) {
      AddMessage(kErrorList, log_, "Could not parse time " + std::string(tag.value));
    }
    return;
  }
  record_.Append().SetViews(tag.name, tag.value, tag.hasValue, tag.text, facts.kind);
  // Scanning goes on after the end-of-record tag: a second record on the
  // same line is a QSO too.
  if (facts.endOfRecord) CompleteRecord();
}

void Driver::CompleteRecord() {
  record_.startTime = MakeStartTime(time_, clock_);
  converted_ += ProcessRecord(output_, region_, addMobile_, form_, record_, tally_, log_, clock_);
  record_.Clear();
  names_.NextRecord();
  recordOpen_ = false;
}

void Driver::Finish(bool sawInput, bool headerDone, std::optional<std::string_view> outputName) {
  if (sawInput && !headerDone) {
    AddMessage(kWarningList, log_, "WARNING: No end-of-header tag found; no record was converted.");
  }
  if (recordOpen_) {
    AddMessage(kWarningList, log_,
               "WARNING: Last record has no end-of-record tag and was not written.");
  }
  std::string converted = tally_.countyLines != 0 ? "\nConverted " : "Converted ";
  converted.append(std::to_string(converted_)).append(" ");
  converted.append(RegionName(region_)).append(" counties.");
  AddMessage(kInformationList, log_, std::move(converted));

  std::string wrote = "Wrote " + std::to_string(tally_.writtenQsos) + " QSOs";
  if (outputName) wrote.append(" to ").append(*outputName);
  AddMessage(kInformationList, log_, std::move(wrote));
}

}  // namespace

void ConvertLog(TextReader& input, TextWriter& output, RegionId region, int addMobile,
                std::optional<std::string_view> outputName, MessageLog& log, CountyLineForm form) {
  Driver driver(output, region, addMobile, form, log);
  bool sawInput = false;
  const bool headerDone = CopyHeader(input, output, sawInput);
  if (headerDone) driver.ScanRecords(input);
  driver.Finish(sawInput, headerDone, outputName);
}

}  // namespace quorvel
