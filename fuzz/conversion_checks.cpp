#include "fuzz/conversion_checks.h"

#include <algorithm>

#include "engine/county_report.h"
#include "engine/log_scanner.h"
#include "engine/platform/byte_stream.h"
#include "engine/platform/text_reader.h"
#include "engine/report_formats.h"

namespace quorvel::fuzzing {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Consumes prefix from the front of text; false when text does not begin with it.
bool Take(std::string_view& text, std::string_view prefix) {
  if (!StartsWith(text, prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// Consumes an optionally signed decimal number from the front of text.
bool TakeNumber(std::string_view& text, long long& number) {
  const bool negative = Take(text, "-");
  std::size_t digits = 0;
  number = 0;
  while (digits < text.size() && digits < 18 && text[digits] >= '0' && text[digits] <= '9') {
    number = number * 10 + (text[digits++] - '0');
  }
  if (digits == 0) return false;
  text.remove_prefix(digits);
  if (negative) number = -number;
  return true;
}

// Counts the records of converted output as the program's scanner finds them.
struct OutputRecords {
  void Header(std::string_view) {}
  bool ReadName(std::string_view) const { return false; }
  void Tag(const ScannedTag&, bool, bool endsRecord) { records += endsRecord; }
  void BlockMoving() {}
  long long records = 0;
};

struct Summary {
  long long converted = 0;
  long long written = 0;
  bool addedQsos = false;  // an "INFO: Adding QSO" message came
};

// Reads the two closing messages and checks where the listing puts them.
std::string ReadSummary(const MessageLog& log, RegionId region, Summary& summary) {
  const std::vector<std::string>& info = log.lists[kInformationList];
  if (info.size() < 2) return "the information list lacks the two closing messages";
  for (const std::string& text : info) summary.addedQsos |= StartsWith(text, "INFO: Adding QSO ");

  std::string_view converted = info[info.size() - 2];
  const bool leadingLineFeed = Take(converted, "\n");
  if (leadingLineFeed != summary.addedQsos) {
    return "the first closing message's line feed does not match the QSOs added";
  }
  const std::string tail = " " + std::string(RegionName(region)) + " counties.";
  if (!Take(converted, "Converted ") || !TakeNumber(converted, summary.converted) ||
      converted != tail) {
    return "malformed first closing message: " + info[info.size() - 2];
  }
  std::string_view wrote = info.back();
  const std::string wroteTail = " QSOs to " + std::string(kOutputName);
  if (!Take(wrote, "Wrote ") || !TakeNumber(wrote, summary.written) || wrote != wroteTail) {
    return "malformed second closing message: " + info.back();
  }

  const std::vector<std::string> lines = ListMessages(log);
  if (lines.size() <= info.size() || lines[info.size() - 2] != info[info.size() - 2] ||
      lines[info.size() - 1] != info.back() || !lines[info.size()].empty()) {
    return "the listing does not end its information group with the closing messages";
  }
  return {};
}

std::string CheckLineEnds(std::string_view output) {
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (output[i] == '\n' && (i == 0 || output[i - 1] != '\r')) {
      return "a line feed without its CR at byte " + std::to_string(i);
    }
    if (output[i] == '\x1a') return "a byte 0x1A in the output at byte " + std::to_string(i);
  }
  return {};
}

std::string CheckTime(const MemoryConversion& run, std::size_t bytes, const char* which) {
  if (run.seconds <= TimeAllowed(bytes)) return {};
  return std::string(which) + " took " + std::to_string(run.seconds) + " s for " +
         std::to_string(bytes) + " bytes";
}

std::string CheckReconversion(const MemoryConversion& again, std::size_t input,
                              const Summary& summary, RegionId region) {
  Summary second;
  if (std::string problem = CheckTime(again, input, "converting the output again");
      !problem.empty()) {
    return problem;
  }
  if (std::string problem = ReadSummary(again.log, region, second); !problem.empty()) {
    return "converting the output again: " + problem;
  }
  if (second.written != summary.written) {
    return "converting the output again wrote " + std::to_string(second.written) +
           " QSOs instead of " + std::to_string(summary.written);
  }
  if (second.converted != 0 || second.addedQsos) {
    return "converting the output again converted counties or added QSOs";
  }
  return {};
}

std::string CheckFirst(std::string_view log, const MemoryConversion& first, RegionId region,
                       int addMobile, std::size_t chunk, Summary& summary) {
  if (std::string problem = CheckTime(first, log.size(), "the conversion"); !problem.empty()) {
    return problem;
  }
  if (std::string problem = ReadSummary(first.log, region, summary); !problem.empty()) {
    return problem;
  }
  if (std::string problem = CheckLineEnds(first.output); !problem.empty()) return problem;
  const long long found = CountOutputRecords(first.output);
  if (found != summary.written) {
    return "the output holds " + std::to_string(found) + " records but the listing says " +
           std::to_string(summary.written);
  }
  if (chunk != 0) {
    const MemoryConversion pieces = ConvertInMemory(log, region, addMobile, chunk);
    if (std::string problem = CheckTime(pieces, log.size(), "the conversion in pieces");
        !problem.empty()) {
      return problem;
    }
    if (pieces.output != first.output || pieces.log.lists != first.log.lists) {
      return "the input read " + std::to_string(chunk) + " bytes at a time converts differently";
    }
  }
  return {};
}

// The report watches and changes nothing; its JSON is ASCII whatever the log.
std::string CheckReport(std::string_view log, const MemoryConversion& first, RegionId region,
                        int addMobile, const Summary& summary) {
  CountyReport report;
  report.BeginLog("in.adi", region);
  const MemoryConversion reported =
      ConvertInMemory(log, region, addMobile, 0, kOutputName, &report);
  if (std::string problem = CheckTime(reported, log.size(), "the conversion with a report");
      !problem.empty()) {
    return problem;
  }
  if (reported.output != first.output || reported.log.lists != first.log.lists) {
    return "the conversion with a report converts differently";
  }
  if (report.totals().qsosWritten != summary.written) {
    return "the report counts " + std::to_string(report.totals().qsosWritten) +
           " QSOs written, the listing " + std::to_string(summary.written);
  }
  const std::string json = FormatReportJson(report);
  if (std::any_of(json.begin(), json.end(), [](char c) { return (c & 0x80) != 0; })) {
    return "the report's JSON holds a byte that is not ASCII";
  }
  FormatReportText(report);
  FormatReportCsv(report);
  return {};
}

}  // namespace

double TimeAllowed(std::size_t bytes) {
  return std::max(1.0, static_cast<double>(bytes) / 100'000.0);
}

long long CountOutputRecords(std::string_view output) {
  OutputRecords counter;
  MemorySource source(output);
  TextReader reader(source, false);
  return ScanLog(reader, counter).headerDone ? counter.records : 0;
}

CheckedConversion CheckConversion(std::string_view log, RegionId region, int addMobile,
                                  std::size_t chunk, bool reconvert) {
  CheckedConversion checked;
  checked.first = ConvertInMemory(log, region, addMobile);
  Summary summary;
  checked.problem = CheckFirst(log, checked.first, region, addMobile, chunk, summary);
  if (checked.problem.empty() && reconvert) {
    checked.again = ConvertInMemory(checked.first.output, region, addMobile);
    checked.problem =
        CheckReconversion(checked.again, checked.first.output.size(), summary, region);
    if (checked.problem.empty()) {
      checked.problem = CheckReport(log, checked.first, region, addMobile, summary);
    }
  }
  return checked;
}

}  // namespace quorvel::fuzzing
