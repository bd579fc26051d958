#pragma once
// Outcome of a file or folder operation: success, or a message a window can show the user.

#include <string>

namespace common {

struct [[nodiscard]] IoStatus {
  bool ok = true;
  std::string error;  // what went wrong, in words for a message box; "" when ok

  static IoStatus success() { return {}; }
  static IoStatus failure(std::string message) { return {false, std::move(message)}; }
  explicit operator bool() const { return ok; }
};

}  // namespace common
