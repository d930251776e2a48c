#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "counties/county_lookups.h"
#include "counties/county_table.h"
#include "counties/region_catalogue.h"
#include "counties/region_tables.h"

namespace quorvel {
namespace {

using StateLookupFn = std::optional<std::string_view> (*)(std::string_view);
using ContestLookupFn = std::optional<CountyMatch> (*)(std::string_view);

RegionId RegionOf(std::string_view abbreviation) {
  for (RegionId region = 0; region < kRegionCount; ++region) {
    if (RegionAbbreviation(region) == abbreviation) return region;
  }
  return kNoRegion;
}

struct StateLookupEntry {
  const char* state;
  StateLookupFn lookup;
};

const StateLookupEntry kStateLookups[] = {
    {"AL", LookupAlabamaCounty},      {"CA", LookupCaliforniaCounty},
    {"CO", LookupColoradoCounty},     {"DE", LookupDelawareCounty},
    {"FL", LookupFloridaCounty},      {"GA", LookupGeorgiaCounty},
    {"HI", LookupHawaiiCounty},       {"IA", LookupIowaCounty},
    {"ID", LookupIdahoCounty},        {"IL", LookupIllinoisCounty},
    {"IN", LookupIndianaCounty},      {"KS", LookupKansasCounty},
    {"KY", LookupKentuckyCounty},     {"LA", LookupLouisianaCounty},
    {"MD", LookupMarylandCounty},     {"MI", LookupMichiganCounty},
    {"MN", LookupMinnesotaCounty},    {"MO", LookupMissouriCounty},
    {"MS", LookupMississippiCounty},  {"NC", LookupNorthCarolinaCounty},
    {"ND", LookupNorthDakotaCounty},  {"NE", LookupNebraskaCounty},
    {"NJ", LookupNewJerseyCounty},    {"NV", LookupNevadaCounty},
    {"NY", LookupNewYorkCounty},      {"OH", LookupOhioCounty},
    {"OK", LookupOklahomaCounty},     {"OR", LookupOregonCounty},
    {"PA", LookupPennsylvaniaCounty}, {"SC", LookupSouthCarolinaCounty},
    {"TN", LookupTennesseeCounty},    {"TX", LookupTexasCounty},
    {"VA", LookupVirginiaCounty},     {"VT", LookupVermontCounty},
    {"WA", LookupWashingtonCounty},   {"WI", LookupWisconsinCounty},
    {"WV", LookupWestVirginiaCounty},
};

struct ContestLookupEntry {
  const char* contest;
  ContestLookupFn lookup;
};

const ContestLookupEntry kContestLookups[] = {
    {"MARAC", LookupMaracCounty}, {"MAQP", LookupMaqpCounty},   {"NEQP", LookupNeqpCounty},
    {"7QP", LookupSevenQpCounty}, {"USCQP", LookupUscqpCounty},
};

// The table of a region; an empty one (and a failure) when it has none.
const StateCountyTable& StateTable(std::string_view state) {
  static const StateCountyTable kNone = {"", nullptr, 0};
  const StateCountyTable* table = StateCountyTableFor(RegionOf(state));
  if (table == nullptr) ADD_FAILURE() << "no county table for " << state;
  return table != nullptr ? *table : kNone;
}

const ContestCountyTable& ContestTable(std::string_view contest) {
  static const ContestCountyTable kNone = {"", nullptr, 0};
  const ContestCountyTable* table = ContestCountyTableFor(RegionOf(contest));
  if (table == nullptr) ADD_FAILURE() << "no county table for " << contest;
  return table != nullptr ? *table : kNone;
}

StateLookupFn StateLookup(std::string_view state) {
  for (const auto& entry : kStateLookups) {
    if (entry.state == state) return entry.lookup;
  }
  ADD_FAILURE() << "no lookup for " << state;
  return nullptr;
}

ContestLookupFn ContestLookup(std::string_view contest) {
  for (const auto& entry : kContestLookups) {
    if (entry.contest == contest) return entry.lookup;
  }
  ADD_FAILURE() << "no lookup for " << contest;
  return nullptr;
}

// Texts near a key that must find nothing unless they are keys themselves:
// every proper beginning, the key with one more letter, lower case, blanks.
std::vector<std::string> NearMisses(std::string_view key) {
  std::vector<std::string> texts;
  for (std::size_t n = 0; n < key.size(); ++n) texts.emplace_back(key.substr(0, n));
  for (char c = 'A'; c <= 'Z'; ++c) texts.push_back(std::string(key) + c);
  std::string lower(key);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  texts.push_back(lower);
  texts.push_back(std::string(key) + ' ');
  texts.push_back(' ' + std::string(key));
  return texts;
}

// Distinct county names of one state, as a contest table holds them.
std::set<std::string_view> ContestCounties(const ContestCountyTable& table,
                                           std::string_view state) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < table.rowCount; ++i) {
    if (table.rows[i].state == state) names.insert(table.rows[i].county);
  }
  return names;
}

