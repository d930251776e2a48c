#include "cli/command_line.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

#include "engine/ascii.h"
#include "engine/conversion_request.h"
#include "engine/county_report.h"
#include "engine/report_formats.h"
#include "quorvel_version.h"

namespace quorvel {

namespace {

constexpr const char* kUsage =
    "Usage: quorvel-convert --region REGION [OPTION...] INPUT OUTPUT\n"
    "       quorvel-convert --region REGION [OPTION...] --output-dir DIR INPUT...\n"
    "       quorvel-convert --list-regions | --help | --version\n";

constexpr const char* kHelp =
    "Converts a contest log in ADIF so that every station's county stands in the\n"
    "CNTY field as state,county (MD,Anne Arundel), states go to STATE, and a\n"
    "county-line station gets one QSO per county.\n"
    "\n"
    "  --region REGION  the state or contest the log is for: a number 0-56, an\n"
    "                   abbreviation (PA, MARAC, 7QP) or a name (\"Pennsylvania\");\n"
    "                   --list-regions shows the choices. auto takes it from the\n"
    "                   records' CONTEST_ID values (PA-QSO-PARTY, NAQP-CW, ...)\n"
    "  --no-mobile      do not add /M to a callsign whose portable suffix was the\n"
    "                   county\n"
    "  --county-lines FORM  how a county-line QSO is written: split (the default)\n"
    "                   one QSO per county, each a second after the one before;\n"
    "                   split-usaca the same, a two-county line also named in\n"
    "                   USACA_COUNTIES (for the county-hunting awards); single\n"
    "                   one record with the first county in CNTY and a two-county\n"
    "                   line in USACA_COUNTIES (for online logbooks, which merge\n"
    "                   QSOs of one call, band and mode made close together)\n"
    "  --output-dir DIR convert every INPUT to DIR/<its file name>, each listing\n"
    "                   under a line ==> INPUT <==\n"
    "  --report FILE    also write the county report: the counties worked and\n"
    "                   missing, the states and provinces, the codes not found\n"
    "                   with close codes they may stand for, the totals. FILE\n"
    "                   ending in .json gives JSON, .csv one CSV row per county,\n"
    "                   anything else text; - prints it after the listing. With\n"
    "                   --output-dir it sums every log of the batch\n"
    "  --list-regions   print id, abbreviation and name of every offered region\n"
    "  --help           print this help\n"
    "  --version        print the version\n"
    "\n"
    "A - for INPUT reads standard input; a - for OUTPUT writes the log to standard\n"
    "output, and the messages then go to standard error. --region auto needs\n"
    "INPUT to be a file.\n"
    "\n"
    "Examples: a pipe, many logs, the region from the log:\n"
    "  quorvel-convert --region PA - - < pa-qso-party.adi > pa-cnty.adi\n"
    "  quorvel-convert --region 7QP --output-dir converted 7qp-*.adi\n"
    "  quorvel-convert --region auto naqp-cw.adi naqp-cw-cnty.adi\n"
    "  quorvel-convert --region PA pa.adi pa-cnty.adi --report pa-counties.csv\n"
    "\n"
    "Prints the conversion's messages and exits 0; prints a refused request's\n"
    "error and exits 1 (with --output-dir: when any log was refused); exits 2 on\n"
    "a usage error. A report that cannot be written exits 1 after the conversion.\n";

constexpr const char* kStandardStream = "-";

struct Options {
  std::optional<std::string> region;
  bool addMobile = true;
  std::optional<std::string> countyLines;
  std::optional<std::string> outputDir;
  std::optional<std::string> report;
  std::vector<std::string> paths;
};

int UsageError(std::ostream& err, const std::string& problem) {
  err << "quorvel-convert: " << problem << "\n" << kUsage;
  return 2;
}

void ListRegions(std::ostream& out) {
  for (const RegionId id : RegionChoiceOrder) {
    out << id << '\t' << RegionAbbreviation(id) << '\t' << RegionName(id) << '\n';
  }
}

// The option that takes a value by that name, if any.
std::optional<std::string>* ValuedOption(const std::string& name, Options& options) {
  if (name == "--region") return &options.region;
  if (name == "--output-dir") return &options.outputDir;
  if (name == "--county-lines") return &options.countyLines;
  if (name == "--report") return &options.report;
  return nullptr;
}

// What --help, --version and --list-regions print: they end the run at once.
enum class Parsed { kRun, kDone, kUsageError };

Parsed ParseOptions(const std::vector<std::string>& arguments, Options& options, std::ostream& out,
                    std::string& problem) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (optionsEnded || argument.empty() || argument[0] != '-' || argument == kStandardStream) {
      options.paths.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      out << kUsage << '\n' << kHelp;
      return Parsed::kDone;
    } else if (argument == "--version") {
      out << "quorvel-convert (Quorvel) " QUORVEL_DISPLAY_VERSION "\n";
      return Parsed::kDone;
    } else if (argument == "--list-regions") {
      ListRegions(out);
      return Parsed::kDone;
    } else if (argument == "--no-mobile") {
      options.addMobile = false;
    } else if (std::optional<std::string>* valued = ValuedOption(argument, options)) {
      if (!hasValue) {
        problem = argument + " needs a value";
        return Parsed::kUsageError;
      }
      *valued = arguments[++i];
    } else if (const std::size_t equals = argument.find('=');
               equals != std::string::npos && ValuedOption(argument.substr(0, equals), options)) {
      *ValuedOption(argument.substr(0, equals), options) = argument.substr(equals + 1);
    } else {
      problem = "unknown option " + argument;
      return Parsed::kUsageError;
    }
  }
  return Parsed::kRun;
}

