// hold_file.exe PATH: holds PATH open as another program does when it lets no one else read,
// write or delete it, for the tests of what the editor does then. Says "held" (or "failed" and
// the system's code) on its output, then keeps the file until its input is closed.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: hold_file PATH\n", stderr);
    return 2;
  }
  const HANDLE held = ::CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) {
    std::printf("failed %lu\n", ::GetLastError());
    std::fflush(stdout);
    return 1;
  }
  std::puts("held");
  std::fflush(stdout);
  // Until the test closes our input (or ends).
  char buffer[64];
  DWORD got = 0;
  const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  while (::ReadFile(input, buffer, sizeof buffer, &got, nullptr) && got > 0) {
  }
  ::CloseHandle(held);
  return 0;
}
