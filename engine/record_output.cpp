#include "engine/record_output.h"

#include <string>

#include "engine/adif_writer.h"
#include "engine/county_report.h"
#include "engine/field_rewriting.h"
#include "engine/qso_time.h"

namespace quorvel {

namespace {

struct CopyState {
  long long countyCount;
  long long remaining;
  std::string_view callsign;
};

// Writes one copy; returns false when it took no CNTY field although copies
// remain (no field left to take them from).
bool WriteCopy(TextWriter& output, QsoRecord& record, std::int64_t startTime, CopyState& state,
               long long& countyLines, MessageLog& log, LocalTimeCache& clock,
               CountyReport* report) {
  bool stateWritten = false;
  bool countyWritten = false;
  const QsoDateTime when = FormatStartTime(startTime, clock);
  const std::string_view date(when.date, when.dateLength);
  const std::string_view time(when.time, 6);
  std::size_t column = WriteAdifField(output, "QSO_DATE", &date, 0);
  column = WriteAdifField(output, "TIME_ON", &time, column);

  for (std::size_t i = 0; i < record.fieldCount(); ++i) {
    AdifField& field = record.field(i);
    if (field.name.empty()) continue;
    if (std::string_view(field.name) == "STATE") {
      if (stateWritten) continue;
      column = WriteAdifField(output, field, column);
      stateWritten = true;
    } else if (std::string_view(field.name) == "CNTY") {
      if (countyWritten) continue;
      column = WriteAdifField(output, field, column);
      countyWritten = true;
      if (report != nullptr) ReportWrittenCopy(*report, record, field.value);
      if (state.countyCount > 1 && state.remaining != state.countyCount) {
        std::string text = "INFO: Adding QSO for ";
        text.append(state.callsign).append(" on ").append(field.value).append(" county line.");
        AddMessage(kInformationList, log, std::move(text));
        ++countyLines;
      }
      const std::string_view countyState = std::string_view(field.value).substr(0, 2);
      column = WriteAdifField(output, "STATE", &countyState, column);
      --state.remaining;
      stateWritten = true;
      field.name.clear();
    } else {
      column = WriteAdifField(output, field, column);
    }
  }
  output.Put("\n\n");
  return countyWritten || state.remaining <= 0;
}

}  // namespace

long long ProcessRecord(TextWriter& output, RegionId region, int addMobile, QsoRecord& record,
                        long long& writtenQsos, long long& countyLines, MessageLog& log,
                        LocalTimeCache& clock, CountyReport* report) {
  const RewriteResult rewritten = RewriteRecordFields(record, region, addMobile, log, report);
  // Copies clear only names of CNTY fields, so the callsign's text stays put.
  CopyState state{rewritten.countyCount, rewritten.countyCount, rewritten.callsign};
  std::int64_t startTime = record.startTime;
  for (;;) {
    const bool tookCounty =
        WriteCopy(output, record, startTime, state, countyLines, log, clock, report);
    ++startTime;
    ++writtenQsos;
    if (state.remaining <= 0 || !tookCounty) break;
  }
  return rewritten.countyCount;
}

}  // namespace quorvel
