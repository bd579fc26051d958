#include "promotion/promotion_chooser.h"

#include <gtest/gtest.h>

#include "tests/promotion/chooser_session.h"

using promenutest::chooseFile;
using promenutest::openPromotion;
using promenutest::Session;

namespace {

const std::string askDelete = "Are you sure you want to permanently delete this promotion?";

// 240 lines: a Windows-1252 byte on line 1, two lines past the layout, no end on the last line.
std::string longPromotionBytes() {
  std::vector<std::string> lines = promotion_file::templateLines();
  lines[promotion_file::nameLine] = "Caf\xE9 Wrestling";
  lines.push_back("extra one");
  lines.push_back("extra two");
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i)
    bytes += lines[i] + (i + 1 < lines.size() ? "\r\n" : "");
  return bytes;
}

}  // namespace

TEST(PromotionChooser, EachModeListsTheDataSetsPromotionFiles) {
  Session s;
  s.writePromotion("b.fed", "B", "Beta");
  s.writePromotion("A.FED", "A", "Alpha");
  s.folder.write("Data/venues.txt", {"Hall"});
  s.folder.makeFolder("Data/dir.fed");
  s.folder.makeFolder("Scenarios/Old");
  s.writePromotion("../Scenarios/Old/old.fed", "O", "Old");
  const std::vector<std::string> listed = {"A.FED", "b.fed"};
  const Form2& chooser = s.editor.form2;

  s.editor.form1.Command1.click();
  EXPECT_TRUE(chooser.visible());
  EXPECT_FALSE(s.editor.form1.visible());
  EXPECT_EQ(chooser.File1.items(), listed);
  EXPECT_EQ(chooser.Label1.caption(), "Edit Promotion");
  EXPECT_EQ(chooser.Label2.caption(), "Select Promotion To Edit");
  EXPECT_EQ(chooser.Command1.caption(), "Edit This Promotion");

  s.editor.form2.Command2.click();  // "Back"
  EXPECT_TRUE(s.editor.form1.visible());
  EXPECT_FALSE(chooser.visible());

  s.editor.form14.Text1.setText("\\Scenarios\\Old\\");
  s.editor.form1.Command3.click();
  EXPECT_EQ(chooser.File1.items(), std::vector<std::string>{"old.fed"});
  EXPECT_EQ(chooser.Label1.caption(), "Delete Promotion");
  EXPECT_EQ(chooser.Label2.caption(), "Select Promotion To Delete");
  EXPECT_EQ(chooser.Command1.caption(), "Delete This Promotion");
}

TEST(PromotionChooser, PreviewShowsThePromotionsNameAndOpensNothing) {
  Session s;
  s.writePromotion("a.fed", "A", "Alpha Wrestling");
  s.folder.write("Data/short.fed", {"ONLY"});
  s.editor.form1.Command1.click();

  chooseFile(s.editor, "a.fed");
  EXPECT_EQ(s.editor.form2.Label2.caption(), "Alpha Wrestling");
  EXPECT_TRUE(s.openLines().empty());

  // A file without a second line, and one that vanished, are not promotions to show.
  chooseFile(s.editor, "short.fed");
  EXPECT_EQ(s.editor.form2.Label2.caption(), "Select Promotion To Edit");
  EXPECT_EQ(s.desktop.last().text,
            "The file \"short.fed\" holds no promotion: it has no promotion name.");
  chooseFile(s.editor, "a.fed");
  std::filesystem::remove(s.folder.path("Data/a.fed"));
  s.editor.form2.File1.choose(0);
  EXPECT_EQ(s.editor.form2.Label2.caption(), "Select Promotion To Edit");
  EXPECT_EQ(s.desktop.last().text.rfind("The promotion \"a.fed\" can't be shown.", 0), 0u);
  EXPECT_TRUE(s.openLines().empty());
}

TEST(PromotionChooser, TheActionWithoutASelectionDoesNothing) {
  Session s;
  s.writePromotion("a.fed", "A", "Alpha");
  for (ui::CommandButton* mode : {&s.editor.form1.Command1, &s.editor.form1.Command3}) {
    s.editor.form2.Command2.click();
    mode->click();
    s.editor.form2.Command1.click();
    EXPECT_TRUE(s.desktop.dialogs().empty());
    EXPECT_TRUE(s.editor.form2.visible());
    EXPECT_TRUE(s.folder.exists("Data/a.fed"));
  }
}

TEST(PromotionChooser, OpenKeepsEveryLineByteForByte) {
  Session s;
  s.folder.writeBytes("Data/long.fed", longPromotionBytes());
  openPromotion(s.editor, "long.fed");

  const std::vector<std::string> lines = s.openLines();
  ASSERT_EQ(lines.size(), 240u);
  EXPECT_EQ(lines[1], "Caf\xE9 Wrestling");
  EXPECT_EQ(lines[238], "extra one");
  EXPECT_EQ(lines[239], "extra two");
  EXPECT_EQ(s.editor.form2.nameoffile.caption(), "long.fed");
  EXPECT_TRUE(s.editor.form3.visible());
  EXPECT_FALSE(s.editor.form2.visible());
  EXPECT_TRUE(s.desktop.dialogs().empty());

  // Opening another promotion replaces every line.
  s.writePromotion("b.fed", "B", "Beta");
  s.editor.form3.hide();
  s.editor.form1.show();
  openPromotion(s.editor, "b.fed");
  std::vector<std::string> beta = promotion_file::templateLines();
  beta[0] = "B";
  beta[1] = "Beta";
  // What the pages write back while they are filled: January's brand and the next big show's
  // level.
  beta[promotion_file::monthLine(1, promotion_file::MonthField::brand)] = "All";
  beta[promotion_file::nextBigShowLevelLine] = "1";
  EXPECT_EQ(s.openLines(), beta);
  EXPECT_EQ(s.editor.form2.nameoffile.caption(), "b.fed");
}

