// The editor's program on Windows: the real windows on the working folder, which must be the
// game's folder (the player keeps the .exe there and double-clicks it).

#include "app/editor.h"
#include "win32/editor_windows.h"
#include "win32/front_end.h"
#include "win32/win32_desktop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  win::Program program;
  win::Win32Desktop desktop;
  Editor editor(desktop);
  win::FrontEnd screen(win::windowsOf(editor));
  desktop.attach(screen);

  editor.start();
  screen.flush();
  if (editor.ended() || screen.ended()) return 0;
  return win::Program::run(screen);
}
