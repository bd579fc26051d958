#pragma once
// Captions drawn whole in their boxes. The windows size their labels and buttons for narrower
// fonts than the ones drawn here, so a caption that does not fit its box at the control's font is
// drawn at a smaller size of the same font, the largest at which it fits, but never below 6 pt.
// At each size the caption is first tried on one line, then broken at spaces into lines, so a box
// tall enough for several lines keeps the font and shrinks only when the broken caption is still
// too big. The boxes keep their sizes.

#include <QFont>
#include <QSize>
#include <QString>

namespace front {

// The smallest size a caption is drawn at: 6 pt.
int smallestCaptionPixels();

// Pixels of a point size, at the 96 dots an inch the designs are drawn at.
int pointsToPixels(int points);

struct FittedCaption {
  QFont font;
  QString text;  // the caption with the line breaks it is drawn with
};

// The caption in a box of `room`, drawn with the text flags `flags` (Qt::TextShowMnemonic for a
// button). Line breaks of the caption itself ("\r\n", "\r" or "\n") are kept. A caption that does
// not fit even at 6 pt is drawn at 6 pt, broken into lines when the box holds two.
FittedCaption fitCaption(const QString& caption, const QFont& font, QSize room, int flags);

// Remembers the last fitting, so a caption is fitted again only when its text, its font or its
// box changed, not whenever the control is brought up to date.
class CaptionFitter {
 public:
  const FittedCaption& fit(const QString& caption, const QFont& font, QSize room, int flags);

 private:
  bool fitted_ = false;
  QString caption_;
  QFont font_;
  QSize room_;
  int flags_ = 0;
  FittedCaption result_;
};

}  // namespace front