std::set<std::string_view> StateCounties(const StateCountyTable& table) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < table.rowCount; ++i) names.insert(table.rows[i].county);
  return names;
}

// ---------------------------------------------------------------------------
// Region to table.

TEST(CountyTables, ThirtySevenStatesHaveATableWithTheirRowCount) {
  const std::map<std::string_view, std::size_t> rows = {
      {"AL", 133}, {"CA", 136}, {"CO", 64},  {"DE", 3},   {"FL", 69},  {"GA", 159}, {"HI", 8},
      {"IA", 99},  {"ID", 43},  {"IL", 102}, {"IN", 92},  {"KS", 105}, {"KY", 120}, {"LA", 64},
      {"MD", 24},  {"MI", 83},  {"MN", 87},  {"MO", 115}, {"MS", 163}, {"NC", 100}, {"ND", 53},
      {"NE", 93},  {"NJ", 42},  {"NV", 16},  {"NY", 62},  {"OH", 88},  {"OK", 77},  {"OR", 36},
      {"PA", 67},  {"SC", 91},  {"TN", 95},  {"TX", 254}, {"VA", 95},  {"VT", 14},  {"WA", 39},
      {"WI", 72},  {"WV", 55},
  };
  for (RegionId region = 0; region < kFirstContest; ++region) {
    const auto abbreviation = RegionAbbreviation(region);
    const StateCountyTable* table = StateCountyTableFor(region);
    EXPECT_EQ(ContestCountyTableFor(region), nullptr) << abbreviation;
    const auto expected = rows.find(abbreviation);
    if (expected == rows.end()) {
      EXPECT_EQ(table, nullptr) << abbreviation;
      continue;
    }
    ASSERT_NE(table, nullptr) << abbreviation;
    EXPECT_EQ(table->rowCount, expected->second) << abbreviation;
    EXPECT_EQ(table->name, RegionName(region));
  }
}

TEST(CountyTables, TheStatesWithoutATableAreExactlyTheThirteen) {
  std::vector<std::string_view> without;
  for (RegionId region = 0; region < kFirstContest; ++region) {
    if (StateCountyTableFor(region) == nullptr) without.push_back(RegionAbbreviation(region));
  }
  const std::vector<std::string_view> expected = {"AK", "AR", "AZ", "CT", "MA", "ME", "MT",
                                                  "NH", "NM", "RI", "SD", "UT", "WY"};
  EXPECT_EQ(without, expected);
}

TEST(CountyTables, FiveContestsHaveATableNaqpAndMultiNone) {
  const std::map<std::string_view, std::size_t> rows = {
      {"MARAC", 3077}, {"MAQP", 327}, {"NEQP", 134}, {"7QP", 258}, {"USCQP", 3077}};
  for (RegionId region = kFirstContest; region < kRegionCount; ++region) {
    const auto abbreviation = RegionAbbreviation(region);
    EXPECT_EQ(StateCountyTableFor(region), nullptr) << abbreviation;
    const ContestCountyTable* table = ContestCountyTableFor(region);
    const auto expected = rows.find(abbreviation);
    if (expected == rows.end()) {
      EXPECT_EQ(table, nullptr) << abbreviation;
      continue;
    }
    ASSERT_NE(table, nullptr) << abbreviation;
    EXPECT_EQ(table->rowCount, expected->second) << abbreviation;
    EXPECT_EQ(table->name, abbreviation);
  }
  EXPECT_EQ(ContestCountyTableFor(kNaqp), nullptr);
  EXPECT_EQ(ContestCountyTableFor(kMulti), nullptr);
}

TEST(CountyTables, IdsOutsideTheCatalogueHaveNoTable) {
  for (const RegionId region : {kNoRegion, -2, kRegionCount, 1000}) {
    EXPECT_EQ(StateCountyTableFor(region), nullptr) << region;
    EXPECT_EQ(ContestCountyTableFor(region), nullptr) << region;
  }
}

