// The C interface as another program uses it: the samples from memory to
// memory and from file to file, the county reports against the command
// line's, two threads at once, failing callbacks and null pointers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "quorvel.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;
using quorvel::testing::ReadFile;
using quorvel::testing::TempDir;

const fs::path kSamples = fs::path(QUORVEL_SOURCE_DIR) / "samples";

struct Sample {
  const char* name;
  const char* region;  // as the command line takes it
};

const Sample kAll[] = {{"pa-qso-party", "PA"},
                       {"us-counties-qso-party", "55"},
                       {"naqp", "North American QSO Party"},
                       {"7qp-neqp-inqp", "multi"}};

// The memory a conversion reads from and writes to, and its listing.
struct Memory {
  std::string input;
  std::size_t position = 0;
  std::size_t chunk = 7;  // short reads, so that refills fall inside tags
  std::string output;
  std::string listing;
  std::vector<std::pair<int, std::string>> lines;
  std::string report;
  int failReadAt = -1;  // the read that fails, or -1
  int failWriteAt = -1;
  int reads = 0;
  int writes = 0;
};

ptrdiff_t ReadMemory(void* context, char* buffer, size_t size) {
  Memory& m = *static_cast<Memory*>(context);
  if (m.reads++ == m.failReadAt) return -1;
  const std::size_t n = std::min({size, m.chunk, m.input.size() - m.position});
  std::memcpy(buffer, m.input.data() + m.position, n);
  m.position += n;
  return static_cast<ptrdiff_t>(n);
}

int WriteMemory(void* context, const char* data, size_t size) {
  Memory& m = *static_cast<Memory*>(context);
  if (m.writes++ == m.failWriteAt) return 1;
  m.output.append(data, size);
  return 0;
}

int WriteReport(void* context, const char* data, size_t size) {
  static_cast<Memory*>(context)->report.append(data, size);
  return 0;
}

void KeepLine(void* context, int kind, const char* line) {
  Memory& m = *static_cast<Memory*>(context);
  m.listing.append(line).append("\n");
  m.lines.emplace_back(kind, line);
}

int ConvertMemory(Memory& m, const char* region, char* error, size_t size) {
  const quorvel_options options = quorvel_default_options(quorvel_region_lookup(region));
  return quorvel_convert_stream(&options, ReadMemory, WriteMemory, KeepLine, &m, error, size);
}

// The expected listing for an output without a name, as for standard output.
std::string WithoutOutputName(std::string listing, const std::string& name) {
  const std::string named = " QSOs to " + name + "\n";
  const std::size_t at = listing.find(named);
  if (at != std::string::npos) listing.replace(at, named.size(), " QSOs\n");
  return listing;
}

TEST(Library, ConvertsTheSamplesFromMemoryAndFromFiles) {
  for (const Sample& s : kAll) {
    const std::string file = std::string(s.name) + ".adi";
    const std::string expectedLog = ReadFile((kSamples / "expected" / file).string());
    const std::string expectedListing =
        ReadFile((kSamples / "expected" / (std::string(s.name) + ".txt")).string());

    Memory m;
    m.input = ReadFile((kSamples / file).string());
    char error[128] = "x";
    ASSERT_EQ(ConvertMemory(m, s.region, error, sizeof error), QUORVEL_OK) << s.name;
    EXPECT_STREQ(error, "");
    EXPECT_EQ(m.output, expectedLog) << s.name;
    EXPECT_EQ(m.listing, WithoutOutputName(expectedListing, file)) << s.name;

    TempDir dir;
    const fs::path cwd = fs::current_path();
    fs::current_path(dir.path());
    Memory listed;
    const quorvel_options options = quorvel_default_options(quorvel_region_lookup(s.region));
    const int code = quorvel_convert_file(&options, (kSamples / file).string().c_str(),
                                          file.c_str(), KeepLine, &listed, error, sizeof error);
    fs::current_path(cwd);
    ASSERT_EQ(code, QUORVEL_OK) << s.name << ": " << error;
    EXPECT_EQ(listed.listing, expectedListing) << s.name;
    EXPECT_EQ(ReadFile(dir.File(file)), expectedLog) << s.name;
  }
}

TEST(Library, EachLineComesWithItsKind) {
  Memory m;
  m.input = ReadFile((kSamples / "pa-qso-party.adi").string());
  ASSERT_EQ(ConvertMemory(m, "PA", nullptr, 0), QUORVEL_OK);
  ASSERT_FALSE(m.lines.empty());
  EXPECT_EQ(m.lines.front().first, QUORVEL_INFO);
  EXPECT_EQ(m.lines.back(), std::make_pair(int{QUORVEL_WARNING}, std::string()));
  EXPECT_EQ(m.lines[m.lines.size() - 2].first, QUORVEL_WARNING);
}

