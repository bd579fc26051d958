#include "common/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <system_error>

#include "common/paths.h"
#include "common/random.h"

namespace common {

namespace {

std::string reason(int error) {
  return failureReason(std::error_code(error, std::generic_category()));
}

IoStatus cannotRead(const std::string& native, int error) {
  return IoStatus::failure("The file \"" + native + "\" could not be read: " + reason(error) + ".");
}

IoStatus tooLarge(const std::string& native) {
  return IoStatus::failure("The file \"" + native +
                           "\" is too large to be one of the game's files (it is larger than "
                           "256 MB), so the editor does not read it.");
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
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now and reports whether the close succeeded (a late write error shows up here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The one rule of the game's line files: a line ends at CR LF, LF or CR; a last line without an
// end still counts, and a final line end adds no empty line. The bytes may come in pieces (a CR LF
// pair may be split between two); each line is handed to `take` whole, as a view that lives only
// during the call, and no more than `limit` lines are taken. It also notes where the line ends
// are mixed (see ReadInfo::mixedLineEndAt).
template <typename Take>
class LineSplitter {
 public:
  explicit LineSplitter(Take take, std::size_t limit = static_cast<std::size_t>(-1))
      : take_(std::move(take)), limit_(limit) {}

  bool full() const { return lines_ >= limit_; }
  std::size_t mixedLineEndAt() const { return bare_ && pairs_ > 0 ? firstBare_ + 1 : 0; }

  void feed(const char* bytes, std::size_t size) {
    std::size_t i = 0;
    while (i < size && !full()) {
      if (afterCr_) {  // the CR that ended the last line: alone, or the first half of a pair
        afterCr_ = false;
        if (bytes[i] == '\n') {
          ++pairs_;
          ++i;
          continue;
        }
        noteBare(crLine_);
      }
      std::size_t end = i;
      while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
      if (end == size) {  // the line goes on in the next bytes
        current_.append(bytes + i, size - i);
        return;
      }
      if (bytes[end] == '\r') {
        afterCr_ = true;
        crLine_ = lines_;
      } else {
        noteBare(lines_);
      }
      if (current_.empty()) {
        emit(std::string_view(bytes + i, end - i));
      } else {
        current_.append(bytes + i, end - i);
        emit(current_);
        current_.clear();
      }
      i = end + 1;
    }
  }

  void finish() {
    if (afterCr_) noteBare(crLine_);
    afterCr_ = false;
    if (!current_.empty() && !full()) emit(current_);
    current_.clear();
  }

 private:
  void emit(std::string_view line) {
    take_(line);
    ++lines_;
  }
  void noteBare(std::size_t line) {
    if (bare_) return;
    bare_ = true;
    firstBare_ = line;
  }

  Take take_;
  std::size_t limit_;
  std::string current_;
  bool afterCr_ = false;
  std::size_t crLine_ = 0;
  std::size_t lines_ = 0, pairs_ = 0, firstBare_ = 0;
  bool bare_ = false;
};

// Reads every byte of an open file, at most largestFile of them; gives 0 or the error number
// (EFBIG when the file grew past the limit while it was read).
int readAll(int fd, const struct stat& info, std::string& bytes) {
  bytes.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : 64 * 1024);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {  // the file grew meanwhile
      if (filled > largestFile) return EFBIG;
      bytes.resize(bytes.size() * 2);
    }
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > largestFile) return EFBIG;
  bytes.resize(filled);
  return 0;
}

// Opens the file a path text names for reading, without waiting: a pipe or a device is refused
// after the open, never read. On failure gives the status that says why.
IoStatus openForReading(const std::string& pathText, Descriptor& file, struct stat& info,
                        std::string& native) {
  std::filesystem::path resolved;
  if (IoStatus status = resolvePath(pathText, resolved); !status) return status;
  native = resolved.string();
  file.reset(::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      return IoStatus::failure("The file \"" + native + "\" could not be found.");
    return cannotRead(native, error);
  }
  if (::fstat(file.get(), &info) != 0) return cannotRead(native, errno);
  if (S_ISDIR(info.st_mode))
    return IoStatus::failure("\"" + native + "\" is a folder, not a file.");
  if (!S_ISREG(info.st_mode))
    return IoStatus::failure("\"" + native +
                             "\" is not a plain file (it is a pipe, a device or a socket), so "
                             "the editor can't read it.");
  if (static_cast<std::uint64_t>(info.st_size) > largestFile) return tooLarge(native);
  return IoStatus::success();
}

// Reads the whole file's bytes.
IoStatus readAllBytes(const std::string& pathText, std::string& bytes, struct stat& info) {
  bytes.clear();
  Descriptor file(-1);
  std::string native;
  if (IoStatus status = openForReading(pathText, file, info, native); !status) return status;
  if (const int error = readAll(file.get(), info, bytes); error != 0) {
    bytes.clear();
    return error == EFBIG ? tooLarge(native) : cannotRead(native, error);
  }
  return IoStatus::success();
}

// Reads the whole file and hands its line count, then each line, to the callbacks.
template <typename Expect, typename Take>
IoStatus readWhole(const std::string& pathText, Expect&& expect, Take&& take, ReadInfo* info) {
  std::string bytes;
  struct stat stat {};
  if (IoStatus status = readAllBytes(pathText, bytes, stat); !status) return status;
  // The reader is told first how many lines follow, so it can make room for them at once: a line
  // for each LF, and one for a last line without one (only a bare CR before the last line makes
  // more). Then one pass hands them over.
  const bool lastWithoutLf = !bytes.empty() && bytes.back() != '\n';
  expect(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
         (lastWithoutLf ? 1 : 0));
  LineSplitter splitter(std::forward<Take>(take));
  splitter.feed(bytes.data(), bytes.size());
  splitter.finish();
  if (info != nullptr) {
    info->stamp = stampOf(stat);
    info->mixedLineEndAt = splitter.mixedLineEndAt();
  }
  return IoStatus::success();
}

IoStatus readUpTo(const std::string& pathText, std::size_t limit, std::vector<std::string>& lines) {
  lines.clear();
  Descriptor file(-1);
  struct stat info {};
  std::string native;
  if (IoStatus status = openForReading(pathText, file, info, native); !status) return status;

  LineSplitter splitter([&lines](std::string_view line) { lines.emplace_back(line); }, limit);
  std::string buffer(64 * 1024, '\0');
  std::uint64_t total = 0;
  while (!splitter.full()) {
    const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      lines.clear();
      return cannotRead(native, error);
    }
    if (got == 0) {
      splitter.finish();
      break;
    }
    total += static_cast<std::uint64_t>(got);
    if (total > largestFile) {
      lines.clear();
      return tooLarge(native);
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

// The file a link points at, through any chain of links; the path itself when it is no link.
// False when the links go round in a circle.
bool followLinks(std::filesystem::path& path) {
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return true;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return false;
}

// Puts a new file at `native` whose contents `fill` writes to the descriptor it is handed
// (returning false with the error number on a failed write). `failed` starts each message.
template <typename Fill>
IoStatus putFile(const std::filesystem::path& native, WriteMode mode, const std::string& failed,
                 Fill&& fill) {
  std::filesystem::path target = native;
  struct stat existing {};
  if (mode == WriteMode::CreateNew) {
    if (::lstat(target.c_str(), &existing) == 0)
      return IoStatus::failure(failed +
                               "a file of that name is already there, so nothing was "
                               "overwritten.");
  } else if (!followLinks(target)) {
    return IoStatus::failure(failed + "it is a link that leads round in a circle.");
  }
  const std::string real = target.string();
  const bool replacing = mode == WriteMode::Replace && ::stat(real.c_str(), &existing) == 0;
  if (replacing) {
    if (S_ISDIR(existing.st_mode))
      return IoStatus::failure(failed + "a folder of that name is in the way.");
    if (!S_ISREG(existing.st_mode))
      return IoStatus::failure(failed +
                               "it is not a plain file (it is a pipe, a device or a "
                               "socket).");
    // A file nobody may write is left alone, also by a user whom permissions don't stop.
    if ((existing.st_mode & 0222) == 0) return IoStatus::failure(failed + "the file is read-only.");
    if (::access(real.c_str(), W_OK) != 0) return IoStatus::failure(failed + reason(errno) + ".");
  }

  // The new contents go into a temporary file beside the target, which is renamed over it only
  // once every byte is safely on disk: the old file stays whole until that moment.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = real + ".tmp-" + uniqueSuffix();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return IoStatus::failure(failed + reason(errno) + ".");
  Descriptor file(fd);

  int error = 0;
  if (replacing) ::fchmod(file.get(), existing.st_mode & 07777);  // keep the file's permissions
  bool ok = fill(file.get(), error);
  if (ok && ::fsync(file.get()) != 0) {
    error = errno;
    ok = false;
  }
  if (ok) {
    ok = file.close();
    if (!ok) error = errno;
  }
  bool appeared = false;
  if (ok && mode == WriteMode::CreateNew) {
    // Only where nothing is: a file that appeared meanwhile is never overwritten.
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, real.c_str(), RENAME_NOREPLACE) != 0) {
      error = errno;
      if (error == EINVAL || error == ENOSYS) {  // a file system without it: link, then unlink
        error = ::link(temporary.c_str(), real.c_str()) == 0 ? 0 : errno;
        if (error == 0) ::unlink(temporary.c_str());
      }
      ok = error == 0;
      appeared = error == EEXIST;
    }
  } else if (ok && ::rename(temporary.c_str(), real.c_str()) != 0) {
    error = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    if (appeared)
      return IoStatus::failure(failed +
                               "a file of that name appeared meanwhile, so nothing was "
                               "overwritten.");
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

}  // namespace

std::string mixedLineEndsMessage(const std::string& pathText, std::size_t mixedLineEndAt) {
  return "The file \"" + shownPath(pathText) + "\" mixes line ends: line " +
         std::to_string(mixedLineEndAt) +
         " ends with a bare CR or LF, while other lines end with CR LF.\r\n\r\nA stray line end "
         "inside a value moves every later value down one line. Check the values shown before "
         "you save.";
}

IoStatus readLines(const std::string& pathText, std::vector<std::string>& lines, ReadInfo* info) {
  lines.clear();
  // The whole file: its bytes first, then its lines, with the list made the right size at once.
  IoStatus status = readWhole(
      pathText, [&lines](std::size_t count) { lines.reserve(count); },
      [&lines](std::string_view line) { lines.emplace_back(line); }, info);
  if (!status) lines.clear();
  return status;
}

IoStatus forEachLine(const std::string& pathText, const std::function<void(std::size_t)>& expect,
                     const std::function<void(std::string_view)>& take, ReadInfo* info) {
  return readWhole(pathText, expect, take, info);
}

IoStatus readFirstLines(const std::string& pathText, std::size_t count,
                        std::vector<std::string>& lines) {
  return readUpTo(pathText, count, lines);
}

IoStatus readBytes(const std::string& pathText, std::string& bytes) {
  struct stat info {};
  return readAllBytes(pathText, bytes, info);
}

IoStatus writeLines(const std::string& pathText, const std::vector<std::string>& lines,
                    WriteMode mode) {
  return writeLines(
      pathText, lines.size(), [&lines](std::size_t k) -> const std::string& { return lines[k]; },
      mode);
}

IoStatus writeLines(const std::string& pathText, std::size_t count,
                    const std::function<const std::string&(std::size_t)>& lineAt, WriteMode mode) {
  std::filesystem::path native;
  if (IoStatus status = resolvePath(pathText, native); !status) return status;
  return putFile(native, mode, "The file \"" + native.string() + "\" could not be saved: ",
                 [&](int fd, int& error) {
                   std::string chunk;
                   chunk.reserve(64 * 1024);
                   for (std::size_t k = 0; k < count; ++k) {
                     chunk.append(lineAt(k));
                     chunk.append("\r\n");
                     if (chunk.size() >= 64 * 1024) {
                       if (!writeAll(fd, chunk.data(), chunk.size(), error)) return false;
                       chunk.clear();
                     }
                   }
                   return writeAll(fd, chunk.data(), chunk.size(), error);
                 });
}

IoStatus copyFile(const std::string& fromText, const std::string& toText) {
  std::filesystem::path from, to;
  if (IoStatus status = resolvePath(fromText, from); !status) return status;
  if (IoStatus status = resolvePath(toText, to); !status) return status;
  const std::string failed =
      "The file \"" + from.string() + "\" could not be copied to \"" + to.string() + "\": ";
  std::error_code error;
  if (!std::filesystem::is_regular_file(from, error))
    return IoStatus::failure(failed + "it does not exist.");
  if (std::filesystem::exists(std::filesystem::symlink_status(to, error)))
    return IoStatus::failure(failed + "something of that name already exists there.");
  std::string bytes;
  struct stat info {};
  if (IoStatus read = readAllBytes(fromText, bytes, info); !read) return read;
  return putFile(to, WriteMode::CreateNew, failed, [&](int fd, int& writeError) {
    return writeAll(fd, bytes.data(), bytes.size(), writeError);
  });
}

}  // namespace common