TEST(CountyTables, TheListsOfAllTablesMatchTheRegionLookups) {
  RegionId previous = kNoRegion;
  for (const StateTableEntry& entry : kAllStateCountyTables) {
    EXPECT_GT(entry.region, previous);
    previous = entry.region;
    EXPECT_EQ(StateCountyTableFor(entry.region), entry.table) << entry.region;
  }
  for (const ContestTableEntry& entry : kAllContestCountyTables) {
    EXPECT_GT(entry.region, previous);
    previous = entry.region;
    EXPECT_EQ(ContestCountyTableFor(entry.region), entry.table) << entry.region;
  }
}

// ---------------------------------------------------------------------------
// Every key is found, through the table's own lookup, and yields its own row.

TEST(CountyTables, EveryStateKeyYieldsItsOwnRowThroughItsLookup) {
  ASSERT_EQ(std::size(kStateLookups), std::size(kAllStateCountyTables));
  for (const auto& entry : kStateLookups) {
    const StateCountyTable& table = StateTable(entry.state);
    for (std::size_t i = 0; i < table.rowCount; ++i) {
      const auto& row = table.rows[i];
      const auto found = entry.lookup(row.key);
      ASSERT_TRUE(found) << entry.state << ' ' << row.key;
      EXPECT_EQ(found->data(), row.county.data()) << entry.state << ' ' << row.key;
      const auto searched =
          SearchCountyTable(row.key, table, 0, static_cast<int>(table.rowCount) - 1);
      ASSERT_TRUE(searched);
      EXPECT_EQ(searched->data(), row.county.data());
    }
  }
}

TEST(CountyTables, EveryContestKeyYieldsItsOwnRowOrTheFirstOfItsSharedKey) {
  ASSERT_EQ(std::size(kContestLookups), std::size(kAllContestCountyTables));
  for (const auto& entry : kContestLookups) {
    const ContestCountyTable& table = ContestTable(entry.contest);
    for (std::size_t i = 0; i < table.rowCount; ++i) {
      std::size_t first = i;
      while (first > 0 && table.rows[first - 1].key == table.rows[i].key) --first;
      const auto& row = table.rows[first];
      const auto found = entry.lookup(table.rows[i].key);
      ASSERT_TRUE(found) << entry.contest << ' ' << row.key;
      EXPECT_EQ(found->state.data(), row.state.data()) << entry.contest << ' ' << row.key;
      EXPECT_EQ(found->county.data(), row.county.data()) << entry.contest << ' ' << row.key;
    }
  }
}

TEST(CountyTables, TextsNearAKeyThatAreNotKeysFindNothing) {
  for (const auto& entry : kStateLookups) {
    const StateCountyTable& table = StateTable(entry.state);
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < table.rowCount; ++i) keys.insert(table.rows[i].key);
    for (const std::string_view key : keys) {
      for (const std::string& text : NearMisses(key)) {
        if (keys.count(text) == 0) {
          EXPECT_FALSE(entry.lookup(text)) << entry.state << " '" << text << "'";
        }
      }
    }
  }
  for (const auto& entry : kContestLookups) {
    const ContestCountyTable& table = ContestTable(entry.contest);
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < table.rowCount; ++i) keys.insert(table.rows[i].key);
    for (const std::string_view key : keys) {
      for (const std::string& text : NearMisses(key)) {
        if (keys.count(text) == 0) {
          EXPECT_FALSE(entry.lookup(text)) << entry.contest << " '" << text << "'";
        }
      }
    }
  }
}

TEST(CountyTables, TheEmptyTextFindsNothingInAnyTable) {
  for (const auto& entry : kStateLookups) EXPECT_FALSE(entry.lookup("")) << entry.state;
  for (const auto& entry : kContestLookups) EXPECT_FALSE(entry.lookup("")) << entry.contest;
}

// ---------------------------------------------------------------------------
// Examples.

struct StateExample {
  const char* state;
  const char* value;
  const char* county;  // nullptr: the value finds nothing
};

