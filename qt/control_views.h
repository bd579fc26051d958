#pragma once
// The widget that shows one control, and the way the person's input on it reaches the control.
//
// A view owns no model state: sync() reads the control and brings the widget up to date, with
// the widget's signals blocked; the widget's user signals call the control's user actions and
// then the front end's flush().

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "ui/ui.h"

class QLineEdit;

namespace front {

class FrontEnd;

// The horizontal part of a widget's alignment.
Qt::Alignment horizontal(ui::Align align);

// 0x00BBGGRR as a colour; the system colours (high bit set) are the palette's button colour.
QColor toQColor(ui::Color color);

// A line edit that cuts nothing typed or pasted itself (its own limit is 32,767 characters): what
// it holds is checked against editableLength instead, and refused with a message when longer.
void takeAnyLength(QLineEdit* line);

// A typed text longer than ui::editableLength is refused with a message saying so; a box whose
// own text is longer shows it cut (shownText) and takes no typing.
using ui::editableLength;
// Tells the person, in a message box over parent, that a typed text of `length` characters is
// longer than a box holds.
void sayTooLong(QWidget* parent, qsizetype length);

// The font every window and dialog starts from: the designs' small sans-serif, the editor's own
// Liberation Sans (metric-compatible with the Arial the windows were laid out for) at 11 pixels.
// The first call registers it from the resources.
QFont baseFont();

class ControlView : public QObject {
 public:
  ControlView(FrontEnd& front, ui::Control& control, QWidget* widget);
  ~ControlView() override;

  QWidget* widget() const { return widget_; }
  ui::Control& control() const { return control_; }

  // Brings the widget up to date with the control; only the front end's flush() calls it. A
  // hidden control only hides its widget and returns false: the rest waits until it is shown, so
  // a hidden list costs nothing on screen.
  bool sync();

  // Decorations and labels are drawn under the other controls, as the designs expect.
  virtual bool lightweight() const { return false; }

 protected:
  // The control's own content (text, items, value ...); called with the widget's signals blocked.
  virtual void syncContent() = 0;
  // A view whose caption is drawn whole sets the widget's font itself, in syncContent; every
  // other widget is given the control's font.
  virtual bool fitsCaption() const { return false; }
  // The font of the control: the window's font with the control's bold and size.
  QFont controlFont() const;
  // Runs a user action, then brings every window up to date. Ignored while the front end
  // itself changes the widgets.
  template <typename Action>
  void act(Action action);
  // Typed text that holds characters the game's files can't hold, or more characters than a box
  // holds, is not taken into the control: refuse tells the person which characters; refusedLine,
  // when the typed text holds any or is too long, puts the line back to the text before (the
  // cursor where it was) and tells the person why.
  void refuse(const std::u32string& characters);
  void refuseLength(qsizetype length);
  bool refusedLine(QLineEdit* line, const QString& typed, const QString& before);

  FrontEnd& front_;
  ui::Control& control_;
  QWidget* widget_;

 private:
  QRect placed_;
  bool shown_ = false;
};

// The view for a control of any known kind, its widget made as a child of parent; nullptr for a
// kind the front end does not show.
std::unique_ptr<ControlView> makeView(FrontEnd& front, ui::Control& control, QWidget* parent);

}  // namespace front
