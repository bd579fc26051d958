#include "ui/styles.h"

namespace ui {

void styleHeading(Label& label) {
  label.setBackColor(navy);
  label.setForeColor(white);
  label.setBold(true);
  label.setAlignment(Align::Center);
}

void styleValue(Label& label) {
  label.setBackColor(white);
  label.setForeColor(black);
  label.setBold(true);
  label.setAlignment(Align::Center);
  label.setBorder(true);
}

void styleCaption(Label& label, const std::string& caption, int left, int top, int width,
                  int height) {
  label.setCaption(caption);
  label.setForeColor(white);
  label.setBold(true);
  label.place(left, top, width, height);
}

void styleButton(CommandButton& button, const std::string& caption, int left, int top, int width,
                 int height) {
  button.setCaption(caption);
  button.setBold(true);
  button.place(left, top, width, height);
}

}  // namespace ui
