#pragma once
// Line files: the game's plain-text files, one value per line.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io_status.h"
#include "common/paths.h"

namespace common {

// No file of the game comes near this size; a larger one is refused rather than read.
inline constexpr std::uint64_t largestFile = 256ull * 1024 * 1024;

// What a reader found besides the lines.
struct ReadInfo {
  FileStamp stamp;  // the file as it was read
  // 1 + the index of the first line that ends with a bare CR or LF in a file whose other lines end
  // with CR LF (a stray line end inside a value); 0 when the line ends are not mixed.
  std::size_t mixedLineEndAt = 0;
};

// The message for a file whose line ends are mixed: it names the file and the line.
std::string mixedLineEndsMessage(const std::string& pathText, std::size_t mixedLineEndAt);

// Reads the file at pathText (a path text, see paths.h) as lines. A line ends at CR LF, LF or CR;
// a last line without an end counts, and a final line end adds no empty line. Bytes pass unchanged.
// On failure `lines` is left empty and the status says why (missing, unreadable, a folder, not a
// plain file such as a pipe or a device, larger than largestFile). A reader never waits for data.
IoStatus readLines(const std::string& pathText, std::vector<std::string>& lines,
                   ReadInfo* info = nullptr);

// Reads the whole file as readLines does, but keeps no list of lines: `expect` is told first about
// how many lines follow (exactly, unless a bare CR ends a line before the last; then more follow),
// then `take`
// is handed each line in order (its bytes live only during the call). For data kept in lists of
// its own, read without a copy of every line in between.
IoStatus forEachLine(const std::string& pathText, const std::function<void(std::size_t)>& expect,
                     const std::function<void(std::string_view)>& take, ReadInfo* info = nullptr);

// Reads at most `count` lines from the start of the file (fewer when the file is shorter).
IoStatus readFirstLines(const std::string& pathText, std::size_t count,
                        std::vector<std::string>& lines);

// Reads the whole file's bytes, by the same rules as readLines.
IoStatus readBytes(const std::string& pathText, std::string& bytes);

// How a write treats what is there: Replace puts the new file in place of the old one (or makes
// it); CreateNew makes a file where nothing of that name is, and fails, changing nothing, when a
// file of that name appeared meanwhile.
enum class WriteMode { Replace, CreateNew };

// Writes lines, each followed by CR LF, replacing the file atomically: a temporary file beside it
// is written, flushed and closed, then renamed over the target. A target that is a link is
// rewritten where the link points, and stays a link. A file nobody may write (read-only), or a
// target that is not a plain file, is refused. On failure the old file is left byte-identical and
// no temporary file remains. `stamp`, when given, receives the written file's stamp, taken from the
// file itself (so a write by someone else just after it is not mistaken for the editor's).
IoStatus writeLines(const std::string& pathText, const std::vector<std::string>& lines,
                    WriteMode mode = WriteMode::Replace, FileStamp* stamp = nullptr);

// Writes `count` lines the same way, line k being lineAt(k): for data held elsewhere than in one
// list of lines, written without copying it first.
IoStatus writeLines(const std::string& pathText, std::size_t count,
                    const std::function<const std::string&(std::size_t)>& lineAt,
                    WriteMode mode = WriteMode::Replace, FileStamp* stamp = nullptr);

// Copies a regular file to a name where nothing is yet (never overwrites), atomically: the copy
// appears whole or not at all.
IoStatus copyFile(const std::string& fromText, const std::string& toText);

}  // namespace common
