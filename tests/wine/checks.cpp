#include "tests/wine/checks.h"

namespace quorvel::wine {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Quoted(const std::vector<std::string>& lines) {
  std::string out = "[";
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? ", " : "") + Quoted(lines[i]);
  return out + "]";
}

bool Checks::Expect(bool ok, const std::string& what, const std::string& detail) {
  (ok ? passed_ : failed_)++;
  Print((ok ? "ok:   " : "FAIL: ") + what + (ok || detail.empty() ? "" : " -- " + detail));
  return ok;
}

void Checks::Note(const std::string& text) { Print("note: " + text); }

bool Checks::Summary() {
  Print(std::to_string(passed_) + " passed, " + std::to_string(failed_) + " failed");
  return failed_ == 0 && passed_ > 0;
}

void Checks::Print(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
  if (report_ != nullptr) {
    std::fputs((line + "\n").c_str(), report_);
    std::fflush(report_);
  }
}

}  // namespace quorvel::wine
