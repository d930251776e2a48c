// The conversion driver: copies the log's header, parses its records and has
// each one rewritten and written.
#pragma once

#include <optional>
#include <string_view>

#include "core/message_log.h"
#include "counties/region_catalogue.h"
#include "engine/county_line_form.h"
#include "engine/platform/text_reader.h"
#include "engine/platform/text_writer.h"

namespace quorvel {
class CountyReport;
}

namespace quorvel {

// Converts the whole of input into output for region, ending with the two
// summary lines in the information list. outputName, when given, is named in
// the second one. report, when given, is filled as the records go by; form
// is how county lines are written.
void ConvertLog(TextReader& input, TextWriter& output, RegionId region, int addMobile,
                std::optional<std::string_view> outputName, MessageLog& log,
                CountyReport* report = nullptr, CountyLineForm form = CountyLineForm::kSplit);

}  // namespace quorvel
