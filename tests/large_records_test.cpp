// Logs that are large where real logs are small: a county line in a record of
// thousands of fields (found by the fuzzer: every copy repeats every field),
// a 100,000-byte line, thousands of records on one line. Each converts whole
// and within the time the fuzz checks allow: 1 s per 100 kB of input.
#include <gtest/gtest.h>

#include "fuzz/conversion_checks.h"
#include "tests/county_model.h"

namespace quorvel {
namespace {

std::string Field(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value + " ";
}

const char* const kHeader = "Large log\r\n<EOH>\r\n";

// One record: a county line of `counties` Texas counties among `fillers` other fields.
std::string CountyLineAmongFields(std::size_t counties, std::size_t fillers) {
  const std::vector<testing::ConvertingKey>& keys = testing::ConvertingKeys(42);
  std::string log = std::string(kHeader) + Field("CALL", "K5BIG");
  for (std::size_t i = 0; i < fillers; ++i) log += Field("APP_X_" + std::to_string(i), "x");
  for (std::size_t i = 0; i < counties; ++i) log += Field("QTH", keys[i].key);
  return log + "<EOR>\r\n";
}

std::string RecordsOnOneLine(std::size_t records) {
  std::string log = kHeader;
  for (std::size_t i = 0; i < records; ++i) log += Field("CALL", "W1AW") + "<EOR>";
  return log + "\r\n";
}

std::string LongLine() {
  return std::string(kHeader) + Field("CALL", "W5LONG") + Field("NOTES", std::string(99'900, 'n')) +
         Field("QTH", "BEX") + "<EOR>\r\n";
}

TEST(LargeRecords, ConvertWholeAndInTime) {
  struct Case {
    const char* name;
    std::string log;
    long long written;
  };
  const Case cases[] = {
      {"40 counties among 4500 fields", CountyLineAmongFields(40, 4500), 40},
      {"20000 records on one line", RecordsOnOneLine(20'000), 20'000},
      {"a 100,000-byte line", LongLine(), 1},
  };
  for (const Case& c : cases) {
    const fuzzing::CheckedConversion run = fuzzing::CheckConversion(c.log, 42, 1, 0, true);
    EXPECT_EQ(run.problem, "") << c.name;
    const std::string wrote = "Wrote " + std::to_string(c.written) + " QSOs to out.adi";
    EXPECT_EQ(run.first.log.lists[kInformationList].back(), wrote) << c.name;
    EXPECT_GE(run.first.output.size(), c.log.size()) << c.name << ": nothing may be lost";
  }
}

}  // namespace
}  // namespace quorvel
