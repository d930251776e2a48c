#include "engine/adif_writer.h"

#include "core/adif_field.h"

namespace quorvel {

namespace {

constexpr std::size_t kLineLimit = 78;  // a blank and a field may end at column 79

std::size_t PutDecimal(char* out, std::size_t value) {
  char digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (std::size_t i = 0; i < n; ++i) out[i] = digits[n - 1 - i];
  return n;
}

}  // namespace

std::size_t WriteAdifField(TextWriter& output, std::string_view name, const std::string_view* value,
                           std::size_t column) {
  char length[24];
  const std::size_t lengthDigits = value != nullptr ? PutDecimal(length, value->size()) : 0;
  const std::size_t textLength =
      value != nullptr ? name.size() + lengthDigits + value->size() + 3 : name.size() + 2;

  std::size_t next = textLength;
  if (column != 0) {
    if (column + textLength <= kLineLimit) {
      output.Put(' ');
      next = column + textLength + 1;
    } else {
      output.Put('\n');
    }
  }
  output.Put('<');
  output.Put(name);
  if (value != nullptr) {
    output.Put(':');
    output.Put(std::string_view(length, lengthDigits));
    output.Put('>');
    output.Put(*value);
  } else {
    output.Put('>');
  }
  return next;
}

std::size_t WriteAdifField(TextWriter& output, const AdifField& field, std::size_t column) {
  const std::string_view value = field.value;
  return WriteAdifField(output, field.name, field.hasValue ? &value : nullptr, column);
}

}  // namespace quorvel
