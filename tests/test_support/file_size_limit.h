// Fault injection for file writes without root or a mount: a lowered file-size limit
// makes every write beyond it fail with EFBIG ("File too large"), as a full disk would.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace test_support {

// Lowers the file-size limit of this process for the life of the object, with SIGXFSZ
// ignored so that a write beyond it fails instead of killing the test.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace test_support
