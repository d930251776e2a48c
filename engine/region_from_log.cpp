#include "engine/region_from_log.h"

#include <string_view>
#include <utility>

#include "engine/ascii.h"
#include "engine/contest_regions.h"
#include "engine/log_scanner.h"

namespace quorvel {

namespace {

// A value that runs to its line's end keeps the line feed.
std::string_view Trimmed(std::string_view value) {
  constexpr std::string_view blanks = " \t\r\n";
  const std::size_t first = value.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return value.substr(first, value.find_last_not_of(blanks) - first + 1);
}

class RegionTally {
 public:
  void Count(std::string_view value) {
    const RegionId region = Record(value);
    if (region == kNoRegion) {
      unmapped_ = true;
    } else if (first_ == kNoRegion) {
      first_ = region;
    } else if (region != first_) {
      several_ = true;
    }
  }
  LogRegion Finish() {
    if (!unmapped_ && !several_) found_.region = first_;
    return std::move(found_);
  }

 private:
  // Lists the value and returns its region.
  RegionId Record(std::string_view value) {
    for (ContestIdCount& listed : found_.contests) {
      if (EqualsIgnoringCase(listed.value, value)) {
        ++listed.records;
        return listed.region;
      }
    }
    const RegionId region = RegionForContestId(value);
    if (found_.contests.size() < kListedContestIds) {
      found_.contests.push_back({std::string(value), 1, region});
    } else {
      ++found_.otherRecords;
    }
    return region;
  }

  LogRegion found_;
  RegionId first_ = kNoRegion;
  bool unmapped_ = false;
  bool several_ = false;
};

// The log scanner's consumer that counts the records of each CONTEST_ID.
class RegionReader {
 public:
  void Header(std::string_view) {}
  bool ReadName(std::string_view name) const { return EqualsIgnoringCase(name, "CONTEST_ID"); }
  void Tag(const ScannedTag& tag, bool contestId, bool endsRecord) {
    if (contestId && tag.hasValue) {
      const std::string_view value = Trimmed(tag.value);
      named_ = !value.empty();
      contest_.assign(value);
    } else if (endsRecord) {
      if (named_) tally_.Count(contest_);
      named_ = false;
    }
  }
  void BlockMoving() {}
  LogRegion Finish() { return tally_.Finish(); }

 private:
  RegionTally tally_;
  std::string contest_;  // the current record's value, until its end-of-record tag
  bool named_ = false;
};

std::string Records(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " record" : " records");
}

}  // namespace

LogRegion ReadRegionFromLog(TextReader& reader) {
  RegionReader consumer;
  ScanLog(reader, consumer);
  return consumer.Finish();
}

std::string DescribeLogRegion(const LogRegion& found) {
  if (found.region != kNoRegion) {
    std::string text(RegionName(found.region));
    text += " (";
    for (std::size_t i = 0; i < found.contests.size(); ++i) {
      if (i > 0) text += ", ";
      text += found.contests[i].value;
    }
    return text + ")";
  }
  if (found.contests.empty()) return "no record has a CONTEST_ID";
  std::string text = "CONTEST_ID values ";
  for (std::size_t i = 0; i < found.contests.size(); ++i) {
    if (i > 0) text += ", ";
    text += found.contests[i].value + " (" + Records(found.contests[i].records) + ")";
  }
  if (found.otherRecords > 0) text += " and " + Records(found.otherRecords) + " with other values";
  return text;
}

}  // namespace quorvel
