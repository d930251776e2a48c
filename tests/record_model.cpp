// The record half of the account in county_model.h: a record's fields are
// rewritten in order, repeated counties dropped, and its copies counted.
#include <algorithm>

#include "tests/county_model.h"

namespace quorvel::testing {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// CALL in any letter case, as loggers write Call too.
bool IsCallName(std::string_view name) {
  return name.size() == 4 && Upper(name[0]) == 'C' && Upper(name[1]) == 'A' &&
         Upper(name[2]) == 'L' && Upper(name[3]) == 'L';
}

// A comment's leading number, as strtol reads it, is above 0.
bool LeadsWithPositiveNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  if (i < text.size() && text[i] == '-') return false;
  if (i < text.size() && text[i] == '+') ++i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (text[i] != '0') return true;
  }
  return false;
}

class RecordModel {
 public:
  RecordModel(RegionId region, int addMobile, std::vector<ModelField> fields)
      : region_(region), addMobile_(addMobile), fields_(std::move(fields)) {}

  RecordOutcome Run();

 private:
  void SplitComment(std::size_t index);
  void Resolve(std::size_t index);
  void RemoveRepeats();
  void WriteCopies();
  std::string Callsign() const { return call_ < 0 ? std::string() : fields_[Call()].value; }
  std::size_t Call() const { return static_cast<std::size_t>(call_); }

  RegionId region_;
  int addMobile_;
  std::vector<ModelField> fields_;
  long call_ = -1;
  RecordOutcome out_;
};

RecordOutcome RecordModel::Run() {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const std::string& name = fields_[i].name;
    if (IsCallName(name)) {
      call_ = static_cast<long>(i);
    } else if (name == "APP_WRITELOG_RST") {
      fields_[i].name = "RST_RCVD";
    } else if (name == "APP_WRITELOG_SNT") {
      fields_[i].name = "RST_SENT";
    } else if (name == "comment") {
      if (fields_[i].hasValue) SplitComment(i);
    } else if (IsCountyField(name) && fields_[i].hasValue) {
      Resolve(i);
    }
  }
  if (out_.converted != 0) RemoveRepeats();
  WriteCopies();
  return out_;
}

// "12 good signal" gives SRX 12 before the end tag and the comment "good signal".
void RecordModel::SplitComment(std::size_t index) {
  std::string text = fields_[index].value;
  if (LeadsWithPositiveNumber(text)) {
    const std::size_t blank = text.find(' ');
    fields_.insert(fields_.end() - 1, {"SRX", text.substr(0, blank), true});
    if (blank == std::string::npos) {
      text.clear();
    } else {
      std::size_t letter = blank + 1;
      while (letter < text.size() && !IsLetter(text[letter])) ++letter;
      text.erase(0, letter < text.size() ? letter : blank + 1);
    }
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  fields_[index].value = text;
}

void RecordModel::Resolve(std::size_t index) {
  std::string value = fields_[index].value;
  const bool hasComma = value.find(',') != std::string::npos;
  if (!hasComma) std::transform(value.begin(), value.end(), value.begin(), Upper);
  fields_[index].value = value;
  if (call_ >= 0) {
    std::string& call = fields_[Call()].value;
    const std::size_t slash = call.find('/');
    if (slash != std::string::npos && call.substr(slash + 1) == value) {
      const std::string before = call;
      call.erase(slash);
      if (addMobile_ != 0) call += "/M";
      out_.information.push_back("INFO: Changing callsign " + before + " to " + call);
    }
  }
  if (hasComma || value == "DX") return;
  const ValueOutcome outcome = ExpectResolution(region_, fields_[index].name, value, Callsign());
  fields_[index].name = outcome.name;
  fields_[index].value = outcome.value;
  out_.converted += outcome.converted ? 1 : 0;
  if (!outcome.warning.empty()) out_.warnings.push_back(outcome.warning);
}

void RecordModel::RemoveRepeats() {
  std::vector<std::string> seen;
  for (ModelField& field : fields_) {
    if (field.name != "CNTY") continue;
    if (std::find(seen.begin(), seen.end(), field.value) != seen.end()) {
      field.name.clear();
      --out_.converted;
    } else {
      seen.push_back(field.value);
    }
  }
}

// One copy per county converted, at least one; each takes the next CNTY field.
void RecordModel::WriteCopies() {
  const long long count = out_.converted;
  long long remaining = count;
  auto next = fields_.begin();
  do {
    next = std::find_if(next, fields_.end(), [](const ModelField& f) { return f.name == "CNTY"; });
    if (next == fields_.end()) {
      out_.copies.emplace_back();
      break;
    }
    if (count > 1 && remaining != count) {
      out_.information.push_back("INFO: Adding QSO for " + Callsign() + " on " + next->value +
                                 " county line.");
    }
    out_.copies.push_back(next->value);
    ++next;
  } while (--remaining > 0);
}

}  // namespace

RecordOutcome ExpectRecord(RegionId region, int addMobile, std::vector<ModelField> fields) {
  return RecordModel(region, addMobile, std::move(fields)).Run();
}

}  // namespace quorvel::testing
