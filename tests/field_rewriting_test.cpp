#include "engine/field_rewriting.h"

#include <gtest/gtest.h>

#include "counties/county_resolver.h"
#include "counties/region_tables.h"
#include "engine/county_lookup.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

using testing::ConvertText;
using testing::WithoutCr;
using Lines = std::vector<std::string>;

constexpr const char* kDate = "<QSO_DATE:8>20240504 <TIME_ON:6>143000 ";

struct RecordCase {
  const char* what;
  std::string record;  // one record as read, after the header
  RegionId region;
  int addMobile;
  std::string output;  // what is written for it, with LF line ends
  Lines messages;      // the listing without the two closing lines and their empty line
};

void ExpectConverts(const RecordCase& c) {
  const auto r = ConvertText("<EOH>\n<QSO_DATE:8>20240504 <TIME_ON:4>1430 " + c.record + "\n",
                             c.region, c.addMobile);
  EXPECT_EQ(WithoutCr(r.output), "<EOH>\n" + c.output) << c.what;
  Lines messages;
  for (const auto& line : r.listing) {
    if (line.rfind("Converted ", 0) == 0 || line.rfind("\nConverted ", 0) == 0 ||
        line.rfind("Wrote ", 0) == 0) {
      continue;
    }
    messages.push_back(line);
  }
  if (!messages.empty() && messages.front().empty()) messages.erase(messages.begin());
  EXPECT_EQ(messages, c.messages) << c.what;
}

TEST(FieldRewriting, WorkedExampleForPennsylvania) {
  ExpectConverts({"worked example",
                  "<CALL:5>W9ABC <QTH:3>cen <eor>",
                  kPennsylvania,
                  1,
                  std::string(kDate) + "<CALL:5>W9ABC <CNTY:9>PA,Centre\n<STATE:2>PA <eor>\n\n",
                  {}});
}

TEST(FieldRewriting, CountyBearingFieldsAreUpperCasedAndResolved) {
  const RecordCase cases[] = {
      {"cnty in lower case is county-bearing",
       "<cnty:3>bed <EOR>",
       37,
       1,
       std::string(kDate) + "<CNTY:10>PA,Bedford <STATE:2>PA <EOR>\n\n",
       {}},
      {"Qth is not county-bearing",
       "<Qth:3>bed <EOR>",
       37,
       1,
       std::string(kDate) + "<Qth:3>bed <EOR>\n\n",
       {}},
      {"converted value left alone",
       "<QTH:9>PA,Centre <EOR>",
       37,
       1,
       std::string(kDate) + "<QTH:9>PA,Centre <EOR>\n\n",
       {}},
      {"dx is upper-cased and never looked up",
       "<QTH:2>dx <EOR>",
       37,
       1,
       std::string(kDate) + "<QTH:2>DX <EOR>\n\n",
       {}},
      {"a state becomes STATE",
       "<CALL:4>K1AB <SRX:2>oh <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:4>K1AB <STATE:2>OH <EOR>\n\n",
       {}},
      {"a value without a length is left alone",
       "<QTH> <comment> <EOR>",
       37,
       1,
       std::string(kDate) + "<QTH> <comment> <EOR>\n\n",
       {}},
      {"field before the callsign warns with an empty callsign",
       "<QTH:3>zzz <CALL:4>K1AB <EOR>",
       37,
       1,
       std::string(kDate) + "<QTH:3>ZZZ <CALL:4>K1AB <EOR>\n\n",
       {"WARNING:  in ZZZ is not a valid Pennsylvania county abbreviation.", ""}},
      {"Call in mixed case is the callsign",
       "<Call:4>K1AB <QTH:3>zzz <EOR>",
       37,
       1,
       std::string(kDate) + "<Call:4>K1AB <QTH:3>ZZZ <EOR>\n\n",
       {"WARNING: K1AB in ZZZ is not a valid Pennsylvania county abbreviation.", ""}},
      {"WriteLog report fields renamed",
       "<APP_WRITELOG_RST:3>599 <APP_WRITELOG_SNT:3>579 <EOR>",
       37,
       1,
       std::string(kDate) + "<RST_RCVD:3>599 <RST_SENT:3>579 <EOR>\n\n",
       {}},
      {"every county-bearing name",
       "<CTY4:3>ada <APP_WRITELOG_RCVD_QTH:3>ada <EOR>",
       37,
       1,
       std::string(kDate) + "<CNTY:8>PA,Adams <STATE:2>PA <EOR>\n\n",
       {}},
  };
  for (const auto& c : cases) ExpectConverts(c);
}

