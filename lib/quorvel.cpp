// The C interface over the engine: plain values in, texts out through the
// caller's buffers and callbacks, nothing thrown across it.
#include "quorvel.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "core/adif_field.h"
#include "core/message_log.h"
#include "counties/canadian_sections.h"
#include "counties/county_resolver.h"
#include "counties/region_catalogue.h"
#include "engine/conversion_request.h"
#include "engine/convert_log.h"
#include "engine/county_report.h"
#include "engine/platform/byte_stream.h"
#include "engine/report_formats.h"
#include "quorvel_version.h"

namespace {

using namespace quorvel;

class CallbackSource final : public ByteSource {
 public:
  CallbackSource(quorvel_read_fn read, void* context) : read_(read), context_(context) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const std::ptrdiff_t n = read_(context_, buffer, size);
    // A count past what was asked would overrun the reader's buffer.
    if (n < 0 || static_cast<std::size_t>(n) > size) return -1;
    return n;
  }

 private:
  quorvel_read_fn read_;
  void* context_;
};

class CallbackSink final : public ByteSink {
 public:
  CallbackSink(quorvel_write_fn write, void* context) : write_(write), context_(context) {}
  bool Write(const char* data, std::size_t size) override {
    return size == 0 || write_(context_, data, size) == 0;
  }

 private:
  quorvel_write_fn write_;
  void* context_;
};

void CopyText(std::string_view text, char* out, std::size_t size) {
  if (out == nullptr || size == 0) return;
  const std::size_t n = std::min(text.size(), size - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

bool ValidOptions(const quorvel_options* options) {
  return options != nullptr && IsValidRegion(options->region) && options->county_lines >= 0 &&
         options->county_lines < static_cast<int>(CountyLineForms.size()) &&
         options->report >= QUORVEL_REPORT_NONE && options->report <= QUORVEL_REPORT_CSV &&
         (options->report == QUORVEL_REPORT_NONE || options->report_write != nullptr);
}

// After the listing: the report, as quorvel-convert writes it to its file.
int HandReport(int code, const CountyReport& report, const quorvel_options& options, void* context,
               char* error, std::size_t error_size) {
  if (code != QUORVEL_OK || options.report == QUORVEL_REPORT_NONE || report.logs().empty()) {
    return code;
  }
  constexpr ReportFormat kFormats[] = {ReportFormat::kText, ReportFormat::kText,
                                       ReportFormat::kJson, ReportFormat::kCsv};
  const std::string text = FormatReport(report, kFormats[options.report]);
  if (!text.empty() && options.report_write(context, text.data(), text.size()) != 0) {
    CopyText("ERROR: Could not write report file.", error, error_size);
    return QUORVEL_REFUSED;
  }
  return code;
}

// A message may hold line feeds ("\nConverted ..."); every window splits
// there, so each piece is a line of its own.
void HandLines(const std::string& text, int kind, quorvel_listing_fn fn, void* context) {
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos;
       start = end + 1, end = text.find('\n', start)) {
    fn(context, kind, text.substr(start, end - start).c_str());
  }
  fn(context, kind, text.c_str() + start);
}

// Hands the listing over line by line, each with the kind of its list; the
// empty line after a list keeps that list's kind.
void HandListing(const std::vector<std::string>& listing, const std::array<std::size_t, 3>& sizes,
                 quorvel_listing_fn fn, void* context) {
  if (fn == nullptr) return;
  std::size_t line = 0;
  for (int kind = 0; kind < 3; ++kind) {
    if (sizes[kind] == 0) continue;
    for (std::size_t i = 0; i <= sizes[kind] && line < listing.size(); ++i, ++line) {
      HandLines(listing[line], kind, fn, context);
    }
  }
}

int Outcome(const ConversionResult& result, quorvel_listing_fn listing, void* context, char* error,
            std::size_t error_size) {
  if (!result.ok()) {
    CopyText(result.error, error, error_size);
    return QUORVEL_REFUSED;
  }
  CopyText("", error, error_size);
  HandListing(result.listing, result.listSizes, listing, context);
  return QUORVEL_OK;
}

ConversionResult ConvertStream(const quorvel_options& options, quorvel_read_fn read,
                               quorvel_write_fn write, void* context, CountyReport* report) {
  CallbackSource source(read, context);
  CallbackSink sink(write, context);
  MessageLog log;
  bool written = false;
  bool readAll = false;
  if (report != nullptr) report->BeginLog("-", options.region);
  {
    // The standard streams' rules: text mode on both sides, no output name.
    TextReader reader(source, true);
    TextWriter writer(sink, true);
    ConvertLog(reader, writer, options.region, options.add_mobile, std::nullopt, log, report,
               CountyLineForms[static_cast<std::size_t>(options.county_lines)].form);
    written = writer.Flush();
    readAll = !reader.Failed();
  }
  ConversionResult result;
  if (!written) result.error = "ERROR: Could not write output file.";
  if (written && !readAll) result.error = "ERROR: Could not read input file.";
  if (!result.ok()) return result;
  for (std::size_t list = 0; list < log.lists.size(); ++list) {
    result.listSizes[list] = log.lists[list].size();
  }
  result.listing = ListMessages(std::move(log));
  return result;
}

int BadArgument(char* error, size_t error_size) {
  CopyText("ERROR: Bad argument.", error, error_size);
  return QUORVEL_BAD_ARGUMENT;
}

// Runs a conversion; the one exception the engine can let through (memory
// ran out) stops here, at the C border, as a refusal with its text.
template <typename Conversion>
int Guarded(char* error, size_t error_size, Conversion conversion) {
  try {
    return conversion();
  } catch (const std::exception&) {
    CopyText("ERROR: Out of memory.", error, error_size);
    return QUORVEL_REFUSED;
  }
}

}  // namespace

