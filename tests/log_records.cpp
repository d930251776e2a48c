// Drafts one record of a generated log: its county-bearing fields of every
// kind (county lines included), a callsign that may carry the county as a
// portable suffix, the other fields, the record's id and its end tag.
#include <algorithm>
#include <array>

#include "counties/canadian_sections.h"
#include "engine/field_rewriting.h"
#include "tests/log_generator_parts.h"

namespace quorvel::testing::generator {

namespace {

// Every name of a county-bearing field, and "CNTY" in two more letter cases.
std::vector<std::string> CountyFieldSpellings() {
  std::vector<std::string> names(CountyFieldNames.begin(), CountyFieldNames.end());
  names.emplace_back("cnty");
  names.emplace_back("Cnty");
  return names;
}

const std::vector<std::string> kCountyFieldNames = CountyFieldSpellings();

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Lower);
  return text;
}

// Upper case mostly; sometimes lower or mixed, as loggers and hands write them.
std::string InSomeCase(Random& random, const std::string& text) {
  const std::size_t style = random.Below(10);
  if (style < 6) return text;
  if (style < 8) return Lowered(text);
  std::string mixed = text;
  for (char& c : mixed) {
    if (random.Chance(50)) c = Lower(c);
  }
  return mixed;
}

std::string StateValue(Random& random) {
  return std::string(RegionCatalogue[random.Below(kFirstContest)].abbreviation);
}

std::string CanadianValue(Random& random) {
  if (random.Chance(50)) return std::string(random.Pick(CanadianAreaCodes));
  return std::string(random.Pick(CanadianAreaAliases).alias);
}

// A Pennsylvania section that is neither a state nor Canadian.
std::string SectionValue(Random& random) {
  for (;;) {
    const SectionState& row = random.Pick(SectionStateTable);
    const std::string section(row.section);
    const ValueOutcome outcome = ExpectResolution(kPennsylvania, "QTH", section, "");
    if (outcome.name == "STATE" && section.size() == 3) return section;
  }
}

// Holds a digit, so no table, state or province can match it.
std::string UnknownValue(Random& random) {
  if (random.Chance(5)) return "X9" + random.Letters(150);
  if (random.Chance(5))
    return "Q\xe9"
           "7";
  return random.Letters(1) + std::to_string(random.Below(10)) + random.Letters(random.Below(3));
}

struct CountyDraft {
  std::vector<Token> tokens;
  std::vector<std::string> suffixes;  // values a portable callsign may end in
};

void AddCountyValue(Random& random, CountyDraft& draft, const std::string& value) {
  draft.tokens.push_back(Modelled(random.Pick(kCountyFieldNames), value));
}

// One county-bearing field that is no county of the region.
void AddOtherValue(Random& random, const LogStyle& style, CountyDraft& draft) {
  const std::vector<ConvertingKey>& keys = ConvertingKeys(style.region);
  const std::size_t kind = random.Below(style.clean ? 60 : 100);
  std::string value;
  if (kind < 20) {
    value = InSomeCase(random, StateValue(random));
  } else if (kind < 32) {
    value = InSomeCase(random, CanadianValue(random));
  } else if (kind < 44) {
    // Already converted: a comma keeps it as it is, in any case.
    value = keys.empty() ? "MD,Anne Arundel" : random.Pick(keys).county;
    if (random.Chance(20)) value = Lowered(value);
  } else if (kind < 52) {
    value = style.region == kPennsylvania ? InSomeCase(random, SectionValue(random)) : "dx";
  } else if (kind < 60) {
    value = style.region == kNaqp ? "John " + StateValue(random) : "DX";
  } else if (kind < 68 && style.region == kMulti) {
    value = "nvcar";
  } else if (kind < 76 && style.region == kNaqp) {
    value = "Sue " + std::string(random.Pick(CanadianAreaCodes));
  } else {
    value = InSomeCase(random, UnknownValue(random));
  }
  AddCountyValue(random, draft, value);
}