// The parts of a request that every log of a run shares.
struct RequestBase {
  RegionId region = kNoRegion;
  bool regionFromLog = false;
  int addMobile = 1;
  CountyReport* report = nullptr;
  CountyLineForm countyLines = CountyLineForm::kSplit;
};

StreamRequest MakeRequest(const RequestBase& base, const std::string& input,
                          const std::string& output) {
  StreamRequest request;
  request.inputPath = input;
  request.outputPath = output;
  request.standardInput = input == kStandardStream;
  request.standardOutput = output == kStandardStream;
  request.region = base.region;
  request.regionFromLog = base.regionFromLog;
  request.addMobile = base.addMobile;
  request.report = base.report;
  request.countyLines = base.countyLines;
  return request;
}

// Prints a refused request's reason; returns the exit status.
int PrintRefusal(const ConversionResult& result, std::ostream& err) {
  if (result.regionUnknown) {
    err << "quorvel-convert: " << result.error << "; give --region\n";
  } else {
    err << result.error << '\n';
  }
  return 1;
}

int ConvertOne(const RequestBase& base, const std::string& input, const std::string& output,
               std::ostream& out, std::ostream& err) {
  const StreamRequest request = MakeRequest(base, input, output);
  const ConversionResult result = RunStreamConversion(request);
  if (!result.ok()) return PrintRefusal(result, err);
  // Standard output carries the log itself.
  std::ostream& listing = request.standardOutput ? err : out;
  for (const std::string& line : result.listing) listing << line << '\n';
  return 0;
}

namespace fs = std::filesystem;

// The outputs a batch has written, so that two INPUTs of one file name (from
// two folders) never overwrite each other's conversion.
class BatchOutputs {
 public:
  // The earlier INPUT whose conversion is output, if any.
  const std::string* WrittenFor(const std::string& output) const {
    const std::string name = fs::path(output).filename().string();
    for (const Written& earlier : written_) {
      std::error_code error;
      if (EqualsIgnoringCase(earlier.name, name) &&
          (earlier.output == output || fs::equivalent(earlier.output, output, error))) {
        return &earlier.input;
      }
    }
    return nullptr;
  }
  void Add(const std::string& input, const std::string& output) {
    written_.push_back({input, output, fs::path(output).filename().string()});
  }

 private:
  struct Written {
    std::string input;
    std::string output;
    std::string name;
  };
  std::vector<Written> written_;
};

// One log of a batch, under its heading: the listing on standard output, a
// refusal on standard error. Returns its exit status.
int ConvertInBatch(const RequestBase& base, const std::string& input, const std::string& dir,
                   BatchOutputs& outputs, std::ostream& out, std::ostream& err) {
  const std::string output = (fs::path(dir) / fs::path(input).filename()).string();
  const std::string heading = "==> " + input + " <==\n";
  if (const std::string* earlier = outputs.WrittenFor(output)) {
    out.flush();
    err << heading << "quorvel-convert: " << output << " already holds the conversion of "
        << *earlier << "\n\n";
    return 1;
  }
  const ConversionResult result = RunStreamConversion(MakeRequest(base, input, output));
  if (!result.ok()) {
    out.flush();
    err << heading;
    PrintRefusal(result, err);
    err << '\n';
    return 1;
  }
  outputs.Add(input, output);
  out << heading;
  for (const std::string& line : result.listing) out << line << '\n';
  return 0;
}