TEST(FieldRewriting, CommentsGiveUpTheirLeadingNumberAsSrx) {
  const RecordCase cases[] = {
      {"number and text",
       "<comment:6>12 ABC <EOR>",
       37,
       1,
       std::string(kDate) + "<comment:3>ABC <SRX:2>12 <EOR>\n\n",
       {"WARNING:  in 12 is not a valid Pennsylvania county abbreviation.", ""}},
      {"leading blank",
       "<comment:9> 12 ABC   <EOR>",
       37,
       1,
       std::string(kDate) + "<comment:3>ABC <SRX:0> <EOR>\n\n",
       {"WARNING:  in  is not a valid Pennsylvania county abbreviation.", ""}},
      {"zero is no number",
       "<comment:8>0 ABC    <EOR>",
       37,
       1,
       std::string(kDate) + "<comment:5>0 ABC <EOR>\n\n",
       {}},
      {"number not first",
       "<comment:6>ABC 12 <EOR>",
       37,
       1,
       std::string(kDate) + "<comment:6>ABC 12 <EOR>\n\n",
       {}},
      {"a county number converts",
       "<CALL:4>K1AB <comment:6>12 cen <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:4>K1AB <comment:3>cen <SRX:2>12\n<EOR>\n\n",
       {"WARNING: K1AB in 12 is not a valid Pennsylvania county abbreviation.", ""}},
      {"number alone",
       "<comment:2>42 <EOR>",
       37,
       1,
       std::string(kDate) + "<comment:0> <SRX:2>42 <EOR>\n\n",
       {"WARNING:  in 42 is not a valid Pennsylvania county abbreviation.", ""}},
      {"no letter after the number keeps the rest",
       "<comment:5>12 34 <EOR>",
       37,
       1,
       std::string(kDate) + "<comment:2>34 <SRX:2>12 <EOR>\n\n",
       {"WARNING:  in 12 is not a valid Pennsylvania county abbreviation.", ""}},
      {"Comment in another case is untouched",
       "<Comment:7>12 ABC  <EOR>",
       37,
       1,
       std::string(kDate) + "<Comment:7>12 ABC  <EOR>\n\n",
       {}},
  };
  for (const auto& c : cases) ExpectConverts(c);
}

TEST(FieldRewriting, PortableSuffixThatRepeatsTheCountyIsRemoved) {
  const RecordCase cases[] = {
      {"option off",
       "<CALL:9>W9ABC/CEN <QTH:3>cen <EOR>",
       37,
       0,
       std::string(kDate) + "<CALL:5>W9ABC <CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n",
       {"INFO: Changing callsign W9ABC/CEN to W9ABC", ""}},
      {"option on",
       "<CALL:9>W9ABC/CEN <QTH:3>cen <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:7>W9ABC/M <CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n",
       {"INFO: Changing callsign W9ABC/CEN to W9ABC/M", ""}},
      {"case-sensitive comparison",
       "<CALL:9>w9abc/cen <QTH:3>CEN <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:9>w9abc/cen <CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n",
       {}},
      {"another suffix",
       "<CALL:9>W9ABC/QRP <QTH:3>CEN <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:9>W9ABC/QRP <CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n",
       {}},
      {"a suffix that is a state",
       "<CALL:8>W9ABC/OH <QTH:2>OH <EOR>",
       37,
       0,
       std::string(kDate) + "<CALL:5>W9ABC <STATE:2>OH <EOR>\n\n",
       {"INFO: Changing callsign W9ABC/OH to W9ABC", ""}},
  };
  for (const auto& c : cases) ExpectConverts(c);
}

