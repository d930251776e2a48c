#include "ui/about.h"

#include <algorithm>

namespace quorvel::ui {

namespace {

// The keyword is read from a working buffer of 24 characters.
constexpr std::size_t kRevisionBuffer = 23;

}  // namespace

std::string_view BuildDate() { return __DATE__; }

std::string RevisionNumber(std::string_view revision) {
  revision = revision.substr(0, kRevisionBuffer);
  int token = 0;
  std::size_t pos = 0;
  while (pos < revision.size()) {
    const std::size_t start = revision.find_first_not_of(' ', pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(revision.find(' ', start), revision.size());
    if (++token == 2) return std::string(revision.substr(start, end - start));
    pos = end;
  }
  return {};
}

std::string AboutText(std::string_view revision, std::string_view buildDate) {
  std::string text = "by " QUORVEL_MAKER_NAME "\nEmail: " QUORVEL_MAKER_EMAIL "\n\nVersion ";
  text += RevisionNumber(revision);
  text += '\n';
  text += buildDate;
  if (text.size() > kAboutTextLimit) text.resize(kAboutTextLimit);
  return text;
}

}  // namespace quorvel::ui
