// County lines in the three forms, logged in several fields or typed into one
// field as CEN/BLA, converted for Pennsylvania.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

using testing::ConvertText;
using testing::WithoutCr;
using Lines = std::vector<std::string>;

constexpr CountyLineForm kSplit = CountyLineForm::kSplit;
constexpr CountyLineForm kSplitUsaca = CountyLineForm::kSplitUsaca;
constexpr CountyLineForm kSingle = CountyLineForm::kSingle;

std::string Log(const std::string& fields) { return "<EOH>\n<CALL:4>N3FJ " + fields + " <EOR>\n"; }

// "<QSO_DATE:8>19700101 <TIME_ON:6>00000s <CALL:4>N3FJ <CNTY:..>value" and
// what follows it on the next line.
std::string Copy(int second, const std::string& county, const std::string& rest) {
  return "<QSO_DATE:8>19700101 <TIME_ON:6>00000" + std::to_string(second) +
         " <CALL:4>N3FJ <CNTY:" + std::to_string(county.size()) + ">" + county + "\n" + rest +
         " <EOR>\n\n";
}

const std::string kDauLeb = "<USACA_COUNTIES:21>PA,Dauphin:PA,Lebanon";

TEST(CountyLineForms, EachFormWritesTheLineAsItSays) {
  struct Case {
    const char* fields;
    CountyLineForm form;
    std::string records;
    Lines listing;
  };
  const std::string added = "INFO: Adding QSO for N3FJ on PA,Lebanon county line.";
  const Case cases[] = {
      {"<QTH:3>DAU",
       kSingle,
       Copy(0, "PA,Dauphin", "<STATE:2>PA"),
       {"Converted 1 Pennsylvania counties.", "Wrote 1 QSOs to out.adi", ""}},
      {"<QTH:7>DAU/LEB",
       kSplit,
       Copy(0, "PA,Dauphin", "<STATE:2>PA") + Copy(1, "PA,Lebanon", "<STATE:2>PA"),
       {added, "\nConverted 2 Pennsylvania counties.", "Wrote 2 QSOs to out.adi", ""}},
      {"<CTY:3>DAU <CTY2:3>LEB",
       kSplitUsaca,
       Copy(0, "PA,Dauphin", "<STATE:2>PA " + kDauLeb) +
           Copy(1, "PA,Lebanon", "<STATE:2>PA " + kDauLeb),
       {added, "\nConverted 2 Pennsylvania counties.", "Wrote 2 QSOs to out.adi", ""}},
      {"<QTH:7>dau/leb",
       kSingle,
       Copy(0, "PA,Dauphin", "<STATE:2>PA " + kDauLeb),
       {"INFO: One record for N3FJ on the county line PA,Dauphin:PA,Lebanon (USACA_COUNTIES).",
        "Converted 2 Pennsylvania counties.", "Wrote 1 QSOs to out.adi", ""}},
      {"<QTH:11>DAU/LEB/BER",
       kSplitUsaca,
       Copy(0, "PA,Dauphin", "<STATE:2>PA") + Copy(1, "PA,Lebanon", "<STATE:2>PA") +
           Copy(2, "PA,Berks", "<STATE:2>PA"),
       {"INFO: No USACA_COUNTIES for N3FJ: it holds two counties, the line has 3 (PA,Dauphin; "
        "PA,Lebanon; PA,Berks).",
        added, "INFO: Adding QSO for N3FJ on PA,Berks county line.",
        "\nConverted 3 Pennsylvania counties.", "Wrote 3 QSOs to out.adi", ""}},
      {"<CTY:3>DAU <CTY2:3>LEB <CTY3:3>BER <CTY4:3>LAN",
       kSingle,
       Copy(0, "PA,Dauphin", "<STATE:2>PA"),
       {"Converted 4 Pennsylvania counties.", "Wrote 1 QSOs to out.adi", "",
        "WARNING: N3FJ on a line of 4 counties: one record carries PA,Dauphin only; not "
        "written: PA,Lebanon; PA,Berks; PA,Lancaster.",
        ""}},
  };
  for (const Case& c : cases) {
    const auto r = ConvertText(Log(c.fields), kPennsylvania, 1, "out.adi", c.form);
    EXPECT_EQ(WithoutCr(r.output), "<EOH>\n" + c.records) << c.fields;
    EXPECT_EQ(r.listing, c.listing) << c.fields;
  }
}