TEST(CountyTables, StateTableExamples) {
  const StateExample examples[] = {
      {"MD", "ALY", "Allegany"},
      {"MD", "BAL", "Baltimore City"},
      {"MD", "BCO", "Baltimore"},
      {"MD", "AN", nullptr},
      {"MD", "ALYX", nullptr},
      {"MD", "aly", nullptr},
      {"MD", "ALY ", nullptr},
      {"CA", "SF", "San Francisco"},
      {"CA", "SFRA", "San Francisco"},
      {"CA", "FRAN", "San Francisco"},
      {"CA", "FRIS", "San Francisco"},
      {"CA", "SANF", "San Francisco"},
      {"CA", "S", nullptr},
      {"MO", "STL", "St. Louis City"},
      {"MO", "SLC", "St. Louis"},
      {"IA", "DEC", "Decatur"},
      {"IA", "OBR", "O'Brien"},
      {"HI", "LAN", "Maui"},
      {"HI", "MAU", "Maui"},
      {"HI", "MOL", "Maui"},
      {"HI", "KAU", "Kauai"},
      {"HI", "NII", "Kauai"},
      {"DE", "KEN", "Kent"},
      {"DE", "NEW", "New Castle"},
      {"DE", "SUS", "Sussex"},
      {"DE", "SUSX", nullptr},
      {"DE", "ALY", nullptr},
      {"NJ", "ATL", "Atlantic"},
      {"NJ", "NJATLA", "Atlantic"},
      {"PA", "CEN", "Centre"},
      {"AL", "AUT", "Autauga"},
      {"AL", "WLKR", "Walker"},
      {"TX", "ANDE", "Anderson"},
      {"TX", "ZAVA", "Zavala"},
      {"VT", "ADD", "Addison"},
      {"VT", "WSR", "Windsor"},
  };
  for (const auto& example : examples) {
    const auto found = StateLookup(example.state)(example.value);
    if (example.county == nullptr) {
      EXPECT_FALSE(found) << example.state << " '" << example.value << "' gave " << *found;
    } else {
      ASSERT_TRUE(found) << example.state << ' ' << example.value;
      EXPECT_EQ(*found, example.county) << example.state << ' ' << example.value;
    }
  }
}

TEST(CountyTables, DelawareHoldsJustItsThreeCounties) {
  const StateCountyTable& table = StateTable("DE");
  ASSERT_EQ(table.rowCount, 3u);
  EXPECT_EQ(table.rows[0].key, "KEN");
  EXPECT_EQ(table.rows[1].key, "NEW");
  EXPECT_EQ(table.rows[2].key, "SUS");
}

TEST(CountyTables, FirstAndLastKeysStandAtTheEndsOfTheirTables) {
  const struct {
    const char* state;
    const char* first;
    const char* last;
  } ends[] = {{"AL", "AUT", "WLKR"}, {"TX", "ANDE", "ZAVA"}, {"VT", "ADD", "WSR"}};
  for (const auto& end : ends) {
    const StateCountyTable& table = StateTable(end.state);
    EXPECT_EQ(table.rows[0].key, end.first);
    EXPECT_EQ(table.rows[table.rowCount - 1].key, end.last);
  }
  const ContestCountyTable& uscqp = ContestTable("USCQP");
  EXPECT_EQ(uscqp.rows[0].key, "ABBSC");
  EXPECT_EQ(uscqp.rows[uscqp.rowCount - 1].key, "ZIESD");
  const auto first = LookupUscqpCounty("ABBSC");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->state, "SC");
  EXPECT_EQ(first->county, "Abbeville");
  const auto last = LookupUscqpCounty("ZIESD");
  ASSERT_TRUE(last);
  EXPECT_EQ(last->state, "SD");
  EXPECT_EQ(last->county, "Ziebach");
}

TEST(CountyTables, IdahoHasNoRowForAdams) {
  const StateCountyTable& table = StateTable("ID");
  for (std::size_t i = 0; i < table.rowCount; ++i) {
    EXPECT_NE(table.rows[i].county, "Adams") << table.rows[i].key;
  }
  // The contest tables do hold it.
  ASSERT_TRUE(LookupSevenQpCounty("IDADM"));
  EXPECT_EQ(LookupSevenQpCounty("IDADM")->county, "Adams");
}

struct ContestExample {
  const char* contest;
  const char* value;
  const char* state;  // nullptr: the value finds nothing
  const char* county;
};

