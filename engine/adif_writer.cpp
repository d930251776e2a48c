#include "engine/adif_writer.h"

#include <cstdint>
#include <cstring>

#include "core/adif_field.h"
#include "engine/byte_search.h"
#include "engine/decimal_text.h"

namespace quorvel {

namespace {

constexpr std::size_t kLineLimit = 78;  // a blank and a field may end at column 79

// Copies the short names, values and fields of a log without a call to
// memcpy and with few branches: two overlapping moves cover any length from
// 4 to 16, and from 16 to 32.
char* Copy(char* out, std::string_view text) {
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

// The field text straight into the writer's buffer: the common case of a
// field of reasonable size without a line feed in its value.
bool PutDirect(TextWriter& output, bool blank, std::string_view name, const std::string_view* value,
               std::string_view length, std::size_t textLength) {
  if (textLength + 1 > TextWriter::kDirectLimit) return false;
  char* const start = output.Reserve(textLength + 1);
  char* out = start;
  if (blank) *out++ = ' ';
  *out++ = '<';
  out = Copy(out, name);
  if (value != nullptr) {
    *out++ = ':';
    for (const char digit : length) *out++ = digit;
    *out++ = '>';
    out = Copy(out, *value);
  } else {
    *out++ = '>';
  }
  // A line feed in the text (one that ended a value's line) needs the
  // writer's translation: the bytes are then left uncommitted.
  if (output.Translates() && byte_search::Find(start, out, '\n') != nullptr) return false;
  output.Commit(out);
  return true;
}

void PutPieces(TextWriter& output, std::string_view name, const std::string_view* value,
               std::string_view length) {
  output.Put('<');
  output.Put(name);
  if (value != nullptr) {
    output.Put(':');
    output.Put(length);
    output.Put('>');
    output.Put(*value);
  } else {
    output.Put('>');
  }
}

}  // namespace

std::size_t WriteAdifField(TextWriter& output, std::string_view name, const std::string_view* value,
                           std::size_t column) {
  char length[kDecimalWidthLimit];
  const std::size_t lengthDigits =
      value != nullptr ? PutDecimal(length, static_cast<std::int64_t>(value->size())) : 0;
  const std::size_t textLength =
      value != nullptr ? name.size() + lengthDigits + value->size() + 3 : name.size() + 2;

  std::size_t next = textLength;
  bool blank = false;
  if (column != 0) {
    if (column + textLength <= kLineLimit) {
      blank = true;
      next = column + textLength + 1;
    } else {
      output.Put('\n');
    }
  }
  const std::string_view digits(length, lengthDigits);
  if (!PutDirect(output, blank, name, value, digits, textLength)) {
    if (blank) output.Put(' ');
    PutPieces(output, name, value, digits);
  }
  return next;
}

namespace {

// A field as read: its text holds no line feed.
std::size_t WriteFieldText(TextWriter& output, std::string_view text, std::size_t column) {
  const std::size_t size = text.size();
  if (size + 2 > TextWriter::kDirectLimit) {
    if (column != 0) output.Put(column + size <= kLineLimit ? ' ' : '\n');
    output.Put(text);
    return column != 0 && column + size <= kLineLimit ? column + size + 1 : size;
  }
  char* out = output.Reserve(size + 2);
  std::size_t next = size;
  if (column != 0) {
    if (column + size <= kLineLimit) {
      *out++ = ' ';
      next = column + size + 1;
    } else {
      if (output.Translates()) *out++ = '\r';
      *out++ = '\n';
    }
  }
  output.Commit(Copy(out, text));
  return next;
}

}  // namespace

std::size_t WriteAdifField(TextWriter& output, const AdifField& field, std::size_t column) {
  if (field.TextIsCurrent()) return WriteFieldText(output, field.text, column);
  const std::string_view value = field.value;
  return WriteAdifField(output, field.name, field.hasValue ? &value : nullptr, column);
}

}  // namespace quorvel
