// Properties of a whole conversion, checked over generated logs: every record
// written (once per county of a county line), the output readable again with
// as many records as the listing says, the listing exactly as it must be, a
// second conversion changing nothing, and the input file never touched.
// QUORVEL_GENERATED_LOGS sets the number of logs (1000), QUORVEL_GENERATED_SEED
// the first seed (1); a failure names the seed that reproduces it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/conversion_request.h"
#include "fuzz/conversion_checks.h"
#include "tests/adif_records.h"
#include "tests/log_generator.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

using testing::ExpectedRecord;
using testing::GeneratedLog;
using testing::ReadLog;
using testing::ReadRecord;

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// Seconds of a local date and time read as plain calendar arithmetic.
long long CalendarSeconds(const std::string& date, const std::string& time) {
  if (date.size() != 8 || time.size() != 6) return -1;
  long long y = std::stoll(date.substr(0, 4));
  const long long m = std::stoll(date.substr(4, 2));
  const long long d = std::stoll(date.substr(6, 2));
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return days * 86400 + std::stoll(time.substr(0, 2)) * 3600 + std::stoll(time.substr(2, 2)) * 60 +
         std::stoll(time.substr(4, 2));
}

std::string Single(const ReadRecord& record, const char* name) {
  const std::vector<std::string> values = record.ValuesOf(name);
  return values.size() == 1 ? values[0] : "(" + std::to_string(values.size()) + " values)";
}

// Each expected record, in order, as its run of copies: its id, its county and
// its date and time, one second later in every further copy.
std::string CheckRecords(const GeneratedLog& log, const ReadLog& output) {
  if (!output.headerFound || output.openRecord) return "output header or last record broken";
  std::size_t next = 0;
  for (const ExpectedRecord& expected : log.records) {
    long long previous = -1;
    for (std::size_t copy = 0; copy < expected.outcome.copies.size(); ++copy, ++next) {
      if (next >= output.records.size()) return "record " + expected.id + " missing";
      const ReadRecord& record = output.records[next];
      const std::string where = "record " + expected.id + " copy " + std::to_string(copy + 1);
      if (Single(record, "STX") != expected.id) return where + ": found " + Single(record, "STX");
      const std::vector<std::string> counties = record.ValuesOf("CNTY");
      const std::string& county = expected.outcome.copies[copy];
      if (counties != (county.empty() ? std::vector<std::string>{} : std::vector{county})) {
        return where + ": wrong CNTY, expected " + county;
      }
      const long long seconds =
          CalendarSeconds(Single(record, "QSO_DATE"), Single(record, "TIME_ON"));
      if (copy == 0 && !expected.date.empty() &&
          seconds != CalendarSeconds(expected.date, expected.time)) {
        return where + ": written at " + Single(record, "QSO_DATE") + " " +
               Single(record, "TIME_ON") + ", expected " + expected.date + " " + expected.time;
      }
      if (copy > 0 && !expected.date.empty() && seconds != previous + 1) {
        return where + ": not one second after the copy before";
      }
      previous = seconds;
    }
  }
  return next == output.records.size() ? "" : "more records written than expected";
}

// The first line where two listings part, for the failure message.
std::string ListingDifference(const std::vector<std::string>& actual,
                              const std::vector<std::string>& expected) {
  std::size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  const auto line = [i](const std::vector<std::string>& lines) {
    return i < lines.size() ? "\"" + lines[i] + "\"" : std::string("(nothing)");
  };
  return i == actual.size() && i == expected.size()
             ? std::string()
             : "listing line " + std::to_string(i + 1) + " is " + line(actual) + ", expected " +
                   line(expected);
}

std::string CheckInMemory(const GeneratedLog& log, const fuzzing::CheckedConversion& checked) {
  if (!checked.problem.empty()) return checked.problem;
  const fuzzing::MemoryConversion& run = checked.first;
  if (std::string difference =
          ListingDifference(ListMessages(run.log), log.Listing(fuzzing::kOutputName));
      !difference.empty()) {
    return difference;
  }
  if (!log.headerRecognised) {
    return run.output == log.copiedWhole ? "" : "a log without header is not copied unchanged";
  }
  if (std::string problem = CheckRecords(log, testing::ReadOutput(run.output)); !problem.empty()) {
    return problem;
  }
  // Holds for every log in which all county values convert, and beyond.
  if (log.reconversionIdentical && checked.again.output != run.output) {
    return "converting the output again changes it";
  }
  return {};
}