// No county, one, or a county line of two to six distinct counties.
CountyDraft DraftCounties(Random& random, const LogStyle& style) {
  CountyDraft draft;
  const std::vector<ConvertingKey>& keys = ConvertingKeys(style.region);
  const std::size_t roll = random.Below(100);
  const std::size_t counties = keys.empty() || roll < 25 ? 0 : roll < 65 ? 1 : 2 + random.Below(5);
  std::vector<std::size_t> chosen;
  while (chosen.size() < std::min(counties, keys.size())) {
    const std::size_t index = random.Below(keys.size());
    if (std::find(chosen.begin(), chosen.end(), index) == chosen.end()) chosen.push_back(index);
  }
  for (const std::size_t index : chosen) {
    draft.suffixes.push_back(keys[index].key);
    AddCountyValue(random, draft, InSomeCase(random, keys[index].key));
  }
  // The same county twice, as a key again or already converted: one QSO for it.
  if (!chosen.empty() && random.Chance(15)) {
    const ConvertingKey& again = keys[random.Pick(chosen)];
    const bool converted = random.Chance(50);
    draft.tokens.push_back(Modelled(converted ? "CNTY" : random.Pick(kCountyFieldNames),
                                    converted ? again.county : InSomeCase(random, again.key)));
  }
  const std::size_t others = random.Chance(60) ? 0 : 1 + random.Below(2);
  for (std::size_t i = 0; i < others; ++i) AddOtherValue(random, style, draft);
  return draft;
}

std::string Callsign(Random& random, const std::vector<std::string>& suffixes) {
  static constexpr std::array<const char*, 7> kPrefixes = {"K", "W", "N", "KB", "WA", "AA", "VE"};
  const std::string base = random.Pick(kPrefixes) + std::to_string(random.Below(10)) +
                           random.Letters(2 + random.Below(2));
  const std::size_t roll = random.Below(100);
  if (!suffixes.empty() && roll < 30) return base + "/" + random.Pick(suffixes);
  // The comparison with the county is exact: a callsign in lower case keeps its suffix.
  if (!suffixes.empty() && roll < 35) return Lowered(base + "/" + random.Pick(suffixes));
  if (roll < 40) return base + "/QRP";
  if (roll < 42) return base + "/" + std::string(120, 'P');
  if (roll < 43) return base + "\xe9";
  return base;
}

Token EndTag(Random& random) {
  const std::size_t roll = random.Below(100);
  Token token = Modelled(roll < 60 ? "EOR" : "eor", "");
  token.field.hasValue = roll >= 95;
  token.text = roll >= 95 ? "<EOR:0>" : "<" + token.field.name + ">";
  return token;
}

}  // namespace

RecordDraft DraftRecord(Random& random, const LogStyle& style, int index) {
  RecordDraft record;
  CountyDraft counties = DraftCounties(random, style);
  std::vector<Token> tokens;
  if (random.Chance(80)) tokens.push_back(DateToken(random));
  if (random.Chance(80)) tokens.push_back(TimeToken(random));
  if (random.Chance(95)) {
    static constexpr std::array<const char*, 4> kCall = {"CALL", "CALL", "call", "Call"};
    tokens.push_back(Modelled(random.Pick(kCall), Callsign(random, counties.suffixes)));
  }
  for (std::size_t n = random.Below(8); n > 0; --n) tokens.push_back(Filler(random));
  if (random.Chance(30))
    tokens.push_back(CommentToken(random, style, record.reconversionIdentical));
  for (Token& token : counties.tokens) tokens.push_back(std::move(token));
  record.id = std::to_string(100000 + index);
  tokens.push_back(Plain(Tag("STX", record.id)));
  if (random.Chance(5)) tokens.push_back(Noise(random));
  // Fields in any order: a county before the callsign is reported without one.
  if (random.Chance(25)) {
    for (std::size_t i = tokens.size(); i > 1; --i)
      std::swap(tokens[i - 1], tokens[random.Below(i)]);
  }
  tokens.push_back(EndTag(random));
  record.tokens = std::move(tokens);
  return record;
}

}  // namespace quorvel::testing::generator
