#include "engine/conversion_request.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_support.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quorvel {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;
using Lines = std::vector<std::string>;

constexpr const char* kLog =
    "header\r\n<EOH>\r\n<CALL:4>W1AW <QSO_DATE:8>20240504 <TIME_ON:4>1430 <EOR>\r\n";

class RunConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(input_, kLog); }
  TempDir dir_;
  std::string input_ = dir_.File("in.adi");
  std::string output_ = dir_.File("out.adi");
};

TEST_F(RunConversionTest, ChecksTheRequestInOrderAndStopsAtTheFirstFailure) {
  struct Case {
    std::string in;
    std::string out;
    RegionId region;
    const char* error;
  };
  const std::string missing = dir_.File("missing.adi");
  const Case cases[] = {
      {"", "", -1, "ERROR: Didn't specify input file."},
      {"", output_, 37, "ERROR: Didn't specify input file."},
      {input_, "", -1, "ERROR: Didn't specify output file."},
      {input_, input_, -1, "ERROR: Input and output file names must be different."},
      {missing, output_, -1, "ERROR: You must select a state."},
      {input_, output_, 57, "ERROR: You must select a state."},
      {missing, output_, 37, "ERROR: Could not open input file."},
      {dir_.path(), output_, 37, "ERROR: Could not open input file."},
      {input_, dir_.File("no/such/folder/out.adi"), 37, "ERROR: Could not open output file."},
      {input_, dir_.path(), 37, "ERROR: Could not open output file."},
      {input_, dir_.File(std::string(300, 'x')), 37, "ERROR: Could not open output file."},
  };
  for (const auto& c : cases) {
    const ConversionResult r = RunConversion(c.in, c.out, c.region, 1);
    EXPECT_EQ(r.error, c.error) << c.in << " -> " << c.out;
    EXPECT_TRUE(r.listing.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(output_)) << "a refused request creates no file";
  EXPECT_EQ(ReadFile(input_), kLog);
}

TEST_F(RunConversionTest, ConvertsAndListsTheRun) {
  const ConversionResult r = RunConversion(input_, output_, 37, 1);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.listing,
            (Lines{"Converted 0 Pennsylvania counties.", "Wrote 1 QSOs to " + output_, ""}));
  EXPECT_EQ(ReadFile(output_),
            "header\r\n<EOH>\r\n<QSO_DATE:8>20240504 <TIME_ON:6>143000 <CALL:4>W1AW <EOR>\r\n\r\n");
}

TEST_F(RunConversionTest, EmptiesAnExistingOutputFile) {
  WriteFile(output_, std::string(10000, 'z'));
  ASSERT_TRUE(RunConversion(input_, output_, 37, 1).ok());
  EXPECT_EQ(ReadFile(output_).find('z'), std::string::npos);
}

#ifndef _WIN32
TEST_F(RunConversionTest, RefusesTheInputUnderAnotherNameAndLeavesItUnchanged) {
  const std::string hardLink = dir_.File("hard.adi");
  const std::string symbolicLink = dir_.File("sym.adi");
  ASSERT_EQ(::link(input_.c_str(), hardLink.c_str()), 0);
  ASSERT_EQ(::symlink(input_.c_str(), symbolicLink.c_str()), 0);
  std::filesystem::create_directory(dir_.File("sub"));
  const std::string cwd = std::filesystem::current_path().string();
  std::filesystem::current_path(dir_.path());
  const std::string names[] = {"in.adi", "./in.adi",   "sub/../in.adi",
                               hardLink, symbolicLink, dir_.path() + "//in.adi"};
  for (const std::string& other : names) {
    const ConversionResult r = RunConversion(input_, other, 37, 1);
    EXPECT_EQ(r.error, "ERROR: Could not open output file.") << other;
    EXPECT_EQ(ReadFile(input_), kLog) << other;
  }
  std::filesystem::current_path(cwd);
}

TEST_F(RunConversionTest, AFullDiskIsAnErrorNotASuccess) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  const ConversionResult r = RunConversion(input_, "/dev/full", 37, 1);
  EXPECT_EQ(r.error, "ERROR: Could not write output file.");
  EXPECT_TRUE(r.listing.empty());
}

TEST_F(RunConversionTest, AReadErrorIsAnErrorNotASuccess) {
  // Reading this file at its start always fails with an I/O error.
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc on this system";
  const ConversionResult r = RunConversion("/proc/self/mem", output_, 37, 1);
  EXPECT_EQ(r.error, "ERROR: Could not read input file.");
  EXPECT_TRUE(r.listing.empty());
}

TEST_F(RunConversionTest, AnUnreadableInputCannotBeOpened) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  std::filesystem::permissions(input_, std::filesystem::perms::none);
  EXPECT_EQ(RunConversion(input_, output_, 37, 1).error, "ERROR: Could not open input file.");
}
#endif

}  // namespace
}  // namespace quorvel