TEST(Library, TwoThreadsAtOnceGiveTheBytesOfOneAtATime) {
  std::vector<Memory> alone(2), together(2);
  for (std::size_t i = 0; i < 2; ++i) {
    alone[i].input = together[i].input =
        ReadFile((kSamples / (std::string(kAll[i * 3].name) + ".adi")).string());
    alone[i].chunk = together[i].chunk = 1 << 16;
    ASSERT_EQ(ConvertMemory(alone[i], kAll[i * 3].region, nullptr, 0), QUORVEL_OK);
  }
  int codes[2] = {-1, -1};
  std::thread first([&] { codes[0] = ConvertMemory(together[0], kAll[0].region, nullptr, 0); });
  std::thread second([&] { codes[1] = ConvertMemory(together[1], kAll[3].region, nullptr, 0); });
  first.join();
  second.join();
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(codes[i], QUORVEL_OK);
    EXPECT_EQ(together[i].output, alone[i].output);
    EXPECT_EQ(together[i].listing, alone[i].listing);
  }
}

TEST(Library, AFailingCallbackEndsTheRunWithItsError) {
  struct Case {
    int failRead;
    int failWrite;
    const char* error;
  };
  const Case cases[] = {{0, -1, "ERROR: Could not read input file."},
                        {40, -1, "ERROR: Could not read input file."},
                        {-1, 0, "ERROR: Could not write output file."}};
  for (const Case& c : cases) {
    Memory m;
    m.input = ReadFile((kSamples / "naqp.adi").string());
    m.chunk = 3;
    m.failReadAt = c.failRead;
    m.failWriteAt = c.failWrite;
    char error[16];  // shorter than the text: cut, still ended
    ASSERT_EQ(ConvertMemory(m, "NAQP", error, sizeof error), QUORVEL_REFUSED);
    EXPECT_EQ(std::string(error), std::string(c.error).substr(0, sizeof error - 1));
    EXPECT_TRUE(m.lines.empty());
  }
}

// Runs quorvel-convert with these arguments and the shell's redirections;
// its exit status.
int RunProgram(const std::vector<std::string>& arguments, const std::string& redirections) {
  std::string command = "'" + std::string(QUORVEL_CONVERT_PROGRAM) + "'";
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  return std::system((command + " " + redirections).c_str());
}

TEST(Library, WritesTheReportsOfTheCommandLine) {
  struct Form {
    int report;
    const char* file;  // its name tells quorvel-convert the form
  };
  const Form forms[] = {{QUORVEL_REPORT_TEXT, "report.txt"},
                        {QUORVEL_REPORT_JSON, "report.json"},
                        {QUORVEL_REPORT_CSV, "report.csv"}};
  const std::string sample = (kSamples / "pa-qso-party.adi").string();
  for (const Form& f : forms) {
    TempDir dir;
    const std::string fromFiles = dir.File(f.file);
    const std::string fromStreams = dir.File(std::string("streams-") + f.file);
    ASSERT_EQ(RunProgram({"--region", "PA", sample, dir.File("cli.adi"), "--report", fromFiles},
                         ">/dev/null"),
              0);
    ASSERT_EQ(RunProgram({"--region", "PA", "-", "-", "--report", fromStreams},
                         "<'" + sample + "' >/dev/null 2>&1"),
              0);

    quorvel_options options = quorvel_default_options(quorvel_region_lookup("PA"));
    options.report = f.report;
    options.report_write = WriteReport;
    Memory m;
    m.input = ReadFile(sample);
    ASSERT_EQ(quorvel_convert_stream(&options, ReadMemory, WriteMemory, KeepLine, &m, nullptr, 0),
              QUORVEL_OK);
    EXPECT_EQ(m.report, ReadFile(fromStreams)) << f.file;
    Memory listed;
    ASSERT_EQ(quorvel_convert_file(&options, sample.c_str(), dir.File("lib.adi").c_str(), KeepLine,
                                   &listed, nullptr, 0),
              QUORVEL_OK);
    EXPECT_EQ(listed.report, ReadFile(fromFiles)) << f.file;
  }
}

