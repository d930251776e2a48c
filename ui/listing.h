// The lines a message list shows for a run's listing. A list item cannot
// break a line, so a message that holds line feeds (the summary after
// county-line QSOs begins with one) becomes one item per line, the way the
// command line prints it; every window shows these same items.
#pragma once

#include <string>
#include <vector>

namespace quorvel::ui {

std::vector<std::string> ListingLines(const std::vector<std::string>& listing);

}  // namespace quorvel::ui
