// Every window of the editor can be shown for real and pictured at its design size.

#include <gtest/gtest.h>

#include <QPixmap>
#include <QScrollBar>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
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

// On "Step 6 of 8" an arrow and a click on the track both move the title's value and minimum draw
// by 1, and the line follows.
TEST(EditorWindowsTest, Step6ScrollBarsMoveByOneForAnArrowOrAClickOnTheTrack) {
  GameFolder game;
  ScriptedDesktop desktop;
  Editor editor(desktop);
  front::FrontEnd screen(front::windowsOf(editor));
  editor.form14.Text1.setText("\\Data\\");
  editor.form1.show();
  desktop.reply("vlf.fed");
  editor.form1.Command2.click();  // a new promotion: value 50, minimum draw 60
  editor.form3.hide();
  editor.form8.show();
  screen.flush();

  namespace pf = promotion_file;
  using F = pf::TitleField;
  const struct {
    ui::HScrollBar* bar;
    std::size_t line;
    int start;
  } bars[] = {{&editor.form8.HScroll1, pf::titleLine(1, F::value), 50},
              {&editor.form8.HScroll2, pf::titleLine(1, F::minimumDraw), 60}};
  for (const auto& b : bars) {
    SCOPED_TRACE(b.bar->name());
    auto* widget = qobject_cast<QScrollBar*>(screen.widget(*b.bar));
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(b.bar->value(), b.start);
    widget->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the track
    EXPECT_EQ(b.bar->value(), b.start + 1);
    EXPECT_EQ(wizard::line(editor, b.line), std::to_string(b.start + 1));
    widget->triggerAction(QAbstractSlider::SliderPageStepSub);
    widget->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the left arrow
    EXPECT_EQ(b.bar->value(), b.start - 1);
    EXPECT_EQ(wizard::line(editor, b.line), std::to_string(b.start - 1));
  }
}

}  // namespace
