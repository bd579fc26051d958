// snapshot-windows OUTDIR [GAMEFOLDER]: the Windows program's snapshot, as tools/snapshot is the
// Qt one's, with the same pictures by the same names: it runs the editor's real windows on a
// scratch copy of a game folder, walks through them (tools/window_tour.cpp) and writes a PNG of
// the inside of every window into OUTDIR (form15-start_window.png, ...), and one of a focused
// button on the dark backdrop (form14-data_set_menu-focused_button.png). Every dialog of the walk
// is answered at once (OK, No or Cancel) and listed. Then a few dialogs are shown for real and
// pictured on the whole screen with the windows under them: the widest prompt
// (screen-widest_prompt.png), the two prompts whose texts hold blank lines
// (screen-tv_rating_prompt.png, screen-ppv_buy_rate_prompt.png) and the two boxes of one venue
// delete (screen-venue_delete-1.png, -2.png). Exits with 1 when a picture could not be taken.

#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/editor.h"
#include "tools/win32_tour.h"
#include "win32/editor_windows.h"
#include "win32/front_end.h"
#include "win32/pictures.h"
#include "win32/win32_desktop.h"

namespace fs = std::filesystem;

namespace {

class Snapshots {
 public:
  Snapshots(Editor& editor, win::FrontEnd& screen, fs::path out)
      : screen_(screen), forms_(win::windowsOf(editor)), folder_(std::move(out)) {}

  // Writes the picture of one window, unless it has one already; `state` names a further state
  // of a window that has its picture already ("chooser").
  void capture(int index, const std::string& state) {
    const std::string name = tour::lookName(index, state) + ".png";
    if (!folder_.take(name)) return;
    HWND window = screen_.window(*forms_[index]);
    if (!window) {
      folder_.record(name, false, "the window was never shown");
      return;
    }
    save(tour::pictureOf(window), name);
  }

  // Writes a picture of the whole screen as it is with this dialog up: the shown windows at their
  // places, the dialog over them, each ringed (the dialog in yellow).
  void captureScreen(HWND dialog, const std::string& name) {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    std::vector<HWND> shown;
    for (ui::Form* form : forms_) {
      HWND window = screen_.window(*form);
      if (window && IsWindowVisible(window)) shown.push_back(window);
    }
    shown.push_back(dialog);
    std::vector<HBITMAP> pictures;
    for (HWND window : shown) pictures.push_back(tour::pictureOf(window));

    HBITMAP picture = win::newBitmap(area.right - area.left, area.bottom - area.top);
    HDC into = CreateCompatibleDC(nullptr);
    HDC from = CreateCompatibleDC(nullptr);
    HGDIOBJ oldInto = SelectObject(into, picture);
    const RECT whole{0, 0, area.right - area.left, area.bottom - area.top};
    HBRUSH backdrop = CreateSolidBrush(RGB(0x2f, 0x4f, 0x6f));
    FillRect(into, &whole, backdrop);
    DeleteObject(backdrop);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      RECT place{};
      GetClientRect(shown[i], &place);
      MapWindowPoints(shown[i], nullptr, reinterpret_cast<POINT*>(&place), 2);
      OffsetRect(&place, -area.left, -area.top);
      if (pictures[i]) {
        HGDIOBJ oldFrom = SelectObject(from, pictures[i]);
        BitBlt(into, place.left, place.top, place.right - place.left, place.bottom - place.top,
               from, 0, 0, SRCCOPY);
        SelectObject(from, oldFrom);
        DeleteObject(pictures[i]);
      }
      HBRUSH ring = CreateSolidBrush(shown[i] == dialog ? RGB(0xff, 0xcc, 0x00) : RGB(0, 0, 0));
      FrameRect(into, &place, ring);
      DeleteObject(ring);
    }
    SelectObject(into, oldInto);
    DeleteDC(from);
    DeleteDC(into);
    save(picture, name + ".png");
  }

  const tour::PictureFolder& folder() const { return folder_; }

 private:
  void save(HBITMAP picture, const std::string& name) {
    const bool saved = picture && tour::writePng(picture, folder_.file(name).wstring());
    if (picture) DeleteObject(picture);
    folder_.record(name, saved);
  }

  win::FrontEnd& screen_;
  std::vector<ui::Form*> forms_;
  tour::PictureFolder folder_;
};

// Runs a scene on the real desktop; each dialog it raises is pictured on the screen as
// `name`-1, -2 ... (or `name` alone for a scene of one dialog), then answered.
void shootScene(Snapshots& shots, const tour::DialogScene& scene) {
  const std::string& name = scene.name;
  int seen = 0;
  tour::DialogWatch watch([&](HWND dialog) {
    ++seen;
    shots.captureScreen(dialog, scene.dialogs == 1 ? name : name + "-" + std::to_string(seen));
    tour::answerLeast(dialog);
  });
  scene.raise();
  if (seen != scene.dialogs)
    std::cout << "  " << name << ": " << seen << " dialogs came up, not " << scene.dialogs << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const tour::SnapshotFolders folders = tour::snapshotFolders(argc, argv, "snapshot-windows");
  if (folders.exitCode != 0) return folders.exitCode;
  tour::ScratchGame game(folders.game, std::cout);

  win::Program program;
  // The pointer waits in the screen's bottom right corner, off every window, so that no control is
  // pictured lit up under it, wherever the X server left it.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  tour::AnsweringDesktop answering(std::cout);
  tour::SwitchedDesktop desktop(answering);
  Editor editor(desktop);
  win::FrontEnd screen(win::windowsOf(editor));
  tour::Win32Screen tourScreen(editor, screen);
  Snapshots shots(editor, screen, folders.out);
  tour::walk(editor, tourScreen, std::cout,
             [&shots](int index, const std::string& state) { shots.capture(index, state); });

  // The keyboard on a button over the dark backdrop: the hub, its "Edit The Wrestlers File"
  // focused.
  for (ui::Form* form : win::windowsOf(editor)) form->hide();
  editor.form14.show();
  tourScreen.settle();
  if (HWND hub = screen.window(editor.form14)) {
    SetForegroundWindow(hub);
    SetActiveWindow(hub);
    if (HWND button = screen.handle(editor.form14.Command2)) {
      SetFocus(button);
      // The focus is shown as after a key press, not hidden as after a click.
      SendMessageW(hub, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    tourScreen.settle();
    shots.capture(13, "focused_button");
  }

  win::Win32Desktop real;
  real.attach(screen);
  desktop.to = &real;
  for (const tour::DialogScene& scene : tour::dialogScenes(editor, tourScreen, std::cout))
    shootScene(shots, scene);

  return shots.folder().report(std::cout) ? 0 : 1;
}
