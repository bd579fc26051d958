#include "qt/focus_ring.h"

#include <QEvent>
#include <QPainter>

namespace front {

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void FocusRing::follow(QWidget* focused) {
  QWidget* control = focused;
  while (control && control->parentWidget() != parentWidget()) control = control->parentWidget();
  if (control == this) control = nullptr;
  if (control_ != control) {
    if (control_) control_->removeEventFilter(this);
    control_ = control;
    if (control_) control_->installEventFilter(this);
  }
  place();
}

void FocusRing::place() {
  if (!control_ || !control_->isVisible()) {
    hide();
    return;
  }
  setGeometry(control_->geometry().adjusted(-width, -width, width, width));
  raise();
  show();
  update();
}

// The ring moves, grows and hides with its control.
bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  if (watched == control_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        place();
        break;
      default:
        break;
    }
  }
  return false;
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  const QColor band(0xFF, 0x8C, 0x00);
  painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), 2), band);
  painter.fillRect(QRect(outer.left(), outer.bottom() - 1, outer.width(), 2), band);
  painter.fillRect(QRect(outer.left(), outer.top(), 2, outer.height()), band);
  painter.fillRect(QRect(outer.right() - 1, outer.top(), 2, outer.height()), band);
  painter.setPen(Qt::black);
  painter.drawRect(outer.adjusted(2, 2, -3, -3));
}

}  // namespace front
