#pragma once
// How the front end turns the windows' texts and the person's keys into Qt's and back: the code
// page's bytes to and from a widget's text, and a key press as the key code the windows expect.

#include <QString>
#include <cstddef>
#include <string>

class QKeyEvent;

namespace front {

// Windows-1252 bytes, as the windows hold their texts, to and from what a widget shows.
QString toQ(const std::string& bytes);
std::string fromQ(const QString& text);

// What a window shows of a text it does not edit (a caption, an item, a cell, a message): the
// text itself, or, for a text longer than a screen can show, its first few thousand characters,
// "..." and its last line's worth, so that a long value quoted in a message leaves the message's
// end in view. Only what is drawn is cut; the text stays whole where it is kept.
QString shownText(const std::string& bytes);
inline constexpr std::size_t shownLength = 3000;

// toQ and fromQ for a multi-line box's text: the box holds "\r\n" line breaks, the widget "\n".
QString toQLines(const std::string& bytes);
std::string fromQLines(QString text);

// The Windows virtual-key code of a key press (Return and Enter both 13, letters upper-case
// ASCII, digits, arrows, function keys ...), or 0 for a key without a simple code.
int virtualKey(const QKeyEvent& event);

}  // namespace front