TEST(CountyLineForms, ALineTypedInOneFieldIsTheLineLoggedInSeveralInEveryForm) {
  for (const CountyLineForm form : {kSplit, kSplitUsaca, kSingle}) {
    for (const auto& [typed, fields] :
         {std::pair{"<QTH:7>DAU/LEB", "<QTH:3>DAU <CTY2:3>LEB"},
          std::pair{"<QTH:11>DAU/LEB/BER", "<QTH:3>DAU <CTY2:3>LEB <CTY3:3>BER"},
          std::pair{"<QTH:15>DAU/LEB/BER/LAN", "<QTH:3>DAU <CTY2:3>LEB <CTY3:3>BER <CTY4:3>LAN"},
          std::pair{"<QTH:7>CEN/CEN", "<QTH:3>CEN <CTY2:3>CEN"}}) {
      const auto one = ConvertText(Log(typed), kPennsylvania, 1, "out.adi", form);
      const auto several = ConvertText(Log(fields), kPennsylvania, 1, "out.adi", form);
      EXPECT_EQ(one.output, several.output) << typed;
      EXPECT_EQ(one.listing, several.listing) << typed;
    }
  }
}

TEST(CountyLineForms, AValueWithAnyPartThatIsNoCountyStaysWholeWithOneWarning) {
  const std::string tenKilobytes(10000, '/');
  for (const std::string& value :
       std::vector<std::string>{"DAU//LEB", "DAU/", "/DAU", "DAU/NY", "DAU/ON", "DAU/XYZ",
                                "DAU/LEB/BER/LAN/CEN", tenKilobytes, "CEN/" + tenKilobytes}) {
    const std::string fields = "<QTH:" + std::to_string(value.size()) + ">" + value;
    for (const CountyLineForm form : {kSplit, kSplitUsaca, kSingle}) {
      const auto r = ConvertText(Log(fields), kPennsylvania, 1, "out.adi", form);
      EXPECT_NE(WithoutCr(r.output).find(fields), std::string::npos) << value.substr(0, 20);
      EXPECT_EQ(
          r.listing,
          (Lines{"Converted 0 Pennsylvania counties.", "Wrote 1 QSOs to out.adi", "",
                 "WARNING: N3FJ in " + value + " is not a valid Pennsylvania county abbreviation.",
                 ""}))
          << value.substr(0, 20);
    }
  }
}

TEST(CountyLineForms, TheLogsOwnUsacaCountiesIsReplacedAndTheListingSaysSoOnce) {
  const std::string line = "<CALL:4>N3FJ <QTH:7>DAU/LEB <USACA_COUNTIES:10>PA,X:PA,Y <EOR>\n";
  const std::string alone = "<CALL:4>W3KX <QTH:3>CEN <usaca_counties:10>PA,X:PA,Y <EOR>\n";
  const auto r = ConvertText("<EOH>\n" + line + line + alone, kPennsylvania, 1, "out.adi", kSingle);
  const std::string output = WithoutCr(r.output);
  EXPECT_EQ(output.find("PA,X:PA,Y"), output.rfind("PA,X:PA,Y")) << "kept once, where no line is";
  EXPECT_NE(output.find("W3KX <CNTY:9>PA,Centre\n<STATE:2>PA <usaca_counties:10>PA,X:PA,Y"),
            std::string::npos);
  ASSERT_FALSE(r.listing.empty());
  EXPECT_EQ(r.listing[0],
            "INFO: USACA_COUNTIES fields of the log are replaced by the county lines' counties.");
  EXPECT_NE(r.listing[1], r.listing[0]);
  // The default form leaves the log's field as it was.
  const auto split = ConvertText("<EOH>\n" + line, kPennsylvania);
  EXPECT_EQ(WithoutCr(split.output).find("PA,Dauphin:PA,Lebanon"), std::string::npos);
  EXPECT_NE(WithoutCr(split.output).find("<USACA_COUNTIES:10>PA,X:PA,Y"), std::string::npos);
}

TEST(CountyLineForms, TheCommandLineTakesTheFormByName) {
  testing::TempDir dir;
  const std::string in = dir.File("in.adi"), out = dir.File("out.adi");
  testing::WriteFile(in, Log("<QTH:7>DAU/LEB"));
  std::ostringstream stdout_, stderr_;
  EXPECT_EQ(RunCommandLine({"--region", "PA", "--county-lines=single", in, out}, stdout_, stderr_),
            0);
  EXPECT_EQ(WithoutCr(testing::ReadFile(out)),
            "<EOH>\n" + Copy(0, "PA,Dauphin", "<STATE:2>PA " + kDauLeb));
  std::ostringstream out2, err2;
  EXPECT_EQ(RunCommandLine({"--region", "PA", "--county-lines", "both", in, out}, out2, err2), 2);
  EXPECT_NE(err2.str().find("unknown county-line form 'both' (split, split-usaca or single)"),
            std::string::npos);
}

}  // namespace
}  // namespace quorvel