// A file too short for a promotion, one that vanished and one that can't be read are refused
// with a message naming them; the promotion open before stays open, and the chooser stays.
TEST(PromotionChooser, OpenRefusesAFileThatIsNoWholePromotion) {
  Session s;
  s.folder.writeBytes("Data/long.fed", longPromotionBytes());
  std::vector<std::string> shortLines = promotion_file::templateLines();
  shortLines.pop_back();
  s.folder.write("Data/short.fed", shortLines);
  s.writePromotion("gone.fed", "G", "Gone");
  openPromotion(s.editor, "long.fed");
  const std::vector<std::string> before = s.openLines();
  s.editor.form3.hide();

  struct Case {
    std::string name, reason;
  };
  for (const Case& c : {Case{"short.fed", "It has 237 lines, and a promotion file has 238."},
                        Case{"gone.fed", "could not be found."}}) {
    SCOPED_TRACE(c.name);
    s.editor.form2.show();
    chooseFile(s.editor, c.name);
    if (c.name == "gone.fed") std::filesystem::remove(s.folder.path("Data/gone.fed"));
    s.desktop.forget();
    s.editor.form2.Command1.click();

    ASSERT_EQ(s.desktop.dialogs().size(), 1u);
    const std::string& text = s.desktop.last().text;
    EXPECT_EQ(text.rfind("The promotion \"" + c.name + "\" can't be opened.", 0), 0u) << text;
    EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    EXPECT_EQ(s.openLines(), before);
    EXPECT_EQ(s.editor.form2.nameoffile.caption(), "long.fed");
    EXPECT_TRUE(s.editor.form2.visible());
    EXPECT_FALSE(s.editor.form3.visible());
  }
}

TEST(PromotionChooser, DeleteAsksFirstAndReportsWhatHappened) {
  Session s;
  s.writePromotion("a.fed", "A", "Alpha");
  s.writePromotion("b.fed", "B", "Beta");
  s.editor.form1.Command3.click();

  chooseFile(s.editor, "a.fed");
  s.desktop.answerNo();
  s.editor.form2.Command1.click();
  EXPECT_EQ(s.desktop.last().text, askDelete);
  EXPECT_EQ(s.desktop.last().buttons, ui::Buttons::YesNo);
  EXPECT_EQ(s.desktop.last().icon, ui::Icon::None);
  EXPECT_TRUE(s.folder.exists("Data/a.fed"));

  s.desktop.answerYes();
  s.editor.form2.Command1.click();
  EXPECT_EQ(s.desktop.last().text, "Promotion Deleted.");
  EXPECT_FALSE(s.folder.exists("Data/a.fed"));
  EXPECT_EQ(s.editor.form2.File1.items(), std::vector<std::string>{"b.fed"});
  EXPECT_TRUE(s.editor.form2.visible());

  // A file that went away before the Yes can't be deleted: said so, and the list refreshed.
  chooseFile(s.editor, "b.fed");
  std::filesystem::remove(s.folder.path("Data/b.fed"));
  s.desktop.answerYes();
  s.editor.form2.Command1.click();
  EXPECT_EQ(s.desktop.last().text.rfind("The promotion could not be deleted.", 0), 0u);
  EXPECT_EQ(s.desktop.last().icon, ui::Icon::Exclamation);
  EXPECT_EQ(s.editor.form2.File1.listCount(), 0);
}

// "<<< Back" on the first page shows the chooser as it was; after a create it lists the
// promotions of the data set being edited, even when it was last prepared for another one.
TEST(PromotionChooser, AfterACreateItListsTheDataSetBeingEdited) {
  Session s;
  s.writePromotion("a.fed", "A", "Alpha");
  s.folder.makeFolder("Scenarios/Old");
  s.writePromotion("../Scenarios/Old/old.fed", "O", "Old");

  s.desktop.reply("new.fed");
  s.editor.form1.Command2.click();
  EXPECT_EQ(s.editor.form2.File1.items(), std::vector<std::string>{"a.fed"});
  EXPECT_EQ(s.editor.form2.Command1.caption(), "Edit This Promotion");

  s.editor.form3.hide();
  s.editor.form1.show();
  s.editor.form1.Command3.click();  // prepared for deleting in Data
  chooseFile(s.editor, "a.fed");
  s.editor.form2.Command2.click();
  s.editor.form14.Text1.setText("\\Scenarios\\Old\\");
  s.desktop.reply("new.fed");
  s.editor.form1.Command2.click();
  EXPECT_EQ(s.editor.form2.File1.items(), std::vector<std::string>{"old.fed"});
  EXPECT_EQ(s.editor.form2.Label2.caption(), "Select Promotion To Delete");
  EXPECT_EQ(s.editor.form2.Command1.caption(), "Delete This Promotion");
}
