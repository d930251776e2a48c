// How a QSO on a county line is written: award loggers credit every county
// and want a QSO for each; online logbooks merge QSOs of one call, band and
// mode made close together, so for them one record must carry the line.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvel {

enum class CountyLineForm {
  kSplit,       // one QSO per county, each one second after the one before
  kSplitUsaca,  // the same, a two-county line also named in USACA_COUNTIES
  kSingle,      // one record: the first county in CNTY, two in USACA_COUNTIES
};

struct CountyLineFormText {
  CountyLineForm form;
  std::string_view name;     // as the command line takes it
  std::string_view caption;  // as a list of choices shows it
};

inline constexpr std::array<CountyLineFormText, 3> CountyLineForms = {{
    {CountyLineForm::kSplit, "split", "One QSO per county"},
    {CountyLineForm::kSplitUsaca, "split-usaca", "One QSO per county, with USACA_COUNTIES"},
    {CountyLineForm::kSingle, "single", "One record per QSO, with USACA_COUNTIES"},
}};

constexpr std::optional<CountyLineForm> ParseCountyLineForm(std::string_view name) {
  for (const CountyLineFormText& text : CountyLineForms) {
    if (text.name == name) return text.form;
  }
  return std::nullopt;
}

}  // namespace quorvel
