#include "shell/scenario_info_window.h"

#include <algorithm>
#include <vector>

#include "app/editor.h"
#include "common/line_file.h"
#include "common/paths.h"
#include "ui/styles.h"

Form19::Form19(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 480);

  curredithead.place(0, 12, 640, 32);
  curredithead.setCaption("Scenario Information File");
  curredithead.setFontSize(12);
  Label5.place(220, 52, 200, 22);
  Label5.setCaption("Click an item to edit");

  Label2.place(30, 96, 170, 30);
  Label2.setCaption("Title Of Scenario");
  scenarioname.place(210, 96, 400, 30);
  Label1.place(30, 146, 580, 26);
  Label1.setCaption("Scenario Description");
  scenariodesc.place(30, 176, 580, 150);
  scenariodesc.setWordWrap(true);
  Label4.place(30, 346, 170, 30);
  Label4.setCaption("Your Name");
  scenariocreator.place(210, 346, 400, 30);

  // Headings and captions: white bold text on navy; the three texts: black bold, centred, on
  // bordered white boxes.
  for (ui::Label* heading : {&curredithead, &Label5, &Label2, &Label1, &Label4})
    ui::styleHeading(*heading);
  for (ui::Label* value : {&scenarioname, &scenariodesc, &scenariocreator}) ui::styleValue(*value);

  Command4.place(40, 420, 560, 40);
  Command4.setCaption("OK");
  Command4.setBold(true);

  scenarioname.onClick = [this] { scenarioname_Click(); };
  scenariodesc.onClick = [this] { scenariodesc_Click(); };
  scenariocreator.onClick = [this] { scenariocreator_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
}

void Form19::stampFile() { fileStamp_ = common::stampOf(editor_.dataFile("scenario.txt")); }

void Form19::load() {
  const std::string path = editor_.dataFile("scenario.txt");
  // Taken before the read: a change made while it is read is then seen as a change.
  const common::FileStamp stamp = common::stampOf(path);
  if (!common::isFile(path)) {
    if (!ui::askYesNo(editor_.desktop,
                      "There is no scenario.txt file for this scenario, would you like to create "
                      "one?"))
      return;
    scenarioname.setCaption("Enter a title here.");
    scenariodesc.setCaption("Enter a description here.");
    scenariocreator.setCaption("Enter your name here.");
  } else {
    std::vector<std::string> lines;
    const common::IoStatus read = common::readFirstLines(path, 3, lines);
    if (!read) {
      ui::say(editor_.desktop, "The scenario.txt file could not be read.\r\n\r\n" + read.error,
              ui::Icon::Exclamation);
      return;
    }
    // A shorter file leaves the missing texts empty; nothing is written before "OK".
    lines.resize(3);
    scenarioname.setCaption(lines[0]);
    scenariodesc.setCaption(lines[1]);
    scenariocreator.setCaption(lines[2]);
  }
  fileStamp_ = stamp;
  show();
  editor_.form14.hide();
}

void Form19::edittext(ui::Label& value, const std::string& title, const std::string& text) {
  // Each text is one line of scenario.txt, so only the answer's first line is taken.
  std::string answer = ui::ask(editor_.desktop, text, title, value.caption());
  answer.erase(std::min(answer.find_first_of("\r\n"), answer.size()));
  if (!answer.empty()) value.setCaption(answer);
}

void Form19::scenarioname_Click() {
  edittext(scenarioname, "Scenario Name",
           "Please enter the name of this scenario, eg. 'KGU vs DRX 1995'.");
}

void Form19::scenariodesc_Click() {
  edittext(scenariodesc, "Scenario Description",
           "Please enter a short description of this scenario.");
}

void Form19::scenariocreator_Click() {
  edittext(scenariocreator, "Scenario Creator",
           "Please enter your name, which will show as a credit in the game.");
}

std::optional<ui::UnsavedWork> Form19::unsavedWork() {
  if (!visible()) return std::nullopt;
  std::vector<std::string> lines;
  if (common::readFirstLines(editor_.dataFile("scenario.txt"), 3, lines)) {
    lines.resize(3);
    if (lines[0] == scenarioname.caption() && lines[1] == scenariodesc.caption() &&
        lines[2] == scenariocreator.caption())
      return std::nullopt;
  }
  return ui::UnsavedWork{"The scenario information", [this] {
                           Command4_Click();
                           return !visible();  // saved texts have gone back to the hub
                         }};
}

void Form19::Command4_Click() {
  const std::string path = editor_.dataFile("scenario.txt");
  // On failure the texts stay in the window, so nothing typed is lost.
  if (!ui::saveFile(editor_.desktop, path, fileStamp_,
                    [&](common::WriteMode mode, common::FileStamp* written) {
                      return common::writeLines(path,
                                                {scenarioname.caption(), scenariodesc.caption(),
                                                 scenariocreator.caption()},
                                                mode, written);
                    },
                    {"The scenario.txt file could not be saved.", ui::Icon::Exclamation, ""}))
    return;
  editor_.form14.show();
  hide();
}
