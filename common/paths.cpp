#include "common/paths.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <system_error>

#include "common/code_page.h"
#include "common/located_path.h"
#include "common/native_files.h"
#include "common/text.h"

namespace common {

namespace fs = std::filesystem;

namespace native {

namespace {

class RefusedCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "editor"; }
  std::string message(int value) const override {
    switch (static_cast<Refused>(value)) {
      case Refused::outside:
        return "it lies outside the game folder";
      case Refused::notPlainFile:
        return "it is not a plain file (it is a pipe, a device or a socket)";
      case Refused::isFolder:
        return "a folder of that name is in the way";
      case Refused::readOnly:
        return "the file is read-only";
      case Refused::alreadyThere:
        return "a file of that name is already there, so nothing was overwritten";
      case Refused::appearedMeanwhile:
        return "a file of that name appeared meanwhile, so nothing was overwritten";
      case Refused::linkLoop:
        return "it is a link that leads round in a circle";
      case Refused::heldOpen:
        return "another program has the file open";
    }
    return "it could not be used";
  }
};

}  // namespace

const std::error_category& refusedCategory() {
  static const RefusedCategory category;
  return category;
}

std::error_code make_error_code(Refused refused) {
  return {static_cast<int>(refused), refusedCategory()};
}

}  // namespace native

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// How the game names a name found on disk: a UTF-8 name in Windows-1252, a name that is not UTF-8
// as the Windows-1252 bytes it is. Nothing for a UTF-8 name with a character Windows-1252 has not:
// the game could not name it.
std::optional<std::string> gameName(const std::string& diskName) {
  if (isUtf8(diskName)) return exactCp1252(diskName);
  return diskName;
}

// A name on disk as a message shows it: as gameName, with "?" for what the code page has not.
std::string shownName(const std::string& diskName) {
  return isUtf8(diskName) ? utf8ToCp1252(diskName) : diskName;
}

// A path text split into the names below the game folder, "." and ".." followed by name.
struct SplitPath {
  std::vector<std::string> parts;  // the names below the game folder, in order
  bool outside = false;            // the text leads above or away from the game folder
};

SplitPath split(const std::string& pathText) {
  SplitPath result;
  const std::string root = workingFolder();
  std::string_view rest;
  if (!root.empty() && pathText.compare(0, root.size(), root) == 0 &&
      (pathText.size() == root.size() || isSeparator(pathText[root.size()]) ||
       isSeparator(root.back()))) {
    rest = std::string_view(pathText).substr(root.size());
  } else if (!root.empty() && !pathText.empty() && pathText.front() != '/' &&
             pathText.front() != '\\') {
    rest = pathText;  // relative: below the game folder
  } else {
    result.outside = true;
    return result;
  }
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = start;
    while (end < rest.size() && !isSeparator(rest[end])) ++end;
    const std::string_view part = rest.substr(start, end - start);
    if (part == "..") {
      if (result.parts.empty()) {
        result.outside = true;
        return result;
      }
      result.parts.pop_back();
    } else if (!part.empty() && part != ".") {
      result.parts.emplace_back(part);
    }
    start = end + 1;
  }
  return result;
}

std::string shownOf(const native::Parts& parts) {
  std::string shown = workingFolder();
  for (const std::string& part : parts) (shown += native::separator()) += shownName(part);
  return shown;
}

fs::path fromDiskName(const std::string& name) {
  return fs::path(std::u8string(name.begin(), name.end()));
}

// The entries of a folder whose game names equal `name` ignoring letter case.
std::vector<std::string> namesLike(const native::Parts& folder, const std::string& name) {
  std::vector<std::string> found;
  std::vector<native::Entry> entries;
  if (native::list(folder, entries)) return found;
  const std::string wanted = lowerText(name);
  for (const native::Entry& entry : entries) {
    const std::optional<std::string> game = gameName(entry.name);
    if (game && game->size() == name.size() && lowerText(*game) == wanted)
      found.push_back(entry.name);
  }
  std::sort(found.begin(), found.end());
  return found;
}

