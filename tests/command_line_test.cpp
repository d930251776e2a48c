#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/test_support.h"

namespace quorvel {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun Invoke(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int code = RunCommandLine(arguments, out, err);
  return {code, out.str(), err.str()};
}

TEST(CommandLine, ParsesRegionsAsNumbersAbbreviationsAndNames) {
  struct Case {
    const char* text;
    std::optional<RegionId> id;
  };
  const Case cases[] = {
      {"37", 37},
      {"0", 0},
      {"56", 56},
      {"57", std::nullopt},
      {"-1", std::nullopt},
      {"PA", 37},
      {"pa", 37},
      {"MARAC", 50},
      {"7qp", 54},
      {"multi", 56},
      {"AK", 0},
      {"Pennsylvania", 37},
      {"NEW JERSEY", 30},
      {"7-Land QSO Party", 54},
      {"7QP/INQP/NEQP", 56},
      {"", std::nullopt},
      {"Penn", std::nullopt},
      {" PA", std::nullopt},
      {"007", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseRegion(c.text), c.id) << '"' << c.text << '"';
}

TEST(CommandLine, ConvertsPrintsTheListingAndExitsZero) {
  TempDir dir;
  const std::string in = dir.File("in.adi"), out = dir.File("out.adi");
  WriteFile(in, "<EOH>\n<CALL:4>W1AW<EOR>\n");
  const CliRun r = Invoke({"--region", "texas", in, out});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "Converted 0 Texas counties.\nWrote 1 QSOs to " + out + "\n\n");
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(ReadFile(out).empty());
  EXPECT_EQ(Invoke({"--region=42", "--no-mobile", in, out}).code, 0);
}

TEST(CommandLine, RequestErrorsGoToStandardErrorWithExitOne) {
  TempDir dir;
  const std::string in = dir.File("in.adi");
  WriteFile(in, "<EOH>\n");
  const CliRun noRegion = Invoke({in, dir.File("out.adi")});
  EXPECT_EQ(noRegion.code, 1);
  EXPECT_EQ(noRegion.err, "ERROR: You must select a state.\n");
  EXPECT_EQ(noRegion.out, "");
  const CliRun same = Invoke({"--region", "PA", in, in});
  EXPECT_EQ(same.code, 1);
  EXPECT_EQ(same.err, "ERROR: Input and output file names must be different.\n");
  EXPECT_EQ(Invoke({"--region", "PA", "", "x"}).err, "ERROR: Didn't specify input file.\n");
}

TEST(CommandLine, UsageErrorsExitTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"a.adi"},
      {"a", "b", "c"},
      {"--region"},
      {"--region", "XX", "a", "b"},
      {"--bogus", "a", "b"},
      {"--region", "PA", "--output-dir"},
      {"--region", "PA", "--output-dir", "no/such/folder", "a"},
      {"--region", "PA", "--output-dir", "."},
      {"--region", "PA", "--output-dir", ".", "a", "-"},
      {"--region", "auto", "-", "out.adi"},
  };
  for (const auto& arguments : bad) {
    const CliRun r = Invoke(arguments);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Usage: quorvel-convert"), std::string::npos);
  }
}

TEST(CommandLine, ListsTheOfferedRegionsInDialogOrder) {
  const CliRun r = Invoke({"--list-regions"});
  EXPECT_EQ(r.code, 0);
  std::istringstream lines(r.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 44u);
  EXPECT_EQ(all.front(), "1\tAL\tAlabama");
  EXPECT_EQ(all[37], "56\tMULTI\t7QP/INQP/NEQP");
  EXPECT_EQ(all.back(), "55\tUSCQP\tUS Counties QSO Party");
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_EQ(Invoke({"--help"}).code, 0);
  EXPECT_NE(Invoke({"--help"}).out.find("--no-mobile"), std::string::npos);
  EXPECT_EQ(Invoke({"--version"}).out, "quorvel-convert (Quorvel) 5.0\n");
}

}  // namespace
}  // namespace quorvel
