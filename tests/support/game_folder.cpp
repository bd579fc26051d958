#include "tests/support/game_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "common/code_page.h"
#include "common/line_file.h"
#include "common/native_files.h"

namespace fs = std::filesystem;

namespace {

// A new folder of the system's temporary folder, "game-folder-" and six letters, that only this
// user may enter; empty (and the test failed) when none could be made.
fs::path makeTemporaryFolder() {
  std::error_code error;
  const fs::path temporary = fs::temp_directory_path(error);
  std::mt19937_64 random(std::random_device{}());
  for (int attempt = 0; !error && attempt < 100; ++attempt) {
    std::string name = "game-folder-";
    for (int k = 0; k < 6; ++k) name += static_cast<char>('a' + random() % 26);
    const fs::path folder = temporary / name;
    if (fs::create_directory(folder, error)) {
      fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
      return folder;
    }
  }
  ADD_FAILURE() << "cannot make a temporary game folder in " << temporary.string() << ": "
                << error.message();
  return {};
}

}  // namespace

GameFolder::GameFolder(Layout layout) {
  std::error_code error;
  previous_ = fs::current_path(error);
  const fs::path made = makeTemporaryFolder();
  if (made.empty()) return;
  fs::current_path(made, error);
  if (error) {
    ADD_FAILURE() << "cannot change into " << made.string() << ": " << error.message();
    root_ = made;
    return;
  }
  // The folder as the process sees it, so path texts built here equal the editor's own.
  root_ = fs::current_path(error);
  if (layout == Layout::Standard) {
    for (const char* folder : {"Data", "Images", "Scenarios"}) fs::create_directory(root_ / folder);
  }
}

GameFolder::~GameFolder() {
  std::error_code error;
  if (!previous_.empty()) fs::current_path(previous_, error);
  if (!root_.empty()) {
    // Folders a test made read-only must be writable again before they can be removed, and on
    // Windows files marked read-only too.
    for (auto it = fs::recursive_directory_iterator(root_, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
      if (it->is_directory(error)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
      }
#ifdef _WIN32
      else if (!it->is_symlink(error)) {
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
      }
#endif
    }
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(root_, error);
  }
}

// As the system shows it: "\\" between the names on Windows. Names on Windows are characters: a
// relative path in UTF-8 is taken as such, any other as Windows-1252, as an archive of the game's
// files unpacks there.
fs::path GameFolder::path(const std::string& relative) const {
#ifdef _WIN32
  const std::string utf8 = common::isUtf8(relative) ? relative : common::cp1252ToUtf8(relative);
  return (root_ / fs::path(std::u8string(utf8.begin(), utf8.end()))).make_preferred();
#else
  return (root_ / relative).make_preferred();
#endif
}

std::string GameFolder::pathText(const std::string& relativeWithBackslashes) const {
  std::string text = root_.string();
  if (relativeWithBackslashes.empty()) return text;
  if (relativeWithBackslashes.front() != '\\') text += '\\';
  return text + relativeWithBackslashes;
}

std::string GameFolder::shown(const std::string& relativeWithSlashes) const {
  std::string text = root_.string() + '/' + relativeWithSlashes;
  std::replace(text.begin() + static_cast<std::ptrdiff_t>(root_.string().size()), text.end(), '/',
               common::native::separator());
  return text;
}

void GameFolder::makeFolder(const std::string& relative) {
  std::error_code error;
  fs::create_directories(path(relative), error);
  if (error) ADD_FAILURE() << "cannot make folder " << relative << ": " << error.message();
}

void GameFolder::write(const std::string& relative, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  writeBytes(relative, bytes);
}

void GameFolder::writeBytes(const std::string& relative, const std::string& bytes) {
  const fs::path target = path(relative);
  std::error_code error;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) ADD_FAILURE() << "cannot write " << relative;
}

std::vector<std::string> GameFolder::read(const std::string& relative) const {
  // A missing or unreadable file reads as no lines; the test's own comparison then shows it.
  std::vector<std::string> lines;
#ifdef _WIN32
  const std::u8string utf8 = path(relative).u8string();  // the editor's path texts are Windows-1252
  (void)common::readLines(common::utf8ToCp1252(std::string(utf8.begin(), utf8.end())), lines);
#else
  (void)common::readLines(path(relative).string(), lines);
#endif
  return lines;
}

std::string GameFolder::bytes(const std::string& relative) const {
  std::ifstream in(path(relative), std::ios::binary);
  if (!in) return "";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool GameFolder::exists(const std::string& relative) const {
  std::error_code error;
  return fs::exists(path(relative), error);
}

std::vector<std::string> GameFolder::entries(const std::string& relative) const {
  std::vector<std::string> names;
  std::error_code error;
  for (auto it = fs::directory_iterator(path(relative), error);
       !error && it != fs::directory_iterator(); it.increment(error)) {
#ifdef _WIN32
    const std::u8string name = it->path().filename().u8string();
    names.emplace_back(name.begin(), name.end());  // UTF-8, as the editor names them there
#else
    names.push_back(it->path().filename().string());
#endif
  }
  std::sort(names.begin(), names.end());
  return names;
}
