// The tokens of a generated record that are not county values: date and time,
// filler fields (some with broken lengths or a stray '<'), noise and comments.
#include <array>

#include "tests/log_generator_parts.h"

namespace quorvel::testing::generator {

namespace {

std::string TwoDigits(std::size_t n) {
  return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

// A length that does not fit the value: the value read differs, nothing else.
std::string BrokenLength(Random& random, const std::string& name, const std::string& value) {
  static constexpr std::array<const char*, 4> kLengths = {"-3", "1099511627776",
                                                          "99999999999999999999", ""};
  std::string length;
  switch (random.Below(3)) {
    case 0:
      length = std::to_string(value.size() + 1 + random.Below(50));
      break;
    case 1:
      length = std::to_string(value.empty() ? 0 : value.size() - 1);
      break;
    default:
      length = random.Pick(kLengths);
  }
  return "<" + name + ":" + length + ">" + value;
}

std::string PersonName(Random& random) {
  switch (random.Below(6)) {
    case 0:
      return "Bob";
    case 1:
      return "Mar\xed"
             "a";
    case 2:
      return "J\xf6rg";
    case 3:
      return "Sue Ann";
    case 4:
      return std::string("Al\0x", 4);
    default:
      return "Zo\re";
  }
}

}  // namespace

std::string Random::Letters(std::size_t count, char first) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text.push_back(static_cast<char>(first + Below(26)));
  return text;
}

std::string Tag(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

Token Modelled(const std::string& name, const std::string& value) {
  Token token;
  token.text = Tag(name, value);
  token.modelled = true;
  token.field = {name, value, true};
  return token;
}

Token Plain(const std::string& text, bool completeTag) {
  Token token;
  token.text = text;
  token.completeTag = completeTag;
  return token;
}

Token DateToken(Random& random) {
  static constexpr std::array<const char*, 9> kDates = {
      "20240504", "20241012", "20231231", "20240229", "19650704",
      "20250101", "20240817", "20240310", "20241103",
  };
  // The two daylight-saving changeover days, last in the list, come rarely.
  const std::string date = kDates[random.Below(random.Chance(90) ? 7 : 9)];
  static constexpr std::array<const char*, 3> kNames = {"QSO_DATE", "qso_date", "QSO_Date"};
  Token token = Plain(random.Chance(10) ? "<QSO_DATE:8:D>" + date : Tag(random.Pick(kNames), date));
  token.setsDate = date;
  return token;
}

Token TimeToken(Random& random) {
  static constexpr std::array<const char*, 3> kNames = {"TIME_ON", "time_on", "Time_On"};
  const std::string name = random.Pick(kNames);
  if (random.Chance(8)) {
    // A length that is neither 4 nor 6: reported, and the time stays as it was.
    static constexpr std::array<const char*, 4> kBad = {"14305", "143", "", "1"};
    const std::string value = random.Chance(20) ? std::string(300, '7') : random.Pick(kBad);
    Token token = Plain(value.empty() && random.Chance(50) ? "<" + name + ">" : Tag(name, value));
    token.error = "Could not parse time " + value;
    return token;
  }
  std::string hhmmss =
      TwoDigits(random.Below(24)) + TwoDigits(random.Below(60)) + TwoDigits(random.Below(60));
  if (random.Chance(10)) hhmmss = random.Chance(50) ? "235959" : "013000";
  const bool four = random.Chance(40);
  Token token = Plain(Tag(name, four ? hhmmss.substr(0, 4) : hhmmss));
  token.setsTime = four ? hhmmss.substr(0, 4) + "00" : hhmmss;
  return token;
}

Token Filler(Random& random) {
  const std::size_t kind = random.Below(100);
  std::string name = "APP_N1MM_POINTS";
  std::string value = std::to_string(random.Below(10));
  if (kind < 15) {
    name = "BAND";
    value = random.Chance(50) ? "20M" : "40M";
  } else if (kind < 25) {
    name = "MODE";
    value = random.Chance(50) ? "CW" : "SSB";
  } else if (kind < 35) {
    return Plain(random.Chance(50) ? "<FREQ:6:N>14.025" : Tag("FREQ", "7.0312"));
  } else if (kind < 50) {
    name = random.Chance(50) ? "RST_SENT" : "RST_RCVD";
    value = "599";
  } else if (kind < 60) {
    name = "NAME";
    value = PersonName(random);
  } else if (kind < 66) {
    name = "Qth";  // not county-bearing: only CNTY matches in any case
    value = "cen";
  } else if (kind < 72) {
    name = "COMMENT";  // only "comment" loses its number
    value = "12 upper-case name";
  } else if (kind < 80) {
    name = random.Chance(50) ? "APP_WRITELOG_RST" : "APP_WRITELOG_SNT";
    value = "59";
  } else if (kind < 84) {
    return Plain("<QSL_RCVD>");
  } else if (kind < 85) {
    name = "NOTES";
    value = random.Letters(1000 + random.Below(30000), 'a');
  }
  if (random.Chance(8)) return Plain(BrokenLength(random, name, value));
  // A '<' inside a value cuts it there; what follows joins the next tag's name.
  if (random.Chance(3)) return Plain(Tag(name, "ab<cd") + " " + Tag("RST_SENT", "599"));
  return Plain(Tag(name, value));
}

Token Noise(Random& random) {
  static constexpr std::array<const char*, 4> kNoise = {"<", "<NAME:5", "<NAM", "<FREQ:4:N"};
  Token token = Plain(random.Pick(kNoise), false);
  token.endsLine = true;
  return token;
}

Token CommentToken(Random& random, const LogStyle& style, bool& identical) {
  struct Template {
    const char* text;
    bool number;  // a leading number above 0: it becomes an SRX field
  };
  static constexpr std::array<Template, 11> kTemplates = {{
      {"12 good signal", true},
      {"0 ABC", false},
      {"ABC 12", false},
      {" 7 leading blank", true},
      {"599 MD  ", true},
      {"42", true},
      {"3 4 5", true},
      {"", false},
      {"nice QSO   ", false},
      {"+8 plus", true},
      {"-3 minus", false},
  }};
  const Template* chosen = &random.Pick(kTemplates);
  while (style.clean && chosen->number) chosen = &random.Pick(kTemplates);
  // "3 4 5" leaves "4 5", which splits again when the output is converted.
  if (std::string_view(chosen->text) == "3 4 5") identical = false;
  return Modelled("comment", chosen->text);
}

}  // namespace quorvel::testing::generator
