// The editor as a whole: its 19 windows, start-up, and what the close boxes do.

#include "app/editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace {

std::vector<ui::Form*> allWindows(Editor& e) {
  return {&e.form1,  &e.form2,  &e.form3,  &e.form4,  &e.form5,  &e.form6,  &e.form7,
          &e.form8,  &e.form9,  &e.form10, &e.form11, &e.form12, &e.form13, &e.form14,
          &e.form15, &e.form16, &e.form17, &e.form18, &e.form19};
}

TEST(Editor, MakesEveryWindowHiddenWithItsCaption) {
  ScriptedDesktop desktop;
  Editor editor(desktop);
  for (ui::Form* window : allWindows(editor)) {
    EXPECT_FALSE(window->visible()) << window->caption();
    if (window == &editor.form9) {
      EXPECT_EQ(window->caption(), "Date Calculator");
    } else if (window == &editor.form16) {
      EXPECT_EQ(window->caption(), "Select An Image File");
    } else {
      EXPECT_EQ(window->caption(), "Vorlune 1.3 Duvazari Editor");
    }
  }
}

TEST(Editor, StartShowsOnlyTheStartWindowAndExitEndsTheProgram) {
  GameFolder game;
  ScriptedDesktop desktop;
  Editor editor(desktop);
  editor.start();
  for (ui::Form* window : allWindows(editor))
    EXPECT_EQ(window->visible(), window == &editor.form15) << window->caption();
  EXPECT_TRUE(desktop.dialogs().empty());

  editor.form15.Command3.click();
  EXPECT_TRUE(desktop.programEnded());
  EXPECT_TRUE(editor.ended());
}

TEST(Editor, StartOutsideAGameFolderShowsNothing) {
  GameFolder game(GameFolder::Layout::Empty);
  ScriptedDesktop desktop;
  Editor editor(desktop);
  editor.start();
  EXPECT_TRUE(desktop.programEnded());
  for (ui::Form* window : allWindows(editor)) EXPECT_FALSE(window->visible());
}

TEST(Editor, CloseBoxOfAMainWindowEndsTheProgramAndOfAPopUpHidesIt) {
  GameFolder game;
  ScriptedDesktop desktop;
  Editor editor(desktop);
  editor.start();

  for (ui::Form* popUp : std::vector<ui::Form*>{&editor.form9, &editor.form16}) {
    popUp->show();
    popUp->closeBox();
    EXPECT_FALSE(popUp->visible());
    EXPECT_FALSE(desktop.programEnded());
  }

  editor.form15.closeBox();
  EXPECT_TRUE(desktop.programEnded());
}

TEST(Editor, DataFilesLieInTheChosenDataSet) {
  GameFolder game;
  ScriptedDesktop desktop;
  Editor editor(desktop);
  editor.start();
  editor.form15.Command2.click();  // "Edit Data For New Games"
  EXPECT_EQ(editor.dataSetDir(), "\\Data\\");
  EXPECT_EQ(editor.dataFile("maindata.vl1"), game.pathText("\\Data\\maindata.vl1"));
}

}  // namespace
