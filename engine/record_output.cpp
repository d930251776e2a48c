#include "engine/record_output.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/adif_writer.h"
#include "engine/ascii.h"
#include "engine/county_report.h"
#include "engine/field_rewriting.h"
#include "engine/qso_time.h"

namespace quorvel {

namespace {

constexpr std::string_view kUsacaName = "USACA_COUNTIES";

bool IsUsacaName(std::string_view name) { return EqualsIgnoringCase(name, kUsacaName); }

struct CopyState {
  long long countyCount;
  long long remaining;
  std::string_view callsign;
  // The line's two counties as ADIF writes them, "PA,Centre:PA,Blair", when
  // every copy carries them; empty otherwise.
  std::string usaca;
  // The line's counties when one record carries them all, for the report;
  // empty when each copy carries its own.
  std::vector<std::string_view> carried;
};

// "STATE" and "CNTY", asked of every field of every copy: compared as a
// word and a byte.
template <std::size_t N>
bool IsName(std::string_view name, const char (&constant)[N]) {
  static_assert(N == 5 || N == 6, "a name of four or five letters");
  if (name.size() != N - 1) return false;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  std::memcpy(&a, name.data(), 4);
  std::memcpy(&b, constant, 4);
  return a == b && (N == 5 || name[N - 2] == constant[N - 2]);
}

// A field as read goes out as the bytes it was read from.
inline void WriteField(RecordCopyWriter& copy, const ReadRecord& record, std::size_t index) {
  const std::string_view asRead = record.AsRead(index);
  if (!asRead.empty()) return copy.PutText(asRead);
  const AdifField& field = record.field(index);
  copy.Put(field.name, field.hasValue ? &field.value : nullptr);
}

// Writes one copy; returns false when it took no CNTY field although copies
// remain (no field left to take them from).
bool WriteCopy(TextWriter& output, ReadRecord& record, std::int64_t startTime, CopyState& state,
               OutputTally& tally, MessageLog& log, LocalTimeCache& clock, CountyReport* report) {
  bool stateWritten = false;
  bool countyWritten = false;
  const QsoDateTime when = FormatStartTime(startTime, clock);
  const std::string_view date(when.date, when.dateLength);
  const std::string_view time(when.time, 6);
  RecordCopyWriter copy(output);
  copy.Put("QSO_DATE", &date);
  copy.Put("TIME_ON", &time);

  for (std::size_t i = 0; i < record.fieldCount(); ++i) {
    AdifField& field = record.field(i);
    if (field.name.empty()) continue;
    if (IsName(field.name, "STATE")) {
      if (stateWritten) continue;
      WriteField(copy, record, i);
      stateWritten = true;
    } else if (IsName(field.name, "CNTY")) {
      if (countyWritten) continue;
      WriteField(copy, record, i);
      countyWritten = true;
      if (report != nullptr) {
        const std::string_view county = field.value;
        if (state.carried.empty()) {
          ReportWrittenCopy(*report, record.record(), &county, 1);
        } else {
          ReportWrittenCopy(*report, record.record(), state.carried.data(), state.carried.size());
        }
      }
      if (state.countyCount > 1 && state.remaining != state.countyCount) {
        std::string text = "INFO: Adding QSO for ";
        text.append(state.callsign).append(" on ").append(field.value).append(" county line.");
        AddMessage(kInformationList, log, std::move(text));
        ++tally.countyLines;
      }
      const std::string_view countyState = field.value.substr(0, 2);
      copy.Put("STATE", &countyState);
      if (!state.usaca.empty()) {
        const std::string_view usaca = state.usaca;
        copy.Put(kUsacaName, &usaca);
      }
      --state.remaining;
      stateWritten = true;
      field.name = {};
    } else if (state.usaca.empty() || !IsUsacaName(field.name)) {
      WriteField(copy, record, i);
    }
  }
  copy.End();
  return countyWritten || state.remaining <= 0;
}

// The counties of a county line in the order of its copies: the values of
// the CNTY fields that the copies take, one each.
std::vector<std::string_view> LineCounties(const ReadRecord& record, long long countyCount) {
  std::vector<std::string_view> counties;
  for (std::size_t i = 0; i < record.fieldCount(); ++i) {
    if (static_cast<long long>(counties.size()) == countyCount) break;
    const AdifField& field = record.field(i);
    if (std::string_view(field.name) == "CNTY") counties.push_back(field.value);
  }
  return counties;
}

std::string Joined(const std::vector<std::string_view>& counties, std::size_t from,
                   std::string_view separator) {
  std::string text;
  for (std::size_t i = from; i < counties.size(); ++i) {
    if (i > from) text.append(separator);
    text.append(counties[i]);
  }
  return text;
}

bool HasUsacaField(const ReadRecord& record) {
  for (std::size_t i = 0; i < record.fieldCount(); ++i) {
    if (IsUsacaName(record.field(i).name)) return true;
  }
  return false;
}

// Decides what the copies of a county line carry and says what the chosen
// form does with the line. Returns the number of copies to write.
long long PlanCountyLine(const ReadRecord& record, CountyLineForm form, CopyState& state,
                         OutputTally& tally, MessageLog& log) {
  const long long copies = form == CountyLineForm::kSingle ? 1 : state.countyCount;
  if (form == CountyLineForm::kSplit || state.countyCount < 2) return copies;
  const std::vector<std::string_view> counties = LineCounties(record, state.countyCount);
  // A county is worked whichever form carried it.
  if (form == CountyLineForm::kSingle) state.carried = counties;
  if (counties.size() == 2) {
    state.usaca = Joined(counties, 0, ":");
    if (!tally.toldUsacaReplaced && HasUsacaField(record)) {
      tally.toldUsacaReplaced = true;
      AddMessage(kInformationList, log,
                 "INFO: USACA_COUNTIES fields of the log are replaced by the county lines' "
                 "counties.");
    }
    if (form == CountyLineForm::kSingle) {
      std::string text = "INFO: One record for ";
      text.append(state.callsign).append(" on the county line ").append(state.usaca);
      AddMessage(kInformationList, log, text.append(" (USACA_COUNTIES)."));
    }
  } else if (form == CountyLineForm::kSplitUsaca) {
    std::string text = "INFO: No USACA_COUNTIES for ";
    text.append(state.callsign).append(": it holds two counties, the line has ");
    text.append(std::to_string(counties.size())).append(" (");
    AddMessage(kInformationList, log, text.append(Joined(counties, 0, "; ")).append(")."));
  } else {
    std::string text = "WARNING: ";
    text.append(state.callsign).append(" on a line of ").append(std::to_string(counties.size()));
    text.append(" counties: one record carries ").append(counties[0]);
    text.append(" only; not written: ");
    AddMessage(kWarningList, log, text.append(Joined(counties, 1, "; ")).append("."));
  }
  return copies;
}

}  // namespace

long long ProcessRecord(TextWriter& output, RegionId region, int addMobile, CountyLineForm form,
                        ReadRecord& record, OutputTally& tally, MessageLog& log,
                        LocalTimeCache& clock, CountyLookup& counties, CountyReport* report) {
  const RewriteResult rewritten =
      RewriteRecordFields(record, region, addMobile, log, counties, report);
  // Copies clear only names of CNTY fields, so the callsign's text stays put.
  CopyState state{rewritten.countyCount, rewritten.countyCount, rewritten.callsign, {}, {}};
  const long long copies = PlanCountyLine(record, form, state, tally, log);
  std::int64_t startTime = record.record().startTime;
  for (long long written = 0;;) {
    const bool tookCounty = WriteCopy(output, record, startTime, state, tally, log, clock, report);
    ++startTime;
    ++tally.writtenQsos;
    if (++written >= copies || state.remaining <= 0 || !tookCounty) break;
  }
  return rewritten.countyCount;
}

}  // namespace quorvel
