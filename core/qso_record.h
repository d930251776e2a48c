// One QSO as read from the log, before it is rewritten and written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/adif_field.h"

namespace quorvel {

// The fields of one record in input order, the end-of-record tag last. The
// slots are kept from record to record so their texts reuse their storage;
// as read, the texts view the reader's bytes.
class QsoRecord {
 public:
  std::size_t fieldCount() const { return count_; }
  AdifField& field(std::size_t index) { return slots_[index]; }
  const AdifField& field(std::size_t index) const { return slots_[index]; }

  // A slot after the last field, with whatever text it held before.
  AdifField& Append() {
    if (count_ == slots_.size()) slots_.emplace_back();
    return slots_[count_++];
  }

  // A new slot just before the last field (the end-of-record tag stays last).
  AdifField& InsertBeforeLast() {
    Append();
    if (count_ >= 2) std::swap(slots_[count_ - 1], slots_[count_ - 2]);
    return slots_[count_ >= 2 ? count_ - 2 : 0];
  }

  // A new slot just after the field at index.
  AdifField& InsertAfter(std::size_t index) {
    Append();
    for (std::size_t i = count_ - 1; i > index + 1; --i) std::swap(slots_[i], slots_[i - 1]);
    return slots_[index + 1];
  }

  void Clear() { count_ = 0; }

  // Copies every text that still views the reader's bytes, before those
  // bytes go.
  void Detach() {
    for (std::size_t i = 0; i < count_; ++i) slots_[i].Detach();
  }

  // Seconds since 1970-01-01 00:00:00 UTC of the QSO's local date and time.
  std::int64_t startTime = 0;

 private:
  std::vector<AdifField> slots_;
  std::size_t count_ = 0;
};

}  // namespace quorvel
