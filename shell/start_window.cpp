#include "shell/start_window.h"

#include <initializer_list>
#include <vector>

#include "app/editor.h"
#include "common/line_file.h"
#include "common/paths.h"
#include "common/wildcard.h"
#include "ui/styles.h"

namespace {

const std::string scenarioTitle = "Choose a Scenario to Edit";
const std::string savedGameTitle = "Choose a Saved Game to Edit";
const std::string duplicateMessage =
    "There is already a scenario in your Scenarios folder with that name.";

}  // namespace

Form15::Form15(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("start");
  setSize(640, 480);

  // The five menu buttons, one column in the lower middle of the window.
  ui::CommandButton* menu[] = {&Command2, &Command1, &Command4, &Command5, &Command3};
  const char* captions[] = {"Edit Data For New Games", "Edit a Scenario", "Create a Scenario",
                            "Edit a Saved Game", "Exit"};
  for (int i = 0; i < 5; ++i) {
    menu[i]->setCaption(captions[i]);
    menu[i]->setBold(true);
    menu[i]->place(200, 220 + i * 48, 240, 38);
  }

  // The chooser takes the column's place: title, list, then "OK" and "Cancel" side by side.
  Label2.place(170, 200, 300, 28);
  ui::styleHeading(Label2);
  Label2.setCaption(scenarioTitle);
  List1.place(170, 232, 300, 176);
  List1.setBackColor(ui::white);
  Command6.place(170, 418, 145, 36);
  Command6.setCaption("OK");
  Command6.setBold(true);
  Command7.place(325, 418, 145, 36);
  Command7.setCaption("Cancel");
  Command7.setBold(true);
  menumode();

  Dir1.place(0, 0, 120, 90);
  Dir1.setVisible(false);
  File1.place(0, 0, 120, 90);
  File1.setVisible(false);

  Command2.onClick = [this] { Command2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
}

bool Form15::hassubfolder(const std::string& folder, const std::string& pattern) {
  Dir1.setPath(folder);
  const common::Pattern compiled(pattern);
  for (int i = 0; i < Dir1.listCount(); ++i)
    if (compiled.matches(Dir1.list(i))) return true;
  return false;
}

void Form15::Form_Load() {
  // The editor works on the game's folder: it must hold the Data folder, named exactly so.
  if (!hassubfolder(common::workingFolder(), "*\\Data")) {
    ui::say(editor_.desktop,
            "This editor must be kept in the same folder as the Vorlune 1.3 exe file (not in the "
            "Data folder).\r\n\r\nPlease move the editor, then reopen the editor.",
            ui::Icon::Exclamation);
    editor_.endProgram();
  }
}

void Form15::menumode() { showmenu(true); }

void Form15::choosermode(const std::string& title) {
  Label2.setCaption(title);
  showmenu(false);
}

void Form15::showmenu(bool menu) {
  for (ui::CommandButton* button : {&Command2, &Command1, &Command4, &Command5, &Command3})
    button->setVisible(menu);
  for (ui::Control* chooser :
       std::initializer_list<ui::Control*>{&Label2, &List1, &Command6, &Command7})
    chooser->setVisible(!menu);
}

void Form15::Command2_Click() {
  Form14& hub = editor_.form14;
  hub.curredithead.setCaption("Currently Editing: New Game Data");
  hub.Text1.setText("\\Data\\");
  hub.Command7.setEnabled(false);
  hub.Command9.setEnabled(false);
  hub.show();
  hide();
}

bool Form15::makescenariosfolder() {
  const std::string workingFolder = common::workingFolder();
  // Found ignoring letter case, as on the game's platform: "scenarios" is the Scenarios folder.
  if (common::isFolder(workingFolder + "\\Scenarios")) return true;
  const common::IoStatus made = common::makeFolder(workingFolder + "\\Scenarios");
  if (!made) {
    ui::say(editor_.desktop, "The editor could not make the Scenarios folder.\r\n\r\n" + made.error,
            ui::Icon::Exclamation);
  }
  return made.ok;
}

void Form15::Command1_Click() {
  if (!makescenariosfolder()) return;
  List1.clear();
  const std::string prefix = common::workingFolder() + "\\Scenarios\\";
  Dir1.setPath(prefix);
  for (int i = 0; i < Dir1.listCount(); ++i) List1.addItem(Dir1.list(i).substr(prefix.size()));
  choosermode(scenarioTitle);
  ui::tellReadError(editor_.desktop, Dir1.readError());
}

void Form15::Command5_Click() {
  const std::string workingFolder = common::workingFolder();
  File1.setPath(workingFolder);
  File1.setPattern("*.sav");
  File1.refresh();
  List1.clear();
  for (int i = 0; i < File1.listCount(); ++i) {
    // A file without a first line gives an empty entry, which the chooser's "OK" refuses.
    std::vector<std::string> lines;
    (void)common::readFirstLines(workingFolder + "\\" + File1.list(i), 1, lines);
    // A name no folder on the game's platform could have is not offered at all.
    if (!lines.empty() && !lines[0].empty() && !common::isPortableName(lines[0])) continue;
    List1.addItem(lines.empty() ? "" : lines[0]);
  }
  choosermode(savedGameTitle);
  ui::tellReadError(editor_.desktop, File1.readError());
}

void Form15::Command6_Click() {
  if (List1.listIndex() < 0) {
    ui::say(editor_.desktop, "Nothing is selected!");
  } else if (Label2.caption() == scenarioTitle) {
    openscenario(List1.text());
  } else if (Label2.caption() == savedGameTitle) {
    opensavedgame(List1.text());
  }
  menumode();
}

void Form15::Command7_Click() { menumode(); }

void Form15::Command3_Click() { editor_.endProgram(); }

void Form15::repairscenario(const std::string& fileName, const std::string& copiedMessage) {
  const std::string target = editor_.dataFile(fileName);
  if (common::isFile(target)) return;
  const common::IoStatus copied =
      common::copyFile(common::dataFilePath("\\Data\\", fileName), target);
  if (copied) {
    ui::say(editor_.desktop, copiedMessage, ui::Icon::Information);
  } else {
    ui::say(editor_.desktop,
            "This scenario is missing the " + fileName +
                " file, and the editor could not copy the new game " + fileName +
                " file into this scenario's folder.\r\n\r\n" + copied.error,
            ui::Icon::Exclamation);
  }
}

void Form15::openscenario(const std::string& name) {
  Form14& hub = editor_.form14;
  hub.Text1.setText("\\Scenarios\\" + name + "\\");
  hub.curredithead.setCaption("Currently Editing: Scenario Data");
  hub.Command7.setEnabled(true);
  hub.Command9.setEnabled(true);
  repairscenario("maindata.vl1",
                 "This scenario was missing the maindata.vl1 file. The editor has now copied the "
                 "new game maindata.vl1 file into this scenario's folder. Don't forget to update "
                 "the start date of the scenario!");
  repairscenario("venues.txt",
                 "This scenario was missing the venues.txt file. The editor has now copied the new "
                 "game venues file into this scenario's folder.");
  hub.show();
  hide();
}

void Form15::opensavedgame(const std::string& folder) {
  // The game names the saved game's folder on the .sav file's first line; anything else than the
  // bare name of an existing folder in the game folder is refused.
  std::string problem;
  if (folder.empty()) {
    problem =
        "This saved game's .sav file has no folder name on its first line, so the saved game "
        "can't be opened.";
  } else if (!common::checkNewName(folder).empty()) {
    problem = "The first line of this saved game's .sav file, \"" + folder +
              "\", is not the name of a folder, so the saved game can't be opened.";
  } else if (!common::isFolder(common::workingFolder() + "\\" + folder)) {
    problem = "There is no saved game folder named \"" + folder +
              "\" in the game folder, so the saved game can't be opened.";
  }
  if (!problem.empty()) {
    ui::say(editor_.desktop, problem, ui::Icon::Exclamation);
    return;
  }
  Form14& hub = editor_.form14;
  hub.Text1.setText("\\" + folder + "\\");
  hub.curredithead.setCaption("Currently Editing: Saved Game");
  for (ui::CommandButton* button :
       {&hub.Command1, &hub.Command4, &hub.Command5, &hub.Command7, &hub.Command9})
    button->setEnabled(false);
  hub.show();
  hide();
}

void Form15::Command4_Click() {
  ui::Desktop& desktop = editor_.desktop;

  // Every new scenario starts with the new-game maindata.vl1 and venues.txt.
  for (const std::string fileName : {"maindata.vl1", "venues.txt"}) {
    if (!common::isFile(common::dataFilePath("\\Data\\", fileName))) {
      ui::say(desktop,
              "A scenario can't be created: the Data folder has no " + fileName +
                  " file.\r\n\r\nEvery new scenario starts with copies of the new game "
                  "maindata.vl1 and venues.txt files.",
              ui::Icon::Exclamation);
      return;
    }
  }
  if (!makescenariosfolder()) return;

  const std::string scenarios = common::workingFolder() + "\\Scenarios\\";
  for (;;) {
    const std::string name = ui::ask(desktop, "Please enter a name for this scenario.",
                                     "Scenario Name", "KGU vs DRX 1995");
    if (name.empty()) return;

    // The name is taken when anything of that very name, ignoring letter case, is there.
    const std::string reason = common::checkNewName(name);
    if (reason.empty() && common::exists(scenarios + name)) {
      ui::say(desktop, duplicateMessage, ui::Icon::Exclamation);
      continue;
    }
    if (!reason.empty()) {
      ui::say(desktop,
              "That name can't be used as the name of a scenario's folder.\r\n\r\n" + reason,
              ui::Icon::Exclamation);
      continue;
    }
    // The folder is made only where nothing is, so an existing folder is never written into,
    // also one that appeared meanwhile.
    const std::string folder = scenarios + name;
    if (const common::IoStatus made = common::makeFolder(folder); !made) {
      ui::say(desktop,
              common::exists(folder)
                  ? duplicateMessage
                  : "The editor could not make the folder for this scenario.\r\n\r\n" + made.error,
              ui::Icon::Exclamation);
      continue;
    }
    createscenario(name);
    return;
  }
}

void Form15::createscenario(const std::string& name) {
  const std::string dataSetDir = "\\Scenarios\\" + name + "\\";
  const std::string description = "Enter a description here.";
  const std::string creator = "Enter your name here.";

  // The first files of the new folder, in order; should one fail, everything this action put in
  // the folder is removed again, and the folder with it.
  std::vector<std::string> written;
  common::IoStatus status;
  auto step = [&](const std::string& fileName, auto make) {
    if (!status) return;
    const std::string target = common::dataFilePath(dataSetDir, fileName);
    status = make(target);
    written.push_back(target);
  };
  step("maindata.vl1", [](const std::string& target) {
    return common::copyFile(common::dataFilePath("\\Data\\", "maindata.vl1"), target);
  });
  step("venues.txt", [](const std::string& target) {
    return common::copyFile(common::dataFilePath("\\Data\\", "venues.txt"), target);
  });
  step("scenario.txt", [&](const std::string& target) {
    return common::writeLines(target, {name, description, creator});
  });
  step("wrestlers.vl1", [](const std::string& target) { return common::writeLines(target, {}); });

  if (!status) {
    for (auto file = written.rbegin(); file != written.rend(); ++file)
      if (common::exists(*file)) (void)common::removeFile(*file);
    std::string message = "The scenario could not be created.\r\n\r\n" + status.error;
    const std::string folder = common::workingFolder() + "\\Scenarios\\" + name;
    if (!common::removeEmptyFolder(folder))
      message += "\r\n\r\nThe folder " + folder + " could not be removed again.";
    ui::say(editor_.desktop, message, ui::Icon::Exclamation);
    return;
  }

  Form14& hub = editor_.form14;
  hub.Text1.setText(dataSetDir);
  hub.curredithead.setCaption("Currently Editing: Scenario Data");

  Form19& info = editor_.form19;
  info.scenarioname.setCaption(name);
  info.scenariodesc.setCaption(description);
  info.scenariocreator.setCaption(creator);
  info.stampFile();

  ui::say(editor_.desktop,
          "Please enter some information about this scenario.\r\n\r\nWhen you have done that, you "
          "will be taken to the main editing menu, where you can add wrestlers and promotions to "
          "this scenario, and change the start date.",
          ui::Icon::Information);
  info.show();
  hide();
}
