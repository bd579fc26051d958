#include "promotion/promotions_menu.h"

#include "app/editor.h"
#include "common/paths.h"
#include "common/wildcard.h"
#include "promotion/page_fill.h"
#include "promotion/promotion_file.h"
#include "ui/styles.h"

void placeHeading(ui::Label& heading, const std::string& text) {
  heading.setCaption(text);
  heading.place(0, 8, 640, 32);
  ui::styleHeading(heading);
  heading.setFontSize(14);
}

Form1::Form1(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 480);

  placeHeading(Label1, "Editing Promotions");

  ui::CommandButton* menu[] = {&Command2, &Command1, &Command3, &Command4};
  const char* captions[] = {"Create a New Promotion", "Edit an Existing Promotion",
                            "Delete a Promotion", "Back"};
  for (int i = 0; i < 4; ++i) {
    menu[i]->setCaption(captions[i]);
    menu[i]->setBold(true);
    menu[i]->place(190, 60 + i * 46, 260, 38);
  }

  // The note, framed, below the menu.
  Shape1.place(60, 260, 520, 196);
  Shape1.setForeColor(ui::white);
  Shape1.setBackColor(ui::navy);
  ui::styleCaption(Label2, "About Creating Promotions", 72, 270, 496, 24);
  Label2.setAlignment(ui::Align::Center);
  Label3.setCaption(
      "Each promotion in Vorlune 1.3 has its own .fed file. If you download a new .fed file, "
      "putting it into your Data folder in the Vorlune folder will automatically add it to the "
      "next new game. You can have up to 10 promotions involved in a Vorlune game, not including "
      "a new indy.");
  Label3.place(80, 302, 480, 140);
  Label3.setForeColor(ui::white);
  Label3.setWordWrap(true);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
}

void Form1::Command1_Click() {
  editor_.form2.setmode(false);
  editor_.form2.show();
  hide();
}

void Form1::Command2_Click() {
  ui::Desktop& desktop = editor_.desktop;
  for (;;) {
    const std::string name =
        ui::ask(desktop, "Please enter a filename for this new promotion.", "Filename", "vlf.fed");
    if (name.empty()) return;

    // Both checks run, so one name can get both messages.
    bool accepted = true;
    if (common::exists(editor_.dataFile(name))) {
      ui::say(desktop,
              "There is already a file in this directory with that name. Please choose a "
              "different name.",
              ui::Icon::None, "File Already Exists");
      accepted = false;
    }
    if (!common::wildcardMatch(name, promotion_file::pattern)) {
      ui::say(desktop, "The filename must end in .fed.", ui::Icon::None, "Filename Invalid");
      accepted = false;
    }
    // A name that passes both but is not one bare file name the promotion can be saved under.
    if (accepted) {
      if (const std::string reason = promotion_file::checkFileName(name); !reason.empty()) {
        ui::say(desktop,
                "That name can't be used as the name of a promotion file.\r\n\r\n" + reason,
                ui::Icon::None, "Filename Invalid");
        accepted = false;
      }
    }
    if (accepted) {
      // The file is written only when the new promotion is saved.
      editor_.form2.startediting(name, editor_.form2.List2.items(), FillPath::Create, *this);
      return;
    }
  }
}

void Form1::Command3_Click() {
  editor_.form2.setmode(true);
  editor_.form2.show();
  hide();
}

void Form1::Command4_Click() {
  editor_.form14.show();
  hide();
}
