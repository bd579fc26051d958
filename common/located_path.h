#pragma once
// A path text found on disk: what paths.cpp hands the file layer (line_file.cpp) so that both use
// one lookup of names and one wording of what went wrong.

#include <string>
#include <system_error>

#include "common/io_status.h"
#include "common/native_files.h"

namespace common {

struct LocatedPath {
  native::Parts parts;  // the names on disk below the game folder
  std::string shown;    // the path as the user sees it in a file manager, in Windows-1252
};

// Finds the names on disk a path text names (see paths.h). Fails, with a message, when the path
// lies outside the game folder or a name matches several entries ignoring case.
IoStatus locate(const std::string& pathText, LocatedPath& path);

// The message for a path whose way leads outside the game folder.
std::string outsideMessage(const std::string& shown);

}  // namespace common
