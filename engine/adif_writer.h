// Writes ADIF fields, keeping the output's lines within 79 characters where
// the fields allow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/platform/text_writer.h"

namespace quorvel {

// A blank and a field may end at column 79.
inline constexpr std::size_t kFieldLineLimit = 78;

// Writes "<name:length>value", or "<name>" when value is null, after a blank
// on the current line or at the start of a new one. column is what the
// previous call returned, 0 at the start of a record; returns the new column.
std::size_t WriteAdifField(TextWriter& output, std::string_view name, const std::string_view* value,
                           std::size_t column);

// Writes text, a whole field's text that holds no line feed, as the one above
// would: "<CALL:4>W1AW" as read.
std::size_t WriteAdifFieldText(TextWriter& output, std::string_view text, std::size_t column);

// Copies the short names, values and fields of a log without a call to
// memcpy and with few branches: two overlapping moves cover any length from
// 4 to 16, and from 16 to 32. Returns the end of the copy.
inline char* CopyShortText(char* out, std::string_view text) {
  const char* in = text.data();
  const std::size_t n = text.size();
  if (n > 32) {
    std::memcpy(out, in, n);
  } else if (n >= 16) {
    char head[16], tail[16];
    std::memcpy(head, in, 16);
    std::memcpy(tail, in + n - 16, 16);
    std::memcpy(out, head, 16);
    std::memcpy(out + n - 16, tail, 16);
  } else if (n >= 8) {
    std::uint64_t head, tail;
    std::memcpy(&head, in, 8);
    std::memcpy(&tail, in + n - 8, 8);
    std::memcpy(out, &head, 8);
    std::memcpy(out + n - 8, &tail, 8);
  } else if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, in, 4);
    std::memcpy(&tail, in + n - 4, 4);
    std::memcpy(out, &head, 4);
    std::memcpy(out + n - 4, &tail, 4);
  } else if (n > 0) {
    out[0] = in[0];
    out[n / 2] = in[n / 2];
    out[n - 1] = in[n - 1];
  }
  return out + n;
}

// The fields of one record copy in a row, as the functions above write them,
// but straight into the writer's buffer with its room checked once per copy
// and per field built: most fields are copied as read.
class RecordCopyWriter {
 public:
  explicit RecordCopyWriter(TextWriter& output) : output_(output), translate_(output.Translates()) {
    Open();
  }
  RecordCopyWriter(const RecordCopyWriter&) = delete;
  RecordCopyWriter& operator=(const RecordCopyWriter&) = delete;

  // A field's text as read, which holds no line feed.
  void PutText(std::string_view text) {
    const std::size_t size = text.size();
    if (static_cast<std::size_t>(limit_ - out_) < size + 2) {
      output_.Commit(out_);
      column_ = WriteAdifFieldText(output_, text, column_);
      Open();
      return;
    }
    Separate(size);
    out_ = CopyShortText(out_, text);
  }
  // A field from its name and value (none: "<name>").
  void Put(std::string_view name, const std::string_view* value) {
    const std::size_t valueSize = value != nullptr ? value->size() : 0;
    // Room for the text, a line end and twenty digits of length.
    if (static_cast<std::size_t>(limit_ - out_) < name.size() + valueSize + 26 ||
        (value != nullptr && translate_ && value->find('\n') != std::string_view::npos)) {
      output_.Commit(out_);
      column_ = WriteAdifField(output_, name, value, column_);
      Open();
      return;
    }
    char digits[24];
    std::size_t digitCount = 0;
    if (value != nullptr) {
      std::size_t n = valueSize;
      char* d = digits + sizeof digits;
      do {
        *--d = static_cast<char>('0' + n % 10);
        n /= 10;
      } while (n != 0);
      digitCount = static_cast<std::size_t>(digits + sizeof digits - d);
    }
    const std::size_t size =
        value != nullptr ? name.size() + digitCount + valueSize + 3 : name.size() + 2;
    Separate(size);
    *out_++ = '<';
    out_ = CopyShortText(out_, name);
    if (value != nullptr) {
      *out_++ = ':';
      for (const char* d = digits + sizeof digits - digitCount; d < digits + sizeof digits; ++d) {
        *out_++ = *d;
      }
      *out_++ = '>';
      out_ = CopyShortText(out_, *value);
    } else {
      *out_++ = '>';
    }
  }
  // The empty line after the copy.
  void End() {
    output_.Commit(out_);
    output_.Put("\n\n");
  }

 private:
  // What goes before a field of size bytes: nothing at the start of the
  // copy, a blank, or a new line where the field would pass column 79.
  void Separate(std::size_t size) {
    if (column_ == 0) {
      column_ = size;
    } else if (column_ + size <= kFieldLineLimit) {
      *out_++ = ' ';
      column_ += size + 1;
    } else {
      if (translate_) *out_++ = '\r';
      *out_++ = '\n';
      column_ = size;
    }
  }
  void Open() {
    out_ = output_.Reserve(TextWriter::kDirectLimit);
    limit_ = out_ + TextWriter::kDirectLimit;
  }

  TextWriter& output_;
  bool translate_;
  char* out_ = nullptr;
  const char* limit_ = nullptr;
  std::size_t column_ = 0;
};

}  // namespace quorvel
