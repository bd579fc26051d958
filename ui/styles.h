#pragma once
// The editor's look: the label and button styles its windows share. Where a window's labels
// differ (a border, text from the left, a larger font), the window sets that after the shared
// style, where it can be seen.

#include <string>

#include "ui/controls.h"

namespace ui {

// White bold text, centred, on navy: headings, and the captions beside values.
void styleHeading(Label& label);

// Black bold text, centred, on white in a border: the values beside their captions.
void styleValue(Label& label);

// White bold text straight on the window's backdrop, with its caption, at its place.
void styleCaption(Label& label, const std::string& caption, int left, int top, int width,
                  int height = 17);

// A bold button with its caption, at its place.
void styleButton(CommandButton& button, const std::string& caption, int left, int top, int width,
                 int height = 25);

}  // namespace ui
