// The command-line program itself, started as a shell would start it: pipes,
// redirections onto the input, a reader that goes away, two runs at once, a
// batch, and the region read from the log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorvel {
namespace {

#ifndef _WIN32

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const std::string kSample = std::string(QUORVEL_SOURCE_DIR) + "/samples/pa-qso-party.adi";

// Starts the program with the three descriptors as its standard streams;
// -1 leaves the stream closed.
pid_t Start(const std::vector<std::string>& arguments, int in, int out, int err) {
  std::vector<char*> argv;
  std::string program = QUORVEL_CONVERT_PROGRAM;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int wanted[3] = {in, out, err};
    int moved[3];
    // Out of the way first, so that one stream's descriptor is not another's number.
    for (int i = 0; i < 3; ++i)
      moved[i] = wanted[i] < 0 ? -1 : ::fcntl(wanted[i], F_DUPFD_CLOEXEC, 10);
    for (int i = 0; i < 3; ++i) {
      if (moved[i] < 0) {
        ::close(i);
      } else {
        ::dup2(moved[i], i);
      }
    }
    ::execv(argv[0], argv.data());
    _exit(127);
  }
  return child;
}

// The exit status, or 128 and the signal for a program that was killed.
int Wait(pid_t child) {
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct ProgramRun {
  int code;
  std::string out;
  std::string err;
};

class ProgramTest : public ::testing::Test {
 protected:
  // Runs the program with standard input read from the file inputFrom (none
  // when empty) and standard output and error caught in files.
  ProgramRun Convert(const std::vector<std::string>& arguments, const std::string& inputFrom = "") {
    const std::string out = dir_.File("stdout"), err = dir_.File("stderr");
    const int in = inputFrom.empty() ? -1 : ::open(inputFrom.c_str(), O_RDONLY | O_CLOEXEC);
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int code = Wait(Start(arguments, in, o, e));
    for (const int fd : {in, o, e}) {
      if (fd >= 0) ::close(fd);
    }
    return {code, ReadFile(out), ReadFile(err)};
  }
  TempDir dir_;
};

TEST_F(ProgramTest, PipesGiveTheBytesAndTheListingOfFileMode) {
  // LF line ends and a 0x1A with bytes after it: the text-mode rules apply
  // to standard input as to a file.
  std::string log = ReadFile(kSample);
  for (std::size_t at; (at = log.find("\r\n")) != std::string::npos;) log.erase(at, 1);
  log += "\x1a<CALL:4>W1AW <EOR>\n";
  const std::string input = dir_.File("in.adi");
  WriteFile(input, log);
  const std::string fromFile = dir_.File("file.adi"), fromPipe = dir_.File("pipe.adi");

  const ProgramRun file = Convert({"--region", "PA", input, fromFile});
  ASSERT_EQ(file.code, 0) << file.err;
  ASSERT_NE(file.out.find("Wrote 26 QSOs to " + fromFile + "\n"), std::string::npos);
  const ProgramRun pipeIn = Convert({"--region", "PA", "-", fromPipe}, input);
  EXPECT_EQ(pipeIn.code, 0);
  EXPECT_EQ(ReadFile(fromPipe), ReadFile(fromFile));
  std::string listing = file.out;
  listing.replace(listing.find(fromFile), fromFile.size(), fromPipe);
  EXPECT_EQ(pipeIn.out, listing);

  // The log on standard output, the listing on standard error, naming no file.
  for (const std::string& source : {input, std::string("-")}) {
    const ProgramRun pipeOut = Convert({"--region", "PA", source, "-"}, input);
    EXPECT_EQ(pipeOut.code, 0) << source;
    EXPECT_EQ(pipeOut.out, ReadFile(fromFile)) << source;
    std::string unnamed = file.out;
    unnamed.erase(unnamed.find(" to " + fromFile), 4 + fromFile.size());
    EXPECT_EQ(pipeOut.err, unnamed) << source;
  }
}

TEST_F(ProgramTest, StandardOutputOntoTheInputIsRefusedAndTheInputKept) {
  const std::string log = ReadFile(kSample);
  const std::string input = dir_.File("in.adi");
  struct Case {
    std::vector<std::string> arguments;
    bool inputOnStandardInput;
    bool outputOnStandardOutput;
  };
  const Case cases[] = {
      {{"--region", "PA", input, "-"}, false, true},  // a.adi - >> a.adi
      {{"--region", "PA", "-", "-"}, true, true},     // - - < a.adi >> a.adi
      {{"--region", "PA", "-", input}, true, false},  // - a.adi < a.adi
  };
  for (const Case& c : cases) {
    WriteFile(input, log);
    const int in = c.inputOnStandardInput ? ::open(input.c_str(), O_RDONLY | O_CLOEXEC) : -1;
    const int out =
        c.outputOnStandardOutput ? ::open(input.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC) : -1;
    const int err =
        ::open(dir_.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    EXPECT_EQ(Wait(Start(c.arguments, in, out, err)), 1) << c.arguments[2];
    for (const int fd : {in, out, err}) {
      if (fd >= 0) ::close(fd);
    }
    EXPECT_EQ(ReadFile(dir_.File("stderr")), "ERROR: Could not open output file.\n");
    EXPECT_EQ(ReadFile(input), log) << c.arguments[2] << ' ' << c.arguments[3];
  }
}

TEST_F(ProgramTest, AReaderThatGoesAwayIsAWriteError) {
  int pipe[2];
  ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
  ::close(pipe[0]);
  const int err =
      ::open(dir_.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  EXPECT_EQ(Wait(Start({"--region", "PA", kSample, "-"}, -1, pipe[1], err)), 1);
  ::close(pipe[1]);
  ::close(err);
  EXPECT_EQ(ReadFile(dir_.File("stderr")), "ERROR: Could not write output file.\n");
}

// A first run holds its files while it waits for its input on a pipe; a
// second run that would write its output, or read it, is refused meanwhile
// and changes nothing.
TEST_F(ProgramTest, TwoRunsNeverShareAFileThatOneOfThemWrites) {
  const std::string output = dir_.File("out.adi"), other = dir_.File("other.adi");
  WriteFile(other, "an earlier conversion");
  int feed[2];
  ASSERT_EQ(::pipe2(feed, O_CLOEXEC), 0);
  const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  const pid_t first = Start({"--region", "PA", "-", output}, feed[0], quiet, quiet);
  ::close(feed[0]);
  // The first run has its lock once a shared one can no longer be had.
  bool locked = false;
  for (int i = 0; i < 500 && !locked; ++i) {
    const int probe = ::open(output.c_str(), O_RDONLY | O_CLOEXEC);
    locked = probe >= 0 && ::flock(probe, LOCK_SH | LOCK_NB) != 0;
    if (probe >= 0) ::close(probe);
    if (!locked) ::usleep(10000);
  }
  ASSERT_TRUE(locked);

  const ProgramRun sameOutput = Convert({"--region", "PA", kSample, output});
  EXPECT_EQ(sameOutput.code, 1);
  EXPECT_EQ(sameOutput.err, "ERROR: Could not open output file.\n");
  const ProgramRun readsOutput = Convert({"--region", "PA", output, other});
  EXPECT_EQ(readsOutput.code, 1);
  EXPECT_EQ(readsOutput.err, "ERROR: Could not open input file.\n");
  EXPECT_EQ(ReadFile(other), "an earlier conversion");

  const std::string log = ReadFile(kSample);
  EXPECT_EQ(::write(feed[1], log.data(), log.size()), static_cast<ssize_t>(log.size()));
  ::close(feed[1]);
  EXPECT_EQ(Wait(first), 0);
  ::close(quiet);
  EXPECT_EQ(Convert({"--region", "PA", kSample, other}).code, 0);
  EXPECT_EQ(ReadFile(output), ReadFile(other));
}

TEST_F(ProgramTest, ABatchConvertsEveryLogItCanAndReportsTheOthers) {
  const std::string folder = dir_.File("converted");
  fs::create_directory(folder);
  fs::create_directory(dir_.File("b"));
  const std::string a = dir_.File("a.adi"), missing = dir_.File("missing.adi");
  const std::string b = dir_.File("b/b.adi");
  WriteFile(a, "<EOH>\n<CALL:4>W1AW <QTH:3>CEN <EOR>\n");
  WriteFile(b, "<EOH>\n<CALL:4>K3ZZ <EOR>\n<CALL:4>N3FJ <EOR>\n");
  WriteFile(folder + "/missing.adi", "kept");

  const ProgramRun r = Convert({"--region", "PA", "--output-dir", folder, a, missing, b});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "==> " + a + " <==\nConverted 1 Pennsylvania counties.\nWrote 1 QSOs to " +
                       folder + "/a.adi\n\n==> " + b +
                       " <==\nConverted 0 Pennsylvania counties.\nWrote 2 QSOs to " + folder +
                       "/b.adi\n\n");
  EXPECT_EQ(r.err, "==> " + missing + " <==\nERROR: Could not open input file.\n\n");
  EXPECT_NE(ReadFile(folder + "/a.adi").find("<CNTY:9>PA,Centre"), std::string::npos);
  EXPECT_NE(ReadFile(folder + "/b.adi").find("N3FJ"), std::string::npos);
  EXPECT_EQ(ReadFile(folder + "/missing.adi"), "kept");

  // Two logs of one name from two folders: the second may not overwrite the first.
  const std::string twin = dir_.File("b/a.adi");
  WriteFile(twin, "<EOH>\n");
  const ProgramRun twins = Convert({"--region", "PA", "--output-dir", folder, a, twin});
  EXPECT_EQ(twins.code, 1);
  EXPECT_NE(twins.err.find(folder + "/a.adi already holds the conversion of " + a),
            std::string::npos);
  EXPECT_NE(ReadFile(folder + "/a.adi").find("PA,Centre"), std::string::npos);
}

TEST_F(ProgramTest, RegionAutoNeedsTheRecordsToNameOneRegion) {
  struct Case {
    const char* records;
    int code;
    const char* message;  // the listing's first line, or the refusal
  };
  const Case cases[] = {
      {"<contest_id:12>pa-qso-party <CALL:4>W1AW <QTH:3>CEN <EOR>\n"
       "<CALL:4>K3ZZ <EOR>\n",
       0, "INFO: Region taken from the log: Pennsylvania (pa-qso-party)."},
      {"<CALL:4>W1AW <QTH:3>CEN <EOR>\n", 1,
       "quorvel-convert: cannot tell the region: no record has a CONTEST_ID; give --region"},
      {"<CONTEST_ID:12>PA-QSO-PARTY <EOR>\n<CONTEST_ID:12>NY-QSO-PARTY <EOR>\n"
       "<CONTEST_ID:12>PA-QSO-PARTY <EOR>\n",
       1,
       "quorvel-convert: cannot tell the region: CONTEST_ID values PA-QSO-PARTY (2 records), "
       "NY-QSO-PARTY (1 record); give --region"},
      {"<CONTEST_ID:13>MAR-QSO-PARTY <EOR>\n", 1,
       "quorvel-convert: cannot tell the region: CONTEST_ID values MAR-QSO-PARTY (1 record); "
       "give --region"},
  };
  const std::string input = dir_.File("in.adi"), output = dir_.File("out.adi");
  for (const Case& c : cases) {
    // The header's value is the logger's default, not the QSOs'.
    WriteFile(input, std::string("<CONTEST_ID:12>NY-QSO-PARTY <EOH>\n") + c.records);
    fs::remove(output);
    const ProgramRun r = Convert({"--region", "auto", input, output});
    EXPECT_EQ(r.code, c.code) << c.records;
    const std::string& printed = c.code == 0 ? r.out : r.err;
    EXPECT_EQ(printed.substr(0, printed.find('\n')), c.message);
    EXPECT_EQ(fs::exists(output), c.code == 0) << "nothing is written before the region is known";
    if (c.code == 0) {
      EXPECT_NE(ReadFile(output).find("PA,Centre"), std::string::npos);
    }
  }
}

TEST_F(ProgramTest, AReportLeavesTheLogAndTheListingByteForByteAsTheyWere) {
  const char* samples[][2] = {{"pa-qso-party", "PA"},
                              {"us-counties-qso-party", "USCQP"},
                              {"naqp", "NAQP"},
                              {"7qp-neqp-inqp", "MULTI"}};
  for (const auto& sample : samples) {
    const std::string input = std::string(QUORVEL_SOURCE_DIR) + "/samples/" + sample[0] + ".adi";
    const std::string plain = dir_.File("plain.adi"), reported = dir_.File("reported.adi");
    const ProgramRun without = Convert({"--region", sample[1], input, plain});
    for (const char* report : {"r.txt", "r.json", "r.csv"}) {
      const ProgramRun with =
          Convert({"--region", sample[1], "--report", dir_.File(report), input, reported});
      EXPECT_EQ(with.code, 0) << sample[0] << report;
      EXPECT_EQ(with.out,
                std::string(without.out).replace(without.out.find(plain), plain.size(), reported))
          << sample[0];
      EXPECT_EQ(ReadFile(reported), ReadFile(plain)) << sample[0];
      EXPECT_FALSE(ReadFile(dir_.File(report)).empty());
    }
  }
}

// Python's own parsers read back a band holding a quote, a comma, a backslash
// and the line feed that ends its line, and a code holding a control byte and a byte that is not
// ASCII.
TEST_F(ProgramTest, JsonAndCsvReportsParseBackWithTheirValuesWhole) {
  if (std::system("python3 -c '' 2>/dev/null") != 0) GTEST_SKIP() << "no python3";
  const std::string input = dir_.File("in.adi"), output = dir_.File("out.adi");
  WriteFile(input,
            "<EOH>\n<CALL:4>W3AB <BAND:7>2\"0,m\\\n<QTH:3>CEN <EOR>\n"
            "<CALL:4>K3ZZ <QTH:4>C\x01\xE9N <EOR>\n");
  ASSERT_EQ(Convert({"--region", "PA", "--report", dir_.File("r.json"), input, output}).code, 0);
  ASSERT_EQ(Convert({"--region", "PA", "--report", dir_.File("r.csv"), input, output}).code, 0);
  const std::string script = dir_.File("check.py");
  WriteFile(script,
            "import csv, json, sys\n"
            "band = '2\"0,m\\\\\\n'\n"
            "with open(sys.argv[1], encoding='utf-8') as f:\n"
            "    report = json.load(f)\n"
            "centre = [c for c in report['states'][0]['counties'] if c['county'] == 'Centre'][0]\n"
            "assert centre['bands'] == [band] and centre['qsos'] == 1, centre\n"
            "assert report['unknown'][0]['code'] == 'C\\x01\\u00e9N', report['unknown']\n"
            "assert report['unknown'][0]['calls'] == ['K3ZZ']\n"
            "with open(sys.argv[2], newline='', encoding='latin-1') as f:\n"
            "    rows = list(csv.reader(f))\n"
            "assert rows[0] == ['state', 'county', 'abbreviations', 'qsos', 'bands', 'modes',"
            " 'worked'], rows[0]\n"
            "assert len(rows) == 68, len(rows)\n"
            "assert ['PA', 'Centre', 'CEN', '1', band, '?', 'yes'] in rows\n");
  EXPECT_EQ(
      std::system(
          ("python3 " + script + " " + dir_.File("r.json") + " " + dir_.File("r.csv")).c_str()),
      0);
}

TEST_F(ProgramTest, AReportThatCannotBeWrittenFailsAfterAWholeConversion) {
  const std::string output = dir_.File("out.adi"), plain = dir_.File("plain.adi");
  ASSERT_EQ(Convert({"--region", "PA", kSample, plain}).code, 0);
  const ProgramRun r =
      Convert({"--region", "PA", "--report", dir_.File("no/such/folder/r.txt"), kSample, output});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "ERROR: Could not write report file.\n");
  EXPECT_EQ(ReadFile(output), ReadFile(plain));
}

TEST_F(ProgramTest, AReportMayNotNameALogOfTheRun) {
  const std::string input = dir_.File("in.adi"), output = dir_.File("out.adi");
  WriteFile(input, "<EOH>\n<CALL:4>W1AW <QTH:3>CEN <EOR>\n");
  fs::create_directory(dir_.File("sub"));
  for (const std::string& report :
       {input, dir_.File("sub/../in.adi"), output, dir_.File("./out.adi")}) {
    const ProgramRun r = Convert({"--region", "PA", "--report", report, input, output});
    EXPECT_EQ(r.code, 1) << report;
    EXPECT_EQ(r.err, "ERROR: The report file must not be the input or the output file.\n");
    EXPECT_EQ(ReadFile(input), "<EOH>\n<CALL:4>W1AW <QTH:3>CEN <EOR>\n");
    EXPECT_FALSE(fs::exists(output));
  }
  // Standard output cannot carry the report beside the log.
  EXPECT_EQ(Convert({"--region", "PA", "--report", "-", input, "-"}).code, 2);
  const std::string folder = dir_.File("converted");
  fs::create_directory(folder);
  EXPECT_EQ(
      Convert({"--region", "PA", "--report", folder + "/in.adi", "--output-dir", folder, input})
          .code,
      1);
  EXPECT_FALSE(fs::exists(folder + "/in.adi"));
}

TEST_F(ProgramTest, ABatchReportSumsEveryLog) {
  const std::string folder = dir_.File("converted");
  fs::create_directory(folder);
  const std::string a = dir_.File("a.adi"), b = dir_.File("b.adi");
  fs::copy_file(kSample, a);
  fs::copy_file(kSample, b);
  const ProgramRun r = Convert({"--region", "PA", "--report", "-", "--output-dir", folder, a, b});
  EXPECT_EQ(r.code, 0);
  const std::string report = r.out.substr(r.out.find("County report"));
  EXPECT_EQ(report.substr(0, report.find("\n\n")),
            "County report of 2 logs:\n  " + a + " (Pennsylvania)\n  " + b + " (Pennsylvania)");
  EXPECT_NE(report.find("Pennsylvania: worked 14 of 67 counties in 30 QSOs\n"), std::string::npos);
  EXPECT_NE(report.find("\nQSOs read 48, written 52, county-line QSOs added 4\n"),
            std::string::npos);
}

#endif

}  // namespace
}  // namespace quorvel
