// Whole logs through the whole program: the bundled samples byte for byte, and
// logs written by other programs for every record accounted for.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/conversion_request.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;

const fs::path kSamples = fs::path(QUORVEL_SOURCE_DIR) / "samples";
const fs::path kRealLogs = fs::path(QUORVEL_SHARED_DIR) / "real-logs";

// The listing as the command line prints it: every line followed by a LF.
std::string Printed(const std::vector<std::string>& listing) {
  std::string text;
  for (const auto& line : listing) text += line + "\n";
  return text;
}

// Converts in a folder of its own so that the listing names the output as the
// expected listing does: by its bare file name.
ConversionResult ConvertInto(const TempDir& dir, const fs::path& input, const std::string& name,
                             RegionId region) {
  const fs::path cwd = fs::current_path();
  fs::current_path(dir.path());
  ConversionResult result = RunConversion(input.string(), name, region, 1);
  fs::current_path(cwd);
  return result;
}

struct Sample {
  const char* name;
  RegionId region;
};

TEST(Samples, ConvertExactlyToTheirCheckedOutputAndListing) {
  const Sample samples[] = {
      {"pa-qso-party", 37}, {"us-counties-qso-party", 55}, {"naqp", 52}, {"7qp-neqp-inqp", 56}};
  for (const auto& s : samples) {
    TempDir dir;
    const std::string file = std::string(s.name) + ".adi";
    const ConversionResult r = ConvertInto(dir, kSamples / file, file, s.region);
    ASSERT_TRUE(r.ok()) << s.name << ": " << r.error;
    EXPECT_EQ(Printed(r.listing),
              ReadFile((kSamples / "expected" / (std::string(s.name) + ".txt")).string()))
        << s.name;
    EXPECT_EQ(ReadFile(dir.File(file)), ReadFile((kSamples / "expected" / file).string()))
        << s.name;
  }
}

std::size_t CountEndTags(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t at = text.find("<EOR>"); at != std::string::npos;
       at = text.find("<EOR>", at + 1))
    ++count;
  for (std::size_t at = text.find("<eor>"); at != std::string::npos;
       at = text.find("<eor>", at + 1))
    ++count;
  return count;
}

struct RealLog {
  const char* file;
  RegionId region;
  int records;     // complete records in the file
  bool hasHeader;  // a recognised end-of-header tag
};

TEST(RealLogs, EveryRecordIsAccountedFor) {
  if (!fs::exists(kRealLogs)) GTEST_SKIP() << "the shared real logs are not beside this checkout";
  const RealLog logs[] = {
      {"n1mm-classic_ss-cw-2007_N6RNO.ADI", 37, 80, true},
      {"n3fjp_arrl-fd-2024_W7AVM.adi", 46, 665, true},
      {"qsopartylogger_ksqp-inside-county-line.adi", 15, 11, true},
      {"qrzlogbook_m0nom_excerpt_cnty_app_n1mm.adi", 37, 47, true},
      {"loghx_test-shuttle1.adi", 37, 1, true},
      {"wsjtx_ei3kf_wsjtx_log.adi", 42, 558, true},
      {"csn-sat_SAT_log_20220403.adi", 37, 24, true},
      {"qlog_LU7HF.adi", 4, 1, true},
      {"hamrs_pota-K-1980.adi", 34, 1, true},
      {"monolog_sample.adi", 55, 4, true},
      {"n5zy-copilot_grid_corner_qsos_noheader.adi", 37, 4, false},
  };
  for (const auto& log : logs) {
    TempDir dir;
    const ConversionResult r = ConvertInto(dir, kRealLogs / log.file, "out.adi", log.region);
    ASSERT_TRUE(r.ok()) << log.file << ": " << r.error;
    int countyLineCopies = 0;
    for (const auto& line : r.listing)
      countyLineCopies += line.rfind("INFO: Adding QSO for ", 0) == 0;
    const int written = log.hasHeader ? log.records + countyLineCopies : 0;
    const std::string wrote = "Wrote " + std::to_string(written) + " QSOs to out.adi";
    EXPECT_NE(std::find(r.listing.begin(), r.listing.end(), wrote), r.listing.end())
        << log.file << "\n"
        << Printed(r.listing);
    const std::string output = ReadFile(dir.File("out.adi"));
    const std::string input = ReadFile((kRealLogs / log.file).string());
    if (log.hasHeader) {
      EXPECT_EQ(CountEndTags(output), static_cast<std::size_t>(written)) << log.file;
    } else {
      EXPECT_NE(std::find(r.listing.begin(), r.listing.end(),
                          "WARNING: No end-of-header tag found; no record was converted."),
                r.listing.end())
          << log.file;
      EXPECT_EQ(testing::WithoutCr(output), testing::WithoutCr(input)) << log.file;
    }
    EXPECT_EQ(std::count(r.listing.begin(), r.listing.end(),
                         "WARNING: Last record has no end-of-record tag and was not written."),
              0)
        << log.file;
  }
}

}  // namespace
}  // namespace quorvel
