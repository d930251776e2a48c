// One press of "Convert": the request is checked, the files opened, the log
// converted, and the run's messages returned as the lines of the list.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "counties/region_catalogue.h"
#include "engine/county_line_form.h"
#include "engine/platform/files.h"

namespace quorvel {
class CountyReport;
}

namespace quorvel {

struct ConversionResult {
  // Empty when the run took place; otherwise the one error text to show.
  std::string error;
  // The lines of the message list, when the run took place.
  std::vector<std::string> listing;
  // Set when the region was to come from the log and the log did not name
  // exactly one; error then says what it named.
  bool regionUnknown = false;
  // How many of listing's messages are information, warnings and errors (the
  // empty line after each list not counted), so that a caller can tell the
  // kind of every line.
  std::array<std::size_t, 3> listSizes{};

  bool ok() const { return error.empty(); }
};

ConversionResult RunConversion(const std::string& inputPath, const std::string& outputPath,
                               RegionId region, int addMobile);

// A request of the command line, where either file may be a standard stream
// and the region may be the one the log names.
struct StreamRequest {
  std::string inputPath;  // ignored for standard input
  std::string outputPath;
  bool standardInput = false;
  bool standardOutput = false;  // the listing then names no output file
  RegionId region = kNoRegion;
  // Take the region from the records' CONTEST_ID values instead. The input is
  // read twice, so it must be a file that can be read from its start again.
  bool regionFromLog = false;
  int addMobile = 1;
  // Filled with this log's counties when given; a batch hands the same one
  // to every log, for the sum.
  CountyReport* report = nullptr;
  CountyLineForm countyLines = CountyLineForm::kSplit;
};

ConversionResult RunStreamConversion(const StreamRequest& request);

// The conversion of request over files already open, for region: the last
// step of RunStreamConversion, open to streams of any kind.
ConversionResult ConvertOpenFiles(const StreamRequest& request, RegionId region,
                                  std::unique_ptr<InputFile> input,
                                  std::unique_ptr<OutputFile> output);

}  // namespace quorvel
