#include "common/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string_view>
#include <system_error>

#include "common/text.h"

namespace common {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool present(const fs::path& path) {
  struct ::stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// A path text split into the game folder and the names below it, "." and ".." followed by name.
struct SplitPath {
  fs::path root;                   // the game folder, as the real path it is
  std::vector<std::string> parts;  // the names below it, in order
  bool outside = false;            // the text leads above or away from the game folder
};

SplitPath split(const std::string& pathText) {
  SplitPath result;
  const std::string root = workingFolder();
  result.root = root;
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

fs::path joined(const SplitPath& path) {
  fs::path native = path.root;
  for (const std::string& part : path.parts) native /= part;
  return native;
}

// The names in a folder that equal `name` ignoring letter case.
std::vector<std::string> namesLike(const fs::path& folder, const std::string& name) {
  std::vector<std::string> found;
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return found;
  const std::string wanted = lowerText(name);
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view entryName = entry->d_name;
    if (entryName == "." || entryName == "..") continue;
    if (entryName.size() == name.size() && lowerText(entryName) == wanted)
      found.emplace_back(entryName);
  }
  ::closedir(listing);
  std::sort(found.begin(), found.end());
  return found;
}

enum class EntryKind { Folder, File };

IoStatus listEntries(const std::string& folderText, EntryKind kind,
                     std::vector<std::string>& names) {
  names.clear();
  fs::path folder;
  if (IoStatus status = resolvePath(folderText, folder); !status) return status;
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    if (error || !fs::exists(folder, error))
      return IoStatus::failure("The folder \"" + shownPath(folderText) + "\" could not be found.");
    return IoStatus::failure("\"" + shownPath(folderText) + "\" is not a folder.");
  }
  fs::directory_iterator entry(folder, error);
  std::vector<std::string> found;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::string name = entry->path().filename().string();
    if (name.empty() || name[0] == '.' || !isPortableName(name)) continue;
    std::error_code kindError;
    const bool wanted = kind == EntryKind::Folder ? entry->is_directory(kindError)
                                                  : entry->is_regular_file(kindError);
    if (wanted && !kindError) found.push_back(std::move(name));
  }
  if (error)
    return IoStatus::failure("The folder \"" + shownPath(folderText) +
                             "\" could not be read: " + failureReason(error) + ".");
  std::sort(found.begin(), found.end(),
            [](const std::string& x, const std::string& y) { return lessIgnoringCase(x, y); });
  names = std::move(found);
  return IoStatus::success();
}

}  // namespace

std::string workingFolder() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? std::string() : current.string();
}

IoStatus resolvePath(const std::string& pathText, fs::path& native) {
  native.clear();
  const SplitPath path = split(pathText);
  if (path.outside)
    return IoStatus::failure("\"" + shownPath(pathText) +
                             "\" lies outside the game folder, so the editor does not use it.");
  // The exact name first: only a miss looks through the folders for the name in another case.
  native = joined(path);
  if (present(native)) return IoStatus::success();

  fs::path found = path.root;
  for (std::size_t k = 0; k < path.parts.size(); ++k) {
    const std::string& part = path.parts[k];
    if (present(found / part)) {
      found /= part;
      continue;
    }
    const std::vector<std::string> matches = namesLike(found, part);
    if (matches.size() > 1) {
      std::string listed;
      for (std::size_t m = 0; m < matches.size(); ++m)
        listed += (m == 0                    ? "\""
                   : m + 1 == matches.size() ? " and \""
                                             : ", \"") +
                  matches[m] + "\"";
      native.clear();
      return IoStatus::failure("The folder \"" + found.string() + "\" holds " + listed +
                               ", which differ only in letter case. The game can't tell them "
                               "apart, so the editor uses none of them: rename all but one.");
    }
    if (matches.empty()) {  // nothing of that name: the rest is kept as written
      for (; k < path.parts.size(); ++k) found /= path.parts[k];
      break;
    }
    found /= matches.front();
  }
  native = std::move(found);
  return IoStatus::success();
}

std::string shownPath(const std::string& pathText) {
  const SplitPath path = split(pathText);
  if (path.outside) {
    std::string native = pathText;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
  }
  return joined(path).string();
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

}  // namespace

