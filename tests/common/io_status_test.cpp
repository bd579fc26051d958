// The outcome of a file or folder operation, and the words for why one failed.

#include "common/io_status.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <winerror.h>
#endif

namespace {

using common::failureReason;
using common::IoStatus;

TEST(IoStatus, SuccessAndFailure) {
  const IoStatus ok = IoStatus::success();
  EXPECT_TRUE(ok.ok);
  EXPECT_TRUE(static_cast<bool>(ok));
  EXPECT_EQ(ok.error, "");
  const IoStatus failed = IoStatus::failure("The file could not be read.");
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(static_cast<bool>(failed));
  EXPECT_EQ(failed.error, "The file could not be read.");
}

TEST(IoStatus, FailureReasonsAreWordsForTheUser) {
  const struct {
    int error;
    std::string words;
  } cases[] = {
      {ENOENT, "the folder it belongs in does not exist"},
      {EACCES, "permission was denied"},
      {EPERM, "permission was denied"},
      {ENOSPC, "the disk is full"},
#ifdef EDQUOT
      {EDQUOT, "the disk is full"},
#endif
      {EROFS, "the disk is read-only"},
      {EISDIR, "a folder of that name is in the way"},
      {ENOTDIR, "part of the path is not a folder"},
      {ENOTEMPTY, "the folder is not empty"},
      {EEXIST, "something of that name already exists"},
  };
  for (const auto& c : cases) {
    // The same words whether the code comes from errno or from the file system library.
    EXPECT_EQ(failureReason(std::error_code(c.error, std::generic_category())), c.words) << c.error;
#ifndef _WIN32
    EXPECT_EQ(failureReason(std::error_code(c.error, std::system_category())), c.words) << c.error;
#endif
  }
}

#ifdef _WIN32
// The system's own codes on Windows come in the same words as errno's.
TEST(IoStatus, WindowsCodesInTheSameWords) {
  const struct {
    int error;
    std::string words;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, "the folder it belongs in does not exist"},
      {ERROR_PATH_NOT_FOUND, "the folder it belongs in does not exist"},
      {ERROR_ACCESS_DENIED, "permission was denied"},
      {ERROR_DISK_FULL, "the disk is full"},
      {ERROR_HANDLE_DISK_FULL, "the disk is full"},
      {ERROR_WRITE_PROTECT, "the disk is read-only"},
      {ERROR_DIRECTORY, "part of the path is not a folder"},
      {ERROR_DIR_NOT_EMPTY, "the folder is not empty"},
      {ERROR_ALREADY_EXISTS, "something of that name already exists"},
      {ERROR_FILE_EXISTS, "something of that name already exists"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(failureReason(std::error_code(c.error, std::system_category())), c.words) << c.error;
  // Any other code: the system's message, in lower case and without its line end.
  const std::string other =
      failureReason(std::error_code(ERROR_INVALID_NAME, std::system_category()));
  ASSERT_FALSE(other.empty());
  EXPECT_TRUE(std::islower(static_cast<unsigned char>(other[0]))) << other;
  EXPECT_EQ(other.find_first_of("\r\n"), std::string::npos) << other;
}
#endif

TEST(IoStatus, AnyOtherReasonIsTheSystemsMessageInLowerCase) {
  EXPECT_EQ(failureReason(std::make_error_code(std::errc::file_too_large)), "file too large");
  for (const int error : {EFBIG, EIO, EMFILE}) {
    std::string message = std::generic_category().message(error);
    ASSERT_FALSE(message.empty());
    message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
    EXPECT_EQ(failureReason(std::error_code(error, std::generic_category())), message);
  }
}

}  // namespace
