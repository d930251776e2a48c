// The command-line front end: quorvel-convert --region REGION [--no-mobile] INPUT OUTPUT
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "counties/region_catalogue.h"

namespace quorvel {

// A RegionId number (0-56), an abbreviation (PA, 7QP) or a display name
// ("7-Land QSO Party"), letter case ignored.
std::optional<RegionId> ParseRegion(std::string_view text);

// Runs the program on its arguments (without the program name); returns the
// exit code: 0 converted, 1 the request was refused, 2 a usage error.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace quorvel
