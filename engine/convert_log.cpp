#include "engine/convert_log.h"

#include <ctime>
#include <string>

#include "engine/ascii.h"
#include "engine/county_lookup.h"
#include "engine/county_report.h"
#include "engine/field_rewriting.h"
#include "engine/local_time_cache.h"
#include "engine/log_scanner.h"
#include "engine/qso_time.h"
#include "engine/read_record.h"
#include "engine/record_output.h"

namespace quorvel {

namespace {

// What the driver and the rewriting make of a tag's name.
struct NameFacts {
  bool date = false;
  bool time = false;
  FieldNameKind kind = kUndecidedName;
};

// The log scanner's consumer that converts: the header goes out unchanged,
// the tags gather into records, and each complete record is rewritten and
// written. Fields view the reader's block; only a record still open when the
// block moves on is copied.
class Driver {
 public:
  Driver(TextWriter& output, RegionId region, int addMobile, CountyLineForm form, MessageLog& log,
         CountyReport* report)
      : output_(output),
        region_(region),
        addMobile_(addMobile),
        form_(form),
        log_(log),
        report_(report),
        counties_(region) {}

  void Header(std::string_view bytes) { output_.Put(bytes); }
  NameFacts ReadName(std::string_view name) const;
  void Tag(const ScannedTag& tag, const NameFacts& facts, bool endsRecord) {
    recordOpen_ = true;
    if (facts.date || facts.time) return ReadDateOrTime(tag, facts);
    record_.Append(AdifField{tag.name, tag.value, tag.hasValue}, tag.text, facts.kind);
    // Scanning goes on after the end-of-record tag: a second record on the
    // same line is a QSO too.
    if (endsRecord) CompleteRecord();
  }
  void BlockMoving() { record_.KeepTexts(); }

  void Finish(const LogScan& scan, std::optional<std::string_view> outputName);

 private:
  [[gnu::noinline]] void ReadDateOrTime(const ScannedTag& tag, const NameFacts& facts);
  [[gnu::noinline]] void CompleteRecord();

  TextWriter& output_;
  RegionId region_;
  int addMobile_;
  CountyLineForm form_;
  MessageLog& log_;
  CountyReport* report_;
  ReadRecord record_;
  std::tm time_ = InitialQsoTime();
  bool recordOpen_ = false;
  long long converted_ = 0;
  OutputTally tally_;
  LocalTimeCache clock_;
  CountyLookup counties_;  // one answer per distinct value, for the whole run
};

NameFacts Driver::ReadName(std::string_view name) const {
  NameFacts facts;
  facts.date = EqualsIgnoringCase(name, "QSO_DATE");
  facts.time = EqualsIgnoringCase(name, "TIME_ON");
  facts.kind = ClassifyFieldName(name);
  return facts;
}

// Apart from Tag, so that Tag stays small enough to join the scan's loop.
void Driver::ReadDateOrTime(const ScannedTag& tag, const NameFacts& facts) {
  if (facts.date) {
    ReadQsoDate(tag.value, time_);
  } else if (!ReadQsoTime(tag.value, tag.declaredLength, time_)) {
    AddMessage(kErrorList, log_, "Could not parse time " + std::string(tag.value));
  }
}

void Driver::CompleteRecord() {
  record_.record().startTime = MakeStartTime(time_, clock_);
  converted_ += ProcessRecord(output_, region_, addMobile_, form_, record_, tally_, log_, clock_,
                              counties_, report_);
  if (report_ != nullptr) report_->CountRecordRead();
  record_.Clear();
  recordOpen_ = false;
}

void Driver::Finish(const LogScan& scan, std::optional<std::string_view> outputName) {
  if (scan.sawInput && !scan.headerDone) {
    AddMessage(kWarningList, log_, "WARNING: No end-of-header tag found; no record was converted.");
  }
  if (recordOpen_) {
    AddMessage(kWarningList, log_,
               "WARNING: Last record has no end-of-record tag and was not written.");
  }
  if (report_ != nullptr) report_->AddWritten(tally_.writtenQsos, tally_.countyLines);
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
                std::optional<std::string_view> outputName, MessageLog& log, CountyReport* report,
                CountyLineForm form) {
  Driver driver(output, region, addMobile, form, log, report);
  const LogScan scan = ScanLog(input, driver);
  driver.Finish(scan, outputName);
}

}  // namespace quorvel
