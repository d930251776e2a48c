#include "engine/convert_log.h"

#include <gtest/gtest.h>

#include "engine/platform/byte_stream.h"
#include "tests/adif_records.h"
#include "tests/test_support.h"

namespace quorvel {
namespace {

using testing::Converted;
using testing::ConvertText;
using testing::WithoutCr;
using Lines = std::vector<std::string>;

constexpr const char* kHeader = "Log by a test\n<EOH>\n";

std::string Record(const std::string& body) { return std::string(kHeader) + body; }

TEST(ConvertLog, CopiesTheHeaderAndWritesEachRecordWithDateAndTimeFirst) {
  const auto r = ConvertText(
      "Contest log\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n"
      " <CALL:4>W1AW <QSO_DATE:8>20240504 <TIME_ON:4>1430 <BAND:3>20M <EOR>\r\n");
  EXPECT_EQ(r.output,
            "Contest log\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n"
            "<QSO_DATE:8>20240504 <TIME_ON:6>143000 <CALL:4>W1AW <BAND:3>20M <EOR>\r\n\r\n");
  EXPECT_EQ(r.listing,
            (Lines{"Converted 0 Pennsylvania counties.", "Wrote 1 QSOs to out.adi", ""}));
}

TEST(ConvertLog, HeaderRecognitionNeedsOneOfTheTwoExactForms) {
  for (const char* eoh : {"<eoh>", "<EOH>"}) {
    const auto r = ConvertText(std::string("h ") + eoh + "\n<CALL:4>W1AW<eor>\n");
    EXPECT_EQ(r.listing[1], "Wrote 1 QSOs to out.adi") << eoh;
  }
  const std::string mixed = "header <EoH>\n<CALL:4>W1AW <EOR>\n";
  const auto r = ConvertText(mixed);
  EXPECT_EQ(WithoutCr(r.output), mixed);
  EXPECT_EQ(r.listing,
            (Lines{"Converted 0 Pennsylvania counties.", "Wrote 0 QSOs to out.adi", "",
                   "WARNING: No end-of-header tag found; no record was converted.", ""}));
}

// A header line longer than the reader's first block (16 kB) reaches the scan
// in two pieces; the tag is found wherever the boundary cuts it, even when
// fewer than four of its bytes come after it.
TEST(ConvertLog, FindsTheEndOfHeaderTagCutByABlockBoundary) {
  for (std::size_t before = 16370; before <= 16390; ++before) {
    const std::string header = std::string(before, 'x') + "<eoh>\n";
    const auto r = ConvertText(header + "<CALL:4>W1AW<EOR>\n");
    EXPECT_EQ(r.listing[1], "Wrote 1 QSOs to out.adi") << before;
    EXPECT_EQ(WithoutCr(r.output).compare(0, header.size(), header), 0) << before;
  }
}

TEST(ConvertLog, TheEndOfHeaderLineIsCopiedWholeWithItsFields) {
  const auto r = ConvertText("<PROGRAMID:4>TEST<EOH><CALL:4>W1AW<EOR>\n<CALL:4>K1AB<EOR>\n");
  EXPECT_EQ(WithoutCr(r.output),
            "<PROGRAMID:4>TEST<EOH><CALL:4>W1AW<EOR>\n"
            "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>K1AB <EOR>\n\n");
}

TEST(ConvertLog, EmptyInputGivesEmptyOutputAndTheSummary) {
  const auto r = ConvertText("", 42, 1, std::nullopt);
  EXPECT_EQ(r.output, "");
  EXPECT_EQ(r.listing, (Lines{"Converted 0 Texas counties.", "Wrote 0 QSOs", ""}));
}

TEST(ConvertLog, RecordsSpanLinesAndSeveralRecordsOnOneLineAreAllWritten) {
  const auto r =
      ConvertText(Record("<CALL:4>W1AW\n<BAND:3>20M\n<EOR>\n"
                         "<CALL:4>K1AB <EOR> <CALL:4>N1CD <EOR><CALL:4>W2EF<EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output),
            std::string(kHeader) +
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>W1AW <BAND:3>20M <EOR>\n\n"
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>K1AB <EOR>\n\n"
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>N1CD <EOR>\n\n"
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>W2EF <EOR>\n\n");
}

TEST(ConvertLog, ANameHoldingEorEndsTheRecordThere) {
  const auto r = ConvertText(Record("<CALL:4>W1AW <APP_GEORGIA:2>GA <BAND:3>20M <EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output),
            std::string(kHeader) +
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>W1AW <APP_GEORGIA:2>GA\n\n"
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <BAND:3>20M <EOR>\n\n");
}

TEST(ConvertLog, RecordWithOnlyTheEndTagIsWrittenWithThePreviousTime) {
  const auto r =
      ConvertText(Record("<QSO_DATE:8>20240504<TIME_ON:6>101112<CALL:4>W1AW<EOR>\n<EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output), std::string(kHeader) +
                                     "<QSO_DATE:8>20240504 <TIME_ON:6>101112 <CALL:4>W1AW <EOR>\n\n"
                                     "<QSO_DATE:8>20240504 <TIME_ON:6>101112 <EOR>\n\n");
}

TEST(ConvertLog, DateAndTimeFieldsInAnyLetterCaseSetTheTime) {
  const auto r =
      ConvertText(Record("<Call:4>W1AW\n<QSO_Date:8>20240615\n<Time_On:6>235958\n<eor>\n"
                         "<qso_date:8>20240616<time_on:4>0001<eor>\n"));
  EXPECT_EQ(WithoutCr(r.output), std::string(kHeader) +
                                     "<QSO_DATE:8>20240615 <TIME_ON:6>235958 <Call:4>W1AW <eor>\n\n"
                                     "<QSO_DATE:8>20240616 <TIME_ON:6>000100 <eor>\n\n");
}

TEST(ConvertLog, BadTimeLengthIsAnErrorAndKeepsThePreviousTime) {
  const auto r =
      ConvertText(Record("<QSO_DATE:8>20240504<TIME_ON:4>0930<EOR>\n<TIME_ON:5>09301<EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output), std::string(kHeader) +
                                     "<QSO_DATE:8>20240504 <TIME_ON:6>093000 <EOR>\n\n"
                                     "<QSO_DATE:8>20240504 <TIME_ON:6>093000 <EOR>\n\n");
  EXPECT_EQ(r.listing, (Lines{"Converted 0 Pennsylvania counties.", "Wrote 2 QSOs to out.adi", "",
                              "Could not parse time 09301", ""}));
}

TEST(ConvertLog, NormalisedDatesCarryToLaterRecordsThatSetOnlyTheTime) {
  const auto r =
      ConvertText(Record("<QSO_DATE:8>20240230<TIME_ON:4>1200<EOR><TIME_ON:4>1300<EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output), std::string(kHeader) +
                                     "<QSO_DATE:8>20240301 <TIME_ON:6>120000 <EOR>\n\n"
                                     "<QSO_DATE:8>20240301 <TIME_ON:6>130000 <EOR>\n\n");
}

TEST(ConvertLog, ValuesStayOnTheirLineAndAreCutAtTheNextTag) {
  const auto r = ConvertText(Record("<CALL:10>W9ABC<BAND:3>20M <NAME:20>Bob\nrest<EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output),
            std::string(kHeader) +
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:5>W9ABC <BAND:3>20M <NAME:4>Bob\n"
                "\n<EOR>\n\n");
}

// Names are recognised from the record before where they repeat it, and read
// afresh where they differ from it, even in the separator or past the first
// eight bytes.
TEST(ConvertLog, NamesThatDifferFromTheRecordBeforeAreReadAfresh) {
  const std::pair<const char*, const char*> records[] = {
      {"<CALL:4>W1AW <QTH:3>CEN <EOR>", "PA,Centre"},
      {"<CALL:4>W1AW <QTHX:3>CEN <EOR>", ""},
      {"<CALL:4>W1AW <QTH>CEN <EOR>", ""},
      {"<CALL:4>W1AW <APP_N1MM_EXCHANGE1:3>BED <EOR>", "PA,Bedford"},
      {"<CALL:4>W1AW <APP_N1MM_EXCHANGE2:3>BED <EOR>", ""},
      {"<CALL:4>W1AW <APP_N1MM_EXCHANGE1:3>CEN <EOR>", "PA,Centre"},
      {"<CALL:4>W1AW <APP_N1MM_EXCHANGE1:3>BED <EOR>", "PA,Bedford"},
      {"<CALL:4>W1AW <EOR> <QTH:3>CEN <EOR>", ""},
  };
  std::string log = kHeader;
  for (const auto& record : records) log += std::string(record.first) + "\n";
  const testing::ReadLog read = testing::ReadOutput(ConvertText(log).output);
  ASSERT_EQ(read.records.size(), 9u);
  for (std::size_t i = 0; i < 8; ++i) {
    const std::vector<std::string> counties = read.records[i].ValuesOf("CNTY");
    EXPECT_EQ(counties.empty() ? "" : counties[0], records[i].second) << records[i].first;
  }
  EXPECT_EQ(read.records[8].ValuesOf("CNTY"), (Lines{"PA,Centre"}));
}

// Whatever the scanner's memory of names does (a name as expected, another
// one, one too long to remember, one more than it keeps, one near the end of
// a block), each record converts as it does alone, when nothing is known.
TEST(ConvertLog, ARecordConvertsAsItDoesAloneWhateverItsNeighboursAre) {
  const std::string longName(31, 'L');
  std::vector<std::string> records = {
      "<CALL:4>W1AW <QTH:3>CEN <BAND:3>20M <EOR>",
      "<CALL:4>W1AW <QTHX:3>CEN <BAND:3>20M <EOR>",
      "<CALL:04>W1AW <QTH:3>C<N <BAND:17>20M <EOR>",
      "<CALL:4>W1AW <QTH:5>CEN\nX <BAND:3>20M <EOR>",
      "<CALL:16>0123456789ABCDEF <QTH:3>CEN <BAND:17>0123456789ABCDEFG <EOR>",
      "<BAND:3>20M <CALL:4>W1AW <QTH:3>BED <EOR>",
      "<CALL:4>W1AW <QTH:3>cen <COMMENT:6>12 ABC <EOR>",
      "<CALL:4>W1AW <" + longName + ":1>x <" + longName + "X:2>yz <" + longName + "XY>v<EOR>",
      "<CALL:4>W1AW <" + longName + ":1>x <" + longName + "X:2>yz <" + longName + "XY>v<EOR>",
      "<CALL:4>W1AW <QTH:3>CEN/BLA <EOR:0>",
      "<CALL:4>W1AW <QTH:3>CEN/BLA <EOR>",
  };
  // More names than the memory keeps, then the first ones again.
  std::string many = "<CALL:4>K1AB";
  for (int i = 0; i < 1100; ++i) many += " <F" + std::to_string(i) + ":1>" + std::to_string(i % 10);
  records.push_back(many + " <QTH:3>ALL <EOR>");
  records.push_back(records[0]);
  // Records that the reader's first blocks (16 and 32 kB) cut somewhere.
  for (std::size_t pad = 0; pad < 48; pad += 7) {
    records.push_back("<NOTES:" + std::to_string(16300 + pad) + ">" +
                      std::string(16300 + pad, 'n') + " " + records[pad % 3]);
  }
  std::string log = kHeader;
  std::string alone;
  for (const std::string& record : records) {
    log += record + "\n";
    const std::string output = ConvertText(Record(record + "\n")).output;
    alone += output.substr(std::string(kHeader).size() + 2);  // its header, CR LF
  }
  const auto r = ConvertText(log);
  EXPECT_TRUE(r.output.substr(std::string(kHeader).size() + 2) == alone);
}

// A field is written with its length as the writer spells it, however its
// tag spelt it: leading zeros, a sign, blanks and a data type all go.
TEST(ConvertLog, DeclaredLengthsAreWrittenPlain) {
  const std::pair<const char*, const char*> cases[] = {
      {"<CALL:04>W1AW", "<CALL:4>W1AW"},
      {"<CALL:004>W1AW", "<CALL:4>W1AW"},
      {"<NOTES:0>", "<NOTES:0>"},
      {"<NOTES:00>", "<NOTES:0>"},
      {"<CALL:4:S>W1AW", "<CALL:4>W1AW"},
      {"<CALL: 4>W1AW", "<CALL:4>W1AW"},
      {"<CALL:+4>W1AW", "<CALL:4>W1AW"},
      {"<CALL:4>W1AW", "<CALL:4>W1AW"},
      {"<NOTES:010>0123456789", "<NOTES:10>0123456789"},
  };
  for (const auto& [field, written] : cases) {
    const auto r = ConvertText(Record(std::string(field) + " <EOR>\n"));
    EXPECT_EQ(
        WithoutCr(r.output),
        std::string(kHeader) + "<QSO_DATE:8>19700101 <TIME_ON:6>000000 " + written + " <EOR>\n\n")
        << field;
  }
}

TEST(ConvertLog, LongLinesAreReadWholeAndLongValuesWrittenWhole) {
  const std::string name(600, 'n');
  const std::string value(700, 'v');
  const auto r = ConvertText(Record("<CALL:4>W1AW <" + name + ":700>" + value + " <EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output), std::string(kHeader) +
                                     "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:4>W1AW\n<" +
                                     name + ":700>" + value + "\n<EOR>\n\n");
}

TEST(ConvertLog, ARecordOpenAtTheEndIsReportedNotWritten) {
  const auto r = ConvertText(Record("<CALL:4>W1AW<EOR>\n<CALL:4>K1AB <BAND:3>20M\n"));
  EXPECT_EQ(r.listing,
            (Lines{"Converted 0 Pennsylvania counties.", "Wrote 1 QSOs to out.adi", "",
                   "WARNING: Last record has no end-of-record tag and was not written.", ""}));
}

TEST(ConvertLog, CtrlZEndsTheInput) {
  const auto r = ConvertText(Record("<CALL:4>W1AW<EOR>\n\x1a<CALL:4>K1AB<EOR>\n"));
  EXPECT_EQ(r.listing[1], "Wrote 1 QSOs to out.adi");
}

TEST(ConvertLog, ClosingMessageNamesTheRegionAndKeepsThePercentSignOfTheName) {
  const auto r = ConvertText("", 56, 1, "100%s log.adi");
  EXPECT_EQ(r.listing,
            (Lines{"Converted 0 7QP/INQP/NEQP counties.", "Wrote 0 QSOs to 100%s log.adi", ""}));
}

TEST(ConvertLog, FieldsAlreadyConvertedAreWrittenWithTheirState) {
  const auto r =
      ConvertText(Record("<CALL:5>W9ABC <STATE:2>XX <CNTY:9>PA,Centre <STATE:2>YY <EOR>\n"));
  EXPECT_EQ(WithoutCr(r.output),
            std::string(kHeader) +
                "<QSO_DATE:8>19700101 <TIME_ON:6>000000 <CALL:5>W9ABC <STATE:2>XX\n"
                "<CNTY:9>PA,Centre <STATE:2>PA <EOR>\n\n");
}

// Records with no line feed between them (as some programs write them) read
// as those on lines of their own, however long the line, and the reader's
// memory stays that of a few blocks, although records fall across the
// block boundaries.
TEST(ConvertLog, OneLineOfRecordsConvertsAsLinesDoWithinFlatMemory) {
  std::vector<std::string> records;
  for (int i = 0; i < 60000; ++i) {
    const std::string call = "W" + std::to_string(i % 10) + "X" + std::to_string(i);
    records.push_back("<CALL:" + std::to_string(call.size()) + ">" + call +
                      " <QSO_DATE:8>20240504 <TIME_ON:4>1430 <QTH:3>" +
                      (i % 7 == 0 ? "cen" : "BED") + " <NOTES:40>" + std::string(40, 'n') +
                      " <APP_N1MM_EXCHANGE1:3>YOR<EOR>");
  }
  std::string lines = kHeader;
  std::string oneLine = kHeader;
  for (const std::string& record : records) {
    lines += record + "\r\n";
    oneLine += record;
  }
  const Converted fromLines = ConvertText(lines, kPennsylvania, 1, std::nullopt);
  const Converted fromOneLine = ConvertText(oneLine, kPennsylvania, 1, std::nullopt);
  EXPECT_EQ(fromOneLine.output, fromLines.output);
  EXPECT_EQ(fromOneLine.listing, fromLines.listing);
  EXPECT_EQ(fromOneLine.listing[fromOneLine.listing.size() - 2], "Wrote 120000 QSOs");
  EXPECT_GT(oneLine.size(), 3 * fromOneLine.readerBytes);
  EXPECT_EQ(fromOneLine.readerBytes, fromLines.readerBytes);
}

}  // namespace
}  // namespace quorvel
