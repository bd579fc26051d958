#pragma once
// The file system below the game folder, as the operating system offers it: the one part of the
// file layer written once per platform (native_files_posix.cpp, native_files_win32.cpp). Above it,
// paths.cpp and line_file.cpp turn path texts into these paths, find names ignoring case, convert
// names between the game's code page and the disk's, and word the messages.
//
// Every path here is taken below the game folder, which is the process's current folder, taken
// afresh at every call; its real path is the boundary, whatever links lead to it. Nothing is ever
// read, listed, made, replaced or removed outside it: a link on the way (a symbolic link, a
// junction, any reparse point) that leads outside it is not followed, and the operation fails with
// Refused::outside. Links that stay inside are followed where they point; a dangling one leads
// nowhere yet (Missing), and a write through it makes its target, inside. A platform that can't
// tell where a dangling link would lead takes it as outside.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "common/line_file.h"
#include "common/paths.h"

namespace common::native {

// A path below the game folder: its names in order, each as the file system holds it (on Linux the
// name's bytes, whatever they are; on Windows its UTF-8 spelling, converted to UTF-16 at the call).
// No name is "", "." or "..", nor holds a separator. No names: the game folder itself.
using Parts = std::vector<std::string>;

// The refusals of this layer. Every other failure is the system's own error code (errno in the
// generic category on Linux; a Win32 code in the system category on Windows).
enum class Refused {
  outside = 1,        // a link on the way leads outside the game folder
  notPlainFile,       // a pipe, a device (NUL, CON), a socket: never read, never replaced
  isFolder,           // a folder where a file was asked for
  readOnly,           // a file nobody may write: left alone, also by a user permissions don't stop
  alreadyThere,       // CreateNew: something of that name is there already
  appearedMeanwhile,  // CreateNew: something of that name appeared while the new file was written
  linkLoop,           // links that lead round in a circle
  heldOpen,           // Windows: another program holds the file open and would not let it go
};
const std::error_category& refusedCategory();
std::error_code make_error_code(Refused refused);

// The current folder as the file system names it (UTF-8 on Windows); "" when it can't be read.
std::string currentFolder();
// The separator the system shows between the names of a path ("/" or "\").
char separator();

enum class Kind { Missing, File, Folder, Other, Outside };

struct Info {
  // Other: a pipe, device or socket; Outside: see Refused::outside. On Windows a device's name
  // ("nul.txt"), which every folder answers to, is Missing: no entry of the folder has it.
  Kind kind = Kind::Missing;
  bool link = false;  // the last name is itself a link (followed for `kind`)
  FileStamp stamp;    // File and Folder: what is there now (links followed)
};

// What is at `parts` now. A missing folder on the way gives Missing.
Info inspect(const Parts& parts);

struct Entry {
  std::string name;  // as the file system holds it
  Info info;         // as inspect would say of the folder's parts + name
};

// The entries of a folder, "." and ".." left out, in no particular order.
std::error_code list(const Parts& folder, std::vector<Entry>& entries);

// A plain file open for reading; closed when the reader is destroyed.
class Reader {
 public:
  Reader();
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // Opens the plain file at `parts`, never waiting for data: a folder gives Refused::isFolder, a
  // pipe or device Refused::notPlainFile (after the open, before any read).
  std::error_code open(const Parts& parts);
  std::uint64_t size() const;  // as the file was opened
  FileStamp stamp() const;     // taken from the open file itself
  // Reads at most `capacity` bytes; `got` is 0 at the end of the file.
  std::error_code read(char* into, std::size_t capacity, std::size_t& got);

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
};

// The new file's contents are handed to this, piece by piece.
class Sink {
 public:
  virtual ~Sink() = default;
  virtual std::error_code write(const char* bytes, std::size_t size) = 0;
};

// Puts a new file at `parts` whose contents `fill` writes, atomically: a temporary file beside the
// target (its name is the target's + ".tmp-" + six letters) is written, flushed to disk and
// closed, then renamed over the target; the old file is whole until that moment, and on failure it
// is left as it was and no temporary file remains. Replace: a target that is a link (inside) is
// rewritten where it points and stays a link; the old file's permissions or attributes are kept; a
// read-only file, a folder or a file that is not plain is refused. CreateNew: only where nothing of
// that name is, and never over something that appeared meanwhile. `stamp`, when given, receives
// the new file's stamp, taken from the written file itself.
std::error_code put(const Parts& parts, WriteMode mode,
                    const std::function<std::error_code(Sink&)>& fill, FileStamp* stamp = nullptr);

std::error_code makeFolder(const Parts& parts);         // fails when anything is there
std::error_code removeFile(const Parts& parts);         // a file or a link, never a folder
std::error_code removeEmptyFolder(const Parts& parts);  // fails when the folder is not empty

#ifndef _WIN32
// For tests: walk every path by hand, as on a kernel without openat2 (true: the kernel's own).
void setUseOpenat2(bool use);
#endif

}  // namespace common::native

template <>
struct std::is_error_code_enum<common::native::Refused> : std::true_type {};
