// The file system below the game folder on Linux. Every path is opened from a descriptor of the
// game folder with the kernel's openat2 and RESOLVE_BENEATH, so finding the file and making sure
// it lies below the game folder are one step: nothing can swap a link in between. Where the kernel
// has no openat2, the path is walked one name at a time from the game folder, each step opened
// without following links, and links are followed by hand under the same rules.

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <deque>

#include "common/native_files.h"
#include "common/random.h"

namespace common::native {

namespace {

std::error_code systemError(int error) { return {error, std::generic_category()}; }
std::error_code lastError() { return systemError(errno); }

// A descriptor, closed when it goes out of scope.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() { reset(); }
  Fd(Fd&& other) noexcept : fd_(other.release()) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now and reports whether the close succeeded (a late write error shows up here).
  bool close() { return ::close(release()) == 0; }

 private:
  int fd_ = -1;
};

bool useOpenat2 = true;

FileStamp stampFrom(const struct ::stat& info) {
  FileStamp stamp;
  stamp.present = true;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  stamp.size = static_cast<std::uint64_t>(info.st_size);
  stamp.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
  stamp.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  return stamp;
}

Kind kindFrom(const struct ::stat& info) {
  if (S_ISDIR(info.st_mode)) return Kind::Folder;
  if (S_ISREG(info.st_mode)) return Kind::File;
  return Kind::Other;
}

// The game folder: the current folder, opened afresh at every call.
std::error_code openRoot(Fd& root) {
  root.reset(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  return root ? std::error_code() : lastError();
}

// The names joined with "/", relative to the game folder; "." for the game folder itself.
std::string joined(const Parts& parts) {
  std::string path;
  for (const std::string& part : parts) {
    if (!path.empty()) path += '/';
    path += part;
  }
  return path.empty() ? "." : path;
}

// The names of a relative path ("a/../b" gives "a", "..", "b"; empty names and "." dropped).
std::deque<std::string> namesOf(const std::string& path) {
  std::deque<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string name = path.substr(start, end - start);
    if (!name.empty() && name != ".") names.push_back(std::move(name));
    start = end + 1;
  }
  return names;
}

std::error_code readLink(int folder, const std::string& name, std::string& target) {
  std::string buffer(PATH_MAX, '\0');
  const ssize_t length = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
  if (length < 0) return lastError();
  buffer.resize(static_cast<std::size_t>(length));
  target = std::move(buffer);
  return {};
}

// Opens `path` (relative to the game folder) by walking it one name at a time, following links by
// hand: a link whose target is absolute, or whose ".." climbs above the game folder, is outside.
std::error_code walkOpen(int root, const std::string& path, int flags, Fd& out) {
  std::vector<Fd> folders;  // folders[k] is the folder k names below the game folder
  folders.emplace_back(::fcntl(root, F_DUPFD_CLOEXEC, 0));
  if (!folders.back()) return lastError();
  std::deque<std::string> rest = namesOf(path);
  int links = 0;
  while (!rest.empty()) {
    const std::string name = rest.front();
    rest.pop_front();
    if (name == "..") {
      if (folders.size() == 1) return Refused::outside;
      folders.pop_back();
      continue;
    }
    const int here = folders.back().get();
    struct ::stat info {};
    if (::fstatat(here, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return lastError();
    const bool wantsLinkItself = rest.empty() && (flags & O_NOFOLLOW) != 0;
    if (S_ISLNK(info.st_mode) && !wantsLinkItself) {
      if (++links > 40) return Refused::linkLoop;
      std::string target;
      if (std::error_code error = readLink(here, name, target)) return error;
      if (target.empty() || target.front() == '/') return Refused::outside;
      std::deque<std::string> names = namesOf(target);
      rest.insert(rest.begin(), names.begin(), names.end());
      continue;
    }
    if (rest.empty()) {
      out.reset(::openat(here, name.c_str(), flags | O_NOFOLLOW | O_CLOEXEC));
      return out ? std::error_code() : lastError();
    }
    Fd next(::openat(here, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!next) return lastError();
    folders.push_back(std::move(next));
  }
  // The path ended at a folder already open (the game folder itself, or after a ".."): open it
  // anew with the flags asked for.
  out.reset(::openat(folders.back().get(), ".", (flags & ~O_NOFOLLOW) | O_CLOEXEC));
  return out ? std::error_code() : lastError();
}

// Opens `path`, relative to the game folder, never leaving it.
std::error_code openBeneath(int root, const std::string& path, int flags, Fd& out) {
  if (useOpenat2) {
    struct open_how how {};
    how.flags = static_cast<std::uint64_t>(flags | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    for (int attempt = 0; attempt < 8; ++attempt) {
      const long fd = ::syscall(SYS_openat2, root, path.c_str(), &how, sizeof how);
      if (fd >= 0) {
        out.reset(static_cast<int>(fd));
        return {};
      }
      if (errno == EAGAIN || errno == EINTR) continue;  // a rename raced the lookup: try again
      if (errno == ENOSYS) break;                       // no openat2: walk instead
      if (errno == EXDEV) return Refused::outside;
      if (errno == ELOOP) return (flags & O_NOFOLLOW) != 0 ? lastError() : Refused::linkLoop;
      return lastError();
    }
    if (errno != ENOSYS) return lastError();
    useOpenat2 = false;
  }
  return walkOpen(root, path, flags, out);
}

// The folder that holds the last name of `parts`, opened for reading, and that name. With
// followLast, a last name that is a link is followed to the file it names, so the file is
// replaced where the link points and the link stays.
std::error_code reachFolder(const Parts& parts, bool followLast, Fd& folder, std::string& last) {
  if (parts.empty()) return Refused::isFolder;
  Fd root;
  if (std::error_code error = openRoot(root)) return error;
  std::string path = joined(parts);
  for (int hop = 0; hop <= 40; ++hop) {
    const std::size_t slash = path.rfind('/');
    const std::string folderPath = slash == std::string::npos ? "." : path.substr(0, slash);
    last = slash == std::string::npos ? path : path.substr(slash + 1);
    if (last.empty() || last == "." || last == "..") return Refused::isFolder;
    std::error_code error = openBeneath(root.get(), folderPath, O_RDONLY | O_DIRECTORY, folder);
    if (error == std::errc::permission_denied)
      error = openBeneath(root.get(), folderPath, O_PATH | O_DIRECTORY, folder);
    if (error) return error;
    struct ::stat info {};
    if (!followLast || ::fstatat(folder.get(), last.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISLNK(info.st_mode))
      return {};
    std::string target;
    if (std::error_code linkError = readLink(folder.get(), last, target)) return linkError;
    if (target.empty() || target.front() == '/') return Refused::outside;
    path = folderPath + "/" + target;
  }
  return Refused::linkLoop;
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

class FdSink : public Sink {
 public:
  explicit FdSink(int fd) : fd_(fd) {}
  std::error_code write(const char* bytes, std::size_t size) override {
    while (size > 0) {
      const ssize_t done = ::write(fd_, bytes, size);
      if (done < 0) {
        if (errno == EINTR) continue;
        return lastError();
      }
      bytes += done;
      size -= static_cast<std::size_t>(done);
    }
    return {};
  }

 private:
  int fd_;
};

}  // namespace

void setUseOpenat2(bool use) { useOpenat2 = use; }

std::string currentFolder() {
  std::string buffer(PATH_MAX, '\0');
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return "";
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return buffer;
}

char separator() { return '/'; }

Info inspect(const Parts& parts) {
  Info info;
  Fd root;
  if (openRoot(root)) return info;
  const std::string path = joined(parts);
  Fd file;
  if (std::error_code error = openBeneath(root.get(), path, O_PATH, file)) {
    if (error == Refused::outside || error == Refused::linkLoop) {
      info.kind = Kind::Outside;  // only a link can lead out, or round in a circle
      info.link = true;
    }
    return info;
  }
  struct ::stat status {};
  if (::fstat(file.get(), &status) != 0) return info;
  info.kind = kindFrom(status);
  info.stamp = stampFrom(status);
  if (!parts.empty()) {
    Fd itself;
    struct ::stat own {};
    info.link = !openBeneath(root.get(), path, O_PATH | O_NOFOLLOW, itself) &&
                ::fstat(itself.get(), &own) == 0 && S_ISLNK(own.st_mode);
  }
  return info;
}

std::error_code list(const Parts& folder, std::vector<Entry>& entries) {
  entries.clear();
  Fd root;
  if (std::error_code error = openRoot(root)) return error;
  const std::string path = joined(folder);
  Fd listed;
  if (std::error_code error = openBeneath(root.get(), path, O_RDONLY | O_DIRECTORY, listed))
    return error;
  const int here = ::fcntl(listed.get(), F_DUPFD_CLOEXEC, 0);
  DIR* listing = here >= 0 ? ::fdopendir(here) : nullptr;
  if (listing == nullptr) {
    const std::error_code error = lastError();
    if (here >= 0) ::close(here);
    return error;
  }
  errno = 0;
  while (const dirent* found = ::readdir(listing)) {
    const std::string name = found->d_name;
    if (name == "." || name == "..") continue;
    Entry entry{name, {}};
    struct ::stat status {};
    if (::fstatat(listed.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISLNK(status.st_mode)) {
      entry.info.link = true;
      Fd target;
      const std::error_code error =
          openBeneath(root.get(), path == "." ? name : path + "/" + name, O_PATH, target);
      if (error == Refused::outside || error == Refused::linkLoop) {
        entry.info.kind = Kind::Outside;
      } else if (!error && ::fstat(target.get(), &status) == 0) {
        entry.info.kind = kindFrom(status);
      }
    } else {
      entry.info.kind = kindFrom(status);
    }
    entries.push_back(std::move(entry));
    errno = 0;
  }
  const int error = errno;
  ::closedir(listing);
  return error != 0 ? systemError(error) : std::error_code();
}

struct Reader::Handle {
  Fd fd;
  struct ::stat info {};
};

Reader::Reader() = default;
Reader::~Reader() = default;

std::error_code Reader::open(const Parts& parts) {
  handle_.reset();
  Fd root;
  if (std::error_code error = openRoot(root)) return error;
  auto handle = std::make_unique<Handle>();
  // Never waits: a pipe without a writer would otherwise hold the open.
  if (std::error_code error =
          openBeneath(root.get(), joined(parts), O_RDONLY | O_NONBLOCK, handle->fd))
    return error;
  if (::fstat(handle->fd.get(), &handle->info) != 0) return lastError();
  if (S_ISDIR(handle->info.st_mode)) return Refused::isFolder;
  if (!S_ISREG(handle->info.st_mode)) return Refused::notPlainFile;
  handle_ = std::move(handle);
  return {};
}

std::uint64_t Reader::size() const {
  return handle_ ? static_cast<std::uint64_t>(handle_->info.st_size) : 0;
}

FileStamp Reader::stamp() const { return handle_ ? stampFrom(handle_->info) : FileStamp{}; }

std::error_code Reader::read(char* into, std::size_t capacity, std::size_t& got) {
  got = 0;
  if (!handle_) return systemError(EBADF);
  for (;;) {
    const ssize_t done = ::read(handle_->fd.get(), into, capacity);
    if (done >= 0) {
      got = static_cast<std::size_t>(done);
      return {};
    }
    if (errno != EINTR) return lastError();
  }
}

std::error_code put(const Parts& parts, WriteMode mode,
                    const std::function<std::error_code(Sink&)>& fill, FileStamp* stamp) {
  Fd folder;
  std::string name;
  if (std::error_code error = reachFolder(parts, mode == WriteMode::Replace, folder, name))
    return error;
  struct ::stat existing {};
  const bool present = ::fstatat(folder.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
  if (mode == WriteMode::CreateNew && present) return Refused::alreadyThere;
  const bool replacing = mode == WriteMode::Replace && present;
  if (replacing) {
    if (S_ISDIR(existing.st_mode)) return Refused::isFolder;
    if (!S_ISREG(existing.st_mode)) return Refused::notPlainFile;
    // A file nobody may write is left alone, also by a user whom permissions don't stop.
    if ((existing.st_mode & 0222) == 0) return Refused::readOnly;
    if (::faccessat(folder.get(), name.c_str(), W_OK, AT_SYMLINK_NOFOLLOW) != 0 &&
        ::faccessat(folder.get(), name.c_str(), W_OK, 0) != 0)
      return lastError();
  }

  // The new contents go into a temporary file beside the target, which is renamed over it only
  // once every byte is safely on disk: the old file stays whole until that moment.
  std::string temporary;
  Fd file;
  for (int attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = name + ".tmp-" + uniqueSuffix();
    file.reset(::openat(folder.get(), temporary.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file && errno != EEXIST) break;
  }
  if (!file) return lastError();

  if (replacing) ::fchmod(file.get(), existing.st_mode & 07777);  // keep the file's permissions
  FdSink sink(file.get());
  std::error_code error = fill(sink);
  if (!error && ::fsync(file.get()) != 0) error = lastError();
  struct ::stat written {};
  if (!error && ::fstat(file.get(), &written) != 0) error = lastError();
  if (!error && !file.close()) error = lastError();
  if (!error && mode == WriteMode::CreateNew) {
    // Only where nothing is: a file that appeared meanwhile is never overwritten.
    if (::renameat2(folder.get(), temporary.c_str(), folder.get(), name.c_str(),
                    RENAME_NOREPLACE) != 0) {
      int failure = errno;
      if (failure == EINVAL || failure == ENOSYS) {  // a file system without it: link, then unlink
        failure = ::linkat(folder.get(), temporary.c_str(), folder.get(), name.c_str(), 0) == 0
                      ? 0
                      : errno;
        if (failure == 0) ::unlinkat(folder.get(), temporary.c_str(), 0);
      }
      if (failure != 0)
        error =
            failure == EEXIST ? make_error_code(Refused::appearedMeanwhile) : systemError(failure);
    }
  } else if (!error &&
             ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) {
    error = lastError();
  }
  if (error) {
    file.reset();
    ::unlinkat(folder.get(), temporary.c_str(), 0);
    return error;
  }
  // Make the rename itself durable; the file is already complete, so a failure here is not one.
  ::fsync(folder.get());
  if (stamp != nullptr) *stamp = stampFrom(written);
  return {};
}

std::error_code makeFolder(const Parts& parts) {
  Fd folder;
  std::string name;
  if (std::error_code error = reachFolder(parts, false, folder, name)) return error;
  return ::mkdirat(folder.get(), name.c_str(), 0777) == 0 ? std::error_code() : lastError();
}

std::error_code removeFile(const Parts& parts) {
  Fd folder;
  std::string name;
  if (std::error_code error = reachFolder(parts, false, folder, name)) return error;
  struct ::stat info {};
  if (::fstatat(folder.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return lastError();
  if (S_ISDIR(info.st_mode)) return Refused::isFolder;
  return ::unlinkat(folder.get(), name.c_str(), 0) == 0 ? std::error_code() : lastError();
}

std::error_code removeEmptyFolder(const Parts& parts) {
  Fd folder;
  std::string name;
  if (std::error_code error = reachFolder(parts, false, folder, name)) return error;
  return ::unlinkat(folder.get(), name.c_str(), AT_REMOVEDIR) == 0 ? std::error_code()
                                                                   : lastError();
}

}  // namespace common::native
