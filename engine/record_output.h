// Writes one record: once, or once per county of a county line, each copy one
// second after the one before; or, in the one-record form, once with the line
// in USACA_COUNTIES.
#pragma once

#include "core/message_log.h"
#include "counties/region_catalogue.h"
#include "engine/county_line_form.h"
#include "engine/county_lookup.h"
#include "engine/local_time_cache.h"
#include "engine/platform/text_writer.h"
#include "engine/read_record.h"

namespace quorvel {
class CountyReport;
}

namespace quorvel {

// What the records of one run add up to.
struct OutputTally {
  long long writtenQsos = 0;  // copies written
  long long countyLines = 0;  // QSOs added for a county line
  bool toldUsacaReplaced = false;
};

// Rewrites the record's fields, then writes its copies in the given form.
// Returns the number of counties converted in the record.
// clock turns the start time into the local date and time of each copy;
// counties resolves the county-bearing values, in region. report, when given, counts the record's
// values and the counties it carried.
long long ProcessRecord(TextWriter& output, RegionId region, int addMobile, CountyLineForm form,
                        ReadRecord& record, OutputTally& tally, MessageLog& log,
                        LocalTimeCache& clock, CountyLookup& counties,
                        CountyReport* report = nullptr);

}  // namespace quorvel
