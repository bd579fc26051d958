#include "common/paths.h"

#include <algorithm>
#include <system_error>

#include "common/text.h"

namespace common {

namespace fs = std::filesystem;

namespace {

// How a path is named in messages: as the real path, which is what the user sees in a file
// manager.
std::string shown(const std::string& pathText) { return nativePath(pathText).string(); }

enum class EntryKind { Folder, File };

IoStatus listEntries(const std::string& folderText, EntryKind kind,
                     std::vector<std::string>& names) {
  names.clear();
  const fs::path folder = nativePath(folderText);
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    if (error || !fs::exists(folder, error))
      return IoStatus::failure("The folder \"" + shown(folderText) + "\" could not be found.");
    return IoStatus::failure("\"" + shown(folderText) + "\" is not a folder.");
  }
  fs::directory_iterator entry(folder, error);
  std::vector<std::string> found;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::string name = entry->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code kindError;
    const bool wanted = kind == EntryKind::Folder ? entry->is_directory(kindError)
                                                  : entry->is_regular_file(kindError);
    if (wanted && !kindError) found.push_back(std::move(name));
  }
  if (error)
    return IoStatus::failure("The folder \"" + shown(folderText) +
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

fs::path nativePath(const std::string& pathText) {
  std::string native = pathText;
  std::replace(native.begin(), native.end(), '\\', '/');
  return fs::path(native);
}

std::string dataFilePath(const std::string& dataSetDir, const std::string& name) {
  return workingFolder() + dataSetDir + name;
}

std::string picturePath(const std::string& name) { return workingFolder() + "\\Images\\" + name; }

std::string checkNewName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return "Please enter a name.";
  if (name == "." || name == "..") return "A name cannot be \".\" or \"..\".";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127)
      return "A name cannot contain control characters such as tabs or line breaks.";
  }
  static const std::string forbidden = "/\\<>:\"|?*";
  const std::size_t bad = name.find_first_of(forbidden);
  if (bad != std::string::npos)
    return std::string("A name cannot contain the character ") + name[bad] +
           " (none of / \\ < > : \" | ? * may be used).";
  if (name.back() == ' ' || name.back() == '.') return "A name cannot end with a blank or a dot.";
  // Entries whose names begin with a dot are hidden from every folder list.
  if (name.front() == '.') return "A name cannot begin with a dot.";
  return "";
}

bool exists(const std::string& pathText) {
  std::error_code error;
  return fs::exists(nativePath(pathText), error);
}

bool isFile(const std::string& pathText) {
  std::error_code error;
  return fs::is_regular_file(nativePath(pathText), error);
}

bool isFolder(const std::string& pathText) {
  std::error_code error;
  return fs::is_directory(nativePath(pathText), error);
}

IoStatus listFolders(const std::string& folderText, std::vector<std::string>& names) {
  return listEntries(folderText, EntryKind::Folder, names);
}

IoStatus listFiles(const std::string& folderText, std::vector<std::string>& names) {
  return listEntries(folderText, EntryKind::File, names);
}

IoStatus copyFile(const std::string& fromText, const std::string& toText) {
  const fs::path from = nativePath(fromText), to = nativePath(toText);
  const std::string failed =
      "The file \"" + shown(fromText) + "\" could not be copied to \"" + shown(toText) + "\": ";
  std::error_code error;
  if (!fs::is_regular_file(from, error)) return IoStatus::failure(failed + "it does not exist.");
  if (fs::exists(fs::symlink_status(to, error)))
    return IoStatus::failure(failed + "something of that name already exists there.");
  if (!fs::copy_file(from, to, fs::copy_options::none, error) || error) {
    // A copy that failed part-way must not leave a half file behind; the target did not exist
    // before, so whatever is there now is ours.
    std::error_code ignored;
    if (error != std::errc::file_exists) fs::remove(to, ignored);
    return IoStatus::failure(failed + failureReason(error) + ".");
  }
  return IoStatus::success();
}

IoStatus makeFolder(const std::string& pathText) {
  const fs::path folder = nativePath(pathText);
  std::error_code error;
  if (fs::exists(fs::symlink_status(folder, error)))
    return IoStatus::failure("The folder \"" + shown(pathText) +
                             "\" could not be made: something of that name already exists.");
  if (!fs::create_directory(folder, error) || error)
    return IoStatus::failure(
        "The folder \"" + shown(pathText) + "\" could not be made: " +
        failureReason(error ? error : std::make_error_code(std::errc::file_exists)) + ".");
  return IoStatus::success();
}

IoStatus removeFile(const std::string& pathText) {
  const fs::path file = nativePath(pathText);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(file, error);
  if (!fs::exists(status))
    return IoStatus::failure("The file \"" + shown(pathText) +
                             "\" could not be deleted: it does not exist.");
  if (fs::is_directory(status))
    return IoStatus::failure("\"" + shown(pathText) + "\" is a folder, not a file.");
  if (!fs::remove(file, error) || error)
    return IoStatus::failure("The file \"" + shown(pathText) +
                             "\" could not be deleted: " + failureReason(error) + ".");
  return IoStatus::success();
}

IoStatus removeEmptyFolder(const std::string& pathText) {
  const fs::path folder = nativePath(pathText);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(folder, error);
  if (!fs::exists(status))
    return IoStatus::failure("The folder \"" + shown(pathText) +
                             "\" could not be deleted: it does not exist.");
  if (!fs::is_directory(status))
    return IoStatus::failure("\"" + shown(pathText) + "\" is not a folder.");
  if (!fs::remove(folder, error) || error)
    return IoStatus::failure("The folder \"" + shown(pathText) +
                             "\" could not be deleted: " + failureReason(error) + ".");
  return IoStatus::success();
}

}  // namespace common
