// The county report written out: plain text for people, JSON for scripts,
// CSV (RFC 4180, one row per county) for spreadsheets.
#pragma once

#include <string>
#include <string_view>

#include "engine/county_report.h"

namespace quorvel {

enum class ReportFormat { kText, kJson, kCsv };

// By the file name's ending, letter case ignored: .json, .csv, else text.
ReportFormat ReportFormatFor(std::string_view fileName);

std::string FormatReport(const CountyReport& report, ReportFormat format);
std::string FormatReportText(const CountyReport& report);
// Valid UTF-8 whatever bytes the log held: a byte 0x80-0xFF stands for the
// Latin-1 character of that number and is written as its \u00XX escape.
std::string FormatReportJson(const CountyReport& report);
std::string FormatReportCsv(const CountyReport& report);

}  // namespace quorvel
