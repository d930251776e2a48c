// Builds a whole generated log: a header in one of several loggers' styles (or
// none), records drafted by log_records.cpp laid out one per line, one field
// per line or several per line, with LF or CR LF, and at most one fault of the
// whole file; then works out what a correct conversion must give.
#include "tests/log_generator.h"

#include <array>

#include "tests/log_generator_parts.h"

namespace quorvel::testing {

namespace {

using generator::LogStyle;
using generator::Random;
using generator::RecordDraft;
using generator::Token;

enum class Fault { kNone, kEndOfFileMark, kMissingEndTag, kNoHeader, kMixedCaseHeader, kNoRecords };
enum class Layout { kRecordPerLine, kFieldPerLine, kSeveralPerLine };

std::string HeaderText(std::size_t style, bool mixedCaseEnd) {
  static constexpr std::array<const char*, 5> kHeaders = {
      "Contest log export\nEach QSO ends with <EOR>\n<ADIF_VER:5>3.1.4\n<PROGRAMID:7>TestLog\n"
      "<EOH>\n",
      "<ADIF_VER:5>2.2.7 <PROGRAMID:6>LOGGER <eoh>\n",
      "Generated 2024-05-04\n\n<adif_ver:5>3.1.0\n<created_timestamp:15>20240504 143000\n"
      "<programid:7>SomeLog\n<eoh>\n\n",
      "ADIF Export<eoh>\n",
      "<EOH>\n",
  };
  std::string text = kHeaders[style];
  if (mixedCaseEnd) {
    for (const char* tag : {"<EOH>", "<eoh>"}) {
      const std::size_t at = text.find(tag);
      if (at != std::string::npos) text.replace(at, 5, "<Eoh>");
    }
  }
  return text;
}

// What a log without a recognised header becomes: copied, CR LF line ends.
std::string CopiedAsText(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1a'; ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    if (bytes[i] == '\n') out += '\r';
    out += bytes[i];
  }
  return out;
}

class LogBuilder {
 public:
  explicit LogBuilder(std::uint64_t seed) : random_(seed) { log_.seed = seed; }
  GeneratedLog Build();

 private:
  void ChooseStyle();
  void Render();
  void Write(const std::string& text);
  void EndLine();
  void Expect();
  void ExpectRecord(const RecordDraft& record, bool complete, std::size_t lastToken);

