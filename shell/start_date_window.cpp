#include "shell/start_date_window.h"

#include <vector>

#include "app/editor.h"
#include "common/dates.h"
#include "common/line_file.h"
#include "shell/main_data.h"
#include "ui/styles.h"

Form17::Form17(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(480, 330);

  Label2.setCaption("Please choose the date new games will begin at.");
  Label2.place(20, 16, 440, 30);
  ui::styleHeading(Label2);
  Label2.setFontSize(11);

  // Four columns: weekday, day number, month, and the year with its two arrows.
  Label3.setCaption("Day");
  Label3.place(20, 76, 130, 22);
  Label4.setCaption("Number");
  Label4.place(160, 76, 60, 22);
  Label5.setCaption("Month");
  Label5.place(230, 76, 130, 22);
  Label6.setCaption("Year");
  Label6.place(370, 76, 90, 22);
  for (ui::Label* heading : {&Label3, &Label4, &Label5, &Label6}) ui::styleHeading(*heading);

  for (const std::string& name : common::weekdayNames) Combo1.addItem(name);
  Combo1.place(20, 104, 130, 24);
  for (const std::string& day : main_data::dayNumbers()) Combo2.addItem(day);
  Combo2.place(160, 104, 60, 24);
  for (const std::string& name : common::monthNames) Combo3.addItem(name);
  Combo3.place(230, 104, 130, 24);

  year.setCaption(std::to_string(main_data::firstYear));
  year.place(370, 104, 56, 24);
  ui::styleValue(year);

  // Just its two arrows, right of the year.
  HScroll1.place(426, 104, 34, 24);
  HScroll1.setRange(main_data::firstYear, main_data::lastYear);
  HScroll1.setSteps(1, 1);
  HScroll1.setValue(main_data::firstYear);

  Command1.setCaption("Confirm Start Date");
  Command1.place(20, 152, 440, 40);
  Command2.setCaption("Back To Menu");
  Command2.place(20, 270, 440, 40);
  Command1.setBold(true);
  Command2.setBold(true);

  List1.place(20, 200, 120, 60);
  List1.setVisible(false);

  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll1.onScroll = [this] { HScroll1_Scroll(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Form17::load() {
  // Everything is checked before the window changes, so a refused file leaves no trace.
  std::vector<std::string> lines;
  common::ReadInfo read;
  const std::string path = editor_.dataFile(main_data::fileName);
  if (common::IoStatus status = main_data::readStartDateFile(path, lines, &read); !status) {
    ui::say(editor_.desktop, "The start date can't be edited.\r\n\r\n" + status.error,
            ui::Icon::Exclamation);
    return;
  }
  List1.clear();
  for (std::string& line : lines) List1.addItem(std::move(line));

  Combo1.setText(List1.list(main_data::weekdayLine));
  Combo2.setText(List1.list(main_data::dayLine));
  Combo3.setText(List1.list(main_data::monthLine));
  year.setCaption(List1.list(main_data::yearLine));
  HScroll1.setValue(std::stoi(List1.list(main_data::yearLine)));

  Label2.setCaption("Please choose the start date for this game / scenario.");
  fileStamp_ = read.stamp;
  show();
  editor_.form14.hide();
  ui::tellMixedLineEnds(editor_.desktop, path, read);
}

void Form17::HScroll1_Change() { showYear(); }

void Form17::HScroll1_Scroll() { showYear(); }

void Form17::showYear() { year.setCaption(std::to_string(HScroll1.value())); }

void Form17::validateStartDate() {
  ui::BusyPointer busy(Command1);

  // The walk holds the weekday and the month as numbers.
  common::WalkDate day{"7", "1", "1", "1950", common::HeldAs::Number, common::HeldAs::Number};
  const std::string pickWeekday = std::to_string(common::weekdayNumber(Combo1.text()));
  const std::string pickMonth = std::to_string(common::monthNumber(Combo3.text()));
  const common::WalkDate chosen{pickWeekday,    Combo2.text(),          pickMonth,
                                year.caption(), common::HeldAs::Number, common::HeldAs::Number};

  // Every day of the range is compared; a match does not end the walk.
  dateFound = "no";
  while (day.year != "2051") {
    if (day.sameDay(chosen)) dateFound = "yes";
    common::advanceOneDay(day);
  }
}

void Form17::Command1_Click() {
  validateStartDate();
  if (dateFound != "yes") {
    ui::say(editor_.desktop,
            "Your start date has been checked and it is not a valid date. Please choose a "
            "real-life date.",
            ui::Icon::Exclamation);
    return;
  }

  // The list keeps the file's lines until the write succeeds, so a failed save leaves the window
  // as it was and "Back To Menu" still sees the change.
  std::vector<std::string> lines = List1.items();
  lines[main_data::weekdayLine] = Combo1.text();
  lines[main_data::dayLine] = Combo2.text();
  lines[main_data::monthLine] = Combo3.text();
  lines[main_data::yearLine] = year.caption();
  const std::string path = editor_.dataFile(main_data::fileName);
  if (!ui::saveFile(editor_.desktop, path, fileStamp_,
                    [&](common::WriteMode mode, common::FileStamp* written) {
                      return common::writeLines(path, lines, mode, written);
                    },
                    {"The start date could not be saved.", ui::Icon::Critical, ""}))
    return;
  ui::say(editor_.desktop, "Start Date Saved OK!");
  List1.clear();
  backToHub();
}

void Form17::Command2_Click() {
  if (!dateChanged() ||
      !ui::askYesNo(editor_.desktop,
                    "Going back to the menu will lose the changes you made.\r\n\r\n"
                    "Save changes before you go?")) {
    backToHub();
    return;
  }
  // Saves and goes back when the date is real; otherwise the refusal has been shown and the
  // window stays.
  Command1_Click();
}

bool Form17::dateChanged() const {
  return List1.list(main_data::weekdayLine) != Combo1.text() ||
         List1.list(main_data::dayLine) != Combo2.text() ||
         List1.list(main_data::monthLine) != Combo3.text() ||
         List1.list(main_data::yearLine) != year.caption();
}

std::optional<ui::UnsavedWork> Form17::unsavedWork() {
  if (!visible() || !dateChanged()) return std::nullopt;
  return ui::UnsavedWork{"The start date", [this] {
                           Command1_Click();
                           return !visible();  // a saved date has gone back to the hub
                         }};
}

void Form17::backToHub() {
  editor_.form14.show();
  hide();
}