TEST(Library, AReportThatCannotBeWrittenRefusesAfterTheConversion) {
  quorvel_options options = quorvel_default_options(quorvel_region_lookup("PA"));
  options.report = QUORVEL_REPORT_JSON;
  options.report_write = [](void*, const char*, size_t) { return 1; };
  Memory m;
  m.input = ReadFile((kSamples / "pa-qso-party.adi").string());
  char error[64];
  ASSERT_EQ(
      quorvel_convert_stream(&options, ReadMemory, WriteMemory, KeepLine, &m, error, sizeof error),
      QUORVEL_REFUSED);
  EXPECT_STREQ(error, "ERROR: Could not write report file.");
  EXPECT_EQ(m.output, ReadFile((kSamples / "expected" / "pa-qso-party.adi").string()));
  EXPECT_FALSE(m.lines.empty());

  options.report_write = nullptr;
  EXPECT_EQ(
      quorvel_convert_stream(&options, ReadMemory, WriteMemory, KeepLine, &m, error, sizeof error),
      QUORVEL_BAD_ARGUMENT);
  options.report = QUORVEL_REPORT_CSV + 1;
  options.report_write = WriteReport;
  EXPECT_EQ(
      quorvel_convert_stream(&options, ReadMemory, WriteMemory, KeepLine, &m, error, sizeof error),
      QUORVEL_BAD_ARGUMENT);
}

TEST(Library, RefusesNullPointersUnknownRegionsAndMissingFiles) {
  const quorvel_options pa = quorvel_default_options(quorvel_region_lookup("pennsylvania"));
  quorvel_options none = quorvel_default_options(quorvel_region_lookup("XX"));
  char error[64];
  EXPECT_EQ(quorvel_region_lookup("XX"), -1);
  EXPECT_EQ(quorvel_region_lookup(nullptr), -1);
  EXPECT_EQ(quorvel_convert_file(nullptr, "a", "b", nullptr, nullptr, error, sizeof error),
            QUORVEL_BAD_ARGUMENT);
  EXPECT_EQ(quorvel_convert_file(&none, "a", "b", nullptr, nullptr, error, sizeof error),
            QUORVEL_BAD_ARGUMENT);
  EXPECT_EQ(quorvel_convert_file(&pa, nullptr, "b", nullptr, nullptr, nullptr, 0),
            QUORVEL_BAD_ARGUMENT);
  EXPECT_EQ(quorvel_convert_stream(&pa, nullptr, WriteMemory, nullptr, nullptr, error, 1),
            QUORVEL_BAD_ARGUMENT);
  EXPECT_STREQ(error, "");
  TempDir dir;
  EXPECT_EQ(quorvel_convert_file(&pa, dir.File("none.adi").c_str(), dir.File("out.adi").c_str(),
                                 nullptr, nullptr, error, sizeof error),
            QUORVEL_REFUSED);
  EXPECT_STREQ(error, "ERROR: Could not open input file.");
}

TEST(Library, NamesRegionsAndResolvesValues) {
  ASSERT_EQ(quorvel_region_count(), 57);
  EXPECT_STREQ(quorvel_region_abbreviation(37), "PA");
  EXPECT_STREQ(quorvel_region_name(37), "Pennsylvania");
  EXPECT_EQ(quorvel_region_name(57), nullptr);
  // The offered regions are the 44 of --list-regions; Alaska has no tables.
  int offered = 0;
  for (int region = 0; region < quorvel_region_count(); ++region) {
    offered += quorvel_region_offered(region);
  }
  EXPECT_EQ(offered, 44);
  EXPECT_EQ(quorvel_region_offered(37), 1);
  EXPECT_EQ(quorvel_region_offered(quorvel_region_lookup("AK")), 0);
  EXPECT_EQ(quorvel_region_offered(56), 1);
  EXPECT_EQ(quorvel_region_offered(57), -1);
  EXPECT_EQ(quorvel_region_offered(-1), -1);
  EXPECT_EQ(quorvel_region_lookup("7qp"), quorvel_region_lookup("54"));
  EXPECT_STRNE(quorvel_version(), "");

  char out[32];
  EXPECT_EQ(quorvel_resolve(37, "cen", 3, out, sizeof out), QUORVEL_COUNTY);
  EXPECT_STREQ(out, "PA,Centre");
  EXPECT_EQ(quorvel_resolve(37, "OH", 2, out, sizeof out), QUORVEL_STATE);
  EXPECT_STREQ(out, "OH");
  EXPECT_EQ(quorvel_resolve(37, "ON", 2, out, sizeof out), QUORVEL_PROVINCE);
  EXPECT_EQ(quorvel_resolve(37, "XYZ", 3, out, sizeof out), QUORVEL_UNKNOWN);
  EXPECT_EQ(quorvel_resolve(37, "CEN", 3, out, 4), QUORVEL_COUNTY);
  EXPECT_STREQ(out, "");  // too small: left empty
  const std::string huge(1 << 20, 'A');
  EXPECT_EQ(quorvel_resolve(37, huge.data(), huge.size(), out, sizeof out), QUORVEL_UNKNOWN);
  EXPECT_EQ(quorvel_resolve(99, "CEN", 3, out, sizeof out), -1);
  EXPECT_EQ(quorvel_resolve(37, nullptr, 3, out, sizeof out), -1);
}

}  // namespace
