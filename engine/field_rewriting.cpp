#include "engine/field_rewriting.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "counties/county_resolver.h"

namespace quorvel {

namespace {

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool EqualsIgnoringCase(std::string_view name, std::string_view upper) {
  if (name.size() != upper.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (ToUpper(name[i]) != upper[i]) return false;
  }
  return true;
}

// CALL is recognised in any letter case, as loggers write Call too.
bool IsCallsignName(std::string_view name) { return EqualsIgnoringCase(name, "CALL"); }

// strtol's reading of a comment's leading number, reduced to its sign.
bool StartsWithPositiveNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i++] == '-') return false;
  }
  bool positive = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) positive |= text[i] != '0';
  return positive;
}

class Rewriter {
 public:
  Rewriter(QsoRecord& record, RegionId region, int addMobile, MessageLog& log)
      : record_(record), region_(region), addMobile_(addMobile), log_(log) {}

  RewriteResult Run();

 private:
  void RewriteComment(std::size_t index);
  void RewriteCountyField(AdifField& field);
  void RemovePortableSuffix(std::string_view value);
  void RemoveRepeatedCounties();
  std::string_view Callsign() const {
    return callsignIndex_ < 0 ? std::string_view{}
                              : record_.field(static_cast<std::size_t>(callsignIndex_)).value;
  }

  QsoRecord& record_;
  RegionId region_;
  int addMobile_;
  MessageLog& log_;
  std::ptrdiff_t callsignIndex_ = -1;
  long long countyCount_ = 0;
};

RewriteResult Rewriter::Run() {
  // A field added during the pass (SRX) is reached by the same pass.
  for (std::size_t i = 0; i < record_.fieldCount(); ++i) {
    AdifField& field = record_.field(i);
    if (IsCallsignName(field.name)) {
      callsignIndex_ = static_cast<std::ptrdiff_t>(i);
    } else if (field.name == "APP_WRITELOG_RST") {
      field.name = "RST_RCVD";
    } else if (field.name == "APP_WRITELOG_SNT") {
      field.name = "RST_SENT";
    } else if (field.name == "comment") {
      if (field.hasValue) RewriteComment(i);
    } else if (IsCountyFieldName(field.name) && field.hasValue) {
      RewriteCountyField(field);
    }
  }
  if (countyCount_ != 0) RemoveRepeatedCounties();
  return RewriteResult{countyCount_, Callsign()};
}

// A leading serial number moves into a field of its own, SRX.
void Rewriter::RewriteComment(std::size_t index) {
  if (StartsWithPositiveNumber(record_.field(index).value)) {
    AdifField& serial = record_.InsertBeforeLast();
    AdifField& comment = record_.field(index);  // the insertion may have moved the slots
    const std::string& text = comment.value;
    const std::size_t blank = text.find(' ');
    serial.Set("SRX", std::string_view(text).substr(0, blank));
    if (blank == std::string::npos) {
      comment.value.clear();
    } else {
      std::size_t letter = blank + 1;
      while (letter < text.size() && !IsLetter(text[letter])) ++letter;
      // With no letter after the number the rest is kept rather than lost.
      comment.value.erase(0, letter < text.size() ? letter : blank + 1);
    }
  }
  std::string& value = record_.field(index).value;
  value.erase(value.find_last_not_of(' ') + 1);
}

void Rewriter::RewriteCountyField(AdifField& field) {
  std::string& value = field.value;
  const bool hasComma = value.find(',') != std::string::npos;
  if (!hasComma) std::transform(value.begin(), value.end(), value.begin(), ToUpper);
  RemovePortableSuffix(value);
  if (hasComma || value == "DX") return;
  countyCount_ += ResolveCounty(field, region_, Callsign(), log_);
}

// W9ABC/CEN working from CEN county logs as W9ABC, or W9ABC/M when asked.
void Rewriter::RemovePortableSuffix(std::string_view value) {
  if (callsignIndex_ < 0) return;
  std::string& callsign = record_.field(static_cast<std::size_t>(callsignIndex_)).value;
  const std::size_t slash = callsign.find('/');
  if (slash == std::string::npos || std::string_view(callsign).substr(slash + 1) != value) return;
  std::string text = "INFO: Changing callsign " + callsign + " to ";
  callsign.erase(slash);
  if (addMobile_ != 0) callsign.append("/M");
  text.append(callsign);
  AddMessage(kInformationList, log_, std::move(text));
}

// Each county yields one QSO: a later CNTY field with an equal value goes.
void Rewriter::RemoveRepeatedCounties() {
  std::vector<std::string_view> seen;
  for (std::size_t i = 0; i < record_.fieldCount(); ++i) {
    AdifField& field = record_.field(i);
    if (field.name != "CNTY") continue;
    const std::string_view value = field.value;
    if (std::find(seen.begin(), seen.end(), value) != seen.end()) {
      field.name.clear();
      --countyCount_;
      continue;
    }
    seen.push_back(value);
  }
}

}  // namespace

bool IsCountyFieldName(std::string_view name) {
  if (EqualsIgnoringCase(name, CountyFieldNames[0])) return true;
  return std::find(CountyFieldNames.begin() + 1, CountyFieldNames.end(), name) !=
         CountyFieldNames.end();
}

RewriteResult RewriteRecordFields(QsoRecord& record, RegionId region, int addMobile,
                                  MessageLog& log) {
  return Rewriter(record, region, addMobile, log).Run();
}

}  // namespace quorvel
