#pragma once
// The editor's file work made to fail part-way, for the tests of what a failure leaves behind, by
// the means each system has. On Linux the largest file the process may write is lowered to
// `bytes` (FileSizeLimit): a temporary file fails as it grows past it, while the old file is still
// whole. Windows has no such limit: there `file` is held open by another program (HeldFile), so a
// temporary file, written whole, can't take its place, nor can the file be read to be copied.

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/support/file_size_limit.h"
#include "tests/support/held_file.h"

class FailingWrites {
 public:
  FailingWrites(std::uint64_t bytes, const std::filesystem::path& file)
#ifdef _WIN32
      : held_(file) {
    (void)bytes;
  }
  bool ok() const { return held_.held(); }
  std::string why() const { return held_.why(); }
#else
      : limit_(bytes) {
    (void)file;
  }
  bool ok() const { return limit_.ok(); }
  std::string why() const { return "the file size limit can't be lowered here"; }
#endif

 private:
#ifdef _WIN32
  HeldFile held_;
#else
  FileSizeLimit limit_;
#endif
};
