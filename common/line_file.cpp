#include "common/line_file.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "common/located_path.h"
#include "common/native_files.h"
#include "common/paths.h"

namespace common {

namespace {

IoStatus cannotRead(const std::string& shown, const std::error_code& error) {
  return IoStatus::failure("The file \"" + shown + "\" could not be read: " + failureReason(error) +
                           ".");
}

IoStatus tooLarge(const std::string& shown) {
  return IoStatus::failure("The file \"" + shown +
                           "\" is too large to be one of the game's files (it is larger than "
                           "256 MB), so the editor does not read it.");
}

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

// Reads every byte of an open file, at most largestFile of them; false with the error when the
// file could not be read, and with `grew` when it grew past the limit while it was read.
std::error_code readAll(native::Reader& file, std::string& bytes, bool& grew) {
  grew = false;
  bytes.resize(file.size() > 0 ? static_cast<std::size_t>(file.size()) + 1 : 64 * 1024);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {  // the file grew meanwhile
      if (filled > largestFile) {
        grew = true;
        return {};
      }
      bytes.resize(bytes.size() * 2);
    }
    std::size_t got = 0;
    if (std::error_code error = file.read(bytes.data() + filled, bytes.size() - filled, got))
      return error;
    if (got == 0) break;
    filled += got;
  }
  grew = filled > largestFile;
  bytes.resize(filled);
  return {};
}

// Opens the file a path text names for reading, without waiting: a pipe or a device is refused
// after the open, never read. On failure gives the status that says why.
IoStatus openForReading(const std::string& pathText, native::Reader& file, std::string& shown) {
  LocatedPath path;
  if (IoStatus status = locate(pathText, path); !status) return status;
  shown = path.shown;
  if (const std::error_code error = file.open(path.parts)) {
    if (error == native::Refused::outside) return IoStatus::failure(outsideMessage(shown));
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
      return IoStatus::failure("The file \"" + shown + "\" could not be found.");
    if (error == native::Refused::isFolder)
      return IoStatus::failure("\"" + shown + "\" is a folder, not a file.");
    if (error == native::Refused::notPlainFile)
      return IoStatus::failure("\"" + shown +
                               "\" is not a plain file (it is a pipe, a device or a socket), so "
                               "the editor can't read it.");
    return cannotRead(shown, error);
  }
  if (file.size() > largestFile) return tooLarge(shown);
  return IoStatus::success();
}

// Reads the whole file's bytes.
IoStatus readAllBytes(const std::string& pathText, std::string& bytes, FileStamp* stamp) {
  bytes.clear();
  native::Reader file;
  std::string shown;
  if (IoStatus status = openForReading(pathText, file, shown); !status) return status;
  bool grew = false;
  if (const std::error_code error = readAll(file, bytes, grew)) {
    bytes.clear();
    return cannotRead(shown, error);
  }
  if (grew) {
    bytes.clear();
    return tooLarge(shown);
  }
  if (stamp != nullptr) *stamp = file.stamp();
  return IoStatus::success();
}

// Reads the whole file and hands its line count, then each line, to the callbacks.
template <typename Expect, typename Take>
IoStatus readWhole(const std::string& pathText, Expect&& expect, Take&& take, ReadInfo* info) {
  std::string bytes;
  FileStamp stamp;
  if (IoStatus status = readAllBytes(pathText, bytes, &stamp); !status) return status;
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
    info->stamp = stamp;
    info->mixedLineEndAt = splitter.mixedLineEndAt();
  }
  return IoStatus::success();
}

IoStatus readUpTo(const std::string& pathText, std::size_t limit, std::vector<std::string>& lines) {
  lines.clear();
  native::Reader file;
  std::string shown;
  if (IoStatus status = openForReading(pathText, file, shown); !status) return status;

  LineSplitter splitter([&lines](std::string_view line) { lines.emplace_back(line); }, limit);
  std::string buffer(64 * 1024, '\0');
  std::uint64_t total = 0;
  while (!splitter.full()) {
    std::size_t got = 0;
    if (const std::error_code error = file.read(buffer.data(), buffer.size(), got)) {
      lines.clear();
      return cannotRead(shown, error);
    }
    if (got == 0) {
      splitter.finish();
      break;
    }
    total += got;
    if (total > largestFile) {
      lines.clear();
      return tooLarge(shown);
    }
    splitter.feed(buffer.data(), got);
  }
  return IoStatus::success();
}

// Puts a new file at the path text whose contents `fill` writes; `failed` names what could not be
// done ("The file "X" could not be saved: ") and starts every message.
IoStatus putFile(const LocatedPath& path, WriteMode mode, const std::string& failed,
                 const std::function<std::error_code(native::Sink&)>& fill,
                 FileStamp* stamp = nullptr) {
  const std::error_code error = native::put(path.parts, mode, fill, stamp);
  if (!error) return IoStatus::success();
  if (error == native::Refused::outside) return IoStatus::failure(outsideMessage(path.shown));
  return IoStatus::failure(failed + failureReason(error) + ".");
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
  return readAllBytes(pathText, bytes, nullptr);
}

IoStatus writeLines(const std::string& pathText, const std::vector<std::string>& lines,
                    WriteMode mode, FileStamp* stamp) {
  return writeLines(
      pathText, lines.size(), [&lines](std::size_t k) -> const std::string& { return lines[k]; },
      mode, stamp);
}

IoStatus writeLines(const std::string& pathText, std::size_t count,
                    const std::function<const std::string&(std::size_t)>& lineAt, WriteMode mode,
                    FileStamp* stamp) {
  LocatedPath path;
  if (IoStatus status = locate(pathText, path); !status) return status;
  return putFile(
      path, mode, "The file \"" + path.shown + "\" could not be saved: ",
      [&](native::Sink& sink) {
        std::string chunk;
        chunk.reserve(64 * 1024);
        for (std::size_t k = 0; k < count; ++k) {
          chunk.append(lineAt(k));
          chunk.append("\r\n");
          if (chunk.size() >= 64 * 1024) {
            if (std::error_code error = sink.write(chunk.data(), chunk.size())) return error;
            chunk.clear();
          }
        }
        return sink.write(chunk.data(), chunk.size());
      },
      stamp);
}

IoStatus copyFile(const std::string& fromText, const std::string& toText) {
  LocatedPath from, to;
  if (IoStatus status = locate(fromText, from); !status) return status;
  if (IoStatus status = locate(toText, to); !status) return status;
  const std::string failed =
      "The file \"" + from.shown + "\" could not be copied to \"" + to.shown + "\": ";
  const native::Info source = native::inspect(from.parts);
  if (source.kind == native::Kind::Outside) return IoStatus::failure(outsideMessage(from.shown));
  if (source.kind != native::Kind::File) return IoStatus::failure(failed + "it does not exist.");
  if (native::inspect(to.parts).kind != native::Kind::Missing)
    return IoStatus::failure(failed + "something of that name already exists there.");
  std::string bytes;
  if (IoStatus read = readAllBytes(fromText, bytes, nullptr); !read) return read;
  return putFile(to, WriteMode::CreateNew, failed,
                 [&](native::Sink& sink) { return sink.write(bytes.data(), bytes.size()); });
}

}  // namespace common
