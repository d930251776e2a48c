#include "engine/convert_log.h"

#include <ctime>
#include <string>

#include "core/qso_record.h"
#include "engine/ascii.h"
#include "engine/byte_search.h"
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

bool IsEndOfHeader(std::string_view line) {
  return line.find("<eoh>") != std::string_view::npos ||
         line.find("<EOH>") != std::string_view::npos;
}

class Driver {
 public:
  Driver(TextWriter& output, RegionId region, int addMobile, MessageLog& log)
      : output_(output), region_(region), addMobile_(addMobile), log_(log) {}

  void ScanLine(std::string_view line);
  void Finish(bool sawInput, bool headerDone, std::optional<std::string_view> outputName);

 private:
  void CompleteRecord();

  TextWriter& output_;
  RegionId region_;
  int addMobile_;
  MessageLog& log_;
  QsoRecord record_;
  std::tm time_ = InitialQsoTime();
  bool recordOpen_ = false;
  long long converted_ = 0;
  long long writtenQsos_ = 0;
  long long countyLines_ = 0;
  LocalTimeCache clock_;
};

void Driver::ScanLine(std::string_view line) {
  std::size_t position = 0;
  ScannedTag tag;
  while (ScanNextTag(line, position, tag)) {
    recordOpen_ = true;
    if (EqualsIgnoringCase(tag.name, "QSO_DATE")) {
      ReadQsoDate(tag.value, time_);
      continue;
    }
    if (EqualsIgnoringCase(tag.name, "TIME_ON")) {
      if (!ReadQsoTime(tag.value, tag.declaredLength, time_)) {
        AddMessage(kErrorList, log_, "Could not parse time " + std::string(tag.value));
      }
      continue;
    }
    AdifField& field = record_.Append();
    if (tag.hasValue) {
      field.Set(tag.name, tag.value);
    } else {
      field.SetWithoutValue(tag.name);
    }
    // Scanning goes on after the end-of-record tag: a second record on the
    // same line is a QSO too.
    if (IsEndOfRecord(tag.name)) CompleteRecord();
  }
}

void Driver::CompleteRecord() {
  record_.startTime = MakeStartTime(time_, clock_);
  converted_ += ProcessRecord(output_, region_, addMobile_, record_, writtenQsos_, countyLines_,
                              log_, clock_);
  record_.Clear();
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
  std::string converted = countyLines_ != 0 ? "\nConverted " : "Converted ";
  converted.append(std::to_string(converted_)).append(" ");
  converted.append(RegionName(region_)).append(" counties.");
  AddMessage(kInformationList, log_, std::move(converted));

  std::string wrote = "Wrote " + std::to_string(writtenQsos_) + " QSOs";
  if (outputName) wrote.append(" to ").append(*outputName);
  AddMessage(kInformationList, log_, std::move(wrote));
}

}  // namespace

void ConvertLog(TextReader& input, TextWriter& output, RegionId region, int addMobile,
                std::optional<std::string_view> outputName, MessageLog& log) {
  Driver driver(output, region, addMobile, log);
  bool sawInput = false;
  bool headerDone = false;
  std::string_view line;
  while (input.NextLine(line)) {
    sawInput = true;
    if (headerDone) {
      driver.ScanLine(line);
      continue;
    }
    // Header lines go out unchanged; the one with the end-of-header tag is
    // copied whole, anything after the tag included.
    output.Put(line);
    headerDone = IsEndOfHeader(line);
  }
  driver.Finish(sawInput, headerDone, outputName);
}

}  // namespace quorvel
