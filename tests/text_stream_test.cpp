#include <gtest/gtest.h>

#include <cstring>

#include "engine/platform/byte_stream.h"
#include "engine/platform/text_reader.h"
#include "engine/platform/text_writer.h"

namespace quorvel {
namespace {

// Hands out its bytes a few at a time, so that every pair of bytes falls
// across a block boundary in some run.
class ChunkedSource final : public ByteSource {
 public:
  ChunkedSource(std::string_view bytes, std::size_t chunk) : bytes_(bytes), chunk_(chunk) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    std::size_t n = std::min({size, chunk_, bytes_.size()});
    std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
  }

 private:
  std::string_view bytes_;
  std::size_t chunk_;
};

class FailingSource final : public ByteSource {
 public:
  std::ptrdiff_t Read(char*, std::size_t) override { return -1; }
};

class FailingSink final : public ByteSink {
 public:
  bool Write(const char*, std::size_t) override { return false; }
};

// The text as the reader hands it out, block by block, split after each LF.
std::vector<std::string> ReadLines(ByteSource& source, bool translate = true) {
  TextReader reader(source, translate);
  std::string text;
  while (reader.Refill()) {
    text.append(reader.Unread());
    reader.Consume(reader.Unread().size());
  }
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t lf = text.find('\n', start);
    const std::size_t stop = lf == std::string::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(start, stop - start));
    start = stop;
  }
  return lines;
}

using Lines = std::vector<std::string>;

struct ReadCase {
  const char* name;
  std::string input;
  Lines lines;
};

TEST(TextReader, AppliesTheTextModeRulesWhateverTheBlockBoundaries) {
  const ReadCase cases[] = {
      {"crlf", "a\r\nb\r\n", {"a\n", "b\n"}},
      {"lone cr stays", "a\rb\n", {"a\rb\n"}},
      {"cr cr lf", "a\r\r\nb", {"a\r\n", "b"}},
      {"cr at end", "ab\r", {"ab\r"}},
      {"ctrl-z ends input",
       "a\nb\x1a"
       "c\nd\n",
       {"a\n", "b"}},
      {"cr before ctrl-z stays", "a\r\x1a\n", {"a\r"}},
      {"no final lf", "a\nlast", {"a\n", "last"}},
      {"empty lines", "\n\r\n\n", {"\n", "\n", "\n"}},
      {"nul bytes kept", std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
      {"empty", "", {}},
  };
  for (const auto& c : cases) {
    for (std::size_t chunk : {1u, 2u, 3u, 7u, 1000u}) {
      ChunkedSource source(c.input, chunk);
      EXPECT_EQ(ReadLines(source), c.lines) << c.name << " chunk " << chunk;
    }
  }
}

TEST(TextReader, WithoutTranslationPassesBytesThrough) {
  MemorySource source(
      "a\r\nb\x1a"
      "c");
  EXPECT_EQ(ReadLines(source, false), (Lines{"a\r\n",
                                             "b\x1a"
                                             "c"}));
}

TEST(TextReader, ReadsLinesLongerThanItsBlock) {
  const std::string longLine = std::string(1'000'000, 'x') + "\n";
  const std::string input = "short\n" + longLine + "tail";
  ChunkedSource source(input, 65536);
  EXPECT_EQ(ReadLines(source), (Lines{"short\n", longLine, "tail"}));
}

TEST(TextReader, ReportsAReadError) {
  FailingSource source;
  TextReader reader(source, true);
  EXPECT_FALSE(reader.Refill());
  EXPECT_TRUE(reader.Failed());
}

TEST(TextWriter, WritesEveryLfAsCrLf) {
  MemorySink sink;
  {
    TextWriter writer(sink, true);
    writer.Put("a\nb\n\n");
    writer.Put('\n');
    writer.Put("no lf");
    EXPECT_TRUE(writer.Flush());
  }
  EXPECT_EQ(sink.bytes(), "a\r\nb\r\n\r\n\r\nno lf");
}

TEST(TextWriter, WritesLargeOutputInOrder) {
  MemorySink sink;
  std::string expected;
  {
    TextWriter writer(sink, true);
    for (int i = 0; i < 100000; ++i) {
      writer.Put("<CALL:5>W1AW" + std::to_string(i) + "\n");
      expected += "<CALL:5>W1AW" + std::to_string(i) + "\r\n";
    }
  }
  EXPECT_EQ(sink.bytes(), expected);
}

TEST(TextWriter, ReportsAFailedWrite) {
  FailingSink sink;
  TextWriter writer(sink, true);
  writer.Put("x");
  EXPECT_FALSE(writer.Flush());
  EXPECT_TRUE(writer.Failed());
}

}  // namespace
}  // namespace quorvel