TEST(CountyTables, ContestTableExamples) {
  const ContestExample examples[] = {
      {"MAQP", "ALLMD", "MD", "Allegany"},
      {"MAQP", "ALLNY", "NY", "Allegany"},
      {"MAQP", "ALLPA", "PA", "Allegheny"},
      {"MAQP", "ALLVA", "VA", "Alleghany"},
      {"NEQP", "BRM", "MA", "Bristol"},
      {"NEQP", "BRIMA", "MA", "Bristol"},
      {"NEQP", "BRR", "RI", "Bristol"},
      {"NEQP", "BRIRI", "RI", "Bristol"},
      {"NEQP", "ADD", "VT", "Addison"},
      {"NEQP", "ADDVT", "VT", "Addison"},
      {"NEQP", "BAR", "MA", "Barnstable"},
      {"7QP", "AZAPH", "AZ", "Apache"},
      {"7QP", "WYTET", "WY", "Teton"},
      {"7QP", "MTLEW", "MT", "Lewis & Clark"},
      {"MARAC", "AKONE", "AK", "First JD (SE)"},
      {"MARAC", "AKTWO", "AK", "Second JD (NW)"},
      {"MARAC", "AKTHRE", "AK", "Third JD (SC)"},
      {"MARAC", "AKFOUR", "AK", "Fourth JD (C)"},
      {"MARAC", "ALAUTA", "AL", "Autauga"},
      {"MARAC", "ALLEE", "AL", "Lee"},
      {"MARAC", "TXBEE", "TX", "Bee"},
      {"MARAC", "MDSMRY", "MD", "St. Mary's"},
      {"MARAC", "MDBLTC", "MD", "Baltimore City"},
      {"MARAC", "AUTAL", nullptr, nullptr},
      {"USCQP", "AUTAL", "AL", "Autauga"},
      {"USCQP", "FIRAK", "AK", "1st (SE)"},
      {"USCQP", "SECAK", "AK", "2nd (NW)"},
      {"USCQP", "THIAK", "AK", "3rd (SC)"},
      {"USCQP", "FOUAK", "AK", "4th (C)"},
      {"USCQP", "ALAUTA", nullptr, nullptr},
      // Keys that several counties share yield the first in byte order of name.
      {"USCQP", "MARAL", "AL", "Marengo"},
      {"USCQP", "DECIA", "IA", "Cedar"},
      {"USCQP", "STLMN", "MN", "St. Louis"},
      {"USCQP", "CLAMS", "MS", "Claiborne"},
      {"USCQP", "COOTX", "TX", "Colorado"},
      {"USCQP", "KITWA", "WA", "Kitsap"},
      {"USCQP", "WASWI", "WI", "Washburn"},
  };
  for (const auto& example : examples) {
    const auto found = ContestLookup(example.contest)(example.value);
    if (example.state == nullptr) {
      EXPECT_FALSE(found) << example.contest << ' ' << example.value;
    } else {
      ASSERT_TRUE(found) << example.contest << ' ' << example.value;
      EXPECT_EQ(found->state, example.state) << example.contest << ' ' << example.value;
      EXPECT_EQ(found->county, example.county) << example.contest << ' ' << example.value;
    }
  }
}

TEST(CountyTables, OnlyTheSevenSharedUscqpKeysCarrySeveralCounties) {
  const std::map<std::string_view, std::vector<std::string_view>> expected = {
      {"CLAMS", {"Claiborne", "Clarke", "Clay"}},
      {"COOTX", {"Colorado", "Cooke"}},
      {"DECIA", {"Cedar", "Decatur"}},
      {"KITWA", {"Kitsap", "Kittitas"}},
      {"MARAL", {"Marengo", "Marshall"}},
      {"STLMN", {"St. Louis", "Steele"}},
      {"WASWI", {"Washburn", "Waushara"}},
  };
  for (const auto& entry : kAllContestCountyTables) {
    const ContestCountyTable& table = *entry.table;
    std::map<std::string_view, std::vector<std::string_view>> byKey;
    for (std::size_t i = 0; i < table.rowCount; ++i) {
      byKey[table.rows[i].key].push_back(table.rows[i].county);
    }
    std::map<std::string_view, std::vector<std::string_view>> shared;
    for (const auto& [key, counties] : byKey) {
      if (counties.size() > 1) shared.emplace(key, counties);
    }
    if (table.name == "USCQP") {
      EXPECT_EQ(shared, expected);
    } else {
      EXPECT_TRUE(shared.empty()) << table.name;
    }
  }
}

// ---------------------------------------------------------------------------
// Relations between the tables, recomputed from the rows.