bool present(const native::Parts& parts) {
  return native::inspect(parts).kind != native::Kind::Missing;
}

IoStatus outsideFailure(const std::string& shown) {
  return IoStatus::failure(outsideMessage(shown));
}

// "The folder "X" could not be <verb>: <reason>." for a failed folder operation.
IoStatus folderFailure(const std::string& shown, const std::string& verb,
                       const std::error_code& error) {
  if (error == native::Refused::outside) return outsideFailure(shown);
  return IoStatus::failure("The folder \"" + shown + "\" could not be " + verb + ": " +
                           failureReason(error) + ".");
}

}  // namespace

std::string outsideMessage(const std::string& shown) {
  return "\"" + shown + "\" lies outside the game folder, so the editor does not use it.";
}

std::string workingFolder() { return shownName(native::currentFolder()); }

IoStatus locate(const std::string& pathText, LocatedPath& path) {
  path = {};
  const SplitPath named = split(pathText);
  if (named.outside) return outsideFailure(shownPath(pathText));
  // Every name by its UTF-8 spelling first: only a miss looks through the folders for a name
  // spelt as Windows-1252 bytes, or in another case.
  native::Parts spelled;
  for (const std::string& part : named.parts) spelled.push_back(cp1252ToUtf8(part));
  if (present(spelled)) {
    path.parts = std::move(spelled);
    path.shown = shownOf(path.parts);
    return IoStatus::success();
  }

  native::Parts& found = path.parts;
  for (std::size_t k = 0; k < named.parts.size(); ++k) {
    const std::string& part = named.parts[k];
    found.push_back(spelled[k]);
    if (present(found)) continue;
    found.pop_back();
    if (!isUtf8(part)) {  // folders unpacked as Windows-1252 keep the bytes as they are
      found.push_back(part);
      if (present(found)) continue;
      found.pop_back();
    }
    const std::vector<std::string> matches = namesLike(found, part);
    if (matches.size() > 1) {
      std::string listed;
      for (std::size_t m = 0; m < matches.size(); ++m)
        listed += (m == 0                    ? "\""
                   : m + 1 == matches.size() ? " and \""
                                             : ", \"") +
                  shownName(matches[m]) + "\"";
      const std::string folder = shownOf(found);
      path = {};
      return IoStatus::failure("The folder \"" + folder + "\" holds " + listed +
                               ", which differ only in letter case. The game can't tell them "
                               "apart, so the editor uses none of them: rename all but one.");
    }
    if (matches.empty()) {  // nothing of that name: the rest is kept as written, in UTF-8
      for (; k < named.parts.size(); ++k) found.push_back(spelled[k]);
      break;
    }
    found.push_back(matches.front());
  }
  path.shown = shownOf(found);
  return IoStatus::success();
}

IoStatus resolvePath(const std::string& pathText, fs::path& native) {
  native.clear();
  LocatedPath path;
  if (IoStatus status = locate(pathText, path); !status) return status;
  native = fromDiskName(native::currentFolder());
  for (const std::string& part : path.parts) native /= fromDiskName(part);
  return IoStatus::success();
}

std::string shownPath(const std::string& pathText) {
  const SplitPath path = split(pathText);
  if (path.outside) {
    // As the system would show it: its own separator between the names, whichever was typed.
    std::string shown = pathText;
    std::replace_if(shown.begin(), shown.end(), isSeparator, native::separator());
    return shown;
  }
  std::string shown = workingFolder();
  for (const std::string& part : path.parts) (shown += native::separator()) += part;
  return shown;
}

std::string dataFilePath(const std::string& dataSetDir, const std::string& name) {
  return workingFolder() + dataSetDir + name;
}

std::string picturePath(const std::string& name) { return workingFolder() + "\\Images\\" + name; }