extern "C" {

const char* quorvel_version(void) { return QUORVEL_VERSION; }

int quorvel_region_count(void) { return kRegionCount; }

const char* quorvel_region_abbreviation(int region) {
  // The catalogue's texts are literals, so their views end in a NUL.
  return IsValidRegion(region) ? RegionAbbreviation(region).data() : nullptr;
}

const char* quorvel_region_name(int region) {
  return IsValidRegion(region) ? RegionName(region).data() : nullptr;
}

int quorvel_region_offered(int region) {
  if (!IsValidRegion(region)) return -1;
  return std::find(RegionChoiceOrder.begin(), RegionChoiceOrder.end(), region) !=
                 RegionChoiceOrder.end()
             ? 1
             : 0;
}

int quorvel_region_lookup(const char* text) {
  if (text == nullptr) return -1;
  try {
    return ParseRegion(text).value_or(kNoRegion);
  } catch (const std::exception&) {
    return -1;
  }
}

int quorvel_resolve(int region, const char* value, size_t size, char* out, size_t out_size) {
  if ((value == nullptr && size > 0) || !IsValidRegion(region)) return -1;
  CopyText("", out, out_size);
  try {
    std::string upper(value == nullptr ? "" : std::string(value, size));
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    AdifField field;
    field.name = std::string_view("CNTY");
    field.value = std::string_view(upper);
    field.hasValue = true;
    MessageLog ignored;
    std::string county;
    ResolveCounty(field, region, "", ignored, county);
    const std::string_view name = field.name;
    int kind = QUORVEL_UNKNOWN;
    if (FindCanadianArea(upper)) kind = QUORVEL_PROVINCE;
    if (name == "STATE") kind = QUORVEL_STATE;
    if (name == "CNTY" && std::string_view(field.value) != upper) kind = QUORVEL_COUNTY;
    if (kind == QUORVEL_COUNTY || kind == QUORVEL_STATE) {
      const std::string_view text = field.value;
      if (text.size() < out_size) CopyText(text, out, out_size);
    }
    return kind;
  } catch (const std::exception&) {
    return -1;
  }
}

quorvel_options quorvel_default_options(int region) {
  return quorvel_options{region, 1, QUORVEL_LINES_SPLIT, QUORVEL_REPORT_NONE, nullptr};
}

int quorvel_convert_file(const quorvel_options* options, const char* input_path,
                         const char* output_path, quorvel_listing_fn listing, void* context,
                         char* error, size_t error_size) {
  if (!ValidOptions(options) || input_path == nullptr || output_path == nullptr) {
    return BadArgument(error, error_size);
  }
  return Guarded(error, error_size, [&] {
    StreamRequest request;
    request.inputPath = input_path;
    request.outputPath = output_path;
    request.region = options->region;
    request.addMobile = options->add_mobile;
    request.countyLines = CountyLineForms[static_cast<std::size_t>(options->county_lines)].form;
    CountyReport report;
    if (options->report != QUORVEL_REPORT_NONE) request.report = &report;
    const int code = Outcome(RunStreamConversion(request), listing, context, error, error_size);
    return HandReport(code, report, *options, context, error, error_size);
  });
}

int quorvel_convert_stream(const quorvel_options* options, quorvel_read_fn read,
                           quorvel_write_fn write, quorvel_listing_fn listing, void* context,
                           char* error, size_t error_size) {
  if (!ValidOptions(options) || read == nullptr || write == nullptr) {
    return BadArgument(error, error_size);
  }
  return Guarded(error, error_size, [&] {
    CountyReport report;
    CountyReport* wanted = options->report != QUORVEL_REPORT_NONE ? &report : nullptr;
    const int code = Outcome(ConvertStream(*options, read, write, context, wanted), listing,
                             context, error, error_size);
    return HandReport(code, report, *options, context, error, error_size);
  });
}

}  // extern "C"
