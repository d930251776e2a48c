#include "engine/conversion_request.h"

#include <optional>
#include <string_view>
#include <utility>

#include "core/message_log.h"
#include "engine/convert_log.h"
#include "engine/county_report.h"
#include "engine/platform/files.h"
#include "engine/region_from_log.h"

namespace quorvel {

namespace {

ConversionResult Failure(std::string text) { return ConversionResult{std::move(text), {}}; }

const char* CheckRequest(const StreamRequest& request) {
  if (!request.standardInput && request.inputPath.empty()) {
    return "ERROR: Didn't specify input file.";
  }
  if (!request.standardOutput && request.outputPath.empty()) {
    return "ERROR: Didn't specify output file.";
  }
  if (!request.standardInput && !request.standardOutput &&
      request.inputPath == request.outputPath) {
    return "ERROR: Input and output file names must be different.";
  }
  // An id past the catalogue is no region either.
  if (!request.regionFromLog && !IsValidRegion(request.region)) {
    return "ERROR: You must select a state.";
  }
  return nullptr;
}

// Reads the whole input for its region and goes back to its start.
ConversionResult ReadRegion(InputFile& input, RegionId& region, MessageLog& log) {
  LogRegion found;
  {
    TextReader reader(input, input.NeedsTextTranslation());
    found = ReadRegionFromLog(reader);
    if (reader.Failed()) return Failure("ERROR: Could not read input file.");
  }
  if (found.region == kNoRegion) {
    ConversionResult refused = Failure("cannot tell the region: " + DescribeLogRegion(found));
    refused.regionUnknown = true;
    return refused;
  }
  if (!input.Rewind()) return Failure("ERROR: Could not read input file.");
  region = found.region;
  AddMessage(kInformationList, log,
             "INFO: Region taken from the log: " + DescribeLogRegion(found) + ".");
  return {};
}

ConversionResult ConvertOpened(const StreamRequest& request, RegionId region,
                               std::unique_ptr<InputFile> input, std::unique_ptr<OutputFile> output,
                               MessageLog log);

}  // namespace

ConversionResult RunConversion(const std::string& inputPath, const std::string& outputPath,
                               RegionId region, int addMobile) {
  StreamRequest request;
  request.inputPath = inputPath;
  request.outputPath = outputPath;
  request.region = region;
  request.addMobile = addMobile;
  return RunStreamConversion(request);
}

ConversionResult RunStreamConversion(const StreamRequest& request) {
  if (const char* problem = CheckRequest(request)) return Failure(problem);

  std::unique_ptr<InputFile> input =
      request.standardInput ? OpenStandardInput() : OpenInputFile(request.inputPath);
  if (!input) return Failure("ERROR: Could not open input file.");

  MessageLog log;
  RegionId region = request.region;
  if (request.regionFromLog) {
    ConversionResult refused = ReadRegion(*input, region, log);
    if (!refused.ok()) return refused;
  }

  std::unique_ptr<OutputFile> output = request.standardOutput
                                           ? OpenStandardOutput(*input)
                                           : OpenOutputFile(request.outputPath, *input);
  if (!output) return Failure("ERROR: Could not open output file.");

  return ConvertOpened(request, region, std::move(input), std::move(output), std::move(log));
}

namespace {

ConversionResult ConvertOpened(const StreamRequest& request, RegionId region,
                               std::unique_ptr<InputFile> input, std::unique_ptr<OutputFile> output,
                               MessageLog log) {
  const std::optional<std::string_view> outputName =
      request.standardOutput ? std::nullopt : std::optional<std::string_view>(request.outputPath);
  if (request.report != nullptr) {
    request.report->BeginLog(request.standardInput ? "-" : request.inputPath, region);
  }
  bool written = false;
  bool read = false;
  {
    TextReader reader(*input, input->NeedsTextTranslation());
    TextWriter writer(*output, output->NeedsTextTranslation());
    ConvertLog(reader, writer, region, request.addMobile, outputName, log, request.report,
               request.countyLines);
    written = writer.Flush();
    read = !reader.Failed();
  }
  input.reset();
  written = output->Close() && written;

  // A run that lost data must not look like a success.
  if (!written) return Failure("ERROR: Could not write output file.");
  if (!read) return Failure("ERROR: Could not read input file.");
  ConversionResult result;
  for (std::size_t list = 0; list < log.lists.size(); ++list) {
    result.listSizes[list] = log.lists[list].size();
  }
  result.listing = ListMessages(std::move(log));
  return result;
}

}  // namespace

ConversionResult ConvertOpenFiles(const StreamRequest& request, RegionId region,
                                  std::unique_ptr<InputFile> input,
                                  std::unique_ptr<OutputFile> output) {
  return ConvertOpened(request, region, std::move(input), std::move(output), MessageLog{});
}

}  // namespace quorvel