// A real run and a refused one: the input stays byte for byte as it was.
std::string CheckFiles(const GeneratedLog& log, const std::string& converted,
                       const testing::TempDir& dir) {
  // Fresh names for every log: a file emptied and written again costs a flush.
  const std::string input = dir.File("in-" + std::to_string(log.seed) + ".adi");
  const std::string output = dir.File("out-" + std::to_string(log.seed) + ".adi");
  testing::WriteFile(input, log.bytes);
  const ConversionResult run = RunConversion(input, output, log.region, log.addMobile);
  if (!run.ok()) return "the run was refused: " + run.error;
  if (testing::ReadFile(input) != log.bytes) return "the run changed its input";
  if (std::string difference = ListingDifference(run.listing, log.Listing(output));
      !difference.empty()) {
    return "the file run: " + difference;
  }
  if (testing::ReadFile(output) != converted) return "the file run writes differently";
  std::filesystem::remove(output);

  const std::string link = dir.File("link.adi");
  std::filesystem::create_hard_link(input, link);
  struct Refused {
    std::string output;
    RegionId region;
    const char* error;
  };
  const Refused refusals[] = {
      {link, log.region, "ERROR: Could not open output file."},
      {output, kRegionCount, "ERROR: You must select a state."},
      {dir.File("missing/out.adi"), log.region, "ERROR: Could not open output file."},
      {dir.path() + "/./" + input.substr(dir.path().size() + 1), log.region,
       "ERROR: Could not open output file."},
  };
  const Refused& refused = refusals[log.seed % std::size(refusals)];
  const ConversionResult refusal = RunConversion(input, refused.output, refused.region, 1);
  std::filesystem::remove(link);
  const bool unchanged = testing::ReadFile(input) == log.bytes;
  std::filesystem::remove(input);
  if (refusal.error != refused.error || !refusal.listing.empty()) {
    return "refusal to " + refused.output + " gave: " + refusal.error;
  }
  if (!unchanged) return "a refused run changed its input";
  return std::filesystem::exists(output) ? "a refused run created its output" : "";
}

struct Coverage {
  std::size_t logs = 0, countyLines = 0, allConvert = 0, withoutHeader = 0, records = 0;
};

TEST(GeneratedLogs, EveryRecordIsWrittenAndTheListingIsExact) {
  const std::uint64_t first = Setting("QUORVEL_GENERATED_SEED", 1);
  const std::uint64_t count = Setting("QUORVEL_GENERATED_LOGS", 1000);
  testing::TempDir dir;
  Coverage seen;
  int failures = 0;
  for (std::uint64_t seed = first; seed < first + count && failures < 5; ++seed) {
    const GeneratedLog log = testing::GenerateLog(seed);
    const fuzzing::CheckedConversion checked =
        fuzzing::CheckConversion(log.bytes, log.region, log.addMobile, 1 + seed % 7, true);
    std::string problem = CheckInMemory(log, checked);
    if (problem.empty()) problem = CheckFiles(log, checked.first.output, dir);
    if (!problem.empty()) {
      ++failures;
      ADD_FAILURE() << log.Describe() << ": " << problem;
    }
    ++seen.logs;
    seen.allConvert += log.allCountiesConvert && log.headerRecognised && !log.records.empty();
    seen.withoutHeader += !log.headerRecognised;
    for (const ExpectedRecord& record : log.records) {
      ++seen.records;
      seen.countyLines += record.outcome.copies.size() > 1;
    }
  }
  // The generator must reach what the properties are about.
  EXPECT_GT(seen.countyLines, seen.logs / 2);
  EXPECT_GT(seen.allConvert, seen.logs / 10);
  EXPECT_GT(seen.withoutHeader, seen.logs / 50);
}

}  // namespace
}  // namespace quorvel
