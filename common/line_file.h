#pragma once
// Line files: the game's plain-text files, one value per line.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io_status.h"

namespace common {

// Reads the file at pathText (a path text, see paths.h) as lines. A line ends at CR LF, LF or CR;
// a last line without an end counts, and a final line end adds no empty line. Bytes pass unchanged.
// On failure `lines` is left empty and the status says why (missing, unreadable, a folder).
IoStatus readLines(const std::string& pathText, std::vector<std::string>& lines);

// Reads the whole file as readLines does, but keeps no list of lines: `expect` is told first how
// many lines follow, then `take` is handed each line in order (its bytes live only during the
// call). For data kept in lists of its own, read without a copy of every line in between.
IoStatus forEachLine(const std::string& pathText, const std::function<void(std::size_t)>& expect,
                     const std::function<void(std::string_view)>& take);

// Reads at most `count` lines from the start of the file (fewer when the file is shorter).
IoStatus readFirstLines(const std::string& pathText, std::size_t count,
                        std::vector<std::string>& lines);

// Writes lines, each followed by CR LF, replacing the file atomically: a temporary file beside it
// is written, flushed and closed, then renamed over the target. On failure the old file is left
// byte-identical and no temporary file remains.
IoStatus writeLines(const std::string& pathText, const std::vector<std::string>& lines);

// Writes `count` lines the same way, line k being lineAt(k): for data held elsewhere than in one
// list of lines, written without copying it first.
IoStatus writeLines(const std::string& pathText, std::size_t count,
                    const std::function<const std::string&(std::size_t)>& lineAt);

}  // namespace common
