#pragma once
// A temporary game folder for tests: made with Data, Images and Scenarios (unless asked for an
// empty one), made the current folder for the test's life, then left and removed. Relative paths
// use "/" ("Data/maindata.vl1"); on Windows their names are read as UTF-8, or as Windows-1252 when
// they are not UTF-8, and the names entries() gives are UTF-8.

#include <filesystem>
#include <string>
#include <vector>

class GameFolder {
 public:
  enum class Layout { Standard, Empty };
  explicit GameFolder(Layout layout = Layout::Standard);
  ~GameFolder();
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path path(const std::string& relative) const;
  // The folder as the editor writes it in path texts ("<root>\Data\").
  std::string pathText(const std::string& relativeWithBackslashes) const;
  // A path below the folder as the editor shows it in messages: "<root>/Data/x" on Linux,
  // "<root>\Data\x" on Windows (the system's own separator between the names).
  std::string shown(const std::string& relativeWithSlashes) const;

  void makeFolder(const std::string& relative);  // with any missing parents
  void write(const std::string& relative, const std::vector<std::string>& lines);  // CR LF each
  void writeBytes(const std::string& relative, const std::string& bytes);
  std::vector<std::string> read(const std::string& relative) const;  // lines, as the editor reads
  std::string bytes(const std::string& relative) const;              // "" when missing
  bool exists(const std::string& relative) const;
  std::vector<std::string> entries(const std::string& relative) const;  // sorted names

 private:
  std::filesystem::path root_, previous_;
};
