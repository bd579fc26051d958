#pragma once
// What the eight wizard pages share: reading and writing the open promotion's lines, the look of
// a page (heading, instruction, "<<< Back" and "Next >>>"), its rows of caption and value, and the
// selector rows whose white label marks the selection.

#include <cstddef>
#include <initializer_list>
#include <string>

#include "ui/ui.h"

class Editor;

namespace wizard {

// The open promotion's lines (the chooser's hidden list). Reading past the end gives ""; writing
// past the end changes nothing.
std::string line(const Editor& editor, std::size_t index);
void setLine(Editor& editor, std::size_t index, std::string text);

// The page's frame: caption, backdrop and size; the heading ("Step 1 of 8") and the instruction
// line at the top; "<<< Back" at the bottom left and "Next >>>" (or "SAVE") at the bottom right.
inline constexpr int pageWidth = 640, pageHeight = 480;
void setUpPage(ui::Form& page, ui::Label& heading, const std::string& headingText,
               ui::Label& instruction, const std::string& instructionText, ui::CommandButton& back,
               ui::CommandButton& next, const std::string& nextCaption = "Next >>>");

// One row of a page: a caption label (white bold on navy) at the left, the value control beside
// it. Rows are counted from 0, top to bottom; `top` is the first row's top.
inline constexpr int rowTop = 88, rowStep = 30, rowHeight = 24, captionLeft = 40,
                     captionWidth = 240, valueLeft = 290, valueWidth = 310;
int rowY(int row);
void styleCaption(ui::Label& caption);
void styleValue(ui::Label& value);  // black bold on white, with a border; takes clicks
void placeRow(int row, ui::Label& caption, const std::string& captionText, ui::Control& value,
              int valueWidthPixels = valueWidth);

// Selector rows: the selected label is white, the others silver; the colour is the only record.
bool isSelected(const ui::Label& label);
void select(std::initializer_list<ui::Label*> row, const ui::Label& chosen);

}  // namespace wizard
