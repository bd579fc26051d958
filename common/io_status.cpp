#include "common/io_status.h"

#include <cctype>
#include <cerrno>

#ifdef _WIN32
#include <winerror.h>
#endif

namespace common {

namespace {

// The words for an errno code; "" for a code without words of its own.
std::string wordsForErrno(int code) {
  switch (code) {
    case ENOENT:
      return "the folder it belongs in does not exist";
    case EACCES:
    case EPERM:
      return "permission was denied";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
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
      return "";
  }
}

#ifdef _WIN32
// The same words for the system's own codes on Windows.
std::string wordsForSystemCode(int code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return wordsForErrno(ENOENT);
    case ERROR_ACCESS_DENIED:
      return wordsForErrno(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return wordsForErrno(ENOSPC);
    case ERROR_WRITE_PROTECT:
      return wordsForErrno(EROFS);
    case ERROR_DIRECTORY:
      return wordsForErrno(ENOTDIR);
    case ERROR_DIR_NOT_EMPTY:
      return wordsForErrno(ENOTEMPTY);
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return wordsForErrno(EEXIST);
    default:
      return "";
  }
}
#else
// On Linux the system's codes are errno's, and the file system library's share their numbers.
std::string wordsForSystemCode(int code) { return wordsForErrno(code); }
#endif

}  // namespace

std::string failureReason(const std::error_code& error) {
  std::string words;
  if (error.category() == std::generic_category()) {
    words = wordsForErrno(error.value());
  } else if (error.category() == std::system_category()) {
    words = wordsForSystemCode(error.value());
  }
  if (!words.empty()) return words;
  std::string text = error.message();
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace common
