// The first phase of writing a record: its fields are brought into standard
// ADIF form and every county-bearing value is resolved.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/message_log.h"
#include "core/qso_record.h"
#include "counties/region_catalogue.h"

namespace quorvel {

struct RewriteResult {
  // Counties converted, less one for each repeated CNTY value removed; can be
  // negative when the log already held repeated converted values.
  long long countyCount = 0;
  // The record's callsign after any change; empty when it has none.
  std::string_view callsign;
};

RewriteResult RewriteRecordFields(QsoRecord& record, RegionId region, int addMobile,
                                  MessageLog& log);

}  // namespace quorvel
