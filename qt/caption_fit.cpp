#include "qt/caption_fit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace front {

namespace {

// Breaks each line of the caption at spaces so that its lines are no wider than `width`, as far
// as its words allow: a word wider than the box stays whole on a line of its own.
QString breakAtSpaces(const QStringList& lines, const QFontMetrics& metrics, int flags, int width) {
  QStringList broken;
  for (const QString& text : lines) {
    QString line;
    for (const QString& word : text.split(' ')) {
      const QString wider = line.isEmpty() ? word : line + ' ' + word;
      if (!line.isEmpty() && metrics.size(flags, wider).width() > width) {
        broken << line;
        line = word;
      } else {
        line = wider;
      }
    }
    broken << line;
  }
  return broken.join('\n');
}

}  // namespace

int smallestCaptionPixels() { return pointsToPixels(6); }

int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

FittedCaption fitCaption(const QString& caption, const QFont& font, QSize room, int flags,
                         bool wrap) {
  if (caption.isEmpty()) return {font, caption, wrap};
  QString text = caption;
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  const QStringList lines = text.split('\n');

  QFont sized = font;
  if (sized.pixelSize() <= 0) sized.setPixelSize(QFontInfo(font).pixelSize());
  const QFontMetrics normal(sized);
  // A box taller than two lines at the control's own font breaks long captions into lines.
  const bool breaks = wrap || room.height() > 2 * normal.lineSpacing();

  const int largest = sized.pixelSize();
  const int smallest = std::min(largest, smallestCaptionPixels());
  FittedCaption fitted;
  for (int pixels = largest; pixels >= smallest; --pixels) {
    sized.setPixelSize(pixels);
    const QFontMetrics metrics(sized);
    fitted = {sized, breaks ? breakAtSpaces(lines, metrics, flags, room.width()) : text, breaks};
    const QSize drawn = metrics.size(flags, fitted.text);
    if (drawn.width() <= room.width() && drawn.height() <= room.height()) break;
  }
  return fitted;
}

const FittedCaption& CaptionFitter::fit(const QString& caption, const QFont& font, QSize room,
                                        int flags, bool wrap) {
  if (!fitted_ || caption != caption_ || font != font_ || room != room_ || flags != flags_ ||
      wrap != wrap_) {
    result_ = fitCaption(caption, font, room, flags, wrap);
    fitted_ = true;
    caption_ = caption;
    font_ = font;
    room_ = room;
    flags_ = flags;
    wrap_ = wrap;
  }
  return result_;
}

}  // namespace front
