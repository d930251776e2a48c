#include "engine/adif_writer.h"

#include <cstdint>
#include <cstring>

#include "engine/byte_search.h"
#include "engine/decimal_text.h"

namespace quorvel {

namespace {

// The field text straight into the writer's buffer: the common case of a
// field of reasonable size without a line feed in its value.
bool PutDirect(TextWriter& output, bool blank, std::string_view name, const std::string_view* value,
               std::string_view length, std::size_t textLength) {
  if (textLength + 1 > TextWriter::kDirectLimit) return false;
  char* const start = output.Reserve(textLength + 1);
  char* out = start;
  if (blank) *out++ = ' ';
  *out++ = '<';
  out = CopyShortText(out, name);
  if (value != nullptr) {
    *out++ = ':';
    for (const char digit : length) *out++ = digit;
    *out++ = '>';
    out = CopyShortText(out, *value);
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
    if (column + textLength <= kFieldLineLimit) {
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

std::size_t WriteAdifFieldText(TextWriter& output, std::string_view text, std::size_t column) {
  const std::size_t size = text.size();
  if (size + 2 > TextWriter::kDirectLimit) {
    if (column != 0) output.Put(column + size <= kFieldLineLimit ? ' ' : '\n');
    output.Put(text);
    return column != 0 && column + size <= kFieldLineLimit ? column + size + 1 : size;
  }
  char* out = output.Reserve(size + 2);
  std::size_t next = size;
  if (column != 0) {
    if (column + size <= kFieldLineLimit) {
      *out++ = ' ';
      next = column + size + 1;
    } else {
      if (output.Translates()) *out++ = '\r';
      *out++ = '\n';
    }
  }
  output.Commit(CopyShortText(out, text));
  return next;
}

}  // namespace quorvel
