// The engine's side of the web page, called by the page's worker: the texts
// the page shows, and one press of "Convert". Every text leaves as bytes with
// their length through one callback, so the page shows exactly what the C++
// code says.
#include <emscripten.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "counties/region_catalogue.h"
#include "engine/conversion_request.h"
#include "engine/county_line_form.h"
#include "engine/county_report.h"
#include "engine/report_formats.h"
#include "ui/about.h"
#include "ui/listing.h"
#include "ui/main_form.h"

namespace {

// What a text is, for the page. The page knows the kinds by these names
// only, so that this table is the one list of them.
enum class PageText {
  kRegionName,
  kCountyLineForm,
  kAbout,
  kHomePage,
  kBrowserError,
  kRefusal,
  kListingLine,
  kReportLine,
  kReportCsv,
  kReportCsvName,
  kProposedOutput,
};
constexpr const char* kPageTextNames[] = {
    "regionName", "countyLineForm", "about",     "homePage",      "browserError",   "refusal",
    "line",       "reportLine",     "reportCsv", "reportCsvName", "proposedOutput",
};
static_assert(sizeof kPageTextNames / sizeof kPageTextNames[0] ==
                  static_cast<std::size_t>(PageText::kProposedOutput) + 1,
              "every kind of text has its name");

// clang-format off
EM_JS(void, QuorvelSendText, (const char* kind, const char* text, std::size_t length), {
  Module.onText(UTF8ToString(kind), HEAPU8.slice(text, text + length));
});
// clang-format on

void Send(PageText kind, std::string_view text) {
  QuorvelSendText(kPageTextNames[static_cast<std::size_t>(kind)], text.data(), text.size());
}

// A file's name with text put before its extension: pa.adi -> pa-cnty.adi.
// A name that is all extension (".adi") or has none keeps its whole self.
std::string BesideName(std::string_view name, std::string_view added, std::string_view extension) {
  const std::size_t dot = name.rfind('.');
  const std::size_t stem = dot == 0 || dot == std::string_view::npos ? name.size() : dot;
  std::string result(name.substr(0, stem));
  result += added;
  result += extension.empty() ? name.substr(stem) : extension;
  return result;
}

// The report's text, a list item per line as the listing's.
void SendReport(const quorvel::CountyReport& report, std::string_view outputName) {
  const std::string text = quorvel::FormatReportText(report);
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    Send(PageText::kReportLine, std::string_view(text).substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  Send(PageText::kReportCsv, quorvel::FormatReportCsv(report));
  // pa-cnty.adi -> pa-cnty-counties.csv
  Send(PageText::kReportCsvName, BesideName(outputName, "-counties", ".csv"));
}

// The page keeps its files in one folder and downloads under plain names: a
// name with a folder in it (or a NUL, which would cut it) cannot be created,
// and opening it fails as for a folder that does not exist.
std::string PagePath(std::string name) {
  if (name.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
    return "no such folder/" + name;
  }
  return name;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quorvel_page_texts() {
  for (const quorvel::RegionId region : quorvel::RegionChoiceOrder) {
    Send(PageText::kRegionName, quorvel::RegionName(region));
  }
  for (const quorvel::CountyLineFormText& form : quorvel::CountyLineForms) {
    Send(PageText::kCountyLineForm, form.caption);
  }
  Send(PageText::kAbout, quorvel::ui::AboutText());
  Send(PageText::kHomePage, quorvel::ui::HomePageAddress);
  Send(PageText::kBrowserError, quorvel::ui::kBrowserError);
}

// The output name the page proposes for a chosen input file.
EMSCRIPTEN_KEEPALIVE void quorvel_propose_output(const char* input, std::size_t inputLength) {
  Send(PageText::kProposedOutput, BesideName(std::string_view(input, inputLength), "-cnty", ""));
}

// regionItem is the index of the chosen item of the region list, -1 for none;
// countyLineItem that of the county-line list (out of range: the default).
// Returns 1 when the log was converted (the listing was sent), 0 when the
// request was refused (its one error text was sent).
EMSCRIPTEN_KEEPALIVE int quorvel_convert(const char* input, std::size_t inputLength,
                                         const char* output, std::size_t outputLength,
                                         int regionItem, int addMobile, int countyLineItem) {
  const quorvel::RegionId region = quorvel::ui::RegionOfItem(regionItem);
  quorvel::CountyReport report;
  quorvel::StreamRequest request;
  request.inputPath.assign(input, inputLength);
  request.outputPath = PagePath(std::string(output, outputLength));
  request.region = region;
  request.addMobile = addMobile;
  if (countyLineItem >= 0 &&
      static_cast<std::size_t>(countyLineItem) < quorvel::CountyLineForms.size()) {
    request.countyLines = quorvel::CountyLineForms[static_cast<std::size_t>(countyLineItem)].form;
  }
  request.report = &report;
  const quorvel::ConversionResult result = quorvel::RunStreamConversion(request);
  if (!result.ok()) {
    Send(PageText::kRefusal, result.error);
    return 0;
  }
  for (const std::string& line : quorvel::ui::ListingLines(result.listing)) {
    Send(PageText::kListingLine, line);
  }
  SendReport(report, std::string_view(output, outputLength));
  return 1;
}

}  // extern "C"
