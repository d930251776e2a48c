// The pieces the log generator builds a log from: a seeded random source and
// records drafted as tokens, each knowing what the reader makes of it.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "counties/region_catalogue.h"
#include "tests/county_model.h"

namespace quorvel::testing::generator {

// Draws from a fixed engine so that a seed gives the same log everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(engine_() % n); }
  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
  template <typename List>
  const auto& Pick(const List& list) {
    return list[Below(std::size(list))];
  }
  std::string Letters(std::size_t count, char first = 'A');

 private:
  std::mt19937_64 engine_;
};

// One piece of a record's text.
struct Token {
  std::string text;
  bool completeTag = true;  // false for noise that gives no field
  bool endsLine = false;    // a line end must follow
  bool modelled = false;    // field matters to the outcome: call, comment, county, end tag
  ModelField field;
  std::string setsDate;  // YYYYMMDD read from a QSO_DATE
  std::string setsTime;  // HHMMSS read from a TIME_ON
  std::string error;     // the error a TIME_ON of the wrong length gives
};

struct LogStyle {
  RegionId region = kPennsylvania;
  int addMobile = 1;
  bool clean = false;  // only values that convert, no comment numbers
};

struct RecordDraft {
  std::string id;
  std::vector<Token> tokens;  // the end tag last
  bool reconversionIdentical = true;
};

RecordDraft DraftRecord(Random& random, const LogStyle& style, int index);

// "<name:length>value", with the value's own length.
std::string Tag(const std::string& name, const std::string& value);

// A field that matters to the outcome, and one that does not.
Token Modelled(const std::string& name, const std::string& value);
Token Plain(const std::string& text, bool completeTag = true);

Token DateToken(Random& random);
Token TimeToken(Random& random);
// A field no rule looks at, sometimes with a broken length or a stray '<'.
Token Filler(Random& random);
// A stray '<' or a tag cut off by the line end: no field at all.
Token Noise(Random& random);
// A comment, perhaps with a leading number; identical is cleared when the
// comment splits again on a second conversion.
Token CommentToken(Random& random, const LogStyle& style, bool& identical);

}  // namespace quorvel::testing::generator
