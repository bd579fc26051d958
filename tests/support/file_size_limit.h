#pragma once
// Lowers the largest file this process may write, which holds for root too, and puts it back.
// Writing past the limit then fails (EFBIG) instead of ending the process, so a test can make a
// write fail part-way.

#ifdef _WIN32
// Windows has no such limit: ok() is false there, and a test that needs it skips itself.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long long) {}
  bool ok() const { return false; }
};
#else
#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a refused write then just fails
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ok_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
  bool ok_ = false;
};
#endif
