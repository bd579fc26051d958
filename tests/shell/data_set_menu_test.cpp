// The data-set menu: what each kind of data set leaves usable, "Back To Menu", the buttons that
// open the editors, and the results panel.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/shell/shell_session.h"

using shelltest::covers;
using shelltest::enabledStates;
using shelltest::inMenuMode;
using shelltest::Session;

namespace {

// Button states in the order of shelltest::hubButtons: Command2, Command1, Command4, Command5,
// Command6, Command9, Command7, Command3, Command8.
const std::vector<bool> allEnabled(9, true);
const std::vector<bool> newGameStates = {true, true, true, true, true, false, false, true, true};
const std::vector<bool> savedGameStates = {true,  false, false, false, true,
                                           false, false, true,  true};

struct Kind {
  const char* what;
  // Opens this kind from the start window; the number makes each new scenario's name unique.
  std::function<void(Session&, int)> open;
  std::function<std::string(int)> dataSetDir;
  std::string heading;
  std::vector<bool> states;
};

const std::vector<Kind>& kinds() {
  static const std::vector<Kind> all = {
      {"new-game data", [](Session& s, int) { s.editor.form15.Command2.click(); },
       [](int) { return std::string("\\Data\\"); }, "Currently Editing: New Game Data",
       newGameStates},
      {"scenario", [](Session& s, int) { shelltest::openScenario(s.editor, "Old School"); },
       [](int) { return std::string("\\Scenarios\\Old School\\"); },
       "Currently Editing: Scenario Data", allEnabled},
      {"saved game", [](Session& s, int) { shelltest::openSavedGame(s.editor, "save1"); },
       [](int) { return std::string("\\save1\\"); }, "Currently Editing: Saved Game",
       savedGameStates},
      {"new scenario",
       [](Session& s, int n) {
         s.desktop.reply("Fresh " + std::to_string(n));
         s.editor.form15.Command4.click();
         s.editor.form19.Command4.click();
       },
       [](int n) { return "\\Scenarios\\Fresh " + std::to_string(n) + "\\"; },
       "Currently Editing: Scenario Data", allEnabled},
  };
  return all;
}

// A game folder with a complete scenario and a saved game.
void makeDataSets(Session& s) {
  for (const char* file : {"maindata.vl1", "venues.txt"})
    s.folder.writeBytes(std::string("Scenarios/Old School/") + file, "x\r\n");
  s.folder.makeFolder("save1");
  s.folder.writeBytes("save1.sav", "save1\r\n");
}

void expectHubFor(Session& s, const Kind& kind, int n) {
  Form14& hub = s.editor.form14;
  EXPECT_EQ(hub.Text1.text(), kind.dataSetDir(n));
  EXPECT_EQ(s.editor.dataSetDir(), kind.dataSetDir(n));
  EXPECT_EQ(hub.curredithead.caption(), kind.heading);
  EXPECT_EQ(enabledStates(hub), kind.states);
  EXPECT_TRUE(hub.visible());
  EXPECT_FALSE(s.editor.form15.visible());
}

TEST(DataSetMenuKinds, EachKindSetsItsButtonsAndBackToMenuResetsThemForTheNext) {
  for (const Kind& first : kinds()) {
    for (const Kind& second : kinds()) {
      SCOPED_TRACE(std::string(first.what) + ", then " + second.what);
      Session s;
      makeDataSets(s);
      s.startWithNewGameData();
      EXPECT_EQ(enabledStates(s.editor.form14), allEnabled);

      first.open(s, 1);
      expectHubFor(s, first, 1);

      // "Back To Menu" enables the buttons and leaves the heading and the data set alone.
      s.editor.form14.Command3.click();
      EXPECT_TRUE(s.editor.form15.visible());
      EXPECT_TRUE(inMenuMode(s.editor.form15));
      EXPECT_FALSE(s.editor.form14.visible());
      EXPECT_EQ(enabledStates(s.editor.form14), allEnabled);
      EXPECT_EQ(s.editor.form14.curredithead.caption(), first.heading);
      EXPECT_EQ(s.editor.dataSetDir(), first.dataSetDir(1));

      second.open(s, 2);
      expectHubFor(s, second, 2);
    }
  }
}

TEST(DataSetMenuKinds, DisabledButtonsOpenNothing) {
  Session s;
  makeDataSets(s);
  s.startWithNewGameData();
  shelltest::openSavedGame(s.editor, "save1");
  Form14& hub = s.editor.form14;

  for (ui::CommandButton* button :
       {&hub.Command1, &hub.Command4, &hub.Command5, &hub.Command9, &hub.Command7}) {
    button->click();
    EXPECT_TRUE(hub.visible()) << button->name();
  }
  EXPECT_FALSE(s.editor.form1.visible());
  EXPECT_FALSE(s.editor.form17.visible());
  EXPECT_FALSE(s.editor.form18.visible());
  EXPECT_FALSE(s.editor.form19.visible());
  EXPECT_TRUE(s.desktop.dialogs().empty());
}

TEST(DataSetMenuOpens, EditorButtonsShowTheirWindowAndHideTheHub) {
  struct Case {
    const char* what;
    ui::CommandButton Form14::*button;
    std::function<ui::Form&(Editor&)> window;
  };
  const Case cases[] = {
      {"promotions", &Form14::Command1, [](Editor& e) -> ui::Form& { return e.form1; }},
      {"wrestlers", &Form14::Command2, [](Editor& e) -> ui::Form& { return e.form12; }},
      {"start date", &Form14::Command4, [](Editor& e) -> ui::Form& { return e.form17; }},
      {"venues", &Form14::Command5, [](Editor& e) -> ui::Form& { return e.form18; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.startWithNewGameData();
    s.editor.form15.Command2.click();

    (s.editor.form14.*c.button).click();

    EXPECT_TRUE(c.window(s.editor).visible());
    EXPECT_FALSE(s.editor.form14.visible());
    EXPECT_EQ(s.editor.dataSetDir(), "\\Data\\");
    EXPECT_EQ(s.editor.form14.curredithead.caption(), "Currently Editing: New Game Data");
  }
}

TEST(DataSetMenuLayout, HeadingOnTopSevenEqualButtonsInAColumnBackToMenuAlongTheBottom) {
  Session s;
  Form14& hub = s.editor.form14;
  EXPECT_EQ(hub.caption(), "Vorlune 1.3 Duvazari Editor");
  EXPECT_EQ(hub.curredithead.left(), 0);
  EXPECT_EQ(hub.curredithead.width(), hub.width());
  EXPECT_EQ(hub.curredithead.caption(), "Currently Editing: New Game Data");

  const std::vector<ui::CommandButton*> column = {&hub.Command2, &hub.Command1, &hub.Command4,
                                                  &hub.Command5, &hub.Command6, &hub.Command9,
                                                  &hub.Command7};
  const char* captions[] = {"Edit The Wrestlers File", "Edit The Promotions Files",
                            "Edit The Start Date",     "Edit The Venues",
                            "Check All Dates",         "Edit The Scenario Info File",
                            "Check Scenario"};
  for (std::size_t i = 0; i < column.size(); ++i) {
    SCOPED_TRACE(column[i]->name());
    EXPECT_EQ(column[i]->caption(), captions[i]);
    EXPECT_EQ(column[i]->left(), column[0]->left());
    EXPECT_EQ(column[i]->width(), column[0]->width());
    EXPECT_EQ(column[i]->height(), column[0]->height());
    EXPECT_EQ(column[i]->left() * 2 + column[i]->width(), hub.width());
    const ui::Control& above =
        i == 0 ? static_cast<ui::Control&>(hub.curredithead) : *column[i - 1];
    EXPECT_GE(column[i]->top(), above.top() + above.height());
  }
  EXPECT_EQ(hub.Command3.caption(), "Back To Menu");
  EXPECT_GE(hub.Command3.top(), column.back()->top() + column.back()->height());
  EXPECT_LE(hub.Command3.top() + hub.Command3.height(), hub.height());
  EXPECT_GT(hub.Command3.width(), column[0]->width());

  // The hidden variables and the panel, as they are before any check.
  EXPECT_EQ(hub.Text1.text(), "directory to edit");
  EXPECT_EQ(hub.Text2.text(), "Start year");
  for (const ui::Control* hidden :
       {static_cast<const ui::Control*>(&hub.Text1), static_cast<const ui::Control*>(&hub.Text2),
        static_cast<const ui::Control*>(&hub.List1), static_cast<const ui::Control*>(&hub.File1),
        static_cast<const ui::Control*>(&hub.Label1), static_cast<const ui::Control*>(&hub.Text3),
        static_cast<const ui::Control*>(&hub.Command8)})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  EXPECT_EQ(hub.Label1.caption(), "Results Of The Date Check");
  EXPECT_GE(hub.Text3.left(), hub.width());  // kept off to the side
  EXPECT_TRUE(hub.Text3.multiLine());
  EXPECT_TRUE(hub.Text3.locked());
  EXPECT_TRUE(hub.Text3.verticalScrollBar());
}

TEST(DataSetMenuResults, ThePanelCoversTheColumnAndOkBringsBackTheHiddenButtons) {
  // For new-game data and saved games "Edit The Scenario Info File" comes back still disabled.
  for (const Kind& kind : kinds()) {
    SCOPED_TRACE(kind.what);
    Session s;
    makeDataSets(s);
    s.startWithNewGameData();
    kind.open(s, 1);
    Form14& hub = s.editor.form14;
    const std::size_t dialogsBefore = s.desktop.dialogs().size();

    // What a check does: heading, report, then the panel.
    hub.Label1.setCaption("Results Of The Scenario Check");
    hub.Text3.setText("first line\r\nsecond line");
    hub.showresults();

    EXPECT_TRUE(hub.Text3.visible());
    EXPECT_TRUE(hub.Label1.visible());
    EXPECT_TRUE(hub.Command8.visible());
    EXPECT_FALSE(hub.Command3.visible());
    EXPECT_FALSE(hub.Command9.visible());
    for (const ui::CommandButton* button :
         {&hub.Command2, &hub.Command1, &hub.Command4, &hub.Command5, &hub.Command6, &hub.Command7})
      EXPECT_TRUE(covers(hub.Text3, *button)) << button->name() << " is not covered";
    EXPECT_LE(hub.Label1.top() + hub.Label1.height(), hub.Text3.top());
    EXPECT_GE(hub.Command8.top(), hub.Text3.top() + hub.Text3.height());
    EXPECT_EQ(hub.Command8.left(), hub.Text3.left());
    EXPECT_EQ(hub.Command8.width(), hub.Text3.width());
    EXPECT_LE(hub.Command8.top() + hub.Command8.height(), hub.height());
    EXPECT_EQ(hub.Text3.left() * 2 + hub.Text3.width(), hub.width());

    hub.Command8.click();

    EXPECT_FALSE(hub.Text3.visible());
    EXPECT_FALSE(hub.Label1.visible());
    EXPECT_FALSE(hub.Command8.visible());
    EXPECT_TRUE(hub.Command3.visible());
    EXPECT_TRUE(hub.Command9.visible());
    EXPECT_EQ(enabledStates(hub), kind.states);
    EXPECT_EQ(hub.Text3.text(), "first line\r\nsecond line");
    EXPECT_EQ(hub.Label1.caption(), "Results Of The Scenario Check");
    EXPECT_TRUE(hub.visible());
    EXPECT_EQ(s.desktop.dialogs().size(), dialogsBefore);
  }
}

}  // namespace
