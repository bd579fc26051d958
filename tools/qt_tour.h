#pragma once
// The Qt front end's part in the window walk (tools/window_tour.h): its screen as the walk sees
// it, the small offscreen screen the pictures and tests are made on, and the person at its real
// dialogs.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "tools/window_tour.h"
#include "ui/ui.h"

namespace front {
class FrontEnd;
}

namespace tour {

// Unless a platform was chosen already (QT_QPA_PLATFORM), the front end runs on the offscreen
// platform with one screen of 800 x 600 pixels, the smallest the windows are made for. Make it
// before the application; the platform has read its screen once the application is made.
class SmallOffscreenScreen {
 public:
  SmallOffscreenScreen();
  ~SmallOffscreenScreen();
  SmallOffscreenScreen(const SmallOffscreenScreen&) = delete;
  SmallOffscreenScreen& operator=(const SmallOffscreenScreen&) = delete;

 private:
  std::filesystem::path config_;  // the platform's description of its screen
};

// The Qt front end's windows as the walk sees them.
class QtScreen : public Screen {
 public:
  QtScreen(Editor& editor, front::FrontEnd& front);
  const std::vector<ui::Form*>& forms() const override { return forms_; }
  void settle() override;
  void click(const ui::Control& control) override;
  void moveToCorner(const ui::Form& form) override;

 private:
  front::FrontEnd& front_;
  std::vector<ui::Form*> forms_;
};

// The person's click on the widget that shows a control: the mouse pressed and let go in its
// middle. Its window must be shown.
void clickOnScreen(front::FrontEnd& front, const ui::Control& control);

// Calls `person` with each modal dialog once, as it comes up, for as long as the watch lives: for
// answering the real dialogs of the front end.
class DialogWatch {
 public:
  explicit DialogWatch(std::function<void(QWidget* dialog)> person);
  DialogWatch(const DialogWatch&) = delete;
  DialogWatch& operator=(const DialogWatch&) = delete;

 private:
  std::function<void(QWidget*)> person_;
  QPointer<QWidget> last_;
  QTimer timer_;
};

// Answers a real dialog the way that changes least: Cancel, No or OK.
void answerLeast(QWidget* dialog);

}  // namespace tour