  Random random_;
  GeneratedLog log_;
  LogStyle style_;
  Fault fault_ = Fault::kNone;
  Layout layout_ = Layout::kRecordPerLine;
  bool crlf_ = false;
  bool mixedLineEnds_ = false;
  bool leadingBlank_ = false;
  bool lineStart_ = true;
  std::vector<RecordDraft> records_;
  std::size_t cutRecord_ = 0;  // where a 0x1A goes: after this token of this record
  std::size_t cutToken_ = 0;
  std::string date_ = "19700101";
  std::string time_ = "000000";
  bool timeShifted_ = false;  // the carried time may differ from the one last read
};

void LogBuilder::ChooseStyle() {
  const std::size_t roll = random_.Below(100);
  if (roll < 60) {
    style_.region = random_.Pick(RegionChoiceOrder);
  } else if (roll < 75) {
    style_.region = random_.Chance(50) ? kNaqp : kMulti;
  } else if (roll < 85) {
    style_.region = kPennsylvania;
  } else {
    style_.region = static_cast<RegionId>(random_.Below(kRegionCount));
  }
  style_.addMobile = random_.Chance(50) ? 1 : 0;
  style_.clean = random_.Chance(30);
  const std::size_t faultRoll = random_.Below(100);
  fault_ = faultRoll < 80   ? Fault::kNone
           : faultRoll < 86 ? Fault::kEndOfFileMark
           : faultRoll < 92 ? Fault::kMissingEndTag
           : faultRoll < 96 ? Fault::kNoHeader
           : faultRoll < 98 ? Fault::kMixedCaseHeader
                            : Fault::kNoRecords;
  layout_ = static_cast<Layout>(random_.Below(3));
  crlf_ = random_.Chance(50);
  mixedLineEnds_ = random_.Chance(5);
  leadingBlank_ = random_.Chance(20);
  log_.region = style_.region;
  log_.addMobile = style_.addMobile;
}

void LogBuilder::Write(const std::string& text) {
  for (const char c : text) {
    if (c == '\n') {
      EndLine();
    } else {
      log_.bytes += c;
      lineStart_ = false;
    }
  }
}

void LogBuilder::EndLine() {
  const bool crlf = mixedLineEnds_ ? random_.Chance(50) : crlf_;
  log_.bytes += crlf ? "\r\n" : "\n";
  lineStart_ = true;
}

void LogBuilder::Render() {
  if (fault_ != Fault::kNoHeader) {
    Write(HeaderText(random_.Below(5), fault_ == Fault::kMixedCaseHeader));
  }
  for (std::size_t r = 0; r < records_.size(); ++r) {
    const std::vector<Token>& tokens = records_[r].tokens;
    const bool dropEnd = fault_ == Fault::kMissingEndTag && r + 1 == records_.size();
    for (std::size_t t = 0; t < tokens.size(); ++t) {
      const bool isEnd = t + 1 == tokens.size();
      if (isEnd && dropEnd) break;
      if (lineStart_) {
        if (leadingBlank_) log_.bytes += ' ';
      } else {
        log_.bytes += random_.Chance(90) ? " " : random_.Chance(50) ? "" : "  ";
      }
      log_.bytes += tokens[t].text;
      lineStart_ = false;
      if (fault_ == Fault::kEndOfFileMark && r == cutRecord_ && t == cutToken_)
        log_.bytes += '\x1a';
      const bool lineEnd = tokens[t].endsLine || layout_ == Layout::kFieldPerLine ||
                           (isEnd && (layout_ == Layout::kRecordPerLine || random_.Chance(40)));
      if (lineEnd) EndLine();
    }
    if (layout_ == Layout::kFieldPerLine) EndLine();
  }
  // The last line may lack its line end.
  if (!lineStart_ && random_.Chance(70)) EndLine();
}

void LogBuilder::ExpectRecord(const RecordDraft& record, bool complete, std::size_t lastToken) {
  std::vector<ModelField> fields;
  for (std::size_t t = 0; t <= lastToken && t < record.tokens.size(); ++t) {
    const Token& token = record.tokens[t];
    if (!token.setsDate.empty()) date_ = token.setsDate;
    if (!token.setsTime.empty()) {
      time_ = token.setsTime;
      timeShifted_ = false;
    }
    if (!token.error.empty()) log_.errors.push_back(token.error);
    if (token.modelled) fields.push_back(token.field);
  }
  if (!complete) {
    log_.warnings.push_back("WARNING: Last record has no end-of-record tag and was not written.");
    return;
  }
  ExpectedRecord expected{record.id, testing::ExpectRecord(style_.region, style_.addMobile, fields),
                          date_, time_};
  // On the changeover days local times repeat or are skipped; a skipped hour
  // is normalised, and the records after it keep the normalised time until a
  // time of their own comes.
  const bool changeover = date_ == "20240310" || date_ == "20241103";
  if (changeover || timeShifted_) {
    expected.date.clear();
    expected.time.clear();
  }
  timeShifted_ = timeShifted_ || changeover;
  const RecordOutcome& outcome = expected.outcome;
  log_.information.insert(log_.information.end(), outcome.information.begin(),
                          outcome.information.end());
  log_.warnings.insert(log_.warnings.end(), outcome.warnings.begin(), outcome.warnings.end());
  log_.converted += outcome.converted;
  log_.written += static_cast<long long>(outcome.copies.size());
  if (outcome.converted > 1) log_.countyLineQsos += outcome.converted - 1;
  log_.records.push_back(std::move(expected));
}

void LogBuilder::Expect() {
  log_.headerRecognised = fault_ != Fault::kNoHeader && fault_ != Fault::kMixedCaseHeader;
  log_.copiedWhole = CopiedAsText(log_.bytes);
  if (!log_.headerRecognised) {
    log_.warnings.push_back("WARNING: No end-of-header tag found; no record was converted.");
    return;
  }
  for (std::size_t r = 0; r < records_.size(); ++r) {
    const std::size_t tokens = records_[r].tokens.size();
    if (fault_ == Fault::kEndOfFileMark && r == cutRecord_) {
      ExpectRecord(records_[r], false, cutToken_);
      return;
    }
    const bool missingEnd = fault_ == Fault::kMissingEndTag && r + 1 == records_.size();
    ExpectRecord(records_[r], !missingEnd, missingEnd ? tokens - 2 : tokens - 1);
  }
}

GeneratedLog LogBuilder::Build() {
  ChooseStyle();
  const std::size_t count =
      fault_ == Fault::kNoRecords ? 0 : 1 + random_.Below(random_.Chance(80) ? 12 : 60);
  for (std::size_t i = 0; i < count; ++i) {
    records_.push_back(generator::DraftRecord(random_, style_, static_cast<int>(i)));
    log_.reconversionIdentical &= records_.back().reconversionIdentical;
  }
  if (records_.empty() && fault_ != Fault::kNoHeader && fault_ != Fault::kMixedCaseHeader) {
    fault_ = Fault::kNoRecords;
  }
  if (fault_ == Fault::kEndOfFileMark) {
    cutRecord_ = random_.Below(records_.size());
    const std::vector<Token>& tokens = records_[cutRecord_].tokens;
    do {
      cutToken_ = random_.Below(tokens.size() - 1);  // never after the end tag
    } while (!tokens[cutToken_].completeTag);
  }
  Render();
  Expect();
  log_.allCountiesConvert = log_.warnings.empty();
  return log_;
}

}  // namespace

std::vector<std::string> GeneratedLog::Listing(std::string_view outputName) const {
  std::vector<std::string> lines = information;
  lines.push_back((countyLineQsos != 0 ? "\nConverted " : "Converted ") +
                  std::to_string(converted) + " " + std::string(RegionName(region)) + " counties.");
  lines.push_back("Wrote " + std::to_string(written) + " QSOs to " + std::string(outputName));
  lines.emplace_back();
  for (const auto* list : {&warnings, &errors}) {
    if (list->empty()) continue;
    lines.insert(lines.end(), list->begin(), list->end());
    lines.emplace_back();
  }
  return lines;
}

std::string GeneratedLog::Describe() const {
  return "seed " + std::to_string(seed) + ", region " + std::to_string(region) + " (" +
         std::string(RegionName(region)) + "), add /M " + std::to_string(addMobile);
}

GeneratedLog GenerateLog(std::uint64_t seed) { return LogBuilder(seed).Build(); }

}  // namespace quorvel::testing
