#include "common/io_status.h"

#include <cctype>
#include <cerrno>

namespace common {

std::string failureReason(const std::error_code& error) {
  // Codes from errno and from the file system library share their numbers.
  const bool fromSystem =
      error.category() == std::generic_category() || error.category() == std::system_category();
  switch (fromSystem ? error.value() : 0) {
    case ENOENT:
      return "the folder it belongs in does not exist";
    case EACCES:
    case EPERM:
      return "permission was denied";
    case ENOSPC:
    case EDQUOT:
      return "the disk is full";
    case EROFS:
      return "the disk is read-only";
    case EISDIR:
      return "a folder of that name is in the way";
    case ENOTDIR:
      return "part of the path is not a folder";
    case ENOTEMPTY:
      return "the folder is not empty";
    case EEXIST:
      return "something of that name already exists";
    case ENXIO:
      return "it is not a plain file";
    default:
      break;
  }
  std::string text = error.message();
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace common
