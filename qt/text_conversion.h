#pragma once
// How the front end turns the windows' texts and the person's keys into Qt's and back: the code
// page's bytes to and from a widget's text, and a key press as the key code the windows expect.

#include <QString>
#include <cstddef>
#include <string>

#include "ui/typed_text.h"

class QKeyEvent;

namespace front {

// Windows-1252 bytes, as the windows hold their texts, to and from what a widget shows.
QString toQ(const std::string& bytes);
std::string fromQ(const QString& text);

// What a window shows of a text it does not edit: ui::shownText, as a widget's text.
QString shownText(const std::string& bytes);
using ui::shownLength;

// toQ and fromQ for a multi-line box's text: the box holds "\r\n" line breaks, the widget "\n".
QString toQLines(const std::string& bytes);
std::string fromQLines(QString text);

// The Windows virtual-key code of a key press (Return and Enter both 13, letters upper-case
// ASCII, digits, arrows, function keys ...), or 0 for a key without a simple code.
int virtualKey(const QKeyEvent& event);

}  // namespace front