namespace {

// Why a name can't hold its characters: control characters, or one of `forbidden`. "" when none.
std::string characterProblem(const std::string& name, const std::string& forbidden) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127)
      return "A name cannot contain control characters such as tabs or line breaks.";
  }
  const std::size_t bad = name.find_first_of(forbidden);
  if (bad == std::string::npos) return "";
  std::string listed;
  for (const char c : forbidden) listed += std::string(listed.empty() ? "" : " ") + c;
  return std::string("A name cannot contain the character ") + name[bad] + " (none of " + listed +
         " may be used).";
}

const std::string separators = "/\\";
const std::string forbiddenInNames = "<>:\"|?*";

// A file system holds names of at most 255 bytes, and every file the editor writes is first
// written beside it under its name + ".tmp-" + six letters.
constexpr std::size_t longestName = 255 - 11;

// Why a name can't be given to a file or folder on any of the game's machines: a device name, or
// a name too long. "" when neither.
std::string nameProblem(const std::string& name) {
  if (isReservedName(name))
    return "\"" + name +
           "\" is a name Windows keeps for a device, so no file or folder can be given it. "
           "Please choose another name.";
  if (cp1252ToUtf8(name).size() > longestName)
    return "A name can be at most " + std::to_string(longestName) +
           " characters long (an accented letter or a sign counts as two or three).";
  return "";
}

}  // namespace

bool isReservedName(const std::string& name) {
  std::string stem = lowerText(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  if (stem == "con" || stem == "prn" || stem == "aux" || stem == "nul") return true;
  if (stem.size() != 4 || (stem.compare(0, 3, "com") != 0 && stem.compare(0, 3, "lpt") != 0))
    return false;
  // COM1 to COM9 and LPT1 to LPT9, and the superscript digits Windows counts as digits too.
  const char digit = stem[3];
  return (digit >= '1' && digit <= '9') || digit == '\xB9' || digit == '\xB2' || digit == '\xB3';
}

std::string checkNewName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return "Please enter a name.";
  if (name == "." || name == "..") return "A name cannot be \".\" or \"..\".";
  if (std::string problem = characterProblem(name, separators + forbiddenInNames); !problem.empty())
    return problem;
  if (name.back() == ' ' || name.back() == '.') return "A name cannot end with a blank or a dot.";
  if (name.front() == '.') return "A name cannot begin with a dot.";
  return nameProblem(name);
}

std::string checkTypedFileName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return "Please enter a name.";
  if (std::string problem = characterProblem(name, forbiddenInNames); !problem.empty())
    return problem;
  const std::size_t folderEnd = name.find_last_of(separators);
  const std::string last = folderEnd == std::string::npos ? name : name.substr(folderEnd + 1);
  if (last.empty() || last == "." || last == "..")
    return "A file name must follow the last folder of the name.";
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find_first_of(separators, start);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(start, end - start);
    if (part != "." && part != "..") {
      if (std::string problem = nameProblem(part); !problem.empty()) return problem;
    }
    start = end + 1;
  }
  return "";
}

bool isPortableName(const std::string& name) {
  return !name.empty() && characterProblem(name, separators + forbiddenInNames).empty();
}

namespace {

native::Info infoOf(const std::string& pathText) {
  LocatedPath path;
  if (!locate(pathText, path)) return {};
  return native::inspect(path.parts);
}

}  // namespace

bool exists(const std::string& pathText) { return infoOf(pathText).kind != native::Kind::Missing; }

bool isFile(const std::string& pathText) { return infoOf(pathText).kind == native::Kind::File; }

bool isPlainFile(const std::string& pathText) {
  const native::Info info = infoOf(pathText);
  return info.kind == native::Kind::File && !info.link;
}

bool isFolder(const std::string& pathText) { return infoOf(pathText).kind == native::Kind::Folder; }

bool isLink(const std::string& pathText) { return infoOf(pathText).link; }

