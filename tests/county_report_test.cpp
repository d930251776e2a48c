// The county report: its close-code search, and what it says about whole logs
// checked against what the converted output and the listing show.
#include "engine/county_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "counties/canadian_sections.h"
#include "counties/county_suggestions.h"
#include "engine/conversion_request.h"
#include "tests/adif_records.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::ReadOutput;
using testing::TempDir;

std::string Suggested(std::string_view value, RegionId region) {
  const CountySuggestions found = SuggestCounties(value, region);
  std::string text;
  for (std::size_t i = 0; i < found.count; ++i) {
    if (i > 0) text += ' ';
    text.append(found.items[i].abbreviation).append("=").append(found.items[i].state);
    text.append(",").append(found.items[i].county);
  }
  return text;
}

TEST(CountySuggestions, NearestFirstThenInTableOrder) {
  const std::string huge(10000, 'A');
  struct Case {
    RegionId region;
    std::string_view value;
    const char* expected;
  } cases[] = {
      // Neighbours swapped, then letters changed: ties in table order, three at most.
      {kPennsylvania, "CNE", "CEN=PA,Centre CHE=PA,Chester CLE=PA,Clearfield"},
      {kPennsylvania, "CENT", "CEN=PA,Centre"},                                 // one added
      {kPennsylvania, "CE", "CEN=PA,Centre CHE=PA,Chester CLE=PA,Clearfield"},  // one removed
      // Two apart: only for codes of five letters or more.
      {kPennsylvania, "ALLGH", "ALL=PA,Allegheny"},
      {kPennsylvania, "ADMS", ""},
      // The nearer one first although the farther comes first in the table.
      {kMarac, "ALWLCS", "ALWLCX=AL,Wilcox ALDLLS=AL,Dallas ALWINS=AL,Winston"},
      // ALB is a Canadian alias in New York: typing it would not give Albany.
      {33 /* New York */, "ALV", "ALL=NY,Allegany"},
      // MULTI: its tables in the order it searches them (New England before Indiana).
      {kMulti, "LAN", "HAN=ME,Hancock LAM=VT,Lamoille LIN=ME,Lincoln"},
      {kMulti, "ADAM", "ADA=IN,Adams"},
      // Nothing close, nothing to search, or too long to be close to anything.
      {kPennsylvania, "XYZ", ""},
      {kNaqp, "CEN", ""},
      {kPennsylvania, "", ""},
      {kPennsylvania, huge, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Suggested(c.value, c.region), c.expected) << c.value.substr(0, 12);
  }
}

// The counts that the converted output itself shows, found without the report.
struct Shown {
  std::map<std::string, long long> counties;  // CNTY value -> copies
  std::map<std::string, long long> states;    // STATE of a record without CNTY
  std::map<std::string, long long> provinces;
  std::map<std::string, std::set<std::string>> unknownCalls;
  long long records = 0;
  long long added = 0;
};

Shown ShownBy(const std::string& output, const std::vector<std::string>& listing, RegionId region) {
  Shown shown;
  for (const testing::ReadRecord& record : ReadOutput(output).records) {
    ++shown.records;
    const std::vector<std::string> counties = record.ValuesOf("CNTY");
    for (const std::string& county : counties) ++shown.counties[county];
    if (counties.empty()) {
      for (const std::string& state : record.ValuesOf("STATE")) ++shown.states[state];
    }
    for (const testing::ReadField& field : record.fields) {
      if (field.name == "STATE" || field.name == "CNTY") continue;
      if (const auto province = FindCanadianArea(field.value))
        ++shown.provinces[std::string(*province)];
    }
  }
  const std::string warning = "WARNING: ", invalid = " is not a valid ";
  for (const std::string& line : listing) {
    if (line.rfind("INFO: Adding QSO for ", 0) == 0) ++shown.added;
    const std::size_t at = line.find(" in ");
    if (line.rfind(warning, 0) != 0 || line.find(invalid) == std::string::npos) continue;
    const std::string call = line.substr(warning.size(), at - warning.size());
    const std::string code = line.substr(at + 4, line.find(invalid) - at - 4);
    // NAQP's name and province: the province is worked.
    const auto province = FindCanadianArea(code.substr(code.rfind(' ') + 1));
    if (region == kNaqp && province) {
      ++shown.provinces[std::string(*province)];
    } else {
      shown.unknownCalls[code].insert(call);
    }
  }
  return shown;
}

TEST(CountyReport, AgreesWithTheConvertedOutputOfEachKindOfRegion) {
  struct Sample {
    const char* name;
    RegionId region;
    std::size_t states;    // of the region's tables
    std::size_t counties;  // in all of them
  } samples[] = {{"pa-qso-party", kPennsylvania, 1, 67},
                 {"us-counties-qso-party", kUscqp, 50, 3077},
                 {"7qp-neqp-inqp", kMulti, 15, 67 + 258 + 92},
                 {"naqp", kNaqp, 0, 0}};
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.name);
    TempDir dir;
    const std::string file = std::string(s.name) + ".adi";
    CountyReport report;
    StreamRequest request;
    request.inputPath = (fs::path(QUORVEL_SOURCE_DIR) / "samples" / file).string();
    request.outputPath = dir.File(file);
    request.region = s.region;
    request.report = &report;
    const ConversionResult result = RunStreamConversion(request);
    ASSERT_TRUE(result.ok()) << result.error;
    const Shown shown = ShownBy(ReadFile(request.outputPath), result.listing, s.region);

    ASSERT_EQ(report.states().size(), s.states);
    std::size_t counties = 0;
    long long counted = 0;
    for (const ReportState& state : report.states()) {
      std::size_t worked = 0;
      for (const ReportCounty& county : state.counties) {
        ++counties;
        const std::string value = std::string(state.abbreviation) + "," + std::string(county.name);
        const auto it = shown.counties.find(value);
        EXPECT_EQ(county.qsos, it == shown.counties.end() ? 0 : it->second) << value;
        EXPECT_EQ(county.bands.empty(), county.qsos == 0) << value;
        worked += county.qsos > 0 ? 1 : 0;
        counted += county.qsos;
      }
      EXPECT_EQ(state.Worked(), worked);
    }
    EXPECT_EQ(counties, s.counties);
    long long shownCounties = 0;
    for (const auto& [value, qsos] : shown.counties)
      shownCounties += value.find(',') != std::string::npos ? qsos : 0;
    EXPECT_EQ(counted, shownCounties);

    using Counts = std::map<std::string, long long>;
    EXPECT_EQ(Counts(report.otherStates().begin(), report.otherStates().end()), shown.states);
    EXPECT_EQ(Counts(report.provinces().begin(), report.provinces().end()), shown.provinces);
    std::map<std::string, std::set<std::string>> unknownCalls;
    for (const ReportUnknown& unknown : report.unknown()) {
      unknownCalls[unknown.code].insert(unknown.calls.begin(), unknown.calls.end());
    }
    EXPECT_EQ(unknownCalls, shown.unknownCalls);
    EXPECT_EQ(report.totals().qsosWritten, shown.records);
    EXPECT_EQ(report.totals().countyLineQsos, shown.added);
    EXPECT_EQ(report.totals().qsosRead,
              static_cast<long long>(ReadOutput(ReadFile(request.inputPath)).records.size()));
  }
}

}  // namespace
}  // namespace quorvel
