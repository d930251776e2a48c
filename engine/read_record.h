// The record the conversion works on: the plain QsoRecord, and beside each of
// its fields what reading it showed. Neither fact changes what is written;
// both spare work on every field of the log:
// - its bytes as read, when they are exactly what the field writer would
//   write: copied whole while the field still has the name and value it was
//   read with (the very same views);
// - the kind of its name, decided once per name by the log scanner's memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/qso_record.h"
#include "engine/field_rewriting.h"

namespace quorvel {

class ReadRecord {
 public:
  QsoRecord& record() { return record_; }
  const QsoRecord& record() const { return record_; }
  std::size_t fieldCount() const { return record_.fieldCount(); }
  AdifField& field(std::size_t index) { return record_.field(index); }
  const AdifField& field(std::size_t index) const { return record_.field(index); }

  // A field as read, after the last one; text as the scanner's ScannedTag::text.
  void Append(const AdifField& field, std::string_view text, FieldNameKind kind) {
    record_.Append() = field;
    facts_.push_back(Facts{text, static_cast<std::uint32_t>(field.name.size()),
                           static_cast<std::uint32_t>(field.value.size()), kind});
  }
  // A new field at index (the fields from there on move up), named name.
  AdifField& Insert(std::size_t index, std::string_view name) {
    facts_.insert(facts_.begin() + static_cast<std::ptrdiff_t>(index),
                  Facts{{}, 0, 0, ClassifyFieldName(name)});
    AdifField& field = record_.Insert(index);
    field.name = name;
    return field;
  }

  FieldNameKind Kind(std::size_t index) const { return facts_[index].kind; }
  // The field's bytes as read, while it still has the name and value read;
  // empty otherwise.
  std::string_view AsRead(std::size_t index) const {
    const Facts& facts = facts_[index];
    if (facts.text.empty()) return {};
    const AdifField& now = record_.field(index);
    const char* const end = facts.text.data() + facts.text.size();
    const bool same = now.name.data() == facts.text.data() + 1 &&
                      now.name.size() == facts.nameSize && now.value.size() == facts.valueSize &&
                      now.value.data() + now.value.size() == end;
    return same ? facts.text : std::string_view();
  }

  // Every text that views the reader's bytes becomes one the record keeps,
  // before those bytes go.
  void KeepTexts() {
    for (std::size_t i = 0; i < record_.fieldCount(); ++i) {
      AdifField& field = record_.field(i);
      field.name = record_.Keep(field.name);
      field.value = record_.Keep(field.value);
      facts_[i].text = {};
    }
  }

  void Clear() {
    record_.Clear();
    facts_.clear();
  }

 private:
  struct Facts {
    std::string_view text;   // the field's bytes as read, when written back unchanged
    std::uint32_t nameSize;  // of the name and the value read, ending text's bytes
    std::uint32_t valueSize;
    FieldNameKind kind;
  };
  QsoRecord record_;
  std::vector<Facts> facts_;
};

}  // namespace quorvel