TEST(FieldRewriting, CountyLinesGiveOneQsoPerCountyOneSecondApart) {
  const RecordCase cases[] = {
      {"two counties",
       "<CALL:5>W9ABC <QTH:3>CEN <CNTY:3>BED <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:5>W9ABC <CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n" +
           "<QSO_DATE:8>20240504 <TIME_ON:6>143001 <CALL:5>W9ABC <CNTY:10>PA,Bedford\n<STATE:2>PA "
           "<EOR>\n\n",
       {"INFO: Adding QSO for W9ABC on PA,Bedford county line.", ""}},
      {"three counties, a repeat and a STATE after",
       "<CALL:4>K3AB <CTY:3>ada <CTY2:3>BED <CTY3:3>ADA <CTY4:3>yor <STATE:2>XX <EOR>",
       37,
       1,
       std::string(kDate) + "<CALL:4>K3AB <CNTY:8>PA,Adams\n<STATE:2>PA <EOR>\n\n" +
           "<QSO_DATE:8>20240504 <TIME_ON:6>143001 <CALL:4>K3AB <CNTY:10>PA,Bedford\n<STATE:2>PA "
           "<EOR>\n\n" +
           "<QSO_DATE:8>20240504 <TIME_ON:6>143002 <CALL:4>K3AB <CNTY:7>PA,York "
           "<STATE:2>PA\n<EOR>\n\n",
       {"INFO: Adding QSO for K3AB on PA,Bedford county line.",
        "INFO: Adding QSO for K3AB on PA,York county line.", ""}},
      {"a STATE before the CNTY is written too",
       "<STATE:2>XX <QTH:3>CEN <EOR>",
       37,
       1,
       std::string(kDate) + "<STATE:2>XX <CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n",
       {}},
      {"two converted values already in the log",
       "<CNTY:7>PA,York <CNTY:9>PA,Centre <EOR>",
       37,
       1,
       std::string(kDate) + "<CNTY:7>PA,York <STATE:2>PA <EOR>\n\n",
       {}},
      {"repeated converted values lower the count",
       "<CNTY:7>PA,York <CNTY:7>PA,York <QTH:3>CEN <EOR>",
       37,
       1,
       std::string(kDate) + "<CNTY:7>PA,York <STATE:2>PA <EOR>\n\n",
       {}},
      {"an unconverted CNTY is the first copy's",
       "<CNTY:3>zzz <QTH:3>CEN <EOR>",
       37,
       1,
       std::string(kDate) + "<CNTY:3>ZZZ <STATE:2>ZZ <EOR>\n\n",
       {"WARNING:  in ZZZ is not a valid Pennsylvania county abbreviation.", ""}},
      {"one-character CNTY",
       "<CNTY:1>Q <EOR>",
       42,
       1,
       std::string(kDate) + "<CNTY:1>Q <STATE:1>Q <EOR>\n\n",
       {"WARNING:  in Q is not a valid Texas county abbreviation.", ""}},
  };
  for (const auto& c : cases) ExpectConverts(c);
}

TEST(FieldRewriting, CountyLineAcrossMidnightAndTheSummary) {
  const auto r = ConvertText(
      "<EOH>\n<QSO_DATE:8>20241231 <TIME_ON:6>235959 <CALL:4>K3AB <QTH:3>CEN <QTH:3>BED <EOR>\n",
      37);
  EXPECT_EQ(WithoutCr(r.output),
            "<EOH>\n<QSO_DATE:8>20241231 <TIME_ON:6>235959 <CALL:4>K3AB "
            "<CNTY:9>PA,Centre\n<STATE:2>PA <EOR>\n\n"
            "<QSO_DATE:8>20250101 <TIME_ON:6>000000 <CALL:4>K3AB <CNTY:10>PA,Bedford\n<STATE:2>PA "
            "<EOR>\n\n");
  EXPECT_EQ(r.listing,
            (Lines{"INFO: Adding QSO for K3AB on PA,Bedford county line.",
                   "\nConverted 2 Pennsylvania counties.", "Wrote 2 QSOs to out.adi", ""}));
}

TEST(FieldRewriting, ANegativeCountReachesTheSummary) {
  const auto r =
      ConvertText("<EOH>\n<CNTY:7>PA,York <CNTY:7>PA,York <CNTY:7>PA,York <QTH:3>CEN <EOR>\n", 37);
  EXPECT_EQ(r.listing[0], "Converted -1 Pennsylvania counties.");
  EXPECT_EQ(r.listing[1], "Wrote 1 QSOs to out.adi");
}

