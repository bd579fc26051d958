#pragma once
// Paths and folders. A path text keeps the game's own form: the working folder followed by parts
// joined with backslashes ("<working folder>\Data\maindata.vl1", "<working folder>\Scenarios\Old").
//
// resolvePath is the one place that turns a path text into a path on disk, and every file and
// folder operation goes through it:
// - the working folder is taken as the real path it is, whatever characters it holds, and nothing
//   outside it is ever used: a link on the way that leads outside it (or nowhere) is not followed;
// - only the parts after it are split, at "\" (and "/"), as the game's platform splits them;
//   "." and ".." are followed there, by name, and may not lead above the game folder;
// - names inside the program are Windows-1252 text, names on disk the file system's own (UTF-8):
//   a name is looked for by its UTF-8 spelling, and a name on disk that is not UTF-8 is read as
//   Windows-1252 bytes, so folders unpacked either way are found; what the editor makes is UTF-8;
// - a name is found as on the game's platform, ignoring letter case (compared on characters):
//   the exact name first, and only when nothing has exactly that name, the one entry that matches
//   it ignoring case.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/io_status.h"

namespace common {

// The process's current folder as a path text, read afresh at every call.
std::string workingFolder();

// The path on disk a path text names below the game folder (the working folder). A relative path
// text is taken from the game folder. Fails, with a message naming the path, when the path lies
// outside the game folder, or when a folder holds two or more entries that match a part of the
// path ignoring case and none matches exactly (the editor can't tell which is meant, so it uses
// none). A part that matches nothing is kept as written: it names something still to be made.
IoStatus resolvePath(const std::string& pathText, std::filesystem::path& native);

// How a path text is named in messages: as the real path it would be, before letter case is
// looked up, which is what the user sees in a file manager.
std::string shownPath(const std::string& pathText);

// Working folder + dataSetDir ("\Data\", "\Scenarios\name\", "\save1\") + name, nothing added.
std::string dataFilePath(const std::string& dataSetDir, const std::string& name);

// Working folder + "\Images\" + name.
std::string picturePath(const std::string& name);

// Checks a name a user typed for a new file or folder. Returns "" when it may be used, otherwise
// a sentence saying why not, for a message box. Refused: an empty name, a path separator ("/" or
// "\"), "." or "..", any of <>:"|?*, control characters, a name beginning with a dot or ending
// with a blank or a dot, a name Windows keeps for a device (see isReservedName), and a name too
// long for a file system to hold beside the editor's temporary file of it.
std::string checkNewName(const std::string& name);

// Checks a file name a user typed that may lead through folders ("sub\x.vl1", "..\Data\x.vl1";
// "\" and "/" both separate folders). Returns "" when it may be used, otherwise a sentence saying
// why not: an empty name, control characters, any of <>:"|?*, no file name after the last
// folder, a device name or a name too long in any of its parts. Where it leads is for resolvePath
// to say.
std::string checkTypedFileName(const std::string& name);

// Whether Windows keeps a name for a device, so that no file or folder can have it: CON, PRN,
// AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any letter case, alone or before any extension
// ("nul.fed", "Com1.vl1"), blanks before the extension ignored.
bool isReservedName(const std::string& name);

// Whether a name found on disk could name a file or folder on the game's platform: no "\" or
// "/", none of <>:"|?*, no control characters. Entries whose names can't are never offered.
bool isPortableName(const std::string& name);

// Each is false when the path can't be resolved.
// Anything is there: a file, a folder, or a link that leads out of the game folder (never
// followed, but its name is taken).
bool exists(const std::string& pathText);
bool isFile(const std::string& pathText);       // a regular file (or a link to one)
bool isPlainFile(const std::string& pathText);  // a regular file that is not a link
bool isFolder(const std::string& pathText);
bool isLink(const std::string& pathText);  // the entry itself is a link, wherever it leads

// One entry of a folder, as listEntries finds it.
struct FolderEntry {
  std::string name;      // the name as the game names it (Windows-1252)
  bool file = false;     // a regular file, or a link inside the game folder to one
  bool folder = false;   // a folder, or a link inside the game folder to one
  bool link = false;     // the entry is itself a link
  bool outside = false;  // a link that leads outside the game folder or nowhere: never used
};

// Every entry of a folder whose name the game could name: "." and ".." left out, as are names
// the game's platform could not hold and names on disk with a character Windows-1252 has not;
// sorted by name without regard to case (ties by bytes). On failure the list is empty and the
// status says why (a folder that can't be read is named as such).
IoStatus listEntries(const std::string& folderText, std::vector<FolderEntry>& entries);

// The folders, or the regular files, among listEntries' entries (links outside never), as bare
// names in the same order.
IoStatus listFolders(const std::string& folderText, std::vector<std::string>& names);
IoStatus listFiles(const std::string& folderText, std::vector<std::string>& names);

IoStatus makeFolder(const std::string& pathText);  // fails when anything exists there
IoStatus removeFile(const std::string& pathText);
IoStatus removeEmptyFolder(const std::string& pathText);  // fails when the folder is not empty

// What a file was when the editor read it: which file it was, its size and modification time.
// A file replaced by another program (or another copy of the editor) has a different stamp.
struct FileStamp {
  bool present = false;  // false: there was no file
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modifiedSeconds = 0, modifiedNanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file a path text names now (links followed); not present when there is none.
FileStamp stampOf(const std::string& pathText);

}  // namespace common
