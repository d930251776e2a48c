#include "engine/report_formats.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "engine/ascii.h"

namespace quorvel {

namespace {

// ---- shared --------------------------------------------------------------

// The region of the report's logs: the one abbreviation, or all of them
// joined by "+" when the logs of a batch were for different regions.
std::string RegionOfLogs(const CountyReport& report) {
  std::vector<RegionId> seen;
  std::string text;
  for (const ReportLog& log : report.logs()) {
    if (std::find(seen.begin(), seen.end(), log.region) != seen.end()) continue;
    seen.push_back(log.region);
    if (!text.empty()) text += '+';
    text.append(RegionAbbreviation(log.region));
  }
  return text;
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text.append(separator);
    text.append(item);
  }
  return text;
}

std::string Joined(const std::vector<std::string_view>& items, std::string_view separator) {
  std::string text;
  for (const std::string_view item : items) {
    if (!text.empty()) text.append(separator);
    text.append(item);
  }
  return text;
}

// ---- text ----------------------------------------------------------------

constexpr std::size_t kWidth = 79;
constexpr std::size_t kLongestShown = 24;

// A log's bytes as a person can read them in a terminal: control bytes as
// '?', a long value cut.
std::string Printable(std::string_view value, std::size_t longest = kLongestShown) {
  std::string text;
  const std::size_t shown = std::min(value.size(), longest);
  for (std::size_t i = 0; i < shown; ++i) {
    const auto c = static_cast<unsigned char>(value[i]);
    text += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
  }
  if (value.size() > shown) text += "...";
  return text;
}

// items joined by ", " after first, wrapped at kWidth under indent.
void AppendWrapped(std::string& out, std::string first, const std::vector<std::string>& items,
                   std::size_t indent) {
  std::string line = std::move(first);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
    if (line.size() + 1 + item.size() > kWidth && line.size() > indent) {
      out.append(line).append("\n");
      line.assign(indent, ' ');
      line.append(item);
    } else {
      if (line.size() > indent || !line.empty()) line += ' ';
      line.append(item);
    }
  }
  out.append(line).append("\n");
}

std::string LogsHeading(const CountyReport& report) {
  std::string text;
  const std::vector<ReportLog>& logs = report.logs();
  if (logs.size() == 1) {
    text = "County report of " + Printable(logs[0].name, logs[0].name.size()) + " (" +
           std::string(RegionName(logs[0].region)) + ")\n";
  } else {
    text = "County report of " + std::to_string(logs.size()) + " logs:\n";
    for (const ReportLog& log : logs) {
      text += "  " + Printable(log.name, log.name.size()) + " (" +
              std::string(RegionName(log.region)) + ")\n";
    }
  }
  return text + "\n";
}

void AppendStates(std::string& out, const CountyReport& report) {
  for (const ReportState& state : report.states()) {
    out.append(state.name)
        .append(": worked ")
        .append(std::to_string(state.Worked()))
        .append(" of ")
        .append(std::to_string(state.counties.size()))
        .append(" counties in ")
        .append(std::to_string(state.qsos))
        .append(state.qsos == 1 ? " QSO\n" : " QSOs\n");
    std::vector<std::string> missing;
    for (const ReportCounty& county : state.counties) {
      if (county.qsos == 0) {
        missing.push_back(std::string(county.name) + " (" + Joined(county.abbreviations, "/") +
                          ")");
      }
    }
    if (missing.empty()) missing.push_back("none");
    AppendWrapped(out, "  missing:", missing, 4);
  }
}