TEST(CountyTables, StateTablesHoldTheContestCountiesBarTheListedSpellings) {
  // State table spelling -> MARAC and USCQP spelling.
  const std::map<std::string_view, std::map<std::string_view, std::string_view>> differ = {
      {"AL", {{"Dekalb", "DeKalb"}}},
      {"FL", {{"Saint Johns", "St. Johns"}, {"Saint Lucie", "St. Lucie"}}},
      {"GA", {{"DeKalb", "De Kalb"}}},
      {"IA", {{"Blackhawk", "Black Hawk"}, {"Emmett", "Emmet"}, {"Vanburen", "Van Buren"}}},
      {"IL", {{"Edward", "Edwards"}}},
      {"MI", {{"Dickenson", "Dickinson"}}},
      {"MN", {{"Lac Qui Parle", "Lac qui Parle"}, {"Ottertail", "Otter Tail"}}},
      {"MO", {{"St. Genevieve", "Ste. Genevieve"}}},
  };
  const ContestCountyTable& marac = ContestTable("MARAC");
  const ContestCountyTable& uscqp = ContestTable("USCQP");
  for (const StateTableEntry& entry : kAllStateCountyTables) {
    const auto state = RegionAbbreviation(entry.region);
    const auto ownNames = StateCounties(*entry.table);
    const auto maracNames = ContestCounties(marac, state);
    EXPECT_EQ(ContestCounties(uscqp, state), maracNames) << state;
    std::set<std::string_view> onlyHere;
    std::set<std::string_view> onlyThere;
    for (const auto name : ownNames) {
      if (maracNames.count(name) == 0) onlyHere.insert(name);
    }
    for (const auto name : maracNames) {
      if (ownNames.count(name) == 0) onlyThere.insert(name);
    }
    const auto listed = differ.find(state);
    if (state == "ID") {
      // Idaho's table lacks Adams altogether.
      EXPECT_TRUE(onlyHere.empty());
      EXPECT_EQ(onlyThere, std::set<std::string_view>{"Adams"});
      continue;
    }
    if (listed == differ.end()) {
      EXPECT_TRUE(onlyHere.empty() && onlyThere.empty()) << state;
      continue;
    }
    std::set<std::string_view> listedHere;
    std::set<std::string_view> listedThere;
    for (const auto& [here, there] : listed->second) {
      listedHere.insert(here);
      listedThere.insert(there);
    }
    EXPECT_EQ(onlyHere, listedHere) << state;
    EXPECT_EQ(onlyThere, listedThere) << state;
  }
}

TEST(CountyTables, MaracAndUscqpHoldTheSameCountiesOfAllFiftyStates) {
  const ContestCountyTable& marac = ContestTable("MARAC");
  const ContestCountyTable& uscqp = ContestTable("USCQP");
  std::set<std::pair<std::string_view, std::string_view>> m;
  std::set<std::pair<std::string_view, std::string_view>> u;
  std::set<std::string_view> states;
  for (std::size_t i = 0; i < marac.rowCount; ++i) {
    m.emplace(marac.rows[i].state, marac.rows[i].county);
    states.insert(marac.rows[i].state);
  }
  for (std::size_t i = 0; i < uscqp.rowCount; ++i) {
    u.emplace(uscqp.rows[i].state, uscqp.rows[i].county);
  }
  // Every row is a county of its own.
  EXPECT_EQ(m.size(), marac.rowCount);
  EXPECT_EQ(u.size(), uscqp.rowCount);
  EXPECT_EQ(states.size(), 50u);
  // Alaska's four districts are named differently; everything else agrees.
  EXPECT_EQ(ContestCounties(marac, "AK").size(), 4u);
  EXPECT_EQ(ContestCounties(uscqp, "AK").size(), 4u);
  for (RegionId region = 0; region < kFirstContest; ++region) {
    const auto state = RegionAbbreviation(region);
    if (state == "AK") continue;
    EXPECT_EQ(ContestCounties(marac, state), ContestCounties(uscqp, state)) << state;
  }
  EXPECT_EQ(ContestCounties(marac, "MD").count("Baltimore City"), 1u);
  EXPECT_EQ(ContestCounties(marac, "MO").count("St. Louis City"), 1u);
}

