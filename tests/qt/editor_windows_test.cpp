// Every window of the editor can be shown for real and pictured at its design size.

#include <gtest/gtest.h>

#include <QPixmap>

#include "app/editor.h"
#include "qt/front_end.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace {

TEST(EditorWindowsTest, EveryWindowShowsAndGrabsAtItsDesignSize) {
  GameFolder game;
  ScriptedDesktop desktop;
  Editor editor(desktop);
  front::FrontEnd screen(front::windowsOf(editor));
  const std::vector<ui::Form*> windows = front::windowsOf(editor);
  ASSERT_EQ(windows.size(), 19u);
  for (std::size_t i = 0; i < windows.size(); ++i) {
    SCOPED_TRACE("form" + std::to_string(i + 1));
    ui::Form& form = *windows[i];
    form.show();
    screen.flush();
    QWidget* window = screen.window(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), form.caption());
    const QPixmap picture = window->grab();
    EXPECT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(form.width(), form.height()));
    for (ui::Control* control : form.controls()) {
      if (!control->visible()) continue;
      QWidget* widget = screen.widget(*control);
      if (!widget) continue;  // a kind of control the front end does not draw
      EXPECT_TRUE(widget->isVisible()) << control->name();
    }
    form.hide();
    screen.flush();
    EXPECT_FALSE(window->isVisible());
  }
}

}  // namespace