void AppendMultipliers(std::string& out, const CountyReport& report) {
  std::vector<std::pair<std::string, long long>> worked(report.otherStates().begin(),
                                                        report.otherStates().end());
  worked.insert(worked.end(), report.provinces().begin(), report.provinces().end());
  std::stable_sort(worked.begin(), worked.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::vector<std::string> items;
  for (const auto& [code, qsos] : worked)
    items.push_back(Printable(code) + " " + std::to_string(qsos));
  if (items.empty()) {
    out.append("States and provinces: none\n");
    return;
  }
  items.front().insert(0, "(");
  items.back().append(")");
  AppendWrapped(out, "States and provinces: " + std::to_string(items.size()), items, 2);
}

std::string Suggestions(const ReportUnknown& unknown, bool withState) {
  const CountySuggestions& found = unknown.suggestions;
  if (found.count == 0) return "no close code";
  std::string text = "did you mean ";
  for (std::size_t i = 0; i < found.count; ++i) {
    if (i > 0) text += i + 1 == found.count ? " or " : ", ";
    const CountySuggestion& s = found.items[i];
    text.append(s.abbreviation).append(" (").append(s.county);
    if (withState) text.append(", ").append(s.state);
    text += ')';
  }
  return text + "?";
}

void AppendUnknown(std::string& out, const CountyReport& report) {
  if (report.unknown().empty()) {
    out.append("Codes not found: none\n");
    return;
  }
  out.append("Codes not found:\n");
  const bool withState = report.states().size() > 1;
  for (const ReportUnknown& unknown : report.unknown()) {
    std::string code = Printable(unknown.code);
    std::vector<std::string> shown(
        unknown.calls.begin(),
        unknown.calls.begin() +
            static_cast<std::ptrdiff_t>(std::min<std::size_t>(unknown.calls.size(), 2)));
    std::string calls = Printable(Joined(shown, ","));
    if (unknown.calls.size() > shown.size()) {
      calls += " +" + std::to_string(unknown.calls.size() - shown.size());
    }
    if (calls.empty()) calls = "?";
    code.resize(std::max<std::size_t>(code.size() + 1, 6), ' ');
    calls.resize(std::max<std::size_t>(calls.size() + 1, 15), ' ');
    out.append("  ")
        .append(code)
        .append(calls)
        .append(Suggestions(unknown, withState))
        .append("\n");
  }
}

// ---- JSON ----------------------------------------------------------------

void AppendJsonString(std::string& out, std::string_view value) {
  out += '"';
  for (const char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c >= 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += ch;
    }
  }
  out += '"';
}

template <typename List>
void AppendJsonStrings(std::string& out, const List& values) {
  out += '[';
  bool first = true;
  for (const auto& value : values) {
    if (!first) out += ", ";
    first = false;
    AppendJsonString(out, value);
  }
  out += ']';
}

void AppendJsonCounty(std::string& out, const ReportCounty& county) {
  out += "{\"county\": ";
  AppendJsonString(out, county.name);
  out += ", \"abbreviations\": ";
  AppendJsonStrings(out, county.abbreviations);
  out += ", \"qsos\": " + std::to_string(county.qsos) + ", \"bands\": ";
  AppendJsonStrings(out, county.bands);
  out += ", \"modes\": ";
  AppendJsonStrings(out, county.modes);
  out += county.qsos > 0 ? ", \"worked\": true}" : ", \"worked\": false}";
}

void AppendJsonState(std::string& out, const ReportState& state) {
  out += "    {\"state\": ";
  AppendJsonString(out, state.abbreviation);
  out += ", \"name\": ";
  AppendJsonString(out, state.name);
  out += ", \"worked\": " + std::to_string(state.Worked()) +
         ", \"total\": " + std::to_string(state.counties.size()) +
         ", \"qsos\": " + std::to_string(state.qsos) + ", \"counties\": [";
  for (std::size_t i = 0; i < state.counties.size(); ++i) {
    out += i == 0 ? "\n      " : ",\n      ";
    AppendJsonCounty(out, state.counties[i]);
  }
  out += state.counties.empty() ? "]}" : "\n    ]}";
}

void AppendJsonCounts(std::string& out, const char* key, const char* item,
                      const std::map<std::string, long long, std::less<>>& counts) {
  out += "  \"" + std::string(key) + "\": [";
  bool first = true;
  for (const auto& [code, qsos] : counts) {
    out += first ? "\n    {\"" : ",\n    {\"";
    first = false;
    out += item;
    out += "\": ";
    AppendJsonString(out, code);
    out += ", \"qsos\": " + std::to_string(qsos) + "}";
  }
  out += first ? "],\n" : "\n  ],\n";
}

