#pragma once
// What the eight wizard pages share: reading and writing the open promotion's lines, the look of
// a page (heading, instruction, "<<< Back" and "Next >>>"), its rows of caption and value, and the
// selector rows whose white label marks the selection.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
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

// One row of a page: a caption label (ui's heading style, from the left) at the left, the value
// control beside it (a label in ui's value style, from the left). Rows are counted from 0, top to
// bottom; `top` is the first row's top.
inline constexpr int rowTop = 88, rowStep = 30, rowHeight = 24, captionLeft = 40,
                     captionWidth = 240, valueLeft = 290, valueWidth = 310;
int rowY(int row);
void placeRow(int row, ui::Label& caption, const std::string& captionText, ui::Control& value,
              int valueWidthPixels = valueWidth);
// The same at a top of the page's own choosing (pages with more rows, or rows below a box).
void placeRowAt(int top, ui::Label& caption, const std::string& captionText, ui::Control& value,
                int valueWidthPixels = valueWidth);
// A row whose value label has a small "..." button at its right (the image picker's opener).
void placeRowWithButton(int top, ui::Label& caption, const std::string& captionText,
                        ui::Label& value, ui::CommandButton& button);

// Moves between pages: the page moved to is shown, then the page left is hidden.
void goTo(ui::Form& from, ui::Form& to);

// Value labels edited through a Text prompt whose default is the label's caption. Cancel or an
// empty answer changes nothing; an accepted answer goes into the line and the label.
// - editText stores the answer as typed;
// - editNumber stores the answer's number as plain decimal text (Number text: "1,000" -> "1",
//   no number -> "0"); a number too large to hold is refused with a message.
// Both return the accepted answer, "" when nothing was stored.
std::string editText(Editor& editor, ui::Label& value, std::size_t index, const std::string& title,
                     const std::string& text);
std::string editNumber(Editor& editor, ui::Label& value, std::size_t index,
                       const std::string& title, const std::string& text);
// The same for a value that is not one fixed line: the accepted value goes to `store`.
using Store = std::function<void(const std::string&)>;
std::string editText(Editor& editor, ui::Label& value, const Store& store, const std::string& title,
                     const std::string& text);
std::string editNumber(Editor& editor, ui::Label& value, const Store& store,
                       const std::string& title, const std::string& text);

// Whether a typed number, multiplied by `scale` (100 for hundredths), can be held; when it can't,
// says so in a message box ("Invalid Number!") and returns false.
bool numberFits(Editor& editor, const std::string& typed, double scale = 1.0);

// A line's number as a scroll bar's value: the leading number with its fraction dropped; a number
// beyond the range of int is held at its end (the scroll bar then clamps it to its own range).
int wholeNumber(const std::string& text);

// Pick lists that store a position: the position of the item the list shows, counted from 1, as
// text ("1" to "N"); "" when it shows none.
std::string choicePosition(const ui::ComboBox& list);

// Shows an item of a pick list without raising its click: a refused choice put back to the value
// that is stored. A text that is not an item leaves the list with no choice.
void showQuietly(ui::ComboBox& list, const std::string& text);

// Selector rows: the selected label is white, the others silver; the colour is the only record.
bool isSelected(const ui::Label& label);
void select(std::initializer_list<ui::Label*> row, const ui::Label& chosen);
void select(std::span<ui::Label* const> row, const ui::Label& chosen);

}  // namespace wizard
