// The scenario information window, opened from the hub: loading scenario.txt or offering to create
// it, editing the three texts, and "OK".

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/shell/shell_session.h"

using shelltest::Session;

namespace {

const std::string offerText =
    "There is no scenario.txt file for this scenario, would you like to create one?";

std::vector<std::string> texts(const Form19& info) {
  return {info.scenarioname.caption(), info.scenariodesc.caption(), info.scenariocreator.caption()};
}

// The hub for the scenario "Old School", which has its two data files and whatever else is given.
void openHubOnScenario(Session& s) {
  for (const char* file : {"maindata.vl1", "venues.txt"})
    s.folder.writeBytes(std::string("Scenarios/Old School/") + file, "x\r\n");
  s.startWithNewGameData();
  shelltest::openScenario(s.editor, "Old School");
  ASSERT_TRUE(s.editor.form14.visible());
}

TEST(ScenarioInfoOpen, WithoutTheFileNoLeavesTheHubAndTheFolderAsTheyWere) {
  Session s;
  openHubOnScenario(s);
  const std::vector<std::string> before = s.folder.entries("Scenarios/Old School");
  s.desktop.answerNo();

  s.editor.form14.Command9.click();

  ASSERT_EQ(s.desktop.dialogs().size(), 1u);
  const Dialog& offer = s.desktop.last();
  EXPECT_EQ(offer.text, offerText);
  EXPECT_EQ(offer.buttons, ui::Buttons::YesNo);
  EXPECT_EQ(offer.icon, ui::Icon::None);
  EXPECT_EQ(offer.title, "");
  EXPECT_TRUE(s.editor.form14.visible());
  EXPECT_FALSE(s.editor.form19.visible());
  EXPECT_EQ(s.folder.entries("Scenarios/Old School"), before);
}

TEST(ScenarioInfoOpen, WithoutTheFileYesShowsTheDefaultsAndOnlyOkWritesThem) {
  Session s;
  openHubOnScenario(s);
  s.desktop.answerYes();

  s.editor.form14.Command9.click();

  Form19& info = s.editor.form19;
  EXPECT_EQ(texts(info),
            (std::vector<std::string>{"Enter a title here.", "Enter a description here.",
                                      "Enter your name here."}));
  EXPECT_TRUE(info.visible());
  EXPECT_FALSE(s.editor.form14.visible());
  EXPECT_FALSE(s.folder.exists("Scenarios/Old School/scenario.txt"));

  info.Command4.click();
  EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"),
            "Enter a title here.\r\nEnter a description here.\r\nEnter your name here.\r\n");
  EXPECT_TRUE(s.editor.form14.visible());
  EXPECT_FALSE(info.visible());
  EXPECT_EQ(s.desktop.dialogs().size(), 1u);
}

struct LoadCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> shown;
};

TEST(ScenarioInfoOpen, ReadsTheFirstThreeLinesAndOkRewritesExactlyThree) {
  const LoadCase cases[] = {
      {"three lines", "Title\r\nDesc\r\nMe\r\n", {"Title", "Desc", "Me"}},
      {"five lines", "Title\r\nDesc\r\nMe\r\nfour\r\nfive\r\n", {"Title", "Desc", "Me"}},
      {"LF endings, no last end", "T & Co\nA \xE9 desc\nMe", {"T & Co", "A \xE9 desc", "Me"}},
      {"two lines", "Title\r\nDesc\r\n", {"Title", "Desc", ""}},
      {"empty file", "", {"", "", ""}},
      {"blank middle line", "Title\r\n\r\nMe\r\n", {"Title", "", "Me"}},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.folder.writeBytes("Scenarios/Old School/scenario.txt", c.bytes);
    openHubOnScenario(s);

    s.editor.form14.Command9.click();

    EXPECT_TRUE(s.desktop.dialogs().empty());
    EXPECT_EQ(texts(s.editor.form19), c.shown);
    EXPECT_TRUE(s.editor.form19.visible());
    EXPECT_FALSE(s.editor.form14.visible());
    EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"), c.bytes);  // nothing written

    s.editor.form19.Command4.click();
    EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"),
              c.shown[0] + "\r\n" + c.shown[1] + "\r\n" + c.shown[2] + "\r\n");
    EXPECT_TRUE(s.editor.form14.visible());
  }
}

struct EditCase {
  const char* what;
  std::function<ui::Label&(Form19&)> label;
  std::string title, text;
  int line;
};