void AppendJsonUnknown(std::string& out, const ReportUnknown& unknown) {
  out += "    {\"code\": ";
  AppendJsonString(out, unknown.code);
  out += ", \"region\": ";
  AppendJsonString(out, RegionAbbreviation(unknown.region));
  out += ", \"qsos\": " + std::to_string(unknown.qsos) + ", \"calls\": ";
  AppendJsonStrings(out, unknown.calls);
  out += ", \"suggestions\": [";
  for (std::size_t i = 0; i < unknown.suggestions.count; ++i) {
    const CountySuggestion& s = unknown.suggestions.items[i];
    out += i == 0 ? "{\"abbreviation\": " : ", {\"abbreviation\": ";
    AppendJsonString(out, s.abbreviation);
    out += ", \"county\": ";
    AppendJsonString(out, s.county);
    out += ", \"state\": ";
    AppendJsonString(out, s.state);
    out += '}';
  }
  out += "]}";
}

// ---- CSV -----------------------------------------------------------------

void AppendCsvField(std::string& out, std::string_view value) {
  if (value.find_first_of("\",\r\n") == std::string_view::npos) {
    out.append(value);
    return;
  }
  out += '"';
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

ReportFormat ReportFormatFor(std::string_view fileName) {
  const auto endsWith = [&](std::string_view ending) {
    return fileName.size() >= ending.size() &&
           EqualsIgnoringCase(fileName.substr(fileName.size() - ending.size()), ending);
  };
  if (endsWith(".json")) return ReportFormat::kJson;
  if (endsWith(".csv")) return ReportFormat::kCsv;
  return ReportFormat::kText;
}

std::string FormatReport(const CountyReport& report, ReportFormat format) {
  switch (format) {
    case ReportFormat::kJson:
      return FormatReportJson(report);
    case ReportFormat::kCsv:
      return FormatReportCsv(report);
    case ReportFormat::kText:
      break;
  }
  return FormatReportText(report);
}

std::string FormatReportText(const CountyReport& report) {
  std::string out = LogsHeading(report);
  AppendStates(out, report);
  AppendMultipliers(out, report);
  AppendUnknown(out, report);
  const ReportTotals& totals = report.totals();
  out += "QSOs read " + std::to_string(totals.qsosRead) + ", written " +
         std::to_string(totals.qsosWritten) + ", county-line QSOs added " +
         std::to_string(totals.countyLineQsos) + "\n";
  return out;
}

std::string FormatReportJson(const CountyReport& report) {
  std::string out = "{\n  \"version\": 1,\n  \"region\": ";
  AppendJsonString(out, RegionOfLogs(report));
  out += ",\n  \"logs\": [";
  for (std::size_t i = 0; i < report.logs().size(); ++i) {
    out += i == 0 ? "{\"name\": " : ", {\"name\": ";
    AppendJsonString(out, report.logs()[i].name);
    out += ", \"region\": ";
    AppendJsonString(out, RegionAbbreviation(report.logs()[i].region));
    out += '}';
  }
  out += "],\n  \"states\": [";
  for (std::size_t i = 0; i < report.states().size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendJsonState(out, report.states()[i]);
  }
  out += report.states().empty() ? "],\n" : "\n  ],\n";
  AppendJsonCounts(out, "other_states", "state", report.otherStates());
  AppendJsonCounts(out, "provinces", "province", report.provinces());
  out += "  \"unknown\": [";
  for (std::size_t i = 0; i < report.unknown().size(); ++i) {
    out += i == 0 ? "\n" : ",\n";
    AppendJsonUnknown(out, report.unknown()[i]);
  }
  out += report.unknown().empty() ? "],\n" : "\n  ],\n";
  const ReportTotals& totals = report.totals();
  out += "  \"totals\": {\"qsos_read\": " + std::to_string(totals.qsosRead) +
         ", \"qsos_written\": " + std::to_string(totals.qsosWritten) +
         ", \"county_line_qsos\": " + std::to_string(totals.countyLineQsos) + "}\n}\n";
  return out;
}

std::string FormatReportCsv(const CountyReport& report) {
  std::string out = "state,county,abbreviations,qsos,bands,modes,worked\r\n";
  for (const ReportState& state : report.states()) {
    for (const ReportCounty& county : state.counties) {
      AppendCsvField(out, state.abbreviation);
      out += ',';
      AppendCsvField(out, county.name);
      out += ',';
      AppendCsvField(out, Joined(county.abbreviations, " "));
      out += ',' + std::to_string(county.qsos) + ',';
      AppendCsvField(out, Joined(county.bands, " "));
      out += ',';
      AppendCsvField(out, Joined(county.modes, " "));
      out += county.qsos > 0 ? ",yes\r\n" : ",no\r\n";
    }
  }
  return out;
}

}  // namespace quorvel
