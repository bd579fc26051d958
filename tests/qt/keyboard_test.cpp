// The keyboard on the real windows: where it is can always be seen, and every value a click opens
// can be reached and opened with keys alone.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <set>
#include <sstream>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"
#include "tests/qt/dialog_script.h"
#include "tools/qt_tour.h"
#include "ui/ui.h"

namespace {

// Makes the window the active one, as the person's click on it does.
void activate(QWidget* window) {
  window->activateWindow();
  QApplication::processEvents();
}

// How many pixels of the band round `inside` (three pixels wide) differ clearly between the two
// pictures of the window.
int changedAround(const QImage& before, const QImage& after, const QRect& inside) {
  int changed = 0;
  const QRect band = inside.adjusted(-3, -3, 3, 3) & before.rect();
  for (int y = band.top(); y <= band.bottom(); ++y) {
    for (int x = band.left(); x <= band.right(); ++x) {
      if (inside.contains(x, y)) continue;
      const QColor a = before.pixelColor(x, y), b = after.pixelColor(x, y);
      const int apart = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                        std::abs(a.blue() - b.blue());
      if (apart > 120) ++changed;
    }
  }
  return changed;
}

// Every control that takes the focus, on every window of the walk, is ringed when it has the
// focus: a band at least two pixels deep round it changes clearly, over the dark backdrop, the
// grey of the pop-ups and next to the white value boxes alike.
TEST(FocusRingTest, TheFocusedControlIsRingedOnEveryWindowOfTheWalk) {
  qttest::WalkedEditor walked;
  front::FrontEnd& screen = walked.screen;
  const std::vector<ui::Form*>& windows = walked.windows;
  std::set<int> looked;
  std::set<std::string> unseen;  // "form3-step1_profile website: 20 of 656 pixels"
  int ringed = 0;
  tour::walk(
      walked.editor, walked.tourScreen, walked.log, [&](int index, const std::string& state) {
        ui::Form& form = *windows[index];
        QWidget* window = screen.window(form);
        if (!form.visible() || !window) return;
        looked.insert(index);
        activate(window);
        for (ui::Control* control : form.controls()) {
          QWidget* widget = screen.widget(*control);
          if (!control->visible() || !widget || !widget->isEnabled() ||
              !(widget->focusPolicy() & Qt::TabFocus))
            continue;
          window->setFocus();  // the keyboard on no control
          const QImage before = window->grab().toImage();
          widget->setFocus();
          const QImage after = window->grab().toImage();
          window->setFocus();
          const QRect place = widget->geometry();
          const int changed = changedAround(before, after, place);
          const int needed = 2 * 2 * (place.width() + place.height());  // two pixels deep all round
          ++ringed;
          if (changed < needed)
            unseen.insert(tour::windowName(index) + (state.empty() ? "" : " (" + state + ")") +
                          " " + control->name() + ": " + std::to_string(changed) + " of " +
                          std::to_string(needed) + " pixels");
        }
      });
  EXPECT_EQ(looked.size(), windows.size()) << walked.log.str();
  EXPECT_GT(ringed, 100);
  EXPECT_THAT(unseen, testing::IsEmpty());
}

// A wizard page worked with the keyboard alone: Tab to a value, Space or Return on it, the
// answer typed into the prompt and Return.
TEST(KeyboardOnlyTest, WizardPageValuesAreChangedWithTheKeysAlone) {
  const struct {
    const char* name;
    int key;
  } keys[] = {{"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.name);
    qttest::SampleGameEditor sample;
    Editor& editor = sample.editor;
    Form3& step1 = editor.form3;
    tour::raiseWizardPrompt(editor, sample.tourScreen, sample.log, step1,
                            step1.Label1);  // the heading: nothing
    ASSERT_TRUE(step1.visible()) << sample.log.str();
    QWidget* window = sample.screen.window(step1);
    activate(window);
    QWidget* target = sample.screen.widget(step1.website);
    for (int tabs = 0; tabs < 60 && QApplication::focusWidget() != target; ++tabs)
      qttest::pressKey(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                       Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), target);
    QString shownDefault;
    {
      qttest::DialogScript person({[&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        shownDefault = input->textValue();
        auto* field = input->findChild<QLineEdit*>();
        field->selectAll();
        field->insert("www.example.org");
        qttest::pressKey(field, Qt::Key_Return, Qt::NoModifier, "\r");
      }});
      qttest::pressKey(target, k.key, Qt::NoModifier, k.key == Qt::Key_Space ? " " : "\r");
    }
    EXPECT_FALSE(shownDefault.isEmpty());
    EXPECT_EQ(step1.website.caption(), "www.example.org");
    EXPECT_EQ(wizard::line(editor, promotion_file::webSiteLine), "www.example.org");

    // On to Step 2 by keys, and its "Primary Show 2" tab chosen with them. The page is active
    // again once the prompt is gone, the keyboard where it was.
    activate(window);
    ASSERT_EQ(QApplication::focusWidget(), target);
    Form4& step2 = editor.form4;
    QWidget* next = sample.screen.widget(step1.Command1);
    for (int tabs = 0; tabs < 60 && QApplication::focusWidget() != next; ++tabs)
      qttest::pressKey(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                       Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), next);
    qttest::pressKey(next, k.key, Qt::NoModifier, k.key == Qt::Key_Space ? " " : "\r");
    ASSERT_TRUE(step2.visible());
    activate(sample.screen.window(step2));
    QWidget* tab = sample.screen.widget(step2.show2);
    for (int tabs = 0; tabs < 60 && QApplication::focusWidget() != tab; ++tabs)
      qttest::pressKey(
          QApplication::focusWidget() ? QApplication::focusWidget() : sample.screen.window(step2),
          Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), tab);
    qttest::pressKey(tab, k.key, Qt::NoModifier, k.key == Qt::Key_Space ? " " : "\r");
    EXPECT_TRUE(wizard::isSelected(step2.show2));
  }
}

}  // namespace
