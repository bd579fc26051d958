#include "promotion/image_picker.h"

#include <optional>

#include "app/editor.h"
#include "common/dates.h"
#include "common/paths.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
#include "ui/styles.h"

namespace {

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
  if (key == promotionLogoKey) return LogoTarget{logoLine, LogoTarget::Promotion, 0};
  for (int show = 1; show <= showSlotCount; ++show)
    if (key == showLogoKey(show))
      return LogoTarget{showLine(show - 1, ShowField::logo), LogoTarget::Show, show};
  for (int month = 1; month <= monthCount; ++month)
    if (key == monthLogoKey(month))
      return LogoTarget{monthLine(month, MonthField::logo), LogoTarget::Month, month};
  return std::nullopt;
}

}  // namespace

std::string showLogoKey(int show) { return "Show " + std::to_string(show) + " Logo"; }

std::string monthLogoKey(int month) {
  return common::monthNames[static_cast<std::size_t>(month - 1)] + " Big Show Logo";
}

Form16::Form16(Editor& editor) : editor_(editor) {
  setCaption("Select An Image File");
  setBackdrop("");
  setSize(480, 336);

  Label2.setCaption("Select Promotion To Edit");
  Label2.place(16, 12, 448, 26);
  ui::styleHeading(Label2);
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
  Command2.setEnabled(key != promotionLogoKey);
  // Always the working folder's Images, whichever data set is edited; a missing or empty folder
  // lists nothing and previews nothing.
  File1.setPath(common::picturePath(""));
  Image1.setPicture(File1.listCount() > 0 ? common::picturePath(File1.list(0)) : "");
  show();
  ui::tellReadError(editor_.desktop, File1.readError());
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
  if (Label2.caption() != promotionLogoKey) store("NA");
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
  switch (target->kind) {
    case LogoTarget::Promotion:
      editor_.form3.promlogo.setCaption(value);
      break;
    case LogoTarget::Show: {
      Form4& page = editor_.form4;
      const ui::Label* shows[] = {&page.show1, &page.show2, &page.show3, &page.show4};
      if (wizard::isSelected(*shows[target->number - 1])) page.showlogo.setCaption(value);
      break;
    }
    case LogoTarget::Month: {
      Form6& page = editor_.form6;
      const ui::Label* months[] = {&page.month1, &page.month2,  &page.month3,  &page.month4,
                                   &page.month5, &page.month6,  &page.month7,  &page.month8,
                                   &page.month9, &page.month10, &page.month11, &page.month12};
      if (wizard::isSelected(*months[target->number - 1])) page.bigshowlogo.setCaption(value);
      break;
    }
  }
}
