#include "engine/region_from_log.h"

#include <gtest/gtest.h>

#include "engine/contest_regions.h"
#include "engine/platform/byte_stream.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

TEST(ContestRegions, MapsTheLoggersNamesAndNothingElse) {
  struct Case {
    const char* contestId;
    RegionId region;
  };
  const Case cases[] = {
      {"PA-QSO-PARTY", kPennsylvania},
      {"wv-qso-party", 48},
      {"IL QSO PARTY", 13},
      {"IL-QSO-PARTY", kNoRegion},
      {"Virginia QSO Party", 44},
      {"VA-QSO-PARTY", 44},
      {"7QP", kSevenQp},
      {"NEQP", kNeqp},
      {"MIDATLANTIC-QSO-PARTY", kMaqp},
      {"MAR-QSO-PARTY", kNoRegion},
      {"NAQP-RTTY", kNaqp},
      {"US-COUNTIES-QSO", kUscqp},
      {"IN7QPNE-QSO-PARTY", kMulti},
      {"IN-QSO-PARTY", kIndiana},
      {"AK-QSO-PARTY", kNoRegion},
      {"PA-QSO-PART", kNoRegion},
      {"PA-QSO-PARTYX", kNoRegion},
      {"ARRL-FD", kNoRegion},
      {"", kNoRegion},
  };
  for (const Case& c : cases) EXPECT_EQ(RegionForContestId(c.contestId), c.region) << c.contestId;
}

LogRegion Read(std::string_view log, std::size_t* readerBytes = nullptr) {
  MemorySource source(log);
  TextReader reader(source, true);
  LogRegion found = ReadRegionFromLog(reader);
  if (readerBytes != nullptr) *readerBytes = reader.BufferSize();
  return found;
}

TEST(RegionFromLog, ContestsOfOneRegionAgree) {
  const LogRegion naqp = Read(
      "<EOH>\r\n<CONTEST_ID:7>NAQP-CW <EOR>\r\n<CONTEST_ID:8>naqp-ssb <EOR>"
      "<CONTEST_ID:7>NAQP-CW <EOR>\r\n<CALL:4>W1AW <EOR>\r\n");
  EXPECT_EQ(naqp.region, kNaqp);
  EXPECT_EQ(DescribeLogRegion(naqp), "North American QSO Party (NAQP-CW, naqp-ssb)");
  // A declared length past the line's end keeps the line feed; the last
  // record has no end-of-record tag and is not converted, so it does not count.
  const LogRegion pa = Read("<EOH>\n<CONTEST_ID:30> PA-QSO-PARTY\n<EOR>\n<CONTEST_ID:4>7QP ");
  EXPECT_EQ(pa.region, kPennsylvania);
  EXPECT_EQ(DescribeLogRegion(pa), "Pennsylvania (PA-QSO-PARTY)");
}

TEST(RegionFromLog, ListsAFewValuesAndCountsTheRest) {
  std::string log = "<EOH>\n";
  for (int i = 0; i < 1000; ++i) {
    log += "<CONTEST_ID:4>C" + std::to_string(100 + i % 7) + " <EOR>\n";
  }
  const LogRegion found = Read(log);
  EXPECT_EQ(found.region, kNoRegion);
  EXPECT_EQ(found.contests.size(), kListedContestIds);
  EXPECT_EQ(DescribeLogRegion(found),
            "CONTEST_ID values C100 (143 records), C101 (143 records), C102 (143 records), C103 "
            "(143 records), C104 (143 records) and 285 records with other values");
}

// The region pass and the conversion read a log's shape alike: the end tags
// in either exact letter case, never in mixed case.
TEST(RegionFromLog, FindsTheEndTagsAsTheConversionDoes) {
  struct Case {
    const char* eoh;
    const char* eor;
    bool counted;
  };
  const Case cases[] = {
      {"<eoh>", "<eor>", true},  {"<EOH>", "<EOR>", true},  {"<eoh>", "<APP_X_eor>", true},
      {"<EoH>", "<EOR>", false}, {"<EOH>", "<EoR>", false},
  };
  for (const Case& c : cases) {
    const std::string log =
        std::string("Log ") + c.eoh + "\n<CONTEST_ID:12>PA-QSO-PARTY <QTH:3>CEN " + c.eor + "\n";
    const std::string label = std::string(c.eoh) + c.eor;
    EXPECT_EQ(Read(log).region, c.counted ? kPennsylvania : kNoRegion) << label;
    EXPECT_EQ(testing::ConvertText(log).listing[0], c.counted
                                                        ? "Converted 1 Pennsylvania counties."
                                                        : "Converted 0 Pennsylvania counties.")
        << label;
  }
}

// A log with every record on one line is read for its region in the memory of
// a few blocks, as the conversion reads it.
TEST(RegionFromLog, ReadsAOneLineLogWithinFlatMemory) {
  std::string log = "<EOH>\n";
  const std::string record = "<CALL:5>W1ABC <CONTEST_ID:12>PA-QSO-PARTY <QTH:3>CEN <EOR>";
  for (int i = 0; i < 200000; ++i) log += record;
  std::size_t readerBytes = 0;
  const LogRegion found = Read(log, &readerBytes);
  EXPECT_EQ(found.region, kPennsylvania);
  ASSERT_EQ(found.contests.size(), 1u);
  EXPECT_EQ(found.contests[0].records, 200000u);
  EXPECT_GT(log.size(), 3 * readerBytes);
}

}  // namespace
}  // namespace quorvel
