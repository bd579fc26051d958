#include "promotion/wizard_page.h"

#include "app/editor.h"

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
  page.setCaption(mainCaption);
  page.setBackdrop("main");
  page.setSize(pageWidth, pageHeight);

  heading.setCaption(headingText);
  heading.place(0, 8, pageWidth, 32);
  heading.setBackColor(ui::navy);
  heading.setForeColor(ui::white);
  heading.setBold(true);
  heading.setFontSize(14);
  heading.setAlignment(ui::Align::Center);

  instruction.setCaption(instructionText);
  instruction.place(40, 48, pageWidth - 80, 24);
  instruction.setForeColor(ui::white);
  instruction.setBold(true);
  instruction.setAlignment(ui::Align::Center);

  back.setCaption("<<< Back");
  back.setBold(true);
  back.place(40, 424, 160, 40);
  next.setCaption(nextCaption);
  next.setBold(true);
  next.place(pageWidth - 200, 424, 160, 40);
}

int rowY(int row) { return rowTop + row * rowStep; }

void styleCaption(ui::Label& caption) {
  caption.setBackColor(ui::navy);
  caption.setForeColor(ui::white);
  caption.setBold(true);
}

void styleValue(ui::Label& value) {
  value.setBackColor(ui::white);
  value.setForeColor(ui::black);
  value.setBold(true);
  value.setBorder(true);
}

void placeRow(int row, ui::Label& caption, const std::string& captionText, ui::Control& value,
              int valueWidthPixels) {
  caption.setCaption(captionText);
  styleCaption(caption);
  caption.place(captionLeft, rowY(row), captionWidth, rowHeight);
  value.place(valueLeft, rowY(row), valueWidthPixels, rowHeight);
  if (auto* label = dynamic_cast<ui::Label*>(&value)) styleValue(*label);
}

bool isSelected(const ui::Label& label) { return label.backColor() == ui::white; }

void select(std::initializer_list<ui::Label*> row, const ui::Label& chosen) {
  for (ui::Label* label : row) label->setBackColor(label == &chosen ? ui::white : ui::silver);
}

}  // namespace wizard
