// Writes a large contest log in the style of N1MM Logger+ exports, for the
// benchmarks and for comparing two builds' output: one record per line
// beginning with a blank, CR LF line ends, county values of the chosen region
// in APP_N1MM_EXCHANGE1, QTH or CNTY, county lines, states, Canadian areas and
// a few unknown values. The same seed always gives the same bytes. With
// --one-line every record stands on one line after the header.
//
//   quorvel-make-log --region REGION --qsos N [--seed S] [--county-lines PCT]
//                    [--warnings PCT] [--edge-times] [--one-line] OUTPUT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/log_generator.h"
#include "cli/command_line.h"

namespace {

int Usage(const char* problem) {
  std::fprintf(stderr,
               "quorvel-make-log: %s\n"
               "Usage: quorvel-make-log --region REGION --qsos N [--seed S]\n"
               "                        [--county-lines PCT] [--warnings PCT] [--edge-times]\n"
               "                        [--one-line] OUTPUT\n",
               problem);
  return 2;
}

bool ParseNumber(const char* text, double& number) {
  char* end = nullptr;
  number = std::strtod(text, &end);
  return end != text && *end == '\0' && number >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  quorvel::bench::LogOptions options;
  const char* region = nullptr;
  const char* output = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    double number = 0;
    if (argument == "--region" && hasValue) {
      region = argv[++i];
    } else if (argument == "--qsos" && hasValue && ParseNumber(argv[++i], number)) {
      options.qsos = static_cast<long long>(number);
    } else if (argument == "--seed" && hasValue && ParseNumber(argv[++i], number)) {
      options.seed = static_cast<unsigned long long>(number);
    } else if (argument == "--county-lines" && hasValue && ParseNumber(argv[++i], number)) {
      options.countyLinePercent = number;
    } else if (argument == "--warnings" && hasValue && ParseNumber(argv[++i], number)) {
      options.warningPercent = number;
    } else if (argument == "--edge-times") {
      options.edgeTimes = true;
    } else if (argument == "--one-line") {
      options.oneLine = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Usage(("bad option or value: " + argument).c_str());
    } else if (output == nullptr) {
      output = argv[i];
    } else {
      return Usage("only one OUTPUT");
    }
  }
  if (region == nullptr || output == nullptr) return Usage("--region and OUTPUT are needed");
  const auto id = quorvel::ParseRegion(region);
  if (!id) return Usage("unknown region");
  options.region = *id;

  std::FILE* file = std::strcmp(output, "-") == 0 ? stdout : std::fopen(output, "wb");
  if (file == nullptr) return Usage("cannot create OUTPUT");
  std::string problem;
  const bool written = quorvel::bench::WriteLog(options, file, problem);
  const bool closed = file == stdout ? std::fflush(file) == 0 : std::fclose(file) == 0;
  if (!written || !closed) {
    std::fprintf(stderr, "quorvel-make-log: %s\n",
                 problem.empty() ? "write failed" : problem.c_str());
    return 1;
  }
  return 0;
}
