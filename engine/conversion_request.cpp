#include "engine/conversion_request.h"

#include <utility>

#include "core/message_log.h"
#include "engine/convert_log.h"
#include "engine/platform/files.h"

namespace quorvel {

namespace {

ConversionResult Failure(const char* text) { return ConversionResult{text, {}}; }

}  // namespace

ConversionResult RunConversion(const std::string& inputPath, const std::string& outputPath,
                               RegionId region, int addMobile) {
  if (inputPath.empty()) return Failure("ERROR: Didn't specify input file.");
  if (outputPath.empty()) return Failure("ERROR: Didn't specify output file.");
  if (inputPath == outputPath) {
    return Failure("ERROR: Input and output file names must be different.");
  }
  // An id past the catalogue is no region either.
  if (!IsValidRegion(region)) return Failure("ERROR: You must select a state.");

  std::unique_ptr<InputFile> input = OpenInputFile(inputPath);
  if (!input) return Failure("ERROR: Could not open input file.");
  std::unique_ptr<OutputFile> output = OpenOutputFile(outputPath, *input);
  if (!output) return Failure("ERROR: Could not open output file.");

  MessageLog log;
  bool written = false;
  bool read = false;
  {
    TextReader reader(*input, input->NeedsTextTranslation());
    TextWriter writer(*output, output->NeedsTextTranslation());
    ConvertLog(reader, writer, region, addMobile, outputPath, log);
    written = writer.Flush();
    read = !reader.Failed();
  }
  input.reset();
  written = output->Close() && written;

  // A run that lost data must not look like a success.
  if (!written) return Failure("ERROR: Could not write output file.");
  if (!read) return Failure("ERROR: Could not read input file.");
  return ConversionResult{{}, ListMessages(std::move(log))};
}

}  // namespace quorvel
