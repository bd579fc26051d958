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

bool fits(const QFontMetrics& metrics, int flags, const QString& text, QSize room) {
  const QSize drawn = metrics.size(flags, text);
  return drawn.width() <= room.width() && drawn.height() <= room.height();
}

}  // namespace

int smallestCaptionPixels() { return pointsToPixels(6); }

int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

FittedCaption fitCaption(const QString& caption, const QFont& font, QSize room, int flags) {
  if (caption.isEmpty()) return {font, caption};
  QString text = caption;
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  const QStringList lines = text.split('\n');

  QFont sized = font;
  if (sized.pixelSize() <= 0) sized.setPixelSize(QFontInfo(font).pixelSize());
  const int largest = sized.pixelSize();
  const int smallest = std::min(largest, smallestCaptionPixels());
  for (int pixels = largest;; --pixels) {
    sized.setPixelSize(pixels);
    const QFontMetrics metrics(sized);
    if (fits(metrics, flags, text, room)) return {sized, text};
    const QString broken = breakAtSpaces(lines, metrics, flags, room.width());
    if (fits(metrics, flags, broken, room)) return {sized, broken};
    if (pixels == smallest) {
      const bool twoLines = metrics.height() + metrics.lineSpacing() <= room.height();
      return {sized, twoLines ? broken : text};
    }
  }
}

const FittedCaption& CaptionFitter::fit(const QString& caption, const QFont& font, QSize room,
                                        int flags) {
  if (!fitted_ || caption != caption_ || font != font_ || room != room_ || flags != flags_) {
    result_ = fitCaption(caption, font, room, flags);
    fitted_ = true;
    caption_ = caption;
    font_ = font;
    room_ = room;
    flags_ = flags;
  }
  return result_;
}

}  // namespace front
