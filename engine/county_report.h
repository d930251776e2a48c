// The county report of one conversion or of a batch: every county of the
// region's tables worked or missing, the states and provinces worked, and
// the codes that were not found with their likely meanings. Filled by hooks
// of the conversion as it goes; its size grows with the counties and the
// distinct codes, never with the number of QSOs.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/adif_field.h"
#include "core/qso_record.h"
#include "counties/county_suggestions.h"
#include "counties/region_catalogue.h"

namespace quorvel {

struct ReportCounty {
  std::string_view name;  // as CNTY carries it after the comma
  std::vector<std::string_view> abbreviations;
  long long qsos = 0;
  // Distinct values as logged ("?" for none), in order of first sight; at
  // most kMostValues of each, so that a hostile log cannot grow them.
  std::vector<std::string> bands;
  std::vector<std::string> modes;
};

struct ReportState {
  std::string_view abbreviation;
  std::string_view name;
  std::vector<ReportCounty> counties;  // by name
  long long qsos = 0;
  std::size_t Worked() const;
};

struct ReportCount {
  std::string code;
  long long qsos = 0;
};

struct ReportUnknown {
  std::string code;
  RegionId region = kNoRegion;
  long long qsos = 0;
  std::vector<std::string> calls;  // distinct, first kMostCalls
  CountySuggestions suggestions;
};

struct ReportLog {
  std::string name;
  RegionId region = kNoRegion;
};

struct ReportTotals {
  long long qsosRead = 0;
  long long qsosWritten = 0;
  long long countyLineQsos = 0;
};

class CountyReport {
 public:
  static constexpr std::size_t kMostValues = 16;
  static constexpr std::size_t kMostCalls = 20;

  // A log of the report begins; its region's counties join the report.
  void BeginLog(std::string_view name, RegionId region);

  // This QSO, as written, carried these CNTY values; each one of the
  // report's counties is counted with the QSO's band and mode.
  void CountQso(const std::string_view* counties, std::size_t count, std::string_view band,
                std::string_view mode);
  // What ResolveCounty made of a county-bearing field: a STATE kept, a
  // Canadian area left alone (in NAQP also the last word of a name and
  // province), or a code not found. resolved is its result.
  void NoteResolved(const AdifField& field, int resolved, std::string_view callsign);
  void CountRecordRead() { ++totals_.qsosRead; }
  void AddWritten(long long qsos, long long countyLineQsos);

  const std::vector<ReportLog>& logs() const { return logs_; }
  const std::vector<ReportState>& states() const { return states_; }
  // By code.
  const std::map<std::string, long long, std::less<>>& otherStates() const { return otherStates_; }
  const std::map<std::string, long long, std::less<>>& provinces() const { return provinces_; }
  // In order of first sight.
  const std::vector<ReportUnknown>& unknown() const { return unknown_; }
  const ReportTotals& totals() const { return totals_; }

 private:
  void AddRegion(RegionId region);
  void CountUnknown(std::string_view code, std::string_view callsign);

  std::vector<ReportLog> logs_;
  std::vector<RegionId> regions_;
  std::vector<ReportState> states_;
  // "ST,County" -> (state, county) indexes into states_.
  std::map<std::string, std::pair<std::size_t, std::size_t>, std::less<>> countyIndex_;
  std::map<std::string, long long, std::less<>> otherStates_;
  std::map<std::string, long long, std::less<>> provinces_;
  std::vector<ReportUnknown> unknown_;
  std::map<std::string, std::size_t, std::less<>> unknownIndex_;  // code and region
  ReportTotals totals_;
};

// The hook where a record copy's CNTY is written: counts the counties it
// carries (its CNTY, or a whole county line in one record) with the record's
// BAND and MODE.
void ReportWrittenCopy(CountyReport& report, const QsoRecord& record,
                       const std::string_view* counties, std::size_t count);

}  // namespace quorvel
