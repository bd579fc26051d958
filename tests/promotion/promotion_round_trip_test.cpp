// A promotion from the promotions menu through the eight pages to "SAVE" and its file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "promotion/promotion_save.h"
#include "tests/promotion/chooser_session.h"
#include "tests/promotion/promotion_lines.h"
#include "tests/support/failing_writes.h"
#include "tests/support/unprivileged.h"
#include "tests/support/wizard_walk.h"

using namespace promotion_file;
using promenutest::openPromotion;
using promenutest::Session;
using promotionlines::Edits;
using promotionlines::promotionWith;

namespace {

std::string fileBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// "Next >>>" from Step 1 to Step 8.
void walkToStep8(Editor& e) {
  nextToStepEight(e);
  ASSERT_TRUE(e.form11.visible());
}

void createAndWalk(Session& s, const std::string& name) {
  s.desktop.reply(name);
  s.editor.form1.Command2.click();
  walkToStep8(s.editor);
}

void openAndWalk(Session& s, const std::string& name) {
  openPromotion(s.editor, name);
  walkToStep8(s.editor);
}

bool savedOk(const Session& s, const std::string& name) {
  const std::vector<Dialog>& dialogs = s.desktop.dialogs();
  return dialogs.size() == 1 && dialogs[0].text == name + " saved OK." &&
         dialogs[0].title.empty() && dialogs[0].icon == ui::Icon::None &&
         dialogs[0].buttons == ui::Buttons::Ok;
}

}  // namespace

TEST(PromotionRoundTrip, AnUntouchedNewPromotionIsSavedWhole) {
  Session s;
  createAndWalk(s, "vlf.fed");
  s.desktop.forget();
  s.editor.form11.Command1.click();

  EXPECT_TRUE(savedOk(s, "vlf.fed"));
  EXPECT_TRUE(s.editor.form1.visible());
  EXPECT_FALSE(s.editor.form11.visible());
  // The template, but for the January big show's brand and logo the fill put in place.
  std::vector<std::string> expected = templateLines();
  expected[monthLine(1, MonthField::brand)] = "All";
  expected[monthLine(1, MonthField::logo)] = "NA";
  EXPECT_EQ(s.folder.bytes("Data/vlf.fed"), fileBytes(expected));
  EXPECT_EQ(s.openLines(), expected);
}

