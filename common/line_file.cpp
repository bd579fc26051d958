#include "common/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <system_error>

#include "common/paths.h"
#include "common/random.h"

namespace common {

namespace {

std::string reason(int error) {
  return failureReason(std::error_code(error, std::generic_category()));
}

// Closes a descriptor when it goes out of scope, unless it was closed before.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a late write error shows up here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Splits bytes into lines as they arrive: CR LF, LF or CR ends a line.
class LineSplitter {
 public:
  LineSplitter(std::vector<std::string>& lines, std::size_t limit) : lines_(lines), limit_(limit) {}

  bool full() const { return lines_.size() >= limit_; }

  // Takes each run of bytes up to a line end in one piece.
  void feed(const char* bytes, std::size_t size) {
    std::size_t i = 0;
    while (i < size && !full()) {
      if (afterCr_) {
        afterCr_ = false;
        if (bytes[i] == '\n') {  // the LF of a CR LF pair
          ++i;
          continue;
        }
      }
      std::size_t end = i;
      while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
      if (end == size) {  // the line goes on in the next bytes
        current_.append(bytes + i, size - i);
        return;
      }
      if (current_.empty()) {
        lines_.emplace_back(bytes + i, end - i);
      } else {
        current_.append(bytes + i, end - i);
        lines_.push_back(std::move(current_));
        current_.clear();
      }
      afterCr_ = bytes[end] == '\r';
      i = end + 1;
    }
  }

  // A last line without an end still counts; a final line end adds no empty line.
  void finish() {
    if (!current_.empty() && !full()) lines_.push_back(std::move(current_));
    current_.clear();
  }

 private:
  std::vector<std::string>& lines_;
  std::size_t limit_;
  std::string current_;
  bool afterCr_ = false;
};

// Reads every byte of an open file; gives 0 or the error number.
int readAll(int fd, const struct stat& info, std::string& bytes) {
  bytes.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : 64 * 1024);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);  // the file grew meanwhile
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return 0;
}

// The number of lines the splitter makes of these bytes.
std::size_t lineCount(const std::string& bytes) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))) ++count;
  }
  if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') ++count;
  return count;
}

// Opens the file for reading; on failure gives the status that says why.
IoStatus openForReading(const std::string& native, Descriptor& file, struct stat& info) {
  if (file.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      return IoStatus::failure("The file \"" + native + "\" could not be found.");
    return IoStatus::failure("The file \"" + native + "\" could not be read: " + reason(error) +
                             ".");
  }
  if (::fstat(file.get(), &info) == 0 && S_ISDIR(info.st_mode))
    return IoStatus::failure("\"" + native + "\" is a folder, not a file.");
  return IoStatus::success();
}

// Hands each line of these bytes to `take`, by the same rules as LineSplitter.
template <typename Take>
void splitLines(const std::string& bytes, Take&& take) {
  const std::size_t size = bytes.size();
  std::size_t i = 0;
  while (i < size) {
    std::size_t end = i;
    while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    take(std::string_view(bytes.data() + i, end - i));
    if (end == size) break;
    i = end + 1;
    if (bytes[end] == '\r' && i < size && bytes[i] == '\n') ++i;  // the LF of a CR LF pair
  }
}

