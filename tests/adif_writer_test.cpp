#include "engine/adif_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "engine/platform/byte_stream.h"

namespace quorvel {
namespace {

struct Written {
  std::string bytes;
  std::size_t column;
};

Written Write(std::string_view name, std::optional<std::string_view> value, std::size_t column) {
  MemorySink sink;
  std::size_t next = 0;
  {
    TextWriter writer(sink, true);
    next = WriteAdifField(writer, name, value ? &*value : nullptr, column);
  }
  return {sink.bytes(), next};
}

TEST(AdifWriter, FollowsTheSeventyNineColumnRule) {
  struct Case {
    const char* what;
    std::string name;
    std::optional<std::string> value;
    std::size_t column;
    std::string bytes;
    std::size_t next;
  };
  const Case cases[] = {
      {"first field of a record", "CALL", "W1AW", 0, "<CALL:4>W1AW", 12},
      {"18 characters at column 60 fit", "CALLS", "W1AWXXXXX", 60, " <CALLS:9>W1AWXXXXX", 79},
      {"19 characters at column 60 wrap", "CALLSX", "W1AWXXXXX", 60, "\r\n<CALLSX:9>W1AWXXXXX", 19},
      {"empty value", "COMMENT", "", 10, " <COMMENT:0>", 22},
      {"no value", "EOR", std::nullopt, 10, " <EOR>", 16},
      {"no value at column 0", "eor", std::nullopt, 0, "<eor>", 5},
      {"true length of the value", "NAME", "Jo", 0, "<NAME:2>Jo", 10},
      {"value with a line feed counts its bytes as held", "CALL", "W1AW\n", 0, "<CALL:5>W1AW\r\n",
       13},
  };
  for (const auto& c : cases) {
    const Written w =
        Write(c.name, c.value ? std::optional<std::string_view>(*c.value) : std::nullopt, c.column);
    EXPECT_EQ(w.bytes, c.bytes) << c.what;
    EXPECT_EQ(w.column, c.next) << c.what;
  }
}

TEST(AdifWriter, WritesAFieldLongerThanALineWholeAndTheNextFieldOnANewLine) {
  const std::string value(150, 'v');
  MemorySink sink;
  {
    TextWriter writer(sink, true);
    const std::string_view v = value;
    std::size_t column = WriteAdifField(writer, "SHORT", &v, 5);
    EXPECT_EQ(column, std::string("<SHORT:150>").size() + 150);
    const std::string_view b = "20M";
    column = WriteAdifField(writer, "BAND", &b, column);
    EXPECT_EQ(column, std::string("<BAND:3>20M").size());
  }
  EXPECT_EQ(sink.bytes(), "\r\n<SHORT:150>" + value + "\r\n<BAND:3>20M");
}

// Many fields of every length, through the writer's buffer and past its end
// many times over: each comes out whole and in order, a line feed in a value
// as CR LF, lines broken by the 79-column rule.
TEST(AdifWriter, ManyFieldsComeOutWholeAndInOrder) {
  MemorySink sink;
  std::string expected;
  {
    TextWriter writer(sink, true);
    std::size_t column = 0;
    for (std::size_t i = 0; i < 20000; ++i) {
      const std::string name = "F" + std::string(i % 23, 'N');
      std::string value(i % 37, static_cast<char>('a' + i % 26));
      if (i % 101 == 0) value += "\n";
      if (i % 997 == 0) value.insert(0, "\nx");
      const bool hasValue = i % 13 != 0;
      const std::string text = hasValue
                                   ? "<" + name + ":" + std::to_string(value.size()) + ">" + value
                                   : "<" + name + ">";
      const std::string_view view = value;
      const std::size_t next = WriteAdifField(writer, name, hasValue ? &view : nullptr, column);
      if (column != 0 && column + text.size() <= 78) {
        expected += " ";
        EXPECT_EQ(next, column + text.size() + 1) << i;
      } else {
        if (column != 0) expected += "\r\n";
        EXPECT_EQ(next, text.size()) << i;
      }
      for (const char c : text) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
      column = next;
    }
  }
  // The first difference, not the megabytes around it.
  const std::string& bytes = sink.bytes();
  const auto [got, want] =
      std::mismatch(bytes.begin(), bytes.end(), expected.begin(), expected.end());
  EXPECT_TRUE(got == bytes.end() && want == expected.end())
      << "differs at byte " << (got - bytes.begin()) << " of " << bytes.size() << " ("
      << expected.size() << " expected)";
}

}  // namespace
}  // namespace quorvel