std::string checkNewName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return "Please enter a name.";
  if (name == "." || name == "..") return "A name cannot be \".\" or \"..\".";
  if (std::string problem = characterProblem(name, separators + forbiddenInNames); !problem.empty())
    return problem;
  if (name.back() == ' ' || name.back() == '.') return "A name cannot end with a blank or a dot.";
  // Entries whose names begin with a dot are hidden from every folder list.
  if (name.front() == '.') return "A name cannot begin with a dot.";
  return "";
}

std::string checkTypedFileName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return "Please enter a name.";
  if (std::string problem = characterProblem(name, forbiddenInNames); !problem.empty())
    return problem;
  const std::size_t folderEnd = name.find_last_of(separators);
  const std::string last = folderEnd == std::string::npos ? name : name.substr(folderEnd + 1);
  if (last.empty() || last == "." || last == "..")
    return "A file name must follow the last folder of the name.";
  return "";
}

bool isPortableName(const std::string& name) {
  return !name.empty() && characterProblem(name, separators + forbiddenInNames).empty();
}

bool exists(const std::string& pathText) {
  fs::path native;
  std::error_code error;
  return resolvePath(pathText, native).ok && fs::exists(native, error);
}

bool isFile(const std::string& pathText) {
  fs::path native;
  std::error_code error;
  return resolvePath(pathText, native).ok && fs::is_regular_file(native, error);
}

bool isPlainFile(const std::string& pathText) {
  fs::path native;
  std::error_code error;
  return resolvePath(pathText, native).ok && fs::is_regular_file(fs::symlink_status(native, error));
}

bool isFolder(const std::string& pathText) {
  fs::path native;
  std::error_code error;
  return resolvePath(pathText, native).ok && fs::is_directory(native, error);
}

IoStatus listFolders(const std::string& folderText, std::vector<std::string>& names) {
  return listEntries(folderText, EntryKind::Folder, names);
}

IoStatus listFiles(const std::string& folderText, std::vector<std::string>& names) {
  return listEntries(folderText, EntryKind::File, names);
}

IoStatus makeFolder(const std::string& pathText) {
  fs::path folder;
  if (IoStatus status = resolvePath(pathText, folder); !status) return status;
  std::error_code error;
  if (fs::exists(fs::symlink_status(folder, error)))
    return IoStatus::failure("The folder \"" + folder.string() +
                             "\" could not be made: something of that name already exists.");
  if (!fs::create_directory(folder, error) || error)
    return IoStatus::failure(
        "The folder \"" + folder.string() + "\" could not be made: " +
        failureReason(error ? error : std::make_error_code(std::errc::file_exists)) + ".");
  return IoStatus::success();
}

IoStatus removeFile(const std::string& pathText) {
  fs::path file;
  if (IoStatus status = resolvePath(pathText, file); !status) return status;
  std::error_code error;
  const fs::file_status status = fs::symlink_status(file, error);
  if (!fs::exists(status))
    return IoStatus::failure("The file \"" + file.string() +
                             "\" could not be deleted: it does not exist.");
  if (fs::is_directory(status))
    return IoStatus::failure("\"" + file.string() + "\" is a folder, not a file.");
  if (!fs::remove(file, error) || error)
    return IoStatus::failure("The file \"" + file.string() +
                             "\" could not be deleted: " + failureReason(error) + ".");
  return IoStatus::success();
}

IoStatus removeEmptyFolder(const std::string& pathText) {
  fs::path folder;
  if (IoStatus status = resolvePath(pathText, folder); !status) return status;
  std::error_code error;
  const fs::file_status status = fs::symlink_status(folder, error);
  if (!fs::exists(status))
    return IoStatus::failure("The folder \"" + folder.string() +
                             "\" could not be deleted: it does not exist.");
  if (!fs::is_directory(status))
    return IoStatus::failure("\"" + folder.string() + "\" is not a folder.");
  if (!fs::remove(folder, error) || error)
    return IoStatus::failure("The folder \"" + folder.string() +
                             "\" could not be deleted: " + failureReason(error) + ".");
  return IoStatus::success();
}

FileStamp stampOf(const struct ::stat& info) {
  FileStamp stamp;
  stamp.present = true;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  stamp.size = static_cast<std::uint64_t>(info.st_size);
  stamp.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
  stamp.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  return stamp;
}

FileStamp stampOf(const std::string& pathText) {
  fs::path native;
  struct ::stat info {};
  if (!resolvePath(pathText, native) || ::stat(native.c_str(), &info) != 0) return {};
  return stampOf(info);
}

}  // namespace common
