#include "engine/field_rewriting.h"

#include <algorithm>
#include <array>
#include <string>

#include "counties/county_resolver.h"
#include "engine/ascii.h"
#include "engine/county_lookup.h"
#include "engine/county_report.h"
#include "engine/read_record.h"

namespace quorvel {

namespace {

// Four counties meet at the most at one point.
constexpr std::size_t kLongestCountyLine = 4;

// Most names are told apart from a constant by their length or their first
// letter, before a full comparison.
bool Is(std::string_view text, std::string_view constant) {
  return text.size() == constant.size() && (text.empty() || text[0] == constant[0]) &&
         text == constant;
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
  Rewriter(ReadRecord& record, RegionId region, int addMobile, MessageLog& log,
           CountyLookup& counties, CountyReport* report)
      : record_(record),
        region_(region),
        addMobile_(addMobile),
        log_(log),
        counties_(counties),
        report_(report) {}

  RewriteResult Run();

 private:
  void RewriteComment(std::size_t index);
  void RewriteCountyField(std::size_t index);
  bool SplitCountyLine(std::size_t index);
  void RemovePortableSuffix(std::string_view value);
  void RemoveRepeatedCounties();
  std::string_view Callsign() const {
    return callsignIndex_ < 0 ? std::string_view{}
                              : record_.field(static_cast<std::size_t>(callsignIndex_)).value;
  }

  ReadRecord& record_;
  RegionId region_;
  int addMobile_;
  MessageLog& log_;
  CountyLookup& counties_;
  CountyReport* report_;
  std::ptrdiff_t callsignIndex_ = -1;
  long long countyCount_ = 0;
};

RewriteResult Rewriter::Run() {
  // A field added during the pass (SRX) is reached by the same pass.
  for (std::size_t i = 0; i < record_.fieldCount(); ++i) {
    AdifField& field = record_.field(i);
    switch (record_.Kind(i)) {
      case kCallsignName:
        callsignIndex_ = static_cast<std::ptrdiff_t>(i);
        break;
      case kWritelogRstName:
        field.name = "RST_RCVD";
        break;
      case kWritelogSntName:
        field.name = "RST_SENT";
        break;
      case kCommentName:
        if (field.hasValue) RewriteComment(i);
        break;
      case kCountyName:
        if (field.hasValue) RewriteCountyField(i);
        break;
      default:
        break;
    }
  }
  if (countyCount_ != 0) RemoveRepeatedCounties();
  return RewriteResult{countyCount_, Callsign()};
}

// A leading serial number moves into a field of its own, SRX.
void Rewriter::RewriteComment(std::size_t index) {
  if (StartsWithPositiveNumber(record_.field(index).value)) {
    AdifField& serial = record_.Insert(record_.fieldCount() - 1, "SRX");
    AdifField& comment = record_.field(index);  // the insertion may have moved the fields
    const std::string_view text = comment.value;
    const std::size_t blank = text.find(' ');
    serial.value = text.substr(0, blank);
    serial.hasValue = true;
    if (blank == std::string_view::npos) {
      comment.value = {};
    } else {
      std::size_t letter = blank + 1;
      while (letter < text.size() && !IsAsciiLetter(text[letter])) ++letter;
      // With no letter after the number the rest is kept rather than lost.
      comment.value.remove_prefix(letter < text.size() ? letter : blank + 1);
    }
  }
  std::string_view& value = record_.field(index).value;
  value = value.substr(0, value.find_last_not_of(' ') + 1);
}

void Rewriter::RewriteCountyField(std::size_t index) {
  AdifField& field = record_.field(index);
  const std::string_view value = field.value;
  const bool hasComma = value.find(',') != std::string_view::npos;
  if (!hasComma &&
      std::any_of(value.begin(), value.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
    std::string& upper = record_.record().NewText();
    upper.resize(value.size());
    std::transform(value.begin(), value.end(), upper.begin(), ToUpperAscii);
    field.value = upper;
  }
  RemovePortableSuffix(field.value);
  if (hasComma || Is(field.value, "DX")) return;
  if (SplitCountyLine(index)) return;
  const int resolved = counties_.Resolve(field, Callsign(), log_, record_.record());
  countyCount_ += resolved;
  if (report_ != nullptr) report_->NoteResolved(field, resolved, Callsign());
}

// A county line typed into one field, CEN/BLA: when every part is a county,
// the field becomes the first county's CNTY and each further county gets a
// CNTY field of its own after it, as if the line had been logged in several
// fields. Anything else (an empty part, a state, a typo) leaves the value to
// the resolver whole, so it is reported as it was logged.
bool Rewriter::SplitCountyLine(std::size_t index) {
  const std::string_view value = record_.field(index).value;
  if (value.find('/') == std::string_view::npos) return false;
  std::array<RegionCounty, kLongestCountyLine> counties{};
  std::size_t count = 0;
  for (std::size_t from = 0;;) {
    const std::size_t slash = std::min(value.find('/', from), value.size());
    const std::string_view part = value.substr(from, slash - from);
    if (part.empty() || count == counties.size()) return false;
    const std::optional<RegionCounty> county = FindRegionCounty(part, region_);
    if (!county) return false;
    counties[count++] = *county;
    if (slash == value.size()) break;
    from = slash + 1;
  }
  for (std::size_t i = 0; i < count; ++i) {
    AdifField& field = i == 0 ? record_.field(index) : record_.Insert(index + i, "CNTY");
    std::string& text = record_.record().NewText();
    text.append(counties[i].state).append(",").append(counties[i].name);
    field.name = "CNTY";
    field.value = text;
    field.hasValue = true;
  }
  // Each part counts as a county converted; repeats go with the other
  // repeated counties.
  countyCount_ += static_cast<long long>(count);
  return true;
}

// W9ABC/CEN working from CEN county logs as W9ABC, or W9ABC/M when asked.
void Rewriter::RemovePortableSuffix(std::string_view value) {
  if (callsignIndex_ < 0) return;
  std::string_view& callsign = record_.field(static_cast<std::size_t>(callsignIndex_)).value;
  const std::size_t slash = callsign.find('/');
  if (slash == std::string_view::npos || callsign.substr(slash + 1) != value) return;
  std::string text = "INFO: Changing callsign ";
  text.append(callsign).append(" to ");
  callsign = callsign.substr(0, slash);
  if (addMobile_ != 0) callsign = record_.record().NewText().append(callsign).append("/M");
  text.append(callsign);
  AddMessage(kInformationList, log_, std::move(text));
}

// Each county yields one QSO: a later CNTY field with an equal value goes.
// The values seen are those of the CNTY fields kept so far, so no list of
// them is needed.
void Rewriter::RemoveRepeatedCounties() {
  for (std::size_t i = 0; i < record_.fieldCount(); ++i) {
    AdifField& field = record_.field(i);
    if (!Is(field.name, "CNTY")) continue;
    for (std::size_t j = 0; j < i; ++j) {
      const AdifField& earlier = record_.field(j);
      if (Is(earlier.name, "CNTY") && earlier.value == field.value) {
        field.name = {};
        --countyCount_;
        break;
      }
    }
  }
}

// For each name length, the CountyFieldNames (by index) of that length:
// every field of every record is asked, and the length and the first and last
// letters rule nearly every name out before a full comparison.
struct NamesOfLength {
  std::size_t count = 0;
  std::array<std::size_t, CountyFieldNames.size()> index{};
};
constexpr std::size_t kLongestName = 32;
constexpr std::array<NamesOfLength, kLongestName> NamesByLength() {
  std::array<NamesOfLength, kLongestName> lengths{};
  for (std::size_t i = 1; i < CountyFieldNames.size(); ++i) {
    NamesOfLength& names = lengths[CountyFieldNames[i].size()];
    names.index[names.count++] = i;
  }
  return lengths;
}
constexpr std::array<NamesOfLength, kLongestName> kNamesByLength = NamesByLength();

}  // namespace

bool IsCountyFieldName(std::string_view name) {
  if (EqualsIgnoringCase(name, CountyFieldNames[0])) return true;
  if (name.size() >= kLongestName) return false;
  const NamesOfLength& names = kNamesByLength[name.size()];
  for (std::size_t i = 0; i < names.count; ++i) {
    const std::string_view candidate = CountyFieldNames[names.index[i]];
    if (candidate.back() == name.back() && candidate.front() == name.front() && candidate == name) {
      return true;
    }
  }
  return false;
}

FieldNameKind ClassifyFieldName(std::string_view name) {
  if (IsCallsignName(name)) return kCallsignName;
  if (Is(name, "APP_WRITELOG_RST")) return kWritelogRstName;
  if (Is(name, "APP_WRITELOG_SNT")) return kWritelogSntName;
  if (Is(name, "comment")) return kCommentName;
  if (IsCountyFieldName(name)) return kCountyName;
  return kPlainName;
}

RewriteResult RewriteRecordFields(ReadRecord& record, RegionId region, int addMobile,
                                  MessageLog& log, CountyLookup& counties, CountyReport* report) {
  return Rewriter(record, region, addMobile, log, counties, report).Run();
}

}  // namespace quorvel
