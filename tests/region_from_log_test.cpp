#include "engine/region_from_log.h"

#include <gtest/gtest.h>

#include "engine/contest_regions.h"
#include "engine/platform/byte_stream.h"

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

LogRegion Read(std::string_view log) {
  MemorySource source(log);
  TextReader reader(source, true);
  return ReadRegionFromLog(reader);
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

}  // namespace
}  // namespace quorvel
