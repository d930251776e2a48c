// Faults of the machine around a conversion: a disk that fills up in the
// middle of the output, folders that may not be written, inputs that cannot
// be read. Each gives its error text, never a listing that claims success,
// and the input stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "engine/conversion_request.h"
#include "tests/test_support.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

#ifndef _WIN32

// Many records, so that the output fills the writer's buffer several times.
std::string LargeLog() {
  std::string log = "Big log\r\n<EOH>\r\n";
  for (int i = 0; i < 20000; ++i) {
    log += "<CALL:7>W3A" + std::to_string(10000 + i % 10000).substr(1) +
           " <QSO_DATE:8>20241012 <TIME_ON:4>1200 <QTH:3>cen <EOR>\r\n";
  }
  return log;
}

struct Outcome {
  std::string error;
  bool listed = false;
};

// Runs the request with permissions that bind: directly for an ordinary
// user; for the superuser, whom permissions do not bind, in a child process
// that has given its privileges up for those of nobody. Empty when that
// cannot be done here.
std::optional<Outcome> RunWhereModesBind(const std::string& input, const std::string& output) {
  if (::geteuid() != 0) {
    const ConversionResult r = RunConversion(input, output, kPennsylvania, 1);
    return Outcome{r.error, !r.listing.empty()};
  }
  int pipe[2];
  if (::pipe(pipe) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(pipe[0]);
    const gid_t nobodyGroup = 65534;
    const uid_t nobody = 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nobodyGroup) != 0 || ::setuid(nobody) != 0) {
      _exit(3);
    }
    const ConversionResult r = RunConversion(input, output, kPennsylvania, 1);
    const std::string report = (r.listing.empty() ? "0" : "1") + r.error;
    const bool sent =
        ::write(pipe[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
    _exit(sent ? 0 : 4);
  }
  ::close(pipe[1]);
  std::string report;
  char buffer[256];
  for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty()) return std::nullopt;
  return Outcome{report.substr(1), report[0] == '1'};
}

class MachineFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(input_, kLog);
    // The folder must let nobody in, for the runs without privileges.
    fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::others_exec |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::group_read);
  }
  static constexpr const char* kLog = "log\r\n<EOH>\r\n<CALL:4>W1AW <QTH:3>cen <EOR>\r\n";
  TempDir dir_;
  std::string input_ = dir_.File("in.adi");
};

TEST_F(MachineFaults, ADiskThatFillsDuringTheRunIsAnErrorNotASuccess) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  const std::string log = LargeLog();
  WriteFile(input_, log);
  const ConversionResult r = RunConversion(input_, "/dev/full", kPennsylvania, 1);
  EXPECT_EQ(r.error, "ERROR: Could not write output file.");
  EXPECT_TRUE(r.listing.empty());
  EXPECT_EQ(ReadFile(input_), log);
}

TEST_F(MachineFaults, AnOutputInAReadOnlyFolderCannotBeOpened) {
  const std::string folder = dir_.File("read-only");
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const std::optional<Outcome> r = RunWhereModesBind(input_, folder + "/out.adi");
  if (!r) GTEST_SKIP() << "cannot give up the superuser's privileges here";
  EXPECT_EQ(r->error, "ERROR: Could not open output file.");
  EXPECT_FALSE(r->listed);
  EXPECT_FALSE(fs::exists(folder + "/out.adi"));
  EXPECT_EQ(ReadFile(input_), kLog);
}

TEST_F(MachineFaults, AnUnreadableInputCannotBeOpenedEvenByTheSuperuser) {
  if (::geteuid() != 0) GTEST_SKIP() << "RunConversionTest covers an ordinary user";
  fs::permissions(input_, fs::perms::none);
  const std::optional<Outcome> r = RunWhereModesBind(input_, dir_.File("out.adi"));
  fs::permissions(input_, fs::perms::owner_read | fs::perms::owner_write);
  if (!r) GTEST_SKIP() << "cannot give up the superuser's privileges here";
  EXPECT_EQ(r->error, "ERROR: Could not open input file.");
  EXPECT_FALSE(r->listed);
  EXPECT_FALSE(fs::exists(dir_.File("out.adi")));
  EXPECT_EQ(ReadFile(input_), kLog);
}

TEST_F(MachineFaults, AnInputWhoseReadFailsIsAnErrorNotAnEmptyLog) {
  // The process's own memory opens as a file, but reading it from address 0 fails.
  if (::access("/proc/self/mem", R_OK) != 0) GTEST_SKIP() << "no /proc/self/mem here";
  const ConversionResult r = RunConversion("/proc/self/mem", dir_.File("out.adi"), 37, 1);
  EXPECT_EQ(r.error, "ERROR: Could not read input file.");
  EXPECT_TRUE(r.listing.empty());
}

TEST_F(MachineFaults, AnOutputBelowAFileCannotBeOpened) {
  const ConversionResult r = RunConversion(input_, input_ + "/out.adi", kPennsylvania, 1);
  EXPECT_EQ(r.error, "ERROR: Could not open output file.");
  EXPECT_TRUE(r.listing.empty());
  EXPECT_EQ(ReadFile(input_), kLog);
}

#endif

}  // namespace
}  // namespace quorvel
