// One QSO as read from the log, before it is rewritten and written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/adif_field.h"

namespace quorvel {

// The fields of one record in input order, the end-of-record tag last, and
// the texts the record keeps for them.
class QsoRecord {
 public:
  std::size_t fieldCount() const { return fields_.size(); }
  AdifField& field(std::size_t index) { return fields_[index]; }
  const AdifField& field(std::size_t index) const { return fields_[index]; }

  // A new field after the last one.
  AdifField& Append() { return fields_.emplace_back(); }
  // A new field at index; the fields from there on move up by one.
  AdifField& Insert(std::size_t index) {
    return *fields_.insert(fields_.begin() + static_cast<std::ptrdiff_t>(index), AdifField{});
  }

  // A copy of text that stays put until Clear.
  std::string_view Keep(std::string_view text) {
    return NewText().assign(text.data(), text.size());
  }
  // An empty text to fill, which stays put until Clear.
  std::string& NewText() {
    if (kept_ == texts_.size()) texts_.emplace_back();
    std::string& text = texts_[kept_++];
    text.clear();
    return text;
  }

  // No fields and no texts; the storage stays for the next record.
  void Clear() {
    fields_.clear();
    kept_ = 0;
  }

  // Seconds since 1970-01-01 00:00:00 UTC of the QSO's local date and time.
  std::int64_t startTime = 0;

 private:
  std::vector<AdifField> fields_;
  std::deque<std::string> texts_;  // a deque: a kept text never moves
  std::size_t kept_ = 0;
};

}  // namespace quorvel
