// Every window of the editor can be shown for real and pictured at its design size.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <QWindow>
#include <sstream>
#include <stdexcept>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"
#include "tests/qt/dialog_script.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"
#include "tools/qt_tour.h"

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

// The pop-ups of the wizard's pages, each with the page and the control that opens it.
struct PopUp {
  const char* name;
  ui::Form& (*page)(Editor&);
  ui::Control& (*opener)(Editor&);
  ui::Form& (*popUp)(Editor&);
};
const PopUp popUps[] = {
    {"calculator over Step 6", [](Editor& e) -> ui::Form& { return e.form8; },
     [](Editor& e) -> ui::Control& { return e.form8.Label3; },
     [](Editor& e) -> ui::Form& { return e.form9; }},
    {"picker over Step 1", [](Editor& e) -> ui::Form& { return e.form3; },
     [](Editor& e) -> ui::Control& { return e.form3.Command3; },
     [](Editor& e) -> ui::Form& { return e.form16; }},
    {"picker over Step 2", [](Editor& e) -> ui::Form& { return e.form4; },
     [](Editor& e) -> ui::Control& { return e.form4.Command3; },
     [](Editor& e) -> ui::Form& { return e.form16; }},
    {"picker over Step 4", [](Editor& e) -> ui::Form& { return e.form6; },
     [](Editor& e) -> ui::Control& { return e.form6.Command3; },
     [](Editor& e) -> ui::Form& { return e.form16; }},
};

ui::CommandButton& buttonCaptioned(ui::Form& form, const std::string& caption) {
  for (ui::Control* control : form.controls()) {
    auto* button = dynamic_cast<ui::CommandButton*>(control);
    if (button && button->caption() == caption) return *button;
  }
  ADD_FAILURE() << "no button " << caption;
  throw std::runtime_error("no button " + caption);
}

// A pop-up stays above the page that opened it; a second click on its opener, after the person
// went back to the page, brings it to the front with the focus; and the page "Next >>>" shows
// comes up under it, not over it.
TEST(EditorWindowsTest, PopUpsStayOverTheirPageAndComeForwardWhenOpenedAgain) {
  for (const PopUp& p : popUps) {
    SCOPED_TRACE(p.name);
    qttest::SampleGameEditor sample;
    Editor& editor = sample.editor;
    front::FrontEnd& screen = sample.screen;
    std::ostringstream& log = sample.log;
    qttest::DialogScript person({});  // no dialog comes up
    ui::Form& page = p.page(editor);
    ui::Form& popUp = p.popUp(editor);
    tour::raiseWizardPrompt(editor, sample.tourScreen, log, page, p.opener(editor));
    QApplication::processEvents();
    ASSERT_TRUE(popUp.visible()) << log.str();
    QWidget* pageWindow = screen.window(page);
    QWidget* popUpWindow = screen.window(popUp);
    ASSERT_TRUE(pageWindow && popUpWindow);
    EXPECT_TRUE(pageWindow->isVisible());
    EXPECT_EQ(popUpWindow->windowHandle()->transientParent(), pageWindow->windowHandle());
    // A window manager keeps a dialog, not a plain window, above the window it belongs to.
    EXPECT_EQ(popUpWindow->windowType(), Qt::Dialog);
    EXPECT_EQ(pageWindow->windowType(), Qt::Window);
    EXPECT_EQ(QApplication::activeWindow(), popUpWindow);

    pageWindow->activateWindow();  // the person clicks on the page
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), pageWindow);
    tour::clickOnScreen(screen, p.opener(editor));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), popUpWindow);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->window(), popUpWindow);

    tour::clickOnScreen(screen, buttonCaptioned(page, "Next >>>"));
    QApplication::processEvents();
    EXPECT_FALSE(page.visible());
    EXPECT_TRUE(popUpWindow->isVisible());
    QWidget* next = nullptr;
    for (ui::Form* form : front::windowsOf(editor)) {
      if (form != &popUp && form->visible()) next = screen.window(*form);
    }
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(popUpWindow->windowHandle()->transientParent(), next->windowHandle());
    EXPECT_EQ(popUpWindow->windowType(), Qt::Dialog);
  }
}

}  // namespace
