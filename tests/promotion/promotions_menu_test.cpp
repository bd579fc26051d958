#include "promotion/promotions_menu.h"

#include <gtest/gtest.h>

#include "tests/promotion/chooser_session.h"

using promenutest::Session;

namespace {

const std::string existsText =
    "There is already a file in this directory with that name. Please choose a different name.";
const std::string endingText = "The filename must end in .fed.";
const std::string nameRefused = "That name can't be used as the name of a promotion file.";

// Lines that stand for a promotion opened before.
const std::vector<std::string> earlierLines = {"EARLIER", "Earlier Promotion"};

void openEarlierPromotion(Session& s) {
  for (const std::string& line : earlierLines) s.editor.form2.List1.addItem(line);
  s.editor.form2.nameoffile.setCaption("earlier.fed");
}

}  // namespace

TEST(PromotionsMenu, LooksAsTheMenuOfPromotions) {
  Session s;
  const Form1& menu = s.editor.form1;
  EXPECT_EQ(menu.caption(), "Vorlune 1.3 Duvazari Editor");
  EXPECT_EQ(menu.Label1.caption(), "Editing Promotions");
  // Top to bottom: create, edit, delete, back.
  EXPECT_EQ(menu.Command2.caption(), "Create a New Promotion");
  EXPECT_EQ(menu.Command1.caption(), "Edit an Existing Promotion");
  EXPECT_EQ(menu.Command3.caption(), "Delete a Promotion");
  EXPECT_EQ(menu.Command4.caption(), "Back");
  EXPECT_LT(menu.Command2.top(), menu.Command1.top());
  EXPECT_LT(menu.Command1.top(), menu.Command3.top());
  EXPECT_LT(menu.Command3.top(), menu.Command4.top());
  EXPECT_EQ(menu.Label2.caption(), "About Creating Promotions");
  EXPECT_LT(menu.Command4.top(), menu.Label2.top());
  EXPECT_EQ(menu.Label3.caption().rfind("Each promotion in Vorlune 1.3 has its own .fed file.", 0),
            0u);
}

// Each refused name gets its messages, in order, and the prompt again with its example; Cancel
// then creates nothing and leaves the promotion open before untouched.
TEST(PromotionsMenu, CreateRefusesANameWithItsMessagesAndAsksAgain) {
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::string>> messages;  // text (start), title
  };
  const std::vector<Case> cases = {
      {"VLF.FED", {{endingText, "Filename Invalid"}}},
      {"a.fed", {{existsText, "File Already Exists"}}},
      {"venues.txt", {{existsText, "File Already Exists"}, {endingText, "Filename Invalid"}}},
      {"folder.fed", {{existsText, "File Already Exists"}}},
      {"../b.fed", {{nameRefused, "Filename Invalid"}}},
      {"x/b.fed", {{nameRefused, "Filename Invalid"}}},
      {".fed", {{nameRefused, "Filename Invalid"}}},
      {"C:b.fed", {{nameRefused, "Filename Invalid"}}},
      // The stricter checks come only after the name passed the two above.
      {"x.fed.", {{endingText, "Filename Invalid"}}},
      {"x.fed ", {{endingText, "Filename Invalid"}}},
      {"x/b.fe", {{endingText, "Filename Invalid"}}},
      {"x", {{existsText, "File Already Exists"}, {endingText, "Filename Invalid"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Session s;
    s.writePromotion("a.fed", "A", "Alpha");
    s.folder.write("Data/venues.txt", {"Hall"});
    s.folder.makeFolder("Data/folder.fed");
    s.folder.makeFolder("Data/x");
    openEarlierPromotion(s);
    const auto before = s.folder.entries("Data");

    s.desktop.reply(c.name);
    s.desktop.reply("");
    s.editor.form1.Command2.click();

    const std::vector<Dialog>& dialogs = s.desktop.dialogs();
    ASSERT_EQ(dialogs.size(), c.messages.size() + 2);
    for (std::size_t i : {std::size_t{0}, dialogs.size() - 1}) {
      EXPECT_EQ(dialogs[i].kind, Dialog::Kind::Prompt);
      EXPECT_EQ(dialogs[i].text, "Please enter a filename for this new promotion.");
      EXPECT_EQ(dialogs[i].title, "Filename");
      EXPECT_EQ(dialogs[i].defaultAnswer, "vlf.fed");
    }
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
      const Dialog& box = dialogs[i + 1];
      EXPECT_EQ(box.kind, Dialog::Kind::Message);
      EXPECT_EQ(box.text.rfind(c.messages[i].first, 0), 0u) << box.text;
      EXPECT_EQ(box.title, c.messages[i].second);
      EXPECT_EQ(box.buttons, ui::Buttons::Ok);
    }

    EXPECT_TRUE(s.editor.form1.visible());
    EXPECT_FALSE(s.editor.form3.visible());
    EXPECT_EQ(s.openLines(), earlierLines);
    EXPECT_EQ(s.editor.form2.nameoffile.caption(), "earlier.fed");
    EXPECT_EQ(s.folder.entries("Data"), before);
    EXPECT_FALSE(s.folder.exists("b.fed"));
  }
}

TEST(PromotionsMenu, CreateCopiesTheTemplateAndWritesNoFile) {
  Session s;
  openEarlierPromotion(s);
  s.desktop.reply("VLF.FED");  // refused, then asked again
  s.desktop.reply("vlf.fed");
  s.editor.form1.Command2.click();

  EXPECT_EQ(s.desktop.messageTexts(), std::vector<std::string>{endingText});
  // The template, with what filling the pages writes: January's brand and logo, the next big
  // show's level.
  std::vector<std::string> created = promotion_file::templateLines();
  created[promotion_file::monthLine(1, promotion_file::MonthField::brand)] = "All";
  created[promotion_file::monthLine(1, promotion_file::MonthField::logo)] = "NA";
  created[promotion_file::nextBigShowLevelLine] = "1";
  EXPECT_EQ(s.openLines(), created);
  EXPECT_EQ(s.editor.form2.nameoffile.caption(), "vlf.fed");
  EXPECT_TRUE(s.editor.form3.visible());
  EXPECT_FALSE(s.editor.form1.visible());
  EXPECT_FALSE(s.editor.form2.visible());
  EXPECT_TRUE(s.folder.entries("Data").empty());
}

TEST(PromotionsMenu, CancelAtTheFirstPromptChangesNothing) {
  Session s;
  openEarlierPromotion(s);
  s.desktop.reply("");
  s.editor.form1.Command2.click();
  EXPECT_EQ(s.desktop.dialogs().size(), 1u);
  EXPECT_TRUE(s.editor.form1.visible());
  EXPECT_EQ(s.openLines(), earlierLines);
  EXPECT_EQ(s.editor.form2.nameoffile.caption(), "earlier.fed");
}

TEST(PromotionsMenu, BackReturnsToTheDataSetMenu) {
  Session s;
  s.editor.form1.Command4.click();
  EXPECT_TRUE(s.editor.form14.visible());
  EXPECT_FALSE(s.editor.form1.visible());
}
