#include "counties/county_resolver.h"

#include <gtest/gtest.h>

#include "counties/canadian_sections.h"

namespace quorvel {
namespace {

struct ResolveCase {
  RegionId region;
  const char* value;
  const char* name;      // the field's name afterwards
  const char* newValue;  // its value afterwards
  int result;
  const char* warning;  // the one warning, or "" for none
};

void ExpectResolves(const ResolveCase& c) {
  AdifField field{"QTH", c.value, true};
  MessageLog log;
  std::string text;
  const int result = ResolveCounty(field, c.region, "W9ABC", log, text);
  const std::string what = std::string(RegionAbbreviation(c.region)) + " " + c.value;
  EXPECT_EQ(result, c.result) << what;
  EXPECT_EQ(field.name, c.name) << what;
  EXPECT_EQ(field.value, c.newValue) << what;
  EXPECT_TRUE(field.hasValue) << what;
  const auto& warnings = log.lists[kWarningList];
  if (*c.warning == '\0') {
    EXPECT_TRUE(warnings.empty()) << what;
  } else {
    EXPECT_EQ(warnings, std::vector<std::string>{c.warning}) << what;
  }
  EXPECT_TRUE(log.lists[kInformationList].empty() && log.lists[kErrorList].empty()) << what;
}

TEST(ResolveCounty, StatesBecomeStateFieldsInEveryRegion) {
  for (RegionId region = 0; region < kRegionCount; ++region) {
    ExpectResolves({region, "PA", "STATE", "PA", 0, ""});
    ExpectResolves({region, "WY", "STATE", "WY", 0, ""});
  }
}

TEST(ResolveCounty, CanadianValuesStayUnchangedBeforeAnyCountyOrSection) {
  for (RegionId region = 0; region < kRegionCount; ++region) {
    for (const char* value : {"ON", "NFL", "QC", "PEI", "NU", "YU"}) {
      ExpectResolves({region, value, "QTH", value, 0, ""});
    }
  }
  // County keys that equal a Canadian alias are never reached, and draw no warning.
  const ResolveCase unreachable[] = {
      {33, "ALB", "QTH", "ALB", 0, ""},        {33, "ONT", "QTH", "ONT", 0, ""},
      {33, "QUE", "QTH", "QUE", 0, ""},        {44, "ALB", "QTH", "ALB", 0, ""},
      {15, "LAB", "QTH", "LAB", 0, ""},        {23, "NWT", "QTH", "NWT", 0, ""},
      {47, "MAN", "QTH", "MAN", 0, ""},        {8, "MAN", "QTH", "MAN", 0, ""},
      {8, "MAT", "CNTY", "FL,Manatee", 1, ""}, {8, "MTE", "CNTY", "FL,Manatee", 1, ""},
  };
  for (const auto& c : unreachable) ExpectResolves(c);
}

TEST(ResolveCounty, ConvertsByEachRegionsRules) {
  const ResolveCase cases[] = {
      {37, "CEN", "CNTY", "PA,Centre", 1, ""},
      {37, "EPA", "STATE", "PA", 0, ""},
      {37, "WPA", "STATE", "PA", 0, ""},
      {37, "NTX", "STATE", "TX", 0, ""},
      {37, "SCV", "STATE", "CA", 0, ""},
      {37, "MAR", "STATE", "MAR", 0, ""},
      {37, "PAC", "STATE", "PAC", 0, ""},
      {37, "PR", "STATE", "PR", 0, ""},
      {37, "VI", "STATE", "VI", 0, ""},
      {37, "ZZZ", "QTH", "ZZZ", 0,
       "WARNING: W9ABC in ZZZ is not a valid Pennsylvania county abbreviation."},
      {42, "EPA", "QTH", "EPA", 0,
       "WARNING: W9ABC in EPA is not a valid Texas county abbreviation."},
      {19, "BAL", "CNTY", "MD,Baltimore City", 1, ""},
      {19, "PGE", "CNTY", "MD,Prince George's", 1, ""},
      {42, "BEE", "CNTY", "TX,Bee", 1, ""},
      {50, "AKONE", "CNTY", "AK,First JD (SE)", 1, ""},
      {50, "MDSMRY", "CNTY", "MD,St. Mary's", 1, ""},
      {51, "ALLVA", "CNTY", "VA,Alleghany", 1, ""},
      {53, "BRM", "CNTY", "MA,Bristol", 1, ""},
      {54, "MTLEW", "CNTY", "MT,Lewis & Clark", 1, ""},
      {55, "AUTAL", "CNTY", "AL,Autauga", 1, ""},
      {55, "CLAMS", "CNTY", "MS,Claiborne", 1, ""},
      {55, "ALAUTA", "QTH", "ALAUTA", 0,
       "WARNING: W9ABC in ALAUTA is not a valid US Counties QSO Party county abbreviation."},
      {52, "JOHN MA", "STATE", "MA", 0, ""},
      {52, "MARY ANN PA", "STATE", "PA", 0, ""},
      {52, "JOHN ON", "QTH", "JOHN ON", 0,
       "WARNING: W9ABC in JOHN ON is not a valid North American QSO Party county abbreviation."},
      {52, "JOHN", "QTH", "JOHN", 0,
       "WARNING: W9ABC in JOHN is not a valid North American QSO Party county abbreviation."},
      {52, "JOHN MA ", "QTH", "JOHN MA ", 0,
       "WARNING: W9ABC in JOHN MA  is not a valid North American QSO Party county abbreviation."},
      {56, "BAR", "CNTY", "MA,Barnstable", 1, ""},
      {56, "AZAPH", "CNTY", "AZ,Apache", 1, ""},
      {56, "ADDVT", "CNTY", "VT,Addison", 1, ""},
      {56, "TIPP", "CNTY", "IN,Tippecanoe", 1, ""},
      {56, "NVCAR", "STATE", "NV", 0, "W9ABC in NVCAR is an independent city."},
      {56, "XYZ", "QTH", "XYZ", 0,
       "WARNING: W9ABC in XYZ is not a valid 7QP/INQP/NEQP county abbreviation."},
      {42, "NVCAR", "QTH", "NVCAR", 0,
       "WARNING: W9ABC in NVCAR is not a valid Texas county abbreviation."},
      {0, "ANC", "QTH", "ANC", 0,
       "WARNING: W9ABC in ANC is not a valid Alaska county abbreviation."},
      {49, "ALB", "QTH", "ALB", 0, ""},
  };
  for (const auto& c : cases) ExpectResolves(c);
}

TEST(ResolveCounty, KeepsLongMessagesWhole) {
  const std::string value(200, 'Q');
  AdifField field{"QTH", value, true};
  MessageLog log;
  const std::string callsign(100, 'K');
  std::string text;
  ResolveCounty(field, 37, callsign, log, text);
  EXPECT_EQ(log.lists[kWarningList].front(),
            "WARNING: " + callsign + " in " + value +
                " is not a valid Pennsylvania county abbreviation.");
}

TEST(ClassifyCountyValue, SaysWhatAValueBecomesAndTheTextItTakes) {
  using Kind = CountyAnswerKind;
  struct Case {
    RegionId region;
    const char* value;
    Kind kind;
    const char* state;
    const char* county;
    const char* text;  // the field's value afterwards
  };
  const Case cases[] = {
      {kPennsylvania, "CEN", Kind::kCounty, "PA", "Centre", "PA,Centre"},
      {kPennsylvania, "PA", Kind::kState, "PA", "", "PA"},
      {kPennsylvania, "EPA", Kind::kState, "PA", "", "PA"},
      {kPennsylvania, "MAR", Kind::kState, "MAR", "", "MAR"},
      {kPennsylvania, "ON", Kind::kCanadian, "", "", "ON"},
      {kPennsylvania, "ZZZ", Kind::kUnknown, "", "", "ZZZ"},
      {42, "EPA", Kind::kUnknown, "", "", "EPA"},
      {kUscqp, "CLAMS", Kind::kCounty, "MS", "Claiborne", "MS,Claiborne"},
      {kNaqp, "MARY ANN PA", Kind::kState, "PA", "", "PA"},
      {kNaqp, "JOHN ON", Kind::kUnknown, "", "", "JOHN ON"},
      {kNaqp, "CEN", Kind::kUnknown, "", "", "CEN"},
      {kMulti, "TIPP", Kind::kCounty, "IN", "Tippecanoe", "IN,Tippecanoe"},
      {kMulti, "NVCAR", Kind::kIndependentCity, "NV", "", "NV"},
      {42, "NVCAR", Kind::kUnknown, "", "", "NVCAR"},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(RegionAbbreviation(c.region)) + " " + c.value;
    const CountyAnswer answer = ClassifyCountyValue(c.value, c.region);
    EXPECT_EQ(answer.kind, c.kind) << what;
    EXPECT_EQ(answer.state, c.state) << what;
    EXPECT_EQ(answer.county, c.county) << what;
    std::string text = "<";
    AppendCountyAnswerText(answer, c.value, text);
    EXPECT_EQ(text, std::string("<") + c.text) << what;
    const auto county = FindRegionCounty(c.value, c.region);
    EXPECT_EQ(county.has_value(), c.kind == Kind::kCounty) << what;
    if (county) {
      EXPECT_EQ(county->state, c.state) << what;
      EXPECT_EQ(county->name, c.county) << what;
    }
  }
}

TEST(CanadianAndSectionLists, AnswerForTheirOwnTable) {
  EXPECT_EQ(FindCanadianArea("NF"), "NL");
  EXPECT_EQ(FindCanadianArea("NFL"), "NL");
  EXPECT_EQ(FindCanadianArea("LB"), "NL");
  EXPECT_EQ(FindCanadianArea("LAB"), "NL");
  EXPECT_EQ(FindCanadianArea("PEI"), "PE");
  EXPECT_EQ(FindCanadianArea("QC"), "QC");
  EXPECT_FALSE(FindCanadianArea("NS "));
  EXPECT_FALSE(FindCanadianArea("on"));
  EXPECT_EQ(FindSectionState("MAR"), "");
  EXPECT_EQ(FindSectionState("PAC"), "");
  EXPECT_EQ(FindSectionState("NFL"), "FL");
  EXPECT_EQ(FindSectionState("AB"), "");
  EXPECT_EQ(FindSectionState("WY"), "WY");
  EXPECT_FALSE(FindSectionState("PA"));
  EXPECT_FALSE(FindSectionState(""));
  for (const SectionState& row : SectionStateTable)
    EXPECT_EQ(FindSectionState(row.section), row.state);
}

}  // namespace
}  // namespace quorvel