TEST(ScenarioInfoEdit, EachTextHasItsPromptAndAnEmptyAnswerKeepsIt) {
  const EditCase cases[] = {
      {"title", [](Form19& f) -> ui::Label& { return f.scenarioname; }, "Scenario Name",
       "Please enter the name of this scenario, eg. 'KGU vs DRX 1995'.", 0},
      {"description", [](Form19& f) -> ui::Label& { return f.scenariodesc; },
       "Scenario Description", "Please enter a short description of this scenario.", 1},
      {"creator", [](Form19& f) -> ui::Label& { return f.scenariocreator; }, "Scenario Creator",
       "Please enter your name, which will show as a credit in the game.", 2},
  };
  const std::string original = "Title\r\nDesc\r\nMe\r\n";
  const std::vector<std::string> loaded = {"Title", "Desc", "Me"};
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.folder.writeBytes("Scenarios/Old School/scenario.txt", original);
    openHubOnScenario(s);
    s.editor.form14.Command9.click();
    Form19& info = s.editor.form19;
    ui::Label& label = c.label(info);

    s.desktop.reply("");
    label.click();
    ASSERT_EQ(s.desktop.dialogs().size(), 1u);
    const Dialog& prompt = s.desktop.last();
    EXPECT_EQ(prompt.kind, Dialog::Kind::Prompt);
    EXPECT_EQ(prompt.title, c.title);
    EXPECT_EQ(prompt.text, c.text);
    EXPECT_EQ(prompt.defaultAnswer, loaded[c.line]);
    EXPECT_EQ(texts(info), loaded);

    s.desktop.reply("Changed & new");
    label.click();
    EXPECT_EQ(label.caption(), "Changed & new");
    s.desktop.reply("Again");
    label.click();
    EXPECT_EQ(s.desktop.last().defaultAnswer, "Changed & new");
    EXPECT_EQ(s.folder.bytes("Scenarios/Old School/scenario.txt"), original);

    // An answer is one line of the file, however it arrives.
    s.desktop.reply("Third\r\nsecond line");
    label.click();
    EXPECT_EQ(label.caption(), "Third");
    s.desktop.reply("\nonly a break");
    label.click();
    EXPECT_EQ(label.caption(), "Third");

    info.Command4.click();
    std::vector<std::string> expected = loaded;
    expected[c.line] = "Third";
    EXPECT_EQ(s.folder.read("Scenarios/Old School/scenario.txt"), expected);
  }
}

TEST(ScenarioInfoEdit, AFailedWriteIsReportedAndTheWindowKeepsTheTexts) {
  Session s;
  s.folder.writeBytes("Scenarios/Old School/scenario.txt", "Title\r\nDesc\r\nMe\r\n");
  openHubOnScenario(s);
  s.editor.form14.Command9.click();
  Form19& info = s.editor.form19;
  s.desktop.reply("Kept title");
  info.scenarioname.click();
  std::filesystem::remove_all(s.folder.path("Scenarios/Old School"));

  s.desktop.answerYes();  // the file has gone since it was read: replace it anyway
  info.Command4.click();

  EXPECT_EQ(s.desktop.last().kind, Dialog::Kind::Message);
  EXPECT_EQ(s.desktop.last().icon, ui::Icon::Exclamation);
  EXPECT_TRUE(info.visible());
  EXPECT_FALSE(s.editor.form14.visible());
  EXPECT_EQ(texts(info), (std::vector<std::string>{"Kept title", "Desc", "Me"}));

  // Once the folder is back, "OK" saves what was typed.
  s.folder.makeFolder("Scenarios/Old School");
  s.desktop.answerYes();
  info.Command4.click();
  EXPECT_EQ(s.folder.read("Scenarios/Old School/scenario.txt"),
            (std::vector<std::string>{"Kept title", "Desc", "Me"}));
  EXPECT_TRUE(s.editor.form14.visible());
}

TEST(ScenarioInfoLayout, CaptionsAndLooks) {
  Session s;
  Form19& info = s.editor.form19;
  EXPECT_EQ(info.caption(), "Vorlune 1.3 Duvazari Editor");
  struct Caption {
    const ui::Label& label;
    const char* text;
  };
  for (const Caption& c :
       {Caption{info.curredithead, "Scenario Information File"},
        Caption{info.Label5, "Click an item to edit"}, Caption{info.Label2, "Title Of Scenario"},
        Caption{info.Label1, "Scenario Description"}, Caption{info.Label4, "Your Name"}}) {
    EXPECT_EQ(c.label.caption(), c.text);
    EXPECT_EQ(c.label.foreColor(), ui::white) << c.text;
    EXPECT_EQ(c.label.backColor(), ui::navy) << c.text;
  }
  EXPECT_EQ(info.Command4.caption(), "OK");
  for (const ui::Label* value : {&info.scenarioname, &info.scenariodesc, &info.scenariocreator}) {
    SCOPED_TRACE(value->name());
    EXPECT_EQ(value->backColor(), ui::white);
    EXPECT_EQ(value->foreColor(), ui::black);
    EXPECT_TRUE(value->bold());
    EXPECT_TRUE(value->border());
    EXPECT_EQ(value->alignment(), ui::Align::Center);
  }
  // Top to bottom: heading, hint, title, description (taller), creator, then "OK".
  EXPECT_LT(info.curredithead.top(), info.Label5.top());
  EXPECT_LT(info.Label5.top(), info.scenarioname.top());
  EXPECT_EQ(info.Label2.top(), info.scenarioname.top());
  EXPECT_LT(info.scenarioname.top(), info.scenariodesc.top());
  EXPECT_GT(info.scenariodesc.height(), 2 * info.scenarioname.height());
  EXPECT_LT(info.scenariodesc.top(), info.scenariocreator.top());
  EXPECT_EQ(info.Label4.top(), info.scenariocreator.top());
  EXPECT_LT(info.scenariocreator.top(), info.Command4.top());
  EXPECT_LE(info.Command4.top() + info.Command4.height(), info.height());
}

}  // namespace
