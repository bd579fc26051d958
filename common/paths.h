#pragma once
// Paths and folders. A path text keeps the game's own form: the working folder followed by parts
// joined with backslashes ("<working folder>\Data\maindata.vl1", "<working folder>\Scenarios\Old").
// Only nativePath turns a path text into a real path; nothing else splits or joins paths.

#include <filesystem>
#include <string>
#include <vector>

#include "common/io_status.h"

namespace common {

// The process's current folder as a path text, read afresh at every call.
std::string workingFolder();

// A path text as a native path: each backslash is a folder separator.
std::filesystem::path nativePath(const std::string& pathText);

// Working folder + dataSetDir ("\Data\", "\Scenarios\name\", "\save1\") + name, nothing added.
std::string dataFilePath(const std::string& dataSetDir, const std::string& name);

// Working folder + "\Images\" + name.
std::string picturePath(const std::string& name);

// Checks a name a user typed for a new file or folder. Returns "" when it may be used, otherwise
// a sentence saying why not, for a message box. Refused: an empty name, a path separator ("/" or
// "\"), "." or "..", any of <>:"|?*, control characters.
std::string checkNewName(const std::string& name);

bool exists(const std::string& pathText);  // a file or a folder
bool isFile(const std::string& pathText);  // a regular file (or a link to one)
bool isFolder(const std::string& pathText);

// Entries of a folder: bare names, no "." or "..", no hidden dot-entries, sorted by name without
// regard to case (ties by bytes). On failure the list is empty and the status says why.
IoStatus listFolders(const std::string& folderText, std::vector<std::string>& names);
IoStatus listFiles(const std::string& folderText, std::vector<std::string>& names);

IoStatus copyFile(const std::string& fromText, const std::string& toText);  // never overwrites
IoStatus makeFolder(const std::string& pathText);  // fails when anything exists there
IoStatus removeFile(const std::string& pathText);
IoStatus removeEmptyFolder(const std::string& pathText);  // fails when the folder is not empty

}  // namespace common
