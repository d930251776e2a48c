// Faults injected into the file layer at any point of a run: an output that
// fails at its k-th byte or its k-th write, an input whose k-th read fails.
// Every such run ends in its error text, never in a success.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/conversion_request.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

constexpr std::size_t kNever = static_cast<std::size_t>(-1);

// An input over memory whose read number failRead (from 1) fails.
class FakeInput final : public InputFile {
 public:
  FakeInput(const std::string& bytes, std::size_t failRead, std::size_t* reads)
      : bytes_(bytes), failRead_(failRead), reads_(reads) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    if (++*reads_ == failRead_) return -1;
    const std::size_t n = std::min(size, bytes_.size() - at_);
    std::copy_n(bytes_.data() + at_, n, buffer);
    at_ += n;
    return static_cast<std::ptrdiff_t>(n);
  }
  bool NeedsTextTranslation() const override { return true; }
  bool Rewind() override { return false; }

 private:
  const std::string& bytes_;
  std::size_t at_ = 0;
  std::size_t failRead_;
  std::size_t* reads_;
};

// An output that stores the bytes before byte failByte (from 0) and fails
// there, or fails its write call number failWrite (from 1).
struct OutputFaults {
  std::size_t failByte = kNever;
  std::size_t failWrite = kNever;
};

class FakeOutput final : public OutputFile {
 public:
  FakeOutput(OutputFaults faults, std::size_t* bytes, std::vector<std::size_t>* writes)
      : faults_(faults), bytes_(bytes), writes_(writes) {}
  bool Write(const char*, std::size_t size) override {
    writes_->push_back(*bytes_ + size);
    if (writes_->size() == faults_.failWrite) return false;
    if (faults_.failByte < *bytes_ + size) {
      *bytes_ = faults_.failByte;
      return false;
    }
    *bytes_ += size;
    return true;
  }
  bool NeedsTextTranslation() const override { return true; }
  bool Close() override { return true; }

 private:
  OutputFaults faults_;
  std::size_t* bytes_;
  std::vector<std::size_t>* writes_;
};

struct FaultyRun {
  ConversionResult result;
  std::size_t reads = 0;
  std::size_t bytes = 0;
  std::vector<std::size_t> writes;  // the bytes written after each call
};

FaultyRun Convert(const std::string& log, std::size_t failRead, OutputFaults faults) {
  FaultyRun run;
  StreamRequest request;
  request.outputPath = "out.adi";
  request.region = kPennsylvania;
  run.result = ConvertOpenFiles(request, kPennsylvania,
                                std::make_unique<FakeInput>(log, failRead, &run.reads),
                                std::make_unique<FakeOutput>(faults, &run.bytes, &run.writes));
  return run;
}

// The samples, one real log, and one whose output spans several buffers.
std::vector<std::string> Logs() {
  std::vector<std::string> logs;
  for (const char* name : {"pa-qso-party.adi", "naqp.adi", "us-counties-qso-party.adi"}) {
    logs.push_back(testing::ReadFile(std::string(QUORVEL_SOURCE_DIR) + "/samples/" + name));
  }
  logs.push_back(testing::ReadFile(std::string(QUORVEL_SHARED_DIR) +
                                   "/real-logs/qsopartylogger_ksqp-inside-county-line.adi"));
  std::string big = "Big log\r\n<EOH>\r\n";
  for (int i = 0; i < 8000; ++i) {
    big += "<CALL:7>W3A" + std::to_string(10000 + i % 10000).substr(1) +
           " <QSO_DATE:8>20241012 <TIME_ON:4>1200 <QTH:7>cen/bla <EOR>\r\n";
  }
  logs.push_back(big);
  return logs;
}

// Every block boundary with its neighbours, the ends, and a spread between.
std::set<std::size_t> FaultPoints(const std::vector<std::size_t>& boundaries, std::size_t total) {
  std::set<std::size_t> points{0, 1, total - 1};
  for (std::size_t b : boundaries) {
    for (std::size_t p : {b - 1, b, b + 1}) {
      if (p < total) points.insert(p);
    }
  }
  for (std::size_t i = 1; i < 8; ++i) points.insert(total * i / 8);
  return points;
}

TEST(InjectedFaults, EveryFailedWriteOrReadIsAnErrorNeverASuccess) {
  for (const std::string& log : Logs()) {
    const FaultyRun clean = Convert(log, kNever, {});
    ASSERT_TRUE(clean.result.ok()) << clean.result.error;
    ASSERT_GT(clean.bytes, 1u);
    for (std::size_t k : FaultPoints(clean.writes, clean.bytes)) {
      const FaultyRun r = Convert(log, kNever, {k, kNever});
      EXPECT_EQ(r.result.error, "ERROR: Could not write output file.") << "byte " << k;
      EXPECT_TRUE(r.result.listing.empty());
    }
    for (std::size_t k = 1; k <= clean.writes.size(); ++k) {
      const FaultyRun r = Convert(log, kNever, {kNever, k});
      EXPECT_EQ(r.result.error, "ERROR: Could not write output file.") << "write " << k;
    }
    // The last read is the one that finds the end: failing it loses nothing
    // but must still not pass for a whole log.
    for (std::size_t k = 1; k <= clean.reads; ++k) {
      const FaultyRun r = Convert(log, k, {});
      EXPECT_EQ(r.result.error, "ERROR: Could not read input file.") << "read " << k;
      EXPECT_TRUE(r.result.listing.empty());
    }
  }
}

}  // namespace
}  // namespace quorvel
