#include "promotion/wizard_page.h"

#include <cmath>
#include <limits>
#include <utility>

#include "app/editor.h"
#include "common/number_text.h"
#include "ui/styles.h"

namespace wizard {

std::string line(const Editor& editor, std::size_t index) {
  return editor.form2.List1.list(static_cast<int>(index));
}

void setLine(Editor& editor, std::size_t index, std::string text) {
  editor.form2.List1.setList(static_cast<int>(index), std::move(text));
}

void setUpPage(ui::Form& page, ui::Label& heading, const std::string& headingText,
               ui::Label& instruction, const std::string& instructionText, ui::CommandButton& back,
               ui::CommandButton& next, const std::string& nextCaption) {
  page.setCaption(ui::mainCaption);
  page.setBackdrop("main");
  page.setSize(pageWidth, pageHeight);

  heading.setCaption(headingText);
  heading.place(0, 8, pageWidth, 32);
  ui::styleHeading(heading);
  heading.setFontSize(14);

  ui::styleCaption(instruction, instructionText, 40, 48, pageWidth - 80, 24);
  instruction.setAlignment(ui::Align::Center);

  ui::styleButton(back, "<<< Back", 40, 424, 160, 40);
  ui::styleButton(next, nextCaption, pageWidth - 200, 424, 160, 40);
}

int rowY(int row) { return rowTop + row * rowStep; }

void placeRow(int row, ui::Label& caption, const std::string& captionText, ui::Control& value,
              int valueWidthPixels) {
  placeRowAt(rowY(row), caption, captionText, value, valueWidthPixels);
}

void placeRowAt(int top, ui::Label& caption, const std::string& captionText, ui::Control& value,
                int valueWidthPixels) {
  // A page's rows read from the left.
  caption.setCaption(captionText);
  ui::styleHeading(caption);
  caption.setAlignment(ui::Align::Left);
  caption.place(captionLeft, top, captionWidth, rowHeight);
  value.place(valueLeft, top, valueWidthPixels, rowHeight);
  if (auto* label = dynamic_cast<ui::Label*>(&value)) {
    ui::styleValue(*label);
    label->setAlignment(ui::Align::Left);
  }
}

void placeRowWithButton(int top, ui::Label& caption, const std::string& captionText,
                        ui::Label& value, ui::CommandButton& button) {
  constexpr int buttonWidth = 30, gap = 6;
  placeRowAt(top, caption, captionText, value, valueWidth - buttonWidth - gap);
  button.setCaption("...");
  button.place(valueLeft + valueWidth - buttonWidth, top, buttonWidth, rowHeight);
}

void goTo(ui::Form& from, ui::Form& to) {
  to.show();
  from.hide();
}

std::string editText(Editor& editor, ui::Label& value, std::size_t index, const std::string& title,
                     const std::string& text) {
  return editText(
      editor, value, [&](const std::string& answer) { setLine(editor, index, answer); }, title,
      text);
}

std::string editNumber(Editor& editor, ui::Label& value, std::size_t index,
                       const std::string& title, const std::string& text) {
  return editNumber(
      editor, value, [&](const std::string& stored) { setLine(editor, index, stored); }, title,
      text);
}

std::string editText(Editor& editor, ui::Label& value, const Store& store, const std::string& title,
                     const std::string& text) {
  std::string answer = ui::ask(editor.desktop, text, title, value.caption());
  if (answer.empty()) return "";
  store(answer);
  value.setCaption(answer);
  return answer;
}

std::string editNumber(Editor& editor, ui::Label& value, const Store& store,
                       const std::string& title, const std::string& text) {
  std::string answer = ui::ask(editor.desktop, text, title, value.caption());
  if (answer.empty() || !numberFits(editor, answer)) return "";
  const std::string stored = common::numberText(common::numberValue(answer));
  store(stored);
  value.setCaption(stored);
  return answer;
}

bool numberFits(Editor& editor, const std::string& typed, double scale) {
  // A number with more digits than a double holds reads as the largest double.
  constexpr double largest = std::numeric_limits<double>::max();
  const double value = common::numberValue(typed);
  if (std::abs(value) < largest && std::isfinite(value * scale)) return true;
  ui::say(editor.desktop,
          "Invalid Number!\r\n\r\nThis number is too large to be stored.\r\n\r\nPlease "
          "enter another value.");
  return false;
}

int wholeNumber(const std::string& text) {
  const double value = std::trunc(common::numberValue(text));
  constexpr double lowest = std::numeric_limits<int>::min(),
                   highest = std::numeric_limits<int>::max();
  if (value <= lowest) return std::numeric_limits<int>::min();
  if (value >= highest) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

std::string choicePosition(const ui::ComboBox& list) {
  // The first item equal to the shown text, as the list compares them.
  const std::string shown = list.text();
  if (shown.empty()) return "";
  for (int i = 0; i < list.listCount(); ++i) {
    if (list.list(i) == shown) return std::to_string(i + 1);
  }
  return "";
}

void showQuietly(ui::ComboBox& list, const std::string& text) {
  // Setting the text raises the click, so the handler is held aside meanwhile. The handler may be
  // running (a refusal inside it): the list raises through a copy, so this is safe.
  std::function<void()> handler = std::exchange(list.onClick, nullptr);
  list.setText(text);
  list.onClick = std::move(handler);
}

bool isSelected(const ui::Label& label) { return label.backColor() == ui::white; }

void select(std::initializer_list<ui::Label*> row, const ui::Label& chosen) {
  select(std::span<ui::Label* const>(row.begin(), row.size()), chosen);
}

void select(std::span<ui::Label* const> row, const ui::Label& chosen) {
  for (ui::Label* label : row) label->setBackColor(label == &chosen ? ui::white : ui::silver);
}

}  // namespace wizard
