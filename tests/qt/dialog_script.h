#pragma once
// The person at the real dialogs: what they do with each dialog as it comes up, in order; and the
// editor as the tests run it, on the real desktop or along the walk.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"
#include "tools/qt_tour.h"

namespace qttest {

// The editor on the real desktop. The front end comes after the editor: it lets go of the windows
// before they go. The walk's scenes see it as tourScreen.
struct RealEditor {
  front::QtDesktop desktop;
  Editor editor{desktop};
  front::FrontEnd screen{front::windowsOf(editor)};
  tour::QtScreen tourScreen{editor, screen};
  RealEditor() { desktop.attach(screen); }
};

// The editor on the real desktop over a scratch copy of the sample game; the steps of the tour's
// scenes go to the log.
struct SampleGameEditor {
  std::ostringstream log;
  tour::ScratchGame game{tour::sampleGame(), log};
  RealEditor real;
  Editor& editor = real.editor;
  front::FrontEnd& screen = real.screen;
  tour::Screen& tourScreen = real.tourScreen;
};

// The editor on a scratch copy of the sample game, its dialogs answered by the walk's desktop, for
// tour::walk; the walk's steps and dialogs go to the log.
struct WalkedEditor {
  std::ostringstream log;
  tour::ScratchGame game{tour::sampleGame(), log};
  tour::AnsweringDesktop desktop{log};
  Editor editor{desktop};
  front::FrontEnd screen{front::windowsOf(editor)};
  tour::QtScreen tourScreen{editor, screen};
  const std::vector<ui::Form*>& windows = tourScreen.forms();
};

// Runs one step for each dialog that comes up, in order. A dialog beyond the steps fails the test
// and is closed; steps left over when the script goes fail it too.
class DialogScript {
 public:
  using Step = std::function<void(QWidget* dialog)>;
  explicit DialogScript(std::vector<Step> steps)
      : steps_(std::move(steps)), watch_([this](QWidget* dialog) { next(dialog); }) {}
  ~DialogScript() { EXPECT_EQ(done_, steps_.size()) << "dialogs that never came up"; }

 private:
  void next(QWidget* dialog) {
    if (done_ == steps_.size()) {
      ADD_FAILURE() << "an unexpected dialog: " << dialog->windowTitle().toStdString();
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        if (!box->buttons().isEmpty()) box->buttons().front()->click();
      } else {
        dialog->close();
      }
      return;
    }
    steps_[done_++](dialog);
  }

  std::vector<Step> steps_;
  std::size_t done_ = 0;
  tour::DialogWatch watch_;
};

// A key pressed and let go on a widget.
inline void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

// Clicks one of a message box's buttons; fails when the dialog is no message box or has no such
// button.
inline void clickButton(QWidget* dialog, QMessageBox::StandardButton which) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  ASSERT_NE(box, nullptr) << "not a message box";
  QAbstractButton* button = box->button(which);
  ASSERT_NE(button, nullptr) << "no such button";
  button->click();
}

}  // namespace qttest