TEST(PromotionRoundTrip, FailingChecksShowTheirBoxesInOrderAndWriteNothing) {
  struct Case {
    const char* what;
    Edits edits;
    std::vector<int> boxes;
  };
  const std::vector<Case> cases = {
      {"attendances and buy rate too low",
       {{maxUntelevisedAttendanceLine, "10"},
        {maxTelevisedAttendanceLine, "1,000"},
        {buyRateLine, "0"},
        {bigShowAttendanceLine, "19"}},
       {7, 8, 16, 17}},
      {"regional national promotion whose only PPV show is unnamed",
       {{sizeLine, "4"},
        {tvCoverageLine, "Regional"},
        {showLine(2, ShowField::type), "PPV"},
        {showLine(2, ShowField::ratingOrBuys), "5000"}},
       {1}},
      {"big shows missing in both halves of the year, and a tag title without holders",
       {{monthLine(2, MonthField::name), "February Fury"},
        {monthLine(9, MonthField::name), "Fall Brawl"},
        {titleLine(5, TitleField::name), "Tag Titles"},
        {titleLine(5, TitleField::holderName), "Tag Champions"},
        {titleLine(5, TitleField::type), "Tag Team"},
        {titleLine(5, TitleField::champion), "The Rooks"},
        {titleLine(5, TitleField::tagHolder1), "None"},
        {titleLine(5, TitleField::tagHolder2), "None"},
        {titleLine(5, TitleField::reignDays), "0"},
        {titleLine(5, TitleField::defences), "0"},
        {titleLine(5, TitleField::changeDate), "Monday 23rd August 2004"}},
       {14, 18}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    // January is named so that opening writes nothing back.
    Edits edits = c.edits;
    edits.insert(edits.begin(), {{monthLine(1, MonthField::name), "Winter Brawl"},
                                 {monthLine(1, MonthField::brand), "All"},
                                 {monthLine(1, MonthField::logo), "NA"},
                                 {nextBigShowLevelLine, "1"}});
    const std::vector<std::string> lines = promotionWith(edits);
    s.folder.write("Data/test.fed", lines);
    const std::string before = s.folder.bytes("Data/test.fed");
    openAndWalk(s, "test.fed");
    s.desktop.forget();
    s.editor.form11.Command1.click();

    std::vector<std::string> expected;
    for (int check : c.boxes) expected.push_back(promotion_save::checkMessage(check));
    EXPECT_EQ(s.desktop.messageTexts(), expected);
    for (const Dialog& box : s.desktop.dialogs()) {
      EXPECT_EQ(box.title, "Error!");
      EXPECT_EQ(box.icon, ui::Icon::Critical);
    }
    EXPECT_EQ(s.folder.bytes("Data/test.fed"), before);
    EXPECT_EQ(s.openLines(), lines);
    EXPECT_TRUE(s.editor.form11.visible());
    EXPECT_FALSE(s.editor.form1.visible());
  }

  // A new promotion that fails is not written at all.
  Session s;
  s.desktop.reply("new.fed");
  s.editor.form1.Command2.click();
  s.editor.form3.Command1.click();
  s.editor.form4.Command1.click();
  s.desktop.reply("5");
  s.editor.form5.tvatt.click();
  ASSERT_EQ(s.openLines()[maxTelevisedAttendanceLine], "5");
  nextToStepEight(s.editor);
  s.desktop.forget();
  s.editor.form11.Command1.click();
  EXPECT_EQ(s.desktop.messageTexts(), std::vector<std::string>{promotion_save::checkMessage(8)});
  EXPECT_FALSE(s.folder.exists("Data/new.fed"));
}

// Opened, left alone and saved, a promotion keeps every line the save does not tidy, byte for
// byte, extra lines and a missing last line end included.
TEST(PromotionRoundTrip, AnOpenedPromotionSavedUnchangedKeepsItsLines) {
  using F = TitleField;
  Session s;
  std::vector<std::string> lines = promotionWith({
      {nameLine, "Caf\xE9 Lucha"},
      {sizeLine, "4"},
      {rosterSplitLine, "Yes"},
      {brand1NameLine, "Grit"},
      {brand2NameLine, "Surge"},
      {tvCoverageLine, "National"},
      {showLine(0, ShowField::type), "TV"},
      {showLine(0, ShowField::ratingOrBuys), "350"},
      {showLine(1, ShowField::name), "Surge"},
      {showLine(1, ShowField::day), "Monday"},
      {showLine(1, ShowField::logo), "surge.jpg"},
      {showLine(1, ShowField::brand), "Brand 2"},
      {showLine(1, ShowField::type), "PPV"},
      {showLine(1, ShowField::popularity), "70"},
      {showLine(1, ShowField::ratingOrBuys), "50000"},
      {showLine(3, ShowField::day), "Friday"},  // left in a slot without a show: emptied
      {monthLine(1, MonthField::name), "Winter Brawl"},
      {monthLine(1, MonthField::brand), "Brand 1"},
      {monthLine(1, MonthField::logo), "wb.jpg"},
      {titleLine(1, F::champion), "Rook"},
      {titleLine(1, F::recordHolder), "Crow"},  // the record lines start afresh
      {titleLine(1, F::recordDays), "300"},
      {powerFigureNameLine(1, 2), "Mara Quell"},  // moves up to figure 1
      {powerFigureJobLine(1, 2), "Commissioner"},
      {interviewer2Line, "Tam Reyes"},  // moves up with the roster split
      {nextBigShowNameLine, "Mayhem"},
      {nextBigShowLevelLine, "2"},
      {nextBigShowDateLine, "Friday 1st July 2005"},
      {nextBigShowDaysLine, "12"},
  });
  lines.push_back("an extra line");
  std::string bytes = fileBytes(lines);
  bytes.resize(bytes.size() - 2);  // no line end after the last line
  s.folder.writeBytes("Data/lucha.fed", bytes);

  openAndWalk(s, "lucha.fed");
  EXPECT_EQ(s.openLines(), lines);  // the fill wrote back only what the lines hold
  s.desktop.forget();
  s.editor.form11.Command1.click();

  ASSERT_TRUE(savedOk(s, "lucha.fed"));
  std::vector<std::string> expected = lines;
  for (std::size_t line = showLine(3, ShowField::day); line <= showLine(3, ShowField::ratingOrBuys);
       ++line)
    expected[line] = "";
  expected[titleLine(1, F::recordHolder)] = "No Record Yet";
  expected[titleLine(1, F::recordDays)] = "0";
  expected[titleLine(1, F::championCopy)] = "Rook";
  expected[powerFigureNameLine(1, 1)] = "Mara Quell";
  expected[powerFigureJobLine(1, 1)] = "Commissioner";
  expected[powerFigureNameLine(1, 2)] = "";
  expected[powerFigureJobLine(1, 2)] = "";
  expected[interviewer1Line] = "Tam Reyes";
  expected[interviewer2Line] = "";
  EXPECT_EQ(s.folder.bytes("Data/lucha.fed"), fileBytes(expected));
  EXPECT_EQ(s.openLines(), expected);
}

TEST(PromotionRoundTrip, NoNextBigShowIsSavedWithoutItsDetails) {
  Session s;
  s.folder.write("Data/test.fed", promotionWith({{nextBigShowLevelLine, "3"},
                                                 {nextBigShowDateLine, "Friday 1st July 2005"},
                                                 {nextBigShowDaysLine, "7"}}));
  openAndWalk(s, "test.fed");
  EXPECT_EQ(s.editor.form7.Combo2.text(), "Basic");
  EXPECT_EQ(s.editor.form7.dateofshow.caption(), "");
  EXPECT_EQ(s.editor.form7.days.caption(), "0");
  s.desktop.forget();
  s.editor.form11.Command1.click();
  ASSERT_TRUE(savedOk(s, "test.fed"));
  const std::vector<std::string> saved = s.folder.read("Data/test.fed");
  EXPECT_EQ(saved[nextBigShowLevelLine], "");
  EXPECT_EQ(saved[nextBigShowDateLine], "");
  EXPECT_EQ(saved[nextBigShowDaysLine], "0");
}

// "None" shows the level "Basic" and stores it; a show named next afterwards keeps that level
// through "SAVE", and the reopened file shows it again.
TEST(PromotionRoundTrip, AShowNamedAfterNoneKeepsTheLevelShown) {
  Session s;
  s.folder.write("Data/test.fed", promotionWith({{nextBigShowNameLine, "Mayhem"},
                                                 {nextBigShowLevelLine, "3"},
                                                 {nextBigShowDateLine, "Friday 1st July 2005"},
                                                 {nextBigShowDaysLine, "7"}}));
  openPromotion(s.editor, "test.fed");
  Editor& e = s.editor;
  for (ui::CommandButton* next :
       {&e.form3.Command1, &e.form4.Command1, &e.form5.Command1, &e.form6.Command1})
    next->click();
  ASSERT_TRUE(e.form7.visible());
  EXPECT_EQ(e.form7.Combo2.text(), "Extensive");

  s.desktop.reply("None");
  e.form7.nameofbigshow.click();
  EXPECT_EQ(e.form7.Combo2.text(), "Basic");
  EXPECT_EQ(s.openLines()[nextBigShowLevelLine], "1");
  s.desktop.reply("Highfire");
  e.form7.nameofbigshow.click();
  s.desktop.reply("Saturday 21st August 2004");
  e.form7.dateofshow.click();
  nextToStepEight(e);
  s.desktop.forget();
  e.form11.Command1.click();

  ASSERT_TRUE(savedOk(s, "test.fed"));
  const std::vector<std::string> saved = s.folder.read("Data/test.fed");
  EXPECT_EQ(saved[nextBigShowNameLine], "Highfire");
  EXPECT_EQ(saved[nextBigShowLevelLine], "1");
  EXPECT_EQ(saved[nextBigShowDateLine], "Saturday 21st August 2004");
  EXPECT_EQ(saved[nextBigShowDaysLine], "0");

  openPromotion(e, "test.fed");
  EXPECT_EQ(e.form7.nameofbigshow.caption(), "Highfire");
  EXPECT_EQ(e.form7.Combo2.text(), "Basic");
  EXPECT_EQ(s.openLines(), saved);
}

// A file that can't be written is reported with its reason; the old file, the open promotion's
// lines and Step 8 stay as they were, and a later save goes through.
TEST(PromotionRoundTrip, ASaveThatCannotBeWrittenChangesNothing) {
  Session s;
  const std::vector<std::string> lines =
      promotionWith({{titleLine(1, TitleField::recordHolder), "Crow"},
                     {monthLine(1, MonthField::brand), "All"},
                     {nextBigShowLevelLine, "1"}});
  s.folder.write("Data/test.fed", lines);
  const std::string before = s.folder.bytes("Data/test.fed");
  openAndWalk(s, "test.fed");
  s.desktop.forget();
  {
    FailingWrites failing(100, s.folder.path("Data/test.fed"));
    ASSERT_TRUE(failing.ok()) << failing.why();
    s.editor.form11.Command1.click();
  }
  ASSERT_EQ(s.desktop.dialogs().size(), 1u);
  const Dialog& box = s.desktop.last();
  EXPECT_EQ(box.title, "Error!");
  EXPECT_EQ(box.icon, ui::Icon::Critical);
  EXPECT_NE(box.text.find("test.fed"), std::string::npos) << box.text;
  EXPECT_EQ(box.text.find("saved OK"), std::string::npos) << box.text;
  EXPECT_EQ(s.folder.bytes("Data/test.fed"), before);
  EXPECT_EQ(s.folder.entries("Data"), std::vector<std::string>{"test.fed"});
  EXPECT_EQ(s.openLines(), lines);
  EXPECT_TRUE(s.editor.form11.visible());
  EXPECT_FALSE(s.editor.form1.visible());

  s.desktop.forget();
  s.editor.form11.Command1.click();
  EXPECT_TRUE(savedOk(s, "test.fed"));
  EXPECT_EQ(s.folder.read("Data/test.fed")[titleLine(1, TitleField::recordHolder)],
            "No Record Yet");
}

TEST(PromotionRoundTrip, AReadOnlyFolderIsReported) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits";
#endif
  namespace fs = std::filesystem;
  Session s;
  s.folder.write("Data/test.fed", templateLines());
  const std::string before = s.folder.bytes("Data/test.fed");
  openAndWalk(s, "test.fed");
  s.desktop.forget();
  fs::permissions(s.folder.path("Data"), fs::perms::owner_write, fs::perm_options::remove);
  // SAVE runs as an unprivileged user when the tests run as root, whom the folder would not stop.
  const std::optional<std::string> seen = runUnprivileged(s.folder.root(), [&] {
    s.editor.form11.Command1.click();
    const std::vector<Dialog>& dialogs = s.desktop.dialogs();
    return std::to_string(dialogs.size()) + "|" + (dialogs.empty() ? "" : dialogs[0].title) + "|" +
           (s.editor.form11.visible() ? "step 8" : "left");
  });
  fs::permissions(s.folder.path("Data"), fs::perms::owner_write, fs::perm_options::add);

  ASSERT_TRUE(seen.has_value()) << "SAVE could not be run as an unprivileged user";
  EXPECT_EQ(*seen, "1|Error!|step 8");
  EXPECT_EQ(s.folder.bytes("Data/test.fed"), before);
}

TEST(PromotionRoundTrip, AFileDeletedWhileOpenIsWrittenAgain) {
  Session s;
  s.folder.write("Data/test.fed", templateLines());
  openAndWalk(s, "test.fed");
  std::filesystem::remove(s.folder.path("Data/test.fed"));
  s.desktop.forget();
  s.desktop.answerYes();  // "has been changed on disk": replace it with the editor's version
  s.editor.form11.Command1.click();
  ASSERT_EQ(s.desktop.dialogs().size(), 2u);
  EXPECT_NE(s.desktop.dialogs()[0].text.find("test.fed has been changed on disk"),
            std::string::npos);
  EXPECT_EQ(s.desktop.dialogs()[1].text, "test.fed saved OK.");
  EXPECT_EQ(s.folder.read("Data/test.fed"), s.openLines());
}
