#include "cli/command_line.h"

#include <ostream>

#include "engine/ascii.h"
#include "engine/conversion_request.h"
#include "quorvel_version.h"

namespace quorvel {

namespace {

constexpr const char* kUsage =
    "Usage: quorvel-convert --region REGION [--no-mobile] INPUT OUTPUT\n"
    "       quorvel-convert --list-regions | --help | --version\n";

constexpr const char* kHelp =
    "Converts a contest log in ADIF so that every station's county stands in the\n"
    "CNTY field as state,county (MD,Anne Arundel), states go to STATE, and a\n"
    "county-line station gets one QSO per county.\n"
    "\n"
    "  --region REGION  the state or contest the log is for: a number 0-56, an\n"
    "                   abbreviation (PA, MARAC, 7QP) or a name (\"Pennsylvania\");\n"
    "                   --list-regions shows the choices\n"
    "  --no-mobile      do not add /M to a callsign whose portable suffix was the\n"
    "                   county\n"
    "  --list-regions   print id, abbreviation and name of every offered region\n"
    "  --help           print this help\n"
    "  --version        print the version\n"
    "\n"
    "Prints the conversion's messages and exits 0; prints a refused request's\n"
    "error and exits 1; exits 2 on a usage error.\n";

struct Options {
  std::optional<std::string> region;
  bool addMobile = true;
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
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
      options.paths.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      out << kUsage << '\n' << kHelp;
      return 0;
    } else if (argument == "--version") {
      out << "quorvel-convert (Quorvel) " QUORVEL_DISPLAY_VERSION "\n";
      return 0;
    } else if (argument == "--list-regions") {
      ListRegions(out);
      return 0;
    } else if (argument == "--no-mobile") {
      options.addMobile = false;
    } else if (argument == "--region") {
      if (i + 1 == arguments.size()) return UsageError(err, "--region needs a value");
      options.region = arguments[++i];
    } else if (argument.rfind("--region=", 0) == 0) {
      options.region = argument.substr(9);
    } else {
      return UsageError(err, "unknown option " + argument);
    }
  }
  if (options.paths.size() != 2) return UsageError(err, "expected INPUT and OUTPUT");

  // Without --region the request itself refuses, exactly as the dialog would.
  RegionId region = kNoRegion;
  if (options.region) {
    const std::optional<RegionId> parsed = ParseRegion(*options.region);
    if (!parsed) {
      return UsageError(err, "unknown region '" + *options.region + "' (see --list-regions)");
    }
    region = *parsed;
  }

  const ConversionResult result =
      RunConversion(options.paths[0], options.paths[1], region, options.addMobile ? 1 : 0);
  if (!result.ok()) {
    err << result.error << '\n';
    return 1;
  }
  for (const std::string& line : result.listing) out << line << '\n';
  return 0;
}

}  // namespace quorvel
