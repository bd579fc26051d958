// The message-box helpers, the busy pointer, and the test kit's scripted desktop and game folder.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"
#include "ui/ui.h"

namespace {

TEST(ScriptedDesktop, RecordsEveryDialogAndAnswersInOrder) {
  ScriptedDesktop desktop;
  desktop.answerYes();
  desktop.reply("Old School");
  desktop.answerNo();
  desktop.reply("");

  ui::say(desktop, "Saved OK.");
  EXPECT_TRUE(ui::askYesNo(desktop, "Delete?", ui::Icon::Question, "Sure?"));
  EXPECT_EQ(ui::ask(desktop, "Name the scenario", "New Scenario", "My Scenario"), "Old School");
  ui::say(desktop, "Bad date", ui::Icon::Exclamation, "Error!");
  EXPECT_FALSE(ui::askYesNo(desktop, "Save changes before leaving?"));
  EXPECT_EQ(ui::ask(desktop, "Again", "T", "d"), "");
  EXPECT_EQ(desktop.unusedAnswers(), 0u);

  const auto& d = desktop.dialogs();
  ASSERT_EQ(d.size(), 6u);
  EXPECT_EQ(d[0].kind, Dialog::Kind::Message);
  EXPECT_EQ(d[0].text, "Saved OK.");
  EXPECT_EQ(d[0].title, "");
  EXPECT_EQ(d[0].icon, ui::Icon::None);
  EXPECT_EQ(d[0].buttons, ui::Buttons::Ok);
  EXPECT_EQ(d[1].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(d[1].icon, ui::Icon::Question);
  EXPECT_EQ(d[1].title, "Sure?");
  EXPECT_EQ(d[2].kind, Dialog::Kind::Prompt);
  EXPECT_EQ(d[2].text, "Name the scenario");
  EXPECT_EQ(d[2].title, "New Scenario");
  EXPECT_EQ(d[2].defaultAnswer, "My Scenario");
  EXPECT_EQ(d[3].icon, ui::Icon::Exclamation);
  EXPECT_EQ(d[3].title, "Error!");
  EXPECT_EQ(desktop.messageTexts(), (std::vector<std::string>{"Saved OK.", "Delete?", "Bad date",
                                                              "Save changes before leaving?"}));
  EXPECT_EQ(desktop.last().text, "Again");

  desktop.forget();
  EXPECT_TRUE(desktop.dialogs().empty());
  EXPECT_FALSE(desktop.programEnded());
  desktop.endProgram();
  EXPECT_TRUE(desktop.programEnded());
}

TEST(ScriptedDesktop, AnUnexpectedYesNoFailsAndGetsNo) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDesktop desktop;
        EXPECT_FALSE(ui::askYesNo(desktop, "Really delete Tokyo Dome?"));
      },
      "Really delete Tokyo Dome?");
}

TEST(ScriptedDesktop, AnUnexpectedPromptFailsAndGetsCancel) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDesktop desktop;
        EXPECT_EQ(ui::ask(desktop, "Enter the venue's capacity", "Capacity", "0"), "");
      },
      "Enter the venue's capacity");
}

TEST(ScriptedDesktop, AnAnswerOfTheWrongKindDoesNotFit) {
  // A queued reply does not answer a Yes/No box; it stays queued and is reported at the end.
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDesktop desktop;
        desktop.reply("text");
        EXPECT_FALSE(ui::askYesNo(desktop, "Proceed?"));
        desktop.reply("");  // keeps the queue in use so only the first failure is checked here
        EXPECT_EQ(ui::ask(desktop, "p", "t", ""), "text");
        EXPECT_EQ(ui::ask(desktop, "p", "t", ""), "");
      },
      "Proceed?");
}

TEST(ScriptedDesktop, UnusedAnswersFailAtTheEnd) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDesktop desktop;
        desktop.answerYes();
        desktop.reply("never asked");
      },
      "never asked");
}

TEST(ScriptedDesktop, LastWithoutAnyDialogFails) {
  ScriptedDesktop desktop;
  EXPECT_NONFATAL_FAILURE(desktop.last(), "no dialog");
}

TEST(BusyPointer, ShowsTheHourglassWhileItLives) {
  ui::Form form;
  ui::CommandButton button{form, "Command7"};
  {
    ui::BusyPointer busy(button);
    EXPECT_EQ(button.pointer(), ui::Pointer::Hourglass);
  }
  EXPECT_EQ(button.pointer(), ui::Pointer::Normal);

  try {
    ui::BusyPointer busy(form);
    EXPECT_EQ(form.pointer(), ui::Pointer::Hourglass);
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(form.pointer(), ui::Pointer::Normal);
}

TEST(GameFolder, MakesEntersAndRemovesATemporaryFolder) {
  const auto before = std::filesystem::current_path();
  std::filesystem::path root;
  {
    GameFolder folder;
    root = folder.root();
    EXPECT_EQ(std::filesystem::current_path(), root);
    EXPECT_EQ(folder.entries(""), (std::vector<std::string>{"Data", "Images", "Scenarios"}));
    EXPECT_EQ(folder.pathText("Data\\"), root.string() + "\\Data\\");

    // Lines are written with CR LF and read back as the editor reads them.
    folder.write("Data/maindata.vl1", {"one", "", "three"});
    EXPECT_EQ(folder.bytes("Data/maindata.vl1"), "one\r\n\r\nthree\r\n");
    EXPECT_EQ(folder.read("Data/maindata.vl1"), (std::vector<std::string>{"one", "", "three"}));
    folder.writeBytes("Data/mixed.txt", "a\rb\nc\r\nd");
    EXPECT_EQ(folder.read("Data/mixed.txt"), (std::vector<std::string>{"a", "b", "c", "d"}));

    folder.writeBytes("Scenarios/Old School/scenario.txt", "x");  // parents made as needed
    EXPECT_TRUE(folder.exists("Scenarios/Old School/scenario.txt"));
    EXPECT_FALSE(folder.exists("Scenarios/missing"));
    EXPECT_EQ(folder.bytes("Scenarios/missing"), "");
    folder.makeFolder("a/b/c");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path("a/b/c")));
  }
  EXPECT_EQ(std::filesystem::current_path(), before);
  EXPECT_FALSE(std::filesystem::exists(root));

  GameFolder empty(GameFolder::Layout::Empty);
  EXPECT_TRUE(empty.entries("").empty());
}

}  // namespace