TEST(CountyTables, RegionalContestsHoldTheMaracCountiesOfTheirStates) {
  const ContestCountyTable& marac = ContestTable("MARAC");
  const struct {
    const char* contest;
    std::vector<std::string_view> states;
    std::size_t rowsPerCounty;
  } contests[] = {
      {"MAQP", {"DE", "MD", "NJ", "NY", "PA", "VA", "WV"}, 1},
      {"NEQP", {"CT", "MA", "ME", "NH", "RI", "VT"}, 2},
      {"7QP", {"AZ", "ID", "MT", "NV", "OR", "UT", "WA", "WY"}, 1},
  };
  for (const auto& contest : contests) {
    const ContestCountyTable& table = ContestTable(contest.contest);
    std::size_t counties = 0;
    for (const auto state : contest.states) {
      const auto names = ContestCounties(table, state);
      EXPECT_EQ(names, ContestCounties(marac, state)) << contest.contest << ' ' << state;
      counties += names.size();
    }
    // No other state, and every county in the stated number of rows.
    EXPECT_EQ(counties * contest.rowsPerCounty, table.rowCount) << contest.contest;
    std::map<std::pair<std::string_view, std::string_view>, std::size_t> rows;
    for (std::size_t i = 0; i < table.rowCount; ++i) {
      ++rows[{table.rows[i].state, table.rows[i].county}];
    }
    for (const auto& [county, count] : rows) {
      EXPECT_EQ(count, contest.rowsPerCounty) << contest.contest << ' ' << county.second;
    }
  }
  // MAQP uses the names of the seven state tables too.
  for (const char* state : {"DE", "MD", "NJ", "NY", "PA", "VA", "WV"}) {
    EXPECT_EQ(ContestCounties(ContestTable("MAQP"), state), StateCounties(StateTable(state)))
        << state;
  }
}

// ---------------------------------------------------------------------------
// Key rules. A mistyped letter that keeps the order passes the build checks;
// these counts of how often each rule holds would change.

