// What every conversion keeps, whatever bytes it is given. The fuzz target
// checks it on arbitrary input; the generated-log tests check it too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/message_log.h"
#include "counties/region_catalogue.h"
#include "fuzz/memory_conversion.h"

namespace quorvel {
class CountyReport;
}

namespace quorvel::fuzzing {

// The time a conversion of bytes may take at most: 1 s per 100 kB, and 1 s
// for anything smaller. Processor time, so that a busy machine does not count.
double TimeAllowed(std::size_t bytes);

// Records of converted output as the program's tag scanner finds them: the
// header is skipped up to its end tag, then every tag whose name holds "eor"
// or "EOR" ends one. 0 when the output has no recognised header. The output's
// line ends must have been checked to be CR LF.
long long CountOutputRecords(std::string_view output);

struct CheckedConversion {
  MemoryConversion first;  // the conversion of the log
  MemoryConversion again;  // the conversion of its output, when asked for
  std::string problem;     // what broke, or the empty text
};

// Converts log, then checks: the listing ends its information group with the
// two closing messages; the output holds exactly as many records as "Wrote"
// says, every line end as CR LF. With a chunk, the same bytes handed over in
// pieces of that size must give the same run; with reconvert, the output
// converted again must write each record once, convert nothing and add no QSO,
// and a run with the county report must give the same output and messages,
// a report whose totals are the run's and whose JSON is plain ASCII.
// No conversion may take longer than TimeAllowed for its input.
CheckedConversion CheckConversion(std::string_view log, RegionId region, int addMobile,
                                  std::size_t chunk, bool reconvert);

}  // namespace quorvel::fuzzing