// Reads the whole file and hands its line count, then each line, to the callbacks.
template <typename Expect, typename Take>
IoStatus readWhole(const std::string& pathText, Expect&& expect, Take&& take) {
  const std::string native = nativePath(pathText).string();
  Descriptor file(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (IoStatus status = openForReading(native, file, info); !status) return status;
  std::string bytes;
  if (const int error = readAll(file.get(), info, bytes); error != 0) {
    return IoStatus::failure("The file \"" + native + "\" could not be read: " + reason(error) +
                             ".");
  }
  expect(lineCount(bytes));
  splitLines(bytes, take);
  return IoStatus::success();
}

IoStatus readUpTo(const std::string& pathText, std::size_t limit, std::vector<std::string>& lines) {
  lines.clear();
  const std::string native = nativePath(pathText).string();
  Descriptor file(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (IoStatus status = openForReading(native, file, info); !status) return status;

  LineSplitter splitter(lines, limit);
  std::string buffer(64 * 1024, '\0');
  while (!splitter.full()) {
    const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      lines.clear();
      return IoStatus::failure("The file \"" + native + "\" could not be read: " + reason(error) +
                               ".");
    }
    if (got == 0) {
      splitter.finish();
      break;
    }
    splitter.feed(buffer.data(), static_cast<std::size_t>(got));
  }
  return IoStatus::success();
}

bool writeAll(int fd, const char* bytes, std::size_t size, int& error) {
  while (size > 0) {
    const ssize_t done = ::write(fd, bytes, size);
    if (done < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    bytes += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

// Six letters or digits for a temporary file name; unpredictable enough that two writers, or two
// test processes, never pick the same one twice in a row.
std::string uniqueSuffix() {
  static Random source;
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string suffix(6, 'x');
  for (char& c : suffix) c = letters[source.below(static_cast<int>(sizeof letters - 1))];
  return suffix;
}

}  // namespace

IoStatus readLines(const std::string& pathText, std::vector<std::string>& lines) {
  lines.clear();
  // The whole file: its bytes first, then its lines, with the list made the right size at once.
  IoStatus status = readWhole(
      pathText, [&lines](std::size_t count) { lines.reserve(count); },
      [&lines](std::string_view line) { lines.emplace_back(line); });
  if (!status) lines.clear();
  return status;
}

IoStatus forEachLine(const std::string& pathText, const std::function<void(std::size_t)>& expect,
                     const std::function<void(std::string_view)>& take) {
  return readWhole(pathText, expect, take);
}

IoStatus readFirstLines(const std::string& pathText, std::size_t count,
                        std::vector<std::string>& lines) {
  return readUpTo(pathText, count, lines);
}

IoStatus writeLines(const std::string& pathText, const std::vector<std::string>& lines) {
  return writeLines(pathText, lines.size(),
                    [&lines](std::size_t k) -> const std::string& { return lines[k]; });
}

IoStatus writeLines(const std::string& pathText, std::size_t count,
                    const std::function<const std::string&(std::size_t)>& lineAt) {
  const std::filesystem::path target = nativePath(pathText);
  const std::string native = target.string();
  const std::string failed = "The file \"" + native + "\" could not be saved: ";

  struct stat old {};
  const bool replacing = ::stat(native.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode))
    return IoStatus::failure(failed + "a folder of that name is in the way.");

  // The new contents go into a temporary file beside the target, which is renamed over it only
  // once every byte is safely on disk: the old file stays whole until that moment.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = native + ".tmp-" + uniqueSuffix();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return IoStatus::failure(failed + reason(errno) + ".");
  Descriptor file(fd);

  int error = 0;
  bool ok = true;
  if (replacing) ::fchmod(file.get(), old.st_mode & 07777);  // keep the file's permissions
  std::string chunk;
  chunk.reserve(64 * 1024);
  for (std::size_t k = 0; k < count; ++k) {
    chunk.append(lineAt(k));
    chunk.append("\r\n");
    if (chunk.size() >= 64 * 1024) {
      ok = writeAll(file.get(), chunk.data(), chunk.size(), error);
      chunk.clear();
      if (!ok) break;
    }
  }
  if (ok) ok = writeAll(file.get(), chunk.data(), chunk.size(), error);
  if (ok && ::fsync(file.get()) != 0) {
    error = errno;
    ok = false;
  }
  if (ok) {
    ok = file.close();
    if (!ok) error = errno;
  }
  if (ok && ::rename(temporary.c_str(), native.c_str()) != 0) {
    error = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return IoStatus::failure(failed + reason(error) + ".");
  }

  // Make the rename itself durable; the file is already complete, so a failure here is not one.
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  return IoStatus::success();
}

}  // namespace common