std::string Letters(std::string_view name) {
  std::string letters;
  for (const char c : name) {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      letters += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return letters;
}

TEST(CountyTables, ContestKeysFollowTheirTablesRules) {
  const ContestCountyTable& marac = ContestTable("MARAC");
  std::size_t sixLetterKeys = 0;
  std::size_t firstFourLetters = 0;
  for (std::size_t i = 0; i < marac.rowCount; ++i) {
    const auto& row = marac.rows[i];
    EXPECT_EQ(row.key.substr(0, 2), row.state) << row.key;
    const std::string letters = Letters(row.county);
    if (row.key.size() == 5 && row.state != "AK") {
      // Five letters: the state and a three-letter name.
      EXPECT_EQ(row.key.substr(2), letters) << row.key;
    } else if (row.key.size() == 6) {
      EXPECT_NE(row.county.size(), 3u) << row.key;
      ++sixLetterKeys;
      if (row.key.substr(2) == letters.substr(0, 4)) ++firstFourLetters;
    }
  }
  EXPECT_EQ(sixLetterKeys, 3048u);
  EXPECT_EQ(firstFourLetters, 2484u);

  const ContestCountyTable& uscqp = ContestTable("USCQP");
  std::size_t firstThreeLetters = 0;
  for (std::size_t i = 0; i < uscqp.rowCount; ++i) {
    const auto& row = uscqp.rows[i];
    EXPECT_EQ(row.key.size(), 5u);
    EXPECT_EQ(row.key.substr(3), row.state) << row.key;
    if (row.key.substr(0, 3) == Letters(row.county).substr(0, 3)) ++firstThreeLetters;
  }
  EXPECT_EQ(firstThreeLetters, 2763u);

  const ContestCountyTable& maqp = ContestTable("MAQP");
  for (std::size_t i = 0; i < maqp.rowCount; ++i) {
    EXPECT_EQ(maqp.rows[i].key.substr(3), maqp.rows[i].state) << maqp.rows[i].key;
  }
  const ContestCountyTable& sevenQp = ContestTable("7QP");
  for (std::size_t i = 0; i < sevenQp.rowCount; ++i) {
    EXPECT_EQ(sevenQp.rows[i].key.substr(0, 2), sevenQp.rows[i].state) << sevenQp.rows[i].key;
  }
}

TEST(CountyTables, NeqpKeysEachCountyByAShortKeyAndByCodeAndState) {
  const ContestCountyTable& neqp = ContestTable("NEQP");
  std::map<std::pair<std::string_view, std::string_view>, std::vector<std::string_view>> keys;
  for (std::size_t i = 0; i < neqp.rowCount; ++i) {
    keys[{neqp.rows[i].state, neqp.rows[i].county}].push_back(neqp.rows[i].key);
  }
  std::size_t sameThreeLetters = 0;
  std::set<std::string> ownCodes;
  for (const auto& [county, pair] : keys) {
    ASSERT_EQ(pair.size(), 2u) << county.second;
    const auto shortKey = pair[0].size() == 3 ? pair[0] : pair[1];
    const auto longKey = pair[0].size() == 3 ? pair[1] : pair[0];
    ASSERT_EQ(shortKey.size(), 3u);
    ASSERT_EQ(longKey.size(), 5u);
    EXPECT_EQ(longKey.substr(3), county.first);
    if (longKey.substr(0, 3) == shortKey) {
      ++sameThreeLetters;
    } else {
      ownCodes.insert(std::string(shortKey) + ' ' + std::string(longKey));
    }
  }
  EXPECT_EQ(sameThreeLetters, 53u);
  const std::set<std::string> expected = {
      "MIC MIDCT", "MIM MIDMA", "BRM BRIMA", "BRR BRIRI", "ESM ESSMA", "ESV ESSVT", "FRE FRAME",
      "FRV FRAVT", "WAM WASME", "WAR WASRI", "WAV WASVT", "GRN GRANH", "GRV GRAVT", "KNT KENRI"};
  EXPECT_EQ(ownCodes, expected);
}

std::set<std::string_view> KeysOf(const ContestCountyTable& table) {
  std::set<std::string_view> keys;
  for (std::size_t i = 0; i < table.rowCount; ++i) keys.insert(table.rows[i].key);
  return keys;
}

std::set<std::string_view> Common(const std::set<std::string_view>& a,
                                  const std::set<std::string_view>& b) {
  std::set<std::string_view> common;
  for (const auto key : a) {
    if (b.count(key) != 0) common.insert(key);
  }
  return common;
}

TEST(CountyTables, KeysThatTwoTablesShare) {
  const auto marac = KeysOf(ContestTable("MARAC"));
  const auto uscqp = KeysOf(ContestTable("USCQP"));
  const auto maqp = KeysOf(ContestTable("MAQP"));
  const auto neqp = KeysOf(ContestTable("NEQP"));
  const auto sevenQp = KeysOf(ContestTable("7QP"));
  EXPECT_EQ(Common(maqp, uscqp).size(), 245u);
  EXPECT_EQ(Common(neqp, uscqp).size(), 61u);
  EXPECT_EQ(Common(sevenQp, marac), (std::set<std::string_view>{"IDADA", "IDGEM", "NVNYE"}));
  EXPECT_TRUE(Common(marac, uscqp).empty());

  // Region MULTI searches 7QP, then NEQP, then Indiana's table.
  const StateCountyTable& indiana = StateTable("IN");
  std::set<std::string_view> indianaKeys;
  for (std::size_t i = 0; i < indiana.rowCount; ++i) indianaKeys.insert(indiana.rows[i].key);
  EXPECT_EQ(Common(indianaKeys, neqp),
            (std::set<std::string_view>{"BAR", "BEN", "CAR", "FRA", "HAN", "HAR", "KNO", "NEW",
                                        "ORA", "SUL"}));
  EXPECT_TRUE(Common(indianaKeys, sevenQp).empty());
  EXPECT_TRUE(Common(neqp, sevenQp).empty());

  // New Jersey's six-letter keys are MARAC's keys for the same counties.
  const StateCountyTable& newJersey = StateTable("NJ");
  std::size_t sixLetter = 0;
  for (std::size_t i = 0; i < newJersey.rowCount; ++i) {
    const auto& row = newJersey.rows[i];
    if (row.key.size() != 6) continue;
    ++sixLetter;
    const auto found = LookupMaracCounty(row.key);
    ASSERT_TRUE(found) << row.key;
    EXPECT_EQ(found->state, "NJ");
    EXPECT_EQ(found->county, row.county);
  }
  EXPECT_EQ(sixLetter, ContestCounties(ContestTable("MARAC"), "NJ").size());
}

TEST(CountyTables, StateTablesCountOneNameForEachCountyOfTheirState) {
  // A state table's distinct names are its state's counties: as many as the
  // MARAC table has for the state, save Idaho's missing Adams.
  const ContestCountyTable& marac = ContestTable("MARAC");
  for (const StateTableEntry& entry : kAllStateCountyTables) {
    const auto state = RegionAbbreviation(entry.region);
    const std::size_t missing = state == "ID" ? 1 : 0;
    EXPECT_EQ(StateCounties(*entry.table).size() + missing, ContestCounties(marac, state).size())
        << state;
  }
}

}  // namespace
}  // namespace quorvel
