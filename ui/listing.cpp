#include "ui/listing.h"

namespace quorvel::ui {

std::vector<std::string> ListingLines(const std::vector<std::string>& listing) {
  std::vector<std::string> lines;
  lines.reserve(listing.size());
  for (const std::string& message : listing) {
    std::size_t start = 0;
    for (std::size_t lf = message.find('\n'); lf != std::string::npos;
         lf = message.find('\n', start)) {
      lines.push_back(message.substr(start, lf - start));
      start = lf + 1;
    }
    lines.push_back(message.substr(start));
  }
  return lines;
}

}  // namespace quorvel::ui
