#pragma once
// The person at the real dialogs: what they do with each dialog as it comes up, in order.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <functional>
#include <utility>
#include <vector>

#include "tools/window_tour.h"

namespace qttest {

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