// The memo answers as the resolver on the first meeting of a value, on every
// later one, and past its cap, where it decides anew each time.
TEST(CountyLookup, AnswersAsTheResolverAtEveryMeetingAndPastItsCap) {
  std::vector<std::string> values = {"PA",      "WY",          "ON",        "NFL",
                                     "EPA",     "MAR",         "VI",        "NVCAR",
                                     "JOHN MA", "MARY ANN PA", "JOHN ON",   "ZZZ",
                                     "",        "CEN/BED",     "PA,Centre", std::string(65, 'Q')};
  ForEachRegionRow(kUscqp, [&](std::string_view key, std::string_view, std::string_view) {
    values.emplace_back(key);
  });
  for (RegionId region = 0; region < kRegionCount; ++region) {
    const std::size_t firstKey = values.size();
    ForEachRegionRow(region, [&](std::string_view key, std::string_view, std::string_view) {
      values.emplace_back(key);
    });
    constexpr std::size_t kCap = 300;
    CountyLookup lookup(region, kCap);
    for (int meeting = 0; meeting < 2; ++meeting) {
      for (const std::string& value : values) {
        AdifField expected{"QTH", value, true};
        MessageLog expectedLog;
        std::string text;
        const int expectedResult = ResolveCounty(expected, region, "W9ABC", expectedLog, text);
        AdifField field{"QTH", value, true};
        MessageLog log;
        QsoRecord texts;
        const std::string what = std::string(RegionAbbreviation(region)) + " " + value;
        ASSERT_EQ(lookup.Resolve(field, "W9ABC", log, texts), expectedResult) << what;
        ASSERT_EQ(field.name, expected.name) << what;
        ASSERT_EQ(field.value, expected.value) << what;
        ASSERT_EQ(log.lists, expectedLog.lists) << what;
      }
    }
    EXPECT_EQ(lookup.size(), kCap) << RegionAbbreviation(region);
    values.resize(firstKey);
  }
}

// A log with more distinct values than the memo keeps: every one is still
// warned about, values met before the memo filled keep their answers, and a
// county first met after it is still converted.
TEST(FieldRewriting, MoreDistinctValuesThanTheMemoKeepsStillConvert) {
  std::string log = "<EOH>\n";
  std::string expected = "<EOH>\n";
  Lines messages;
  const auto add = [&](const std::string& value, const std::string& output) {
    log += "<CALL:4>K3AB <QTH:" + std::to_string(value.size()) + ">" + value + " <EOR>\n";
    expected += "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>K3AB " + output + " <EOR>\n\n";
  };
  const auto addCentre = [&] { add("cen", "<CNTY:9>PA,Centre\n<STATE:2>PA"); };
  const auto addJunk = [&](std::size_t i) {
    const std::string value = "X" + std::to_string(i);
    add(value, "<QTH:" + std::to_string(value.size()) + ">" + value);
    messages.push_back("WARNING: K3AB in " + value +
                       " is not a valid Pennsylvania county abbreviation.");
  };
  addCentre();
  addCentre();
  const std::size_t junk = CountyLookup::kMostEntries + 20;
  for (std::size_t i = 0; i < junk; ++i) addJunk(i);
  addCentre();
  add("BED", "<CNTY:10>PA,Bedford\n<STATE:2>PA");
  add("EPA", "<STATE:2>PA");
  addJunk(junk - 1);
  addJunk(0);
  messages.push_back("");
  messages.insert(messages.begin(), {"Converted 4 Pennsylvania counties.",
                                     "Wrote " + std::to_string(junk + 7) + " QSOs to out.adi", ""});
  const auto r = ConvertText(log, kPennsylvania);
  EXPECT_EQ(WithoutCr(r.output), expected);
  EXPECT_EQ(r.listing, messages);
}

TEST(FieldRewriting, CountyFieldNamesMatchExactlyButForCnty) {
  for (const char* name : {"CNTY", "cnty", "Cnty", "QTH", "qth_rcvd", "SRX", "APP_N1MM_EXCHANGE1",
                           "APP_WRITELOG_RCVD_QTH"}) {
    EXPECT_TRUE(IsCountyFieldName(name)) << name;
  }
  for (const char* name : {"qth", "Qth", "QTH_RCVD", "srx", "CNTYX", "CTY5", "EXCHANGE", ""}) {
    EXPECT_FALSE(IsCountyFieldName(name)) << name;
  }
}

}  // namespace
}  // namespace quorvel
