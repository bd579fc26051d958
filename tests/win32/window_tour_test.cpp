// The walk through every window (tools/window_tour.cpp) on the Win32 front end's real windows,
// from the sample game, as the snapshot takes it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/editor.h"
#include "tools/win32_tour.h"
#include "win32/editor_windows.h"
#include "win32/front_end.h"
#include "win32/text.h"

namespace {

std::wstring titleOf(HWND window) {
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  return title;
}

// At every stop of the walk the window looked at is up at its design size with its caption, and
// the screen shows just the windows and controls the forms show: a way back that leaves a window
// or a control of the window before up is seen at the next stop.
TEST(WindowTour, EveryWindowComesUpAndEachWayBackLeavesOnlyTheWindowsShown) {
  std::ostringstream log;
  tour::ScratchGame game(tour::sampleGame(), log);
  win::Program program;
  tour::AnsweringDesktop desktop(log);
  Editor editor(desktop);
  win::FrontEnd front(win::windowsOf(editor));
  tour::Win32Screen screen(editor, front);
  const std::vector<ui::Form*>& forms = screen.forms();

  std::set<int> looked;
  std::set<std::string> wrong;  // "form17-start_date_window: ..." for each stop that is not right
  int stops = 0;
  tour::walk(editor, screen, log, [&](int index, const std::string& state) {
    const ui::Form& form = *forms[index];
    const std::string stop = tour::lookName(index, state);
    if (!form.visible()) return;
    ++stops;
    looked.insert(index);
    HWND window = front.window(form);
    if (!window || !IsWindowVisible(window)) {
      wrong.insert(stop + ": not on the screen");
      return;
    }
    RECT inside{};
    GetClientRect(window, &inside);
    if (inside.right != win::FrontEnd::scaled(form.width()) ||
        inside.bottom != win::FrontEnd::scaled(form.height()))
      wrong.insert(stop + ": " + std::to_string(inside.right) + " x " +
                   std::to_string(inside.bottom) + " pixels");
    if (titleOf(window) != win::toWide(form.caption())) wrong.insert(stop + ": its title");
    for (int i = 0; i < static_cast<int>(forms.size()); ++i) {
      HWND other = front.window(*forms[i]);
      const bool up = other && IsWindowVisible(other);
      if (up != forms[i]->visible())
        wrong.insert(stop + ": " + tour::windowName(i) + (up ? " is up" : " is not up"));
      if (!up) continue;
      for (const ui::Control* control : forms[i]->controls()) {
        HWND shown = front.handle(*control);
        if (shown && (IsWindowVisible(shown) != FALSE) != control->visible())
          wrong.insert(stop + ": " + tour::windowName(i) + " " + control->name() +
                       (control->visible() ? " is not up" : " is up"));
      }
    }
  });

  EXPECT_EQ(looked.size(), forms.size()) << log.str();
  EXPECT_GT(stops, 40);
  EXPECT_THAT(wrong, testing::IsEmpty());
  // Every step of the walk found its button: each window was filled in as the walk expects.
  EXPECT_EQ(log.str().find("is not on the window yet"), std::string::npos) << log.str();
}

}  // namespace
