#include "shell/data_set_menu.h"

#include "app/editor.h"
#include "shell/data_set_checks.h"
#include "ui/styles.h"

namespace {

// The button column in the middle of the window, and the report that covers it.
constexpr int columnLeft = 180, columnTop = 72, buttonWidth = 280, buttonHeight = 36,
              buttonStep = 44;
constexpr int reportLeft = 120, reportTop = 68, reportWidth = 400, reportHeight = 312;

}  // namespace

Form14::Form14(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 480);

  curredithead.place(0, 8, 640, 32);
  curredithead.setCaption("Currently Editing: New Game Data");
  ui::styleHeading(curredithead);
  curredithead.setFontSize(12);

  ui::CommandButton* column[] = {&Command2, &Command1, &Command4, &Command5,
                                 &Command6, &Command9, &Command7};
  const char* captions[] = {"Edit The Wrestlers File", "Edit The Promotions Files",
                            "Edit The Start Date",     "Edit The Venues",
                            "Check All Dates",         "Edit The Scenario Info File",
                            "Check Scenario"};
  for (int i = 0; i < 7; ++i) {
    column[i]->setCaption(captions[i]);
    column[i]->setBold(true);
    column[i]->place(columnLeft, columnTop + i * buttonStep, buttonWidth, buttonHeight);
  }
  Command3.setCaption("Back To Menu");
  Command3.setBold(true);
  Command3.place(40, 424, 560, 40);

  // The results panel, hidden until a check has run; the report waits off to the side.
  Label1.place(reportLeft, 44, reportWidth, 24);
  Label1.setCaption("Results Of The Date Check");
  ui::styleHeading(Label1);
  Text3.place(660, reportTop, reportWidth, reportHeight);
  Text3.setMultiLine(true);
  Text3.setLocked(true);
  Text3.setVerticalScrollBar(true);
  Text3.setBackColor(ui::white);
  Text3.setForeColor(ui::black);
  Text3.setBold(true);
  Command8.place(reportLeft, reportTop + reportHeight + 6, reportWidth, 34);
  Command8.setCaption("OK");
  Command8.setBold(true);
  Label1.setVisible(false);
  Text3.setVisible(false);
  Command8.setVisible(false);

  Text1.place(0, 0, 100, 20);
  Text1.setText("directory to edit");
  Text1.setVisible(false);
  Text2.place(0, 24, 100, 20);
  Text2.setText("Start year");
  Text2.setVisible(false);
  List1.place(0, 48, 100, 60);
  List1.setVisible(false);
  File1.place(0, 112, 100, 60);
  File1.setVisible(false);

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command9.onClick = [this] { Command9_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

void Form14::Command1_Click() {
  editor_.form1.show();
  hide();
}

void Form14::Command2_Click() { editor_.form12.load(); }

void Form14::Command4_Click() { editor_.form17.load(); }

void Form14::Command5_Click() { editor_.form18.load(); }

void Form14::Command6_Click() { data_set_checks::checkAllDates(*this); }

void Form14::Command9_Click() { editor_.form19.load(); }

void Form14::Command7_Click() { data_set_checks::checkScenario(*this); }

void Form14::showresults() {
  Text3.place(reportLeft, reportTop, reportWidth, reportHeight);
  Text3.setVisible(true);
  Label1.setVisible(true);
  Command8.setVisible(true);
  Command3.setVisible(false);
  Command9.setVisible(false);
}

void Form14::Command8_Click() {
  Text3.setVisible(false);
  Label1.setVisible(false);
  Command8.setVisible(false);
  Command3.setVisible(true);
  Command9.setVisible(true);
}

void Form14::Command3_Click() {
  for (ui::CommandButton* button :
       {&Command1, &Command2, &Command4, &Command5, &Command6, &Command7, &Command9})
    button->setEnabled(true);
  editor_.form15.show();
  hide();
}
