// An output file held by a POSIX file descriptor (the POSIX layer's and the
// web page's): owned, closed once, and the close's failure reported, since a
// full disk may show only there.
#pragma once

#include <unistd.h>

#include "engine/platform/files.h"

namespace quorvel {

class DescriptorOutput : public OutputFile {
 public:
  explicit DescriptorOutput(int fd) : fd_(fd) {}
  ~DescriptorOutput() override { Close(); }
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  bool NeedsTextTranslation() const override { return true; }
  bool Close() override {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 protected:
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace quorvel
