// One press of "Convert": the request is checked, the files opened, the log
// converted, and the run's messages returned as the lines of the list.
#pragma once

#include <string>
#include <vector>

#include "counties/region_catalogue.h"

namespace quorvel {

struct ConversionResult {
  // Empty when the run took place; otherwise the one error text to show.
  std::string error;
  // The lines of the message list, when the run took place.
  std::vector<std::string> listing;

  bool ok() const { return error.empty(); }
};

ConversionResult RunConversion(const std::string& inputPath, const std::string& outputPath,
                               RegionId region, int addMobile);

}  // namespace quorvel
