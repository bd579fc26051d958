#pragma once
// The ring that shows where the keyboard is: a frame around the focused control of the active
// window, drawn over the window's controls. It is three pixels wide, a dark orange band outside
// and a black line inside, so it stands out from the dark blue backdrop, from the grey of the
// buttons and dialogs and from the white value boxes alike. It takes no clicks and no focus.

#include <QPointer>
#include <QWidget>

namespace front {

class FocusRing : public QWidget {
 public:
  // The ring of this window; hidden until a control of the window has the focus.
  explicit FocusRing(QWidget* window);

  // The control the ring goes round (nullptr: none, the ring hides). A widget inside a control
  // (a combo box's line edit, a list's viewport) stands for the control it belongs to.
  void follow(QWidget* focused);

  static constexpr int width = 3;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();
  QPointer<QWidget> control_;
};

}  // namespace front
