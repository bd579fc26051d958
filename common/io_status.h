#pragma once
// Outcome of a file or folder operation: success, or a message a window can show the user.

#include <string>
#include <system_error>

namespace common {

struct [[nodiscard]] IoStatus {
  bool ok = true;
  std::string error;  // what went wrong, in words for a message box; "" when ok

  static IoStatus success() { return {}; }
  static IoStatus failure(std::string message) { return {false, std::move(message)}; }
  explicit operator bool() const { return ok; }
};

// Why a file or folder operation failed, in lower-case words that follow "could not be ...: "
// ("permission was denied", "the disk is full"). A missing path is put down to its folder: the
// operations look for the path itself before they try.
std::string failureReason(const std::error_code& error);

}  // namespace common
