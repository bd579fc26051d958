#pragma once
// A file held open by another program that shares it with no one (Windows): hold_file.exe,
// started beside the test program, opens it and keeps it until the HeldFile goes. Meanwhile
// nothing else may read, replace or delete the file.

#ifdef _WIN32
#include <filesystem>
#include <string>

class HeldFile {
 public:
  explicit HeldFile(const std::filesystem::path& file);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  // True once the other program holds the file; otherwise why() says what went wrong.
  bool held() const { return held_; }
  const std::string& why() const { return why_; }

 private:
  void* process_ = nullptr;  // the holder's process and the write end of its input
  void* input_ = nullptr;
  bool held_ = false;
  std::string why_;
};
#endif
