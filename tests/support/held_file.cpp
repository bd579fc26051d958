#include "tests/support/held_file.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace {

// The folder of the running test program, where hold_file.exe is built too.
std::wstring programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (size == 0) return L".";
    if (size < path.size()) {
      path.resize(size);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/"));
}

}  // namespace

HeldFile::HeldFile(const std::filesystem::path& file) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE inputRead = nullptr, inputWrite = nullptr, outputRead = nullptr, outputWrite = nullptr;
  if (!::CreatePipe(&inputRead, &inputWrite, &inherited, 0)) {
    why_ = "no pipe for the holder's input";
    return;
  }
  if (!::CreatePipe(&outputRead, &outputWrite, &inherited, 0)) {
    ::CloseHandle(inputRead);
    ::CloseHandle(inputWrite);
    why_ = "no pipe for the holder's output";
    return;
  }
  // Our ends stay ours.
  ::SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(outputRead, HANDLE_FLAG_INHERIT, 0);

  const std::wstring program = programFolder() + L"\\hold_file.exe";
  std::wstring command = L"\"" + program + L"\" \"" + file.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = inputRead;
  startup.hStdOutput = outputWrite;
  startup.hStdError = outputWrite;
  PROCESS_INFORMATION started{};
  const BOOL ran = ::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE,
                                    CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started);
  ::CloseHandle(inputRead);
  ::CloseHandle(outputWrite);
  if (!ran) {
    ::CloseHandle(inputWrite);
    ::CloseHandle(outputRead);
    why_ = "hold_file.exe could not be started (" + std::to_string(::GetLastError()) + ")";
    return;
  }
  ::CloseHandle(started.hThread);
  process_ = started.hProcess;
  input_ = inputWrite;

  // Its first line says whether it holds the file.
  std::string said;
  char c = 0;
  DWORD got = 0;
  while (said.size() < 200 && ::ReadFile(outputRead, &c, 1, &got, nullptr) && got == 1 && c != '\n')
    said += c;
  ::CloseHandle(outputRead);
  while (!said.empty() && (said.back() == '\r' || said.back() == ' ')) said.pop_back();
  held_ = said == "held";
  if (!held_) why_ = "hold_file.exe said: " + said;
}

HeldFile::~HeldFile() {
  if (input_) ::CloseHandle(static_cast<HANDLE>(input_));  // the holder lets go and ends
  if (process_) {
    ::WaitForSingleObject(static_cast<HANDLE>(process_), 30000);
    ::CloseHandle(static_cast<HANDLE>(process_));
  }
}
#endif