IoStatus listEntries(const std::string& folderText, std::vector<FolderEntry>& entries) {
  entries.clear();
  LocatedPath folder;
  if (IoStatus status = locate(folderText, folder); !status) return status;
  std::vector<native::Entry> found;
  if (const std::error_code error = native::list(folder.parts, found)) {
    if (error == std::errc::no_such_file_or_directory)
      return IoStatus::failure("The folder \"" + folder.shown + "\" could not be found.");
    if (error == std::errc::not_a_directory)
      return IoStatus::failure("\"" + folder.shown + "\" is not a folder.");
    return folderFailure(folder.shown, "read", error);
  }
  for (const native::Entry& entry : found) {
    std::optional<std::string> name = gameName(entry.name);
    if (!name || !isPortableName(*name)) continue;
    FolderEntry listed;
    listed.name = std::move(*name);
    listed.file = entry.info.kind == native::Kind::File;
    listed.folder = entry.info.kind == native::Kind::Folder;
    listed.link = entry.info.link;
    listed.outside = entry.info.kind == native::Kind::Outside;
    entries.push_back(std::move(listed));
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& x, const FolderEntry& y) {
    return lessIgnoringCase(x.name, y.name);
  });
  return IoStatus::success();
}

namespace {

template <typename Wanted>
IoStatus listNames(const std::string& folderText, std::vector<std::string>& names, Wanted wanted) {
  names.clear();
  std::vector<FolderEntry> entries;
  if (IoStatus status = listEntries(folderText, entries); !status) return status;
  for (FolderEntry& entry : entries)
    if (wanted(entry)) names.push_back(std::move(entry.name));
  return IoStatus::success();
}

}  // namespace

IoStatus listFolders(const std::string& folderText, std::vector<std::string>& names) {
  return listNames(folderText, names, [](const FolderEntry& entry) { return entry.folder; });
}

IoStatus listFiles(const std::string& folderText, std::vector<std::string>& names) {
  return listNames(folderText, names, [](const FolderEntry& entry) { return entry.file; });
}

IoStatus makeFolder(const std::string& pathText) {
  LocatedPath folder;
  if (IoStatus status = locate(pathText, folder); !status) return status;
  if (const std::error_code error = native::makeFolder(folder.parts)) {
    // A link of that name that leads out of the game folder is named as such.
    if (native::inspect(folder.parts).kind == native::Kind::Outside)
      return outsideFailure(folder.shown);
    return folderFailure(folder.shown, "made", error);
  }
  return IoStatus::success();
}

IoStatus removeFile(const std::string& pathText) {
  LocatedPath file;
  if (IoStatus status = locate(pathText, file); !status) return status;
  const std::error_code error = native::removeFile(file.parts);
  if (!error) return IoStatus::success();
  if (error == native::Refused::outside) return outsideFailure(file.shown);
  if (error == std::errc::no_such_file_or_directory)
    return IoStatus::failure("The file \"" + file.shown +
                             "\" could not be deleted: it does not exist.");
  if (error == native::Refused::isFolder)
    return IoStatus::failure("\"" + file.shown + "\" is a folder, not a file.");
  return IoStatus::failure("The file \"" + file.shown +
                           "\" could not be deleted: " + failureReason(error) + ".");
}

IoStatus removeEmptyFolder(const std::string& pathText) {
  LocatedPath folder;
  if (IoStatus status = locate(pathText, folder); !status) return status;
  const std::error_code error = native::removeEmptyFolder(folder.parts);
  if (!error) return IoStatus::success();
  if (error == std::errc::no_such_file_or_directory)
    return IoStatus::failure("The folder \"" + folder.shown +
                             "\" could not be deleted: it does not exist.");
  if (error == std::errc::not_a_directory)
    return IoStatus::failure("\"" + folder.shown + "\" is not a folder.");
  return folderFailure(folder.shown, "deleted", error);
}

FileStamp stampOf(const std::string& pathText) { return infoOf(pathText).stamp; }

}  // namespace common
