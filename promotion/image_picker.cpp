#include "promotion/image_picker.h"

#include <optional>

#include "app/editor.h"
#include "common/dates.h"
#include "common/paths.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"

namespace {

const std::string promotionLogo = "Promotion Logo";
const std::string picturePattern = "*.jpg;*.jpeg;*.bmp;*.gif";

// The picture line that a heading names, and which show (1 to 4) or month (1 to 12) it belongs
// to; 0 for the promotion's own logo.
struct LogoTarget {
  std::size_t line;
  enum { Promotion, Show, Month } kind;
  int number;
};

std::optional<LogoTarget> logoTarget(const std::string& key) {
  using namespace promotion_file;
  if (key == promotionLogo) return LogoTarget{logoLine, LogoTarget::Promotion, 0};
  for (int slot = 0; slot < showSlotCount; ++slot)
    if (key == "Show " + std::to_string(slot + 1) + " Logo")
      return LogoTarget{showLine(slot, ShowField::logo), LogoTarget::Show, slot + 1};
  for (int month = 1; month <= monthCount; ++month)
    if (key == common::monthNames[static_cast<std::size_t>(month - 1)] + " Big Show Logo")
      return LogoTarget{monthLine(month, MonthField::logo), LogoTarget::Month, month};
  return std::nullopt;
}

}  // namespace

Form16::Form16(Editor& editor) : editor_(editor) {
  setCaption("Select An Image File");
  setBackdrop("");
  setSize(480, 336);

  Label2.setCaption("Select Promotion To Edit");
  Label2.place(16, 12, 448, 26);
  Label2.setBackColor(ui::navy);
  Label2.setForeColor(ui::white);
  Label2.setBold(true);
  Label2.setAlignment(ui::Align::Center);
  File1.place(16, 48, 200, 224);
  File1.setBackColor(ui::white);
  File1.setPattern(picturePattern);
  Image1.place(232, 48, 232, 224);
  Image1.setBorder(true);

  ui::CommandButton* buttons[] = {&Command1, &Command2, &Command3};
  const char* captions[] = {"Use This Image", "Don't Use Any Image", "Make No Changes"};
  for (int i = 0; i < 3; ++i) {
    buttons[i]->setCaption(captions[i]);
    buttons[i]->setBold(true);
    buttons[i]->place(16 + i * 152, 284, 144, 36);
  }

  File1.onClick = [this] { File1_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

void Form16::openfor(const std::string& key) {
  Label2.setCaption(key);
  Command2.setEnabled(key != promotionLogo);
  // Always the working folder's Images, whichever data set is edited; a missing or empty folder
  // lists nothing and previews nothing.
  File1.setPath(common::picturePath(""));
  Image1.setPicture(File1.listCount() > 0 ? common::picturePath(File1.list(0)) : "");
  show();
}

void Form16::File1_Click() {
  const std::string name = File1.fileName();
  if (!name.empty()) Image1.setPicture(common::picturePath(name));
}

void Form16::Command1_Click() {
  // No entry clicked: the first one, which the preview shows. An empty list stores nothing.
  std::string chosen = File1.fileName();
  if (chosen.empty()) chosen = File1.list(0);
  if (!chosen.empty()) store(chosen);
  Command2.setEnabled(true);
  hide();
}

void Form16::Command2_Click() {
  // The promotion's own logo is never "no picture".
  if (Label2.caption() != promotionLogo) store("NA");
  hide();
}

void Form16::Command3_Click() {
  Command2.setEnabled(true);
  hide();
}

void Form16::store(const std::string& value) {
  const std::optional<LogoTarget> target = logoTarget(Label2.caption());
  if (!target) return;
  wizard::setLine(editor_, target->line, value);
}
