// Writes one record: once, or once per county of a county line, each copy one
// second after the one before.
#pragma once

#include "core/message_log.h"
#include "core/qso_record.h"
#include "counties/region_catalogue.h"
#include "engine/local_time_cache.h"
#include "engine/platform/text_writer.h"

namespace quorvel {
class CountyReport;
}

namespace quorvel {

// Rewrites the record's fields, then writes its copies. writtenQsos grows by
// the copies written, countyLines by the QSOs added for a county line.
// Returns the number of counties converted in the record.
// clock turns the start time into the local date and time of each copy.
// report, when given, counts the record's values and the copies' counties.
long long ProcessRecord(TextWriter& output, RegionId region, int addMobile, QsoRecord& record,
                        long long& writtenQsos, long long& countyLines, MessageLog& log,
                        LocalTimeCache& clock, CountyReport* report = nullptr);

}  // namespace quorvel
