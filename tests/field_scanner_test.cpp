#include "engine/field_scanner.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct Tag {
  std::string name;
  std::string value;
  bool hasValue;
  long long declared;
  bool operator==(const Tag& o) const {
    return name == o.name && value == o.value && hasValue == o.hasValue && declared == o.declared;
  }
};

std::ostream& operator<<(std::ostream& out, const Tag& t) {
  return out << '<' << t.name
             << (t.hasValue ? ":" + std::to_string(t.declared) + ">" + t.value : ">");
}

std::vector<Tag> Scan(std::string_view line) {
  std::vector<Tag> tags;
  std::size_t position = 0;
  ScannedTag tag;
  while (ScanTag(line, position, tag) == ScanResult::kTag) {
    tags.push_back(
        {std::string(tag.name), std::string(tag.value), tag.hasValue, tag.declaredLength});
  }
  return tags;
}

struct ScanCase {
  const char* name;
  const char* line;
  std::vector<Tag> tags;
};

TEST(FieldScanner, ScansTagsByTheForgivingRules) {
  const ScanCase cases[] = {
      {"plain fields",
       " <CALL:4>W1AW <BAND:3>20M <EOR>\n",
       {{"CALL", "W1AW", true, 4}, {"BAND", "20M", true, 3}, {"EOR", "", false, 0}}},
      {"length too long is cut at the next tag",
       "<CALL:10>W9ABC<BAND:3>20M\n",
       {{"CALL", "W9ABC", true, 10}, {"BAND", "20M", true, 3}}},
      {"length too long at the end of a line takes the line end",
       "<CALL:20>W9ABC\n",
       {{"CALL", "W9ABC\n", true, 20}}},
      {"length shorter than the text",
       "<CALL:2>W9ABC<EOR>",
       {{"CALL", "W9", true, 2}, {"EOR", "", false, 0}}},
      {"length 0", "<COMMENT:0><EOR>", {{"COMMENT", "", true, 0}, {"EOR", "", false, 0}}},
      {"missing number reads 0",
       "<COMMENT:>abc<EOR>",
       {{"COMMENT", "", true, 0}, {"EOR", "", false, 0}}},
      {"data type indicator skipped",
       "<QSO_DATE:8:D>20240504",
       {{"QSO_DATE", "20240504", true, 8}}},
      {"blanks and sign in the length", "<CALL: +4>W1AW", {{"CALL", "W1AW", true, 4}}},
      {"negative length counts as 0",
       "<CALL:-5>W1AW<EOR>",
       {{"CALL", "", true, -5}, {"EOR", "", false, 0}}},
      {"huge length takes the rest of the line",
       "<CALL:1099511627776>W1AW",
       {{"CALL", "W1AW", true, 1099511627776LL}}},
      {"stray text and '>' skipped", "junk > <CALL:4>W1AW", {{"CALL", "W1AW", true, 4}}},
      {"name holding EOR", "<GEORGIA:2>GA", {{"GEORGIA", "GA", true, 2}}},
      {"'<' with no ':' or '>' ends the line",
       "<CALL:4>W1AW <BAND 20M",
       {{"CALL", "W1AW", true, 4}}},
      {"':' with no '>' ends the line", "<CALL:4>W1AW <BAND:3", {{"CALL", "W1AW", true, 4}}},
      {"'<' at the end of the line", "<CALL:4>W1AW<", {{"CALL", "W1AW", true, 4}}},
      {"empty name", "<:3>abc<>", {{"", "abc", true, 3}, {"", "", false, 0}}},
      {"no tags", "just text\n", {}},
      {"bytes of any value", "<N\xe9:2>\xff\x80", {{"N\xe9", "\xff\x80", true, 2}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Scan(c.line), c.tags) << c.name;
}

TEST(FieldScanner, ReadsLengthsLikeAtoi) {
  EXPECT_EQ(ReadDeclaredLength("12"), 12);
  EXPECT_EQ(ReadDeclaredLength("6:N"), 6);
  EXPECT_EQ(ReadDeclaredLength("  -3"), -3);
  EXPECT_EQ(ReadDeclaredLength("x5"), 0);
  EXPECT_EQ(ReadDeclaredLength(""), 0);
  EXPECT_GT(ReadDeclaredLength("99999999999999999999999999999"), 1'000'000'000'000LL);
}

}  // namespace
}  // namespace quorvel
