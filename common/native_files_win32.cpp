// The file system below the game folder on Windows, through the wide API.
//
// Paths are given to the system in their long form ("\\?\C:\game\Data\x"), so any length and any
// name work and the system changes none of them on the way; what the short form would do of its
// own accord is done here on purpose: a name that is a device anywhere ("NUL", "con.txt") is
// never opened as a file, and a name Windows can't hold (":" would name a stream) is refused.
// A reparse point on the way (a symbolic link, a junction) is followed by the system; where it
// led is read back from the open handle and compared with the game folder's own final path.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string_view>
#include <utility>

#include "common/native_files.h"

namespace common::native {

namespace {

std::error_code systemError(DWORD error) {
  return {static_cast<int>(error), std::system_category()};
}
std::error_code lastError() { return systemError(::GetLastError()); }

// A handle closed when it goes.
class SystemHandle {
 public:
  SystemHandle() = default;
  explicit SystemHandle(HANDLE handle) : handle_(handle) {}
  ~SystemHandle() { reset(); }
  SystemHandle(SystemHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  SystemHandle& operator=(SystemHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void reset() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

bool toWide(const std::string& text, std::wstring& wide) {
  wide.clear();
  if (text.empty()) return true;
  const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return false;
  wide.resize(static_cast<std::size_t>(size));
  return ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                               static_cast<int>(text.size()), wide.data(), size) == size;
}

// False for UTF-16 that is not text (a lone surrogate).
bool toUtf8(const std::wstring& wide, std::string& text) {
  text.clear();
  if (wide.empty()) return true;
  const int size =
      ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  text.resize(static_cast<std::size_t>(size));
  return ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(),
                               static_cast<int>(wide.size()), text.data(), size, nullptr,
                               nullptr) == size;
}

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Whether Windows takes the name for a device whatever folder it is in: "CON", "nul.txt",
// "COM1 .vl1". The name up to its first dot, blanks at its end left out, is the device's.
bool namesDevice(const std::wstring& name) {
  std::wstring_view stem(name);
  stem = stem.substr(0, std::min(stem.size(), stem.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') stem.remove_suffix(1);
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (sameIgnoringCase(stem, device)) return true;
  if (stem.size() == 4 && (sameIgnoringCase(stem.substr(0, 3), L"COM") ||
                           sameIgnoringCase(stem.substr(0, 3), L"LPT"))) {
    const wchar_t digit = stem[3];
    return (digit >= L'0' && digit <= L'9') || digit == L'\u00b9' || digit == L'\u00b2' ||
           digit == L'\u00b3';
  }
  return false;
}

// Whether Windows could hold the name at all: none of <>:"/\|?*, no control characters, and no
// blank or dot at its end (the short form of a path drops those).
bool holdable(const std::wstring& name) {
  if (name.empty() || name.back() == L' ' || name.back() == L'.') return false;
  return std::none_of(name.begin(), name.end(), [](wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
  });
}

// The path of the process's current folder as the system gives it.
std::wstring currentFolderWide() {
  std::wstring folder(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (size == 0) return {};
    if (size < folder.size()) {
      folder.resize(size);
      return folder;
    }
    folder.resize(size);
  }
}

// The long form of a full path: "\\?\C:\x", "\\?\UNC\server\share\x".
std::wstring longForm(std::wstring path) {
  if (path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

void dropTrailingSeparator(std::wstring& path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/') &&
         path[path.size() - 2] != L':')
    path.pop_back();
}

// The path an open handle really names, links resolved, in long form; "" when it has none.
std::wstring finalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size =
        ::GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    if (size == 0) return {};
    if (size < path.size()) {
      path.resize(size);
      dropTrailingSeparator(path);
      return path;
    }
    path.resize(size);
  }
}

bool heldByAnother(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Runs `attempt` until it gives no sign of another program holding the file, for about a
// second; then gives up with Refused::heldOpen.
template <typename Attempt>
std::error_code retryWhileHeld(Attempt attempt) {
  constexpr int tries = 20;
  for (int k = 0;; ++k) {
    const DWORD error = attempt();
    if (!heldByAnother(error))
      return error == ERROR_SUCCESS ? std::error_code() : systemError(error);
    if (k + 1 == tries) return make_error_code(Refused::heldOpen);
    ::Sleep(50);
  }
}

FileStamp stampFrom(const BY_HANDLE_FILE_INFORMATION& info) {
  FileStamp stamp;
  stamp.present = true;
  stamp.device = info.dwVolumeSerialNumber;
  stamp.inode = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  stamp.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  // 100 ns steps since 1601, as seconds and nanoseconds since 1970.
  const std::uint64_t ticks = (std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                              info.ftLastWriteTime.dwLowDateTime;
  constexpr std::int64_t secondsFrom1601To1970 = 11644473600;
  stamp.modifiedSeconds = static_cast<std::int64_t>(ticks / 10000000) - secondsFrom1601To1970;
  stamp.modifiedNanoseconds = static_cast<std::int64_t>(ticks % 10000000) * 100;
  return stamp;
}

// The game folder at the moment of one call: its long-form path, and its final path, which
// bounds everything the call touches.
struct Root {
  std::wstring path, final;
};

std::error_code openGameFolder(Root& folder) {
  const std::wstring current = currentFolderWide();
  if (current.empty()) return lastError();
  folder.path = longForm(current);
  dropTrailingSeparator(folder.path);
  const SystemHandle handle(::CreateFileW(folder.path.c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
  if (!handle) return lastError();
  folder.final = finalPath(handle.get());
  if (folder.final.empty()) return lastError();
  return {};
}

// Whether a final path is the game folder or lies below it.
bool inside(const Root& folder, const std::wstring& final) {
  const std::wstring& root = folder.final;
  if (final.size() < root.size()) return false;
  if (!sameIgnoringCase(std::wstring_view(final).substr(0, root.size()), root)) return false;
  return final.size() == root.size() || root.back() == L'\\' || final[root.size()] == L'\\';
}

// A path's names, each checked and converted: what the system is given.
struct WideParts {
  std::vector<std::wstring> names;
  bool valid = true;     // every name is UTF-8 (otherwise it names nothing that is there)
  bool holdable = true;  // every name is one Windows can hold
  bool device = false;   // a name on the way is a device's
};

WideParts widen(const Parts& parts) {
  WideParts wide;
  for (const std::string& part : parts) {
    std::wstring name;
    if (!toWide(part, name)) {
      wide.valid = false;
      continue;
    }
    if (!holdable(name)) wide.holdable = false;
    if (namesDevice(name)) wide.device = true;
    wide.names.push_back(std::move(name));
  }
  return wide;
}

std::wstring joined(const std::wstring& folder, const std::vector<std::wstring>& names,
                    std::size_t count) {
  std::wstring path = folder;
  for (std::size_t k = 0; k < count; ++k) {
    if (path.back() != L'\\') path += L'\\';
    path += names[k];
  }
  return path;
}

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what is at `path` (links followed) and checks that it lies in the game folder. Fails with
// Refused::outside when it leads outside, or, for a path that is missing, when a link on the way
// leads nowhere; Refused::linkLoop for links in a circle.
std::error_code openInside(const Root& folder, const std::vector<std::wstring>& names, DWORD access,
                           DWORD flags, SystemHandle& handle) {
  const std::wstring path = joined(folder.path, names, names.size());
  std::error_code error = retryWhileHeld([&] {
    handle = SystemHandle(::CreateFileW(path.c_str(), access, shareAll, nullptr, OPEN_EXISTING,
                                        flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return handle ? ERROR_SUCCESS : ::GetLastError();
  });
  if (!error) {
    if (!inside(folder, finalPath(handle.get()))) {
      handle.reset();
      return make_error_code(Refused::outside);
    }
    return {};
  }
  if (error == systemError(ERROR_CANT_RESOLVE_FILENAME)) return make_error_code(Refused::linkLoop);
  if (error != systemError(ERROR_FILE_NOT_FOUND) && error != systemError(ERROR_PATH_NOT_FOUND))
    return error;
  // Missing: unless a link on the way leads nowhere, or outside.
  for (std::size_t k = 1; k <= names.size(); ++k) {
    const std::wstring prefix = joined(folder.path, names, k);
    const DWORD attributes = ::GetFileAttributesW(prefix.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) break;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) continue;
    const SystemHandle link(::CreateFileW(prefix.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!link || !inside(folder, finalPath(link.get()))) return make_error_code(Refused::outside);
  }
  return error;
}

Info inspectIn(const Root& folder, const WideParts& wide) {
  Info info;
  // A device's name ("con.fed") is no entry of any folder: nothing of that name is there, and
  // what the system would open instead is never read nor written (see unusable).
  if (!wide.valid || !wide.holdable || wide.device) return info;
  const std::wstring path = joined(folder.path, wide.names, wide.names.size());
  const DWORD attributes = ::GetFileAttributesW(path.c_str());  // the last name itself
  info.link = !wide.names.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
              (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
  SystemHandle handle;
  const std::error_code error = openInside(folder, wide.names, FILE_READ_ATTRIBUTES, 0, handle);
  if (error == Refused::outside || error == Refused::linkLoop) {
    info.kind = Kind::Outside;
    return info;
  }
  if (error) {
    // Something is there that can't be opened even to look at it.
    if (attributes != INVALID_FILE_ATTRIBUTES && !info.link)
      info.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::File;
    return info;
  }
  if (::GetFileType(handle.get()) != FILE_TYPE_DISK) {
    info.kind = Kind::Other;
    return info;
  }
  BY_HANDLE_FILE_INFORMATION about{};
  if (!::GetFileInformationByHandle(handle.get(), &about)) {
    info.kind = Kind::Other;
    return info;
  }
  info.kind = (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::File;
  info.stamp = stampFrom(about);
  return info;
}

// The error for a path whose names the system can't be given.
std::error_code unusable(const WideParts& wide) {
  if (!wide.valid) return systemError(ERROR_FILE_NOT_FOUND);
  if (!wide.holdable) return systemError(ERROR_INVALID_NAME);
  if (wide.device) return make_error_code(Refused::notPlainFile);
  return {};
}

// The final path of the folder a new entry goes in, checked to be a folder in the game folder.
std::error_code folderFor(const Root& folder, const WideParts& wide, std::wstring& final) {
  std::vector<std::wstring> names(wide.names.begin(), wide.names.end() - 1);
  SystemHandle handle;
  if (std::error_code error = openInside(folder, names, FILE_READ_ATTRIBUTES, 0, handle))
    return error == systemError(ERROR_FILE_NOT_FOUND) ? systemError(ERROR_PATH_NOT_FOUND) : error;
  BY_HANDLE_FILE_INFORMATION about{};
  if (!::GetFileInformationByHandle(handle.get(), &about)) return lastError();
  if ((about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return systemError(ERROR_DIRECTORY);
  final = finalPath(handle.get());
  return final.empty() ? lastError() : std::error_code();
}

// Six letters for a temporary file's name, different at every call.
std::wstring sixLetters() {
  static std::atomic<std::uint64_t> calls{0};
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  std::uint64_t x = static_cast<std::uint64_t>(counter.QuadPart) ^
                    (std::uint64_t{::GetCurrentProcessId()} << 32) ^
                    (++calls * 0x9e3779b97f4a7c15ull);
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  x ^= x >> 31;
  std::wstring letters;
  for (int k = 0; k < 6; ++k, x /= 26) letters += static_cast<wchar_t>(L'a' + x % 26);
  return letters;
}

class HandleSink : public Sink {
 public:
  explicit HandleSink(HANDLE handle) : handle_(handle) {}
  std::error_code write(const char* bytes, std::size_t size) override {
    while (size > 0) {
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
      DWORD wrote = 0;
      if (!::WriteFile(handle_, bytes, piece, &wrote, nullptr)) return lastError();
      if (wrote == 0) return systemError(ERROR_WRITE_FAULT);
      bytes += wrote;
      size -= wrote;
    }
    return {};
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::string currentFolder() {
  std::string folder;
  return toUtf8(currentFolderWide(), folder) ? folder : std::string();
}

char separator() { return '\\'; }

Info inspect(const Parts& parts) {
  Root folder;
  if (openGameFolder(folder)) return {};
  return inspectIn(folder, widen(parts));
}

std::error_code list(const Parts& parts, std::vector<Entry>& entries) {
  entries.clear();
  Root folder;
  if (std::error_code error = openGameFolder(folder)) return error;
  WideParts wide = widen(parts);
  if (std::error_code error = unusable(wide)) return error;
  SystemHandle handle;
  if (std::error_code error = openInside(folder, wide.names, FILE_READ_ATTRIBUTES, 0, handle))
    return error;
  BY_HANDLE_FILE_INFORMATION about{};
  if (!::GetFileInformationByHandle(handle.get(), &about)) return lastError();
  if ((about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return systemError(ERROR_DIRECTORY);
  handle.reset();

  const std::wstring pattern = joined(folder.path, wide.names, wide.names.size()) + L"\\*";
  WIN32_FIND_DATAW found{};
  HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? std::error_code() : systemError(error);
  }
  std::error_code failure;
  for (;;) {
    const std::wstring name = found.cFileName;
    std::string text;
    if (name != L"." && name != L".." && toUtf8(name, text)) {
      wide.names.push_back(name);
      const WideParts entry{wide.names, true, holdable(name), namesDevice(name)};
      entries.push_back({std::move(text), inspectIn(folder, entry)});
      wide.names.pop_back();
    }
    if (!::FindNextFileW(search, &found)) {
      if (::GetLastError() != ERROR_NO_MORE_FILES) failure = lastError();
      break;
    }
  }
  ::FindClose(search);
  if (failure) entries.clear();
  return failure;
}

struct Reader::Handle {
  SystemHandle file;
  std::uint64_t size = 0;
  FileStamp stamp;
};

Reader::Reader() = default;
Reader::~Reader() = default;

std::error_code Reader::open(const Parts& parts) {
  handle_.reset();
  Root folder;
  if (std::error_code error = openGameFolder(folder)) return error;
  const WideParts wide = widen(parts);
  if (std::error_code error = unusable(wide)) return error;
  auto opened = std::make_unique<Handle>();
  if (std::error_code error =
          openInside(folder, wide.names, GENERIC_READ, FILE_FLAG_SEQUENTIAL_SCAN, opened->file))
    return error;
  if (::GetFileType(opened->file.get()) != FILE_TYPE_DISK)
    return make_error_code(Refused::notPlainFile);
  BY_HANDLE_FILE_INFORMATION about{};
  if (!::GetFileInformationByHandle(opened->file.get(), &about)) return lastError();
  if (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return make_error_code(Refused::isFolder);
  opened->stamp = stampFrom(about);
  opened->size = opened->stamp.size;
  handle_ = std::move(opened);
  return {};
}

std::uint64_t Reader::size() const { return handle_ ? handle_->size : 0; }

FileStamp Reader::stamp() const { return handle_ ? handle_->stamp : FileStamp{}; }

std::error_code Reader::read(char* into, std::size_t capacity, std::size_t& got) {
  got = 0;
  if (!handle_) return systemError(ERROR_INVALID_HANDLE);
  const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 30));
  DWORD read = 0;
  if (!::ReadFile(handle_->file.get(), into, piece, &read, nullptr)) return lastError();
  got = read;
  return {};
}

std::error_code put(const Parts& parts, WriteMode mode,
                    const std::function<std::error_code(Sink&)>& fill, FileStamp* stamp) {
  if (stamp) *stamp = {};
  Root folder;
  if (std::error_code error = openGameFolder(folder)) return error;
  const WideParts wide = widen(parts);
  if (wide.names.empty() && wide.valid) return make_error_code(Refused::isFolder);
  if (!wide.valid) return systemError(ERROR_INVALID_NAME);
  if (std::error_code error = unusable(wide)) return error;

  // Where the new file goes: beside the old one, where a link to it (inside) points.
  std::wstring into;
  if (std::error_code error = folderFor(folder, wide, into)) return error;
  std::wstring target = into + L"\\" + wide.names.back();
  DWORD keptAttributes = FILE_ATTRIBUTE_NORMAL;
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (mode == WriteMode::CreateNew) return make_error_code(Refused::alreadyThere);
    std::vector<std::wstring> names = wide.names;
    SystemHandle old;
    if (std::error_code error = openInside(folder, names, FILE_READ_ATTRIBUTES, 0, old))
      return error;
    if (::GetFileType(old.get()) != FILE_TYPE_DISK) return make_error_code(Refused::notPlainFile);
    BY_HANDLE_FILE_INFORMATION about{};
    if (!::GetFileInformationByHandle(old.get(), &about)) return lastError();
    if (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      return make_error_code(Refused::isFolder);
    if (about.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return make_error_code(Refused::readOnly);
    keptAttributes =
        about.dwFileAttributes & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    if (keptAttributes == 0) keptAttributes = FILE_ATTRIBUTE_NORMAL;
    target = finalPath(old.get());
    if (target.empty()) return lastError();
  } else if (const DWORD missing = ::GetLastError();
             missing != ERROR_FILE_NOT_FOUND && missing != ERROR_PATH_NOT_FOUND) {
    return systemError(missing);
  }

  // The temporary file, made where nothing is.
  std::wstring temporary;
  SystemHandle file;
  for (int attempt = 0; attempt < 100 && !file; ++attempt) {
    temporary = target + L".tmp-" + sixLetters();
    file = SystemHandle(::CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file && ::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
      break;
  }
  if (!file) return lastError();
  const auto discard = [&](std::error_code error) {
    file.reset();
    ::DeleteFileW(temporary.c_str());
    return error;
  };
  HandleSink sink(file.get());
  if (std::error_code error = fill(sink)) return discard(error);
  if (!::FlushFileBuffers(file.get())) return discard(lastError());
  file.reset();
  if (keptAttributes != FILE_ATTRIBUTE_NORMAL &&
      !::SetFileAttributesW(temporary.c_str(), keptAttributes))
    return discard(lastError());

  // The written file's stamp, taken before the rename, which changes none of it. (Taken from a
  // handle to it after the rename, Wine gives no volume serial number, and every later save
  // would ask "changed on disk".)
  BY_HANDLE_FILE_INFORMATION writtenInfo{};
  bool writtenKnown = false;
  {
    const SystemHandle written(::CreateFileW(temporary.c_str(), FILE_READ_ATTRIBUTES, shareAll,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    writtenKnown = written && ::GetFileInformationByHandle(written.get(), &writtenInfo);
  }
  const DWORD flags =
      MOVEFILE_WRITE_THROUGH | (mode == WriteMode::Replace ? MOVEFILE_REPLACE_EXISTING : 0);
  std::error_code error = retryWhileHeld([&]() -> DWORD {
    if (::MoveFileExW(temporary.c_str(), target.c_str(), flags)) return ERROR_SUCCESS;
    const DWORD failure = ::GetLastError();
    if (failure != ERROR_ACCESS_DENIED) return failure;
    // Windows also says "access denied" when another program has the old file open without
    // letting it be deleted: that is a file held open, not one we may not write.
    const SystemHandle probe(::CreateFileW(target.c_str(), DELETE, shareAll, nullptr, OPEN_EXISTING,
                                           FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return !probe && heldByAnother(::GetLastError()) ? ERROR_SHARING_VIOLATION : failure;
  });
  if (error) {
    if (mode == WriteMode::CreateNew &&
        (error == systemError(ERROR_ALREADY_EXISTS) || error == systemError(ERROR_FILE_EXISTS)))
      error = make_error_code(Refused::appearedMeanwhile);
    return discard(error);
  }
  if (stamp && writtenKnown) *stamp = stampFrom(writtenInfo);
  return {};
}

std::error_code makeFolder(const Parts& parts) {
  Root folder;
  if (std::error_code error = openGameFolder(folder)) return error;
  const WideParts wide = widen(parts);
  if (wide.names.empty() && wide.valid) return systemError(ERROR_ALREADY_EXISTS);
  if (!wide.valid) return systemError(ERROR_INVALID_NAME);
  if (std::error_code error = unusable(wide)) return error;
  std::wstring into;
  if (std::error_code error = folderFor(folder, wide, into)) return error;
  const std::wstring path = into + L"\\" + wide.names.back();
  return ::CreateDirectoryW(path.c_str(), nullptr) ? std::error_code() : lastError();
}

std::error_code removeFile(const Parts& parts) {
  Root folder;
  if (std::error_code error = openGameFolder(folder)) return error;
  const WideParts wide = widen(parts);
  if (wide.names.empty() && wide.valid) return make_error_code(Refused::isFolder);
  if (std::error_code error = unusable(wide)) return error;
  std::wstring into;
  if (std::error_code error = folderFor(folder, wide, into)) return error;
  const std::wstring path = into + L"\\" + wide.names.back();
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return lastError();
  const bool link = attributes & FILE_ATTRIBUTE_REPARSE_POINT;
  const bool folderThere = attributes & FILE_ATTRIBUTE_DIRECTORY;
  if (folderThere && !link) return make_error_code(Refused::isFolder);
  return retryWhileHeld([&] {
    // A link to a folder is removed as a folder would be; what it points to stays.
    const BOOL removed =
        folderThere ? ::RemoveDirectoryW(path.c_str()) : ::DeleteFileW(path.c_str());
    return removed ? ERROR_SUCCESS : ::GetLastError();
  });
}

std::error_code removeEmptyFolder(const Parts& parts) {
  Root folder;
  if (std::error_code error = openGameFolder(folder)) return error;
  const WideParts wide = widen(parts);
  if (wide.names.empty() && wide.valid) return systemError(ERROR_ACCESS_DENIED);
  if (std::error_code error = unusable(wide)) return error;
  std::wstring into;
  if (std::error_code error = folderFor(folder, wide, into)) return error;
  const std::wstring path = into + L"\\" + wide.names.back();
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return lastError();
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return systemError(ERROR_DIRECTORY);
  return retryWhileHeld(
      [&] { return ::RemoveDirectoryW(path.c_str()) ? ERROR_SUCCESS : ::GetLastError(); });
}

}  // namespace common::native
