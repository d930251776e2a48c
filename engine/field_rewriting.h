// The first phase of writing a record: its fields are brought into standard
// ADIF form and every county-bearing value is resolved.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/message_log.h"
#include "counties/region_catalogue.h"

namespace quorvel {
class CountyLookup;
class CountyReport;
}  // namespace quorvel

namespace quorvel {

// Names of the fields whose values are county abbreviations. The first,
// "CNTY", matches in any letter case; the others only exactly as written.
inline constexpr std::array<std::string_view, 20> CountyFieldNames = {
    "CNTY",
    "CTY",
    "CTY2",
    "CTY3",
    "CTY4",
    "EXCHANGE1",
    "QTH",
    "qth_rcvd",
    "RCVD",
    "RCVD_QTH",
    "SRX",
    "APP_N1MM_EXCHANGE1",
    "APP_N1MM_MISCTEXT",
    "APP_WRITELOG_CNTY",
    "APP_WRITELOG_CTY2",
    "APP_WRITELOG_CTY3",
    "APP_WRITELOG_CTY4",
    "APP_WRITELOG_QTH",
    "APP_WRITELOG_RCVD",
    "APP_WRITELOG_RCVD_QTH",
};

bool IsCountyFieldName(std::string_view name);

// Which rule of the rewriting a field name falls under.
enum FieldNameKind : std::uint8_t {
  kUndecidedName = 0,
  kPlainName,
  kCallsignName,
  kWritelogRstName,
  kWritelogSntName,
  kCommentName,
  kCountyName,
};
FieldNameKind ClassifyFieldName(std::string_view name);

struct RewriteResult {
  // Counties converted, less one for each repeated CNTY value removed; can be
  // negative when the log already held repeated converted values.
  long long countyCount = 0;
  // The record's callsign after any change; empty when it has none.
  std::string_view callsign;
};

// counties resolves the values, in region; report, when given, learns what
// became of every county-bearing value.
class ReadRecord;
RewriteResult RewriteRecordFields(ReadRecord& record, RegionId region, int addMobile,
                                  MessageLog& log, CountyLookup& counties,
                                  CountyReport* report = nullptr);

}  // namespace quorvel
