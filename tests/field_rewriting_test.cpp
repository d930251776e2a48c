#include "engine/field_rewriting.h"

#include <gtest/gtest.h>

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
