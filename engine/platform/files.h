// Opening the two files of a conversion, with the sharing rules of Windows:
// the input may be read by others but not written while it is open, and the
// output is open to nobody else. So the output can never be the input under
// another name, and two runs never write one file at once. The standard
// streams take the files' places for pipes.
#pragma once

#include <memory>
#include <string>

#include "engine/platform/byte_stream.h"

namespace quorvel {

class InputFile : public ByteSource {
 public:
  // Whether the bytes still need the text-mode rules applied by TextReader.
  virtual bool NeedsTextTranslation() const = 0;
  // Starts reading from the first byte again; false where the input cannot
  // go back (a pipe).
  virtual bool Rewind() = 0;
};

class OutputFile : public ByteSink {
 public:
  virtual bool NeedsTextTranslation() const = 0;
  // Closes the file; false if closing failed (data that could not be stored).
  virtual bool Close() = 0;
};

// nullptr when the file cannot be opened for reading (or is not a file), or
// while another run writes it.
std::unique_ptr<InputFile> OpenInputFile(const std::string& path);

// Creates or empties path for writing; nullptr when that fails, while another
// run reads or writes it, or when path names the open input file. The file is
// then left untouched.
std::unique_ptr<OutputFile> OpenOutputFile(const std::string& path, const InputFile& input);

// Standard input and output as binary streams, for the text-mode rules to be
// applied like a file's. nullptr when the stream is closed, or when standard
// output is the open input (a shell's >> onto it): the input stays untouched.
// Standard output is written as the shell opened it: never emptied.
std::unique_ptr<InputFile> OpenStandardInput();
std::unique_ptr<OutputFile> OpenStandardOutput(const InputFile& input);

}  // namespace quorvel