int ConvertBatch(const RequestBase& base, const std::string& dir,
                 const std::vector<std::string>& inputs, std::ostream& out, std::ostream& err) {
  if (inputs.empty()) return UsageError(err, "expected at least one INPUT with --output-dir");
  for (const std::string& input : inputs) {
    if (input == kStandardStream) {
      return UsageError(err,
                        "- has no place in a batch: every INPUT is a file, written to DIR under "
                        "its own file name");
    }
  }
  std::error_code error;
  if (!fs::is_directory(dir, error)) {
    return UsageError(err, "--output-dir: no folder '" + dir + "'");
  }
  BatchOutputs outputs;
  int status = 0;
  for (const std::string& input : inputs) {
    if (ConvertInBatch(base, input, dir, outputs, out, err) != 0) status = 1;
  }
  return status;
}

// Whether two names are one file: the same text, or (existing or not) the
// same place once both are made absolute and normal.
bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code error;
  if (fs::equivalent(a, b, error)) return true;
  const fs::path x = fs::weakly_canonical(a, error);
  if (error) return false;
  const fs::path y = fs::weakly_canonical(b, error);
  return !error && x == y;
}

// The files a run reads or writes besides the report.
std::vector<std::string> LogFiles(const Options& options) {
  std::vector<std::string> files;
  for (const std::string& path : options.paths) {
    if (path == kStandardStream) continue;
    files.push_back(path);
    if (options.outputDir)
      files.push_back((fs::path(*options.outputDir) / fs::path(path).filename()).string());
  }
  return files;
}

// The report would overwrite a log of the run: refused before anything is
// converted, as a run whose output names its input is.
bool ReportNamesALog(const Options& options) {
  if (*options.report == kStandardStream) return false;
  for (const std::string& file : LogFiles(options)) {
    if (SameFile(*options.report, file)) return true;
  }
  return false;
}

int WriteReport(const CountyReport& report, const std::string& path, int status, std::ostream& out,
                std::ostream& err) {
  if (report.logs().empty()) return status;
  const std::string text = FormatReport(report, ReportFormatFor(path));
  if (path == kStandardStream) {
    out << text;
    return status;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) {
    err << "ERROR: Could not write report file.\n";
    return 1;
  }
  return status;
}

}  // namespace

std::optional<RegionId> ParseRegion(std::string_view text) {
  if (!text.empty() && text.size() <= 2 &&
      text.find_first_not_of("0123456789") == std::string_view::npos) {
    const RegionId id = std::stoi(std::string(text));
    if (IsValidRegion(id)) return id;
    return std::nullopt;
  }
  for (RegionId id = 0; id < kRegionCount; ++id) {
    if (EqualsIgnoringCase(text, RegionAbbreviation(id)) ||
        EqualsIgnoringCase(text, RegionName(id))) {
      return id;
    }
  }
  return std::nullopt;
}

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  Options options;
  std::string problem;
  const Parsed parsed = ParseOptions(arguments, options, out, problem);
  if (parsed == Parsed::kDone) return 0;
  if (parsed == Parsed::kUsageError) return UsageError(err, problem);

  // Without --region the request itself refuses, exactly as the dialog would.
  RequestBase base;
  base.addMobile = options.addMobile ? 1 : 0;
  if (options.countyLines) {
    const std::optional<CountyLineForm> form = ParseCountyLineForm(*options.countyLines);
    if (!form) {
      return UsageError(err, "unknown county-line form '" + *options.countyLines +
                                 "' (split, split-usaca or single)");
    }
    base.countyLines = *form;
  }
  if (options.region && EqualsIgnoringCase(*options.region, "auto")) {
    base.regionFromLog = true;
  } else if (options.region) {
    const std::optional<RegionId> region = ParseRegion(*options.region);
    if (!region) {
      return UsageError(err, "unknown region '" + *options.region + "' (see --list-regions)");
    }
    base.region = *region;
  }
  if (base.regionFromLog && !options.paths.empty() && options.paths[0] == kStandardStream) {
    return UsageError(err,
                      "--region auto reads the log twice, first for its region: INPUT must be a "
                      "file, not standard input");
  }
  if (!options.outputDir && options.paths.size() != 2) {
    return UsageError(err, "expected INPUT and OUTPUT");
  }
  if (!options.report) {
    if (options.outputDir) return ConvertBatch(base, *options.outputDir, options.paths, out, err);
    return ConvertOne(base, options.paths[0], options.paths[1], out, err);
  }
  if (*options.report == kStandardStream && !options.outputDir &&
      options.paths[1] == kStandardStream) {
    return UsageError(err, "--report -: standard output already carries the converted log");
  }
  if (ReportNamesALog(options)) {
    err << "ERROR: The report file must not be the input or the output file.\n";
    return 1;
  }
  CountyReport report;
  base.report = &report;
  const int status = options.outputDir
                         ? ConvertBatch(base, *options.outputDir, options.paths, out, err)
                         : ConvertOne(base, options.paths[0], options.paths[1], out, err);
  if (status == 2) return status;
  return WriteReport(report, *options.report, status, out, err);
}

}  // namespace quorvel
