#include "promotion/image_picker.h"

#include <gtest/gtest.h>

#include "common/paths.h"
#include "tests/promotion/chooser_session.h"

using promenutest::entryIndex;
using promenutest::Session;

namespace {

// A new promotion is open in the wizard.
void createPromotion(Session& s) {
  s.desktop.reply("new.fed");
  s.editor.form1.Command2.click();
  ASSERT_TRUE(s.editor.form3.visible());
}

// Images holding pictures of every kind in mixed case, and things that are no pictures.
void fillImages(Session& s) {
  for (const char* name : {"b.JPG", "a.gif", "c.png", "d.jpeg", "e.bmp", "notes.txt"})
    s.folder.writeBytes(std::string("Images/") + name, "not really a picture");
  s.folder.makeFolder("Images/x.jpg");
}

}  // namespace

TEST(ImagePicker, ListsThePicturesAndPreviewsTheFirst) {
  Session s;
  fillImages(s);
  createPromotion(s);
  Form16& picker = s.editor.form16;

  picker.openfor("Show 1 Logo");
  EXPECT_TRUE(picker.visible());
  EXPECT_TRUE(s.editor.form3.visible());  // the page stays
  EXPECT_EQ(picker.caption(), "Select An Image File");
  EXPECT_EQ(picker.Label2.caption(), "Show 1 Logo");
  EXPECT_EQ(picker.File1.items(), (std::vector<std::string>{"a.gif", "b.JPG", "d.jpeg", "e.bmp"}));
  EXPECT_EQ(picker.Image1.picture(), common::picturePath("a.gif"));
  EXPECT_TRUE(picker.Command2.enabled());

  // A click previews; only "Use This Image" stores.
  picker.File1.choose(entryIndex(picker.File1, "d.jpeg"));
  EXPECT_EQ(picker.Image1.picture(), common::picturePath("d.jpeg"));
  EXPECT_EQ(s.openLines()[14], "NA");
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[14], "d.jpeg");
  EXPECT_FALSE(picker.visible());

  // With no entry clicked, "Use This Image" takes the first, the one previewed.
  picker.openfor("Show 3 Logo");
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[28], "a.gif");
  std::vector<std::string> expected = promotion_file::templateLines();
  expected[14] = "d.jpeg";
  expected[28] = "a.gif";
  EXPECT_EQ(s.openLines(), expected);
}

TEST(ImagePicker, EveryLogoHasItsLine) {
  Session s;
  fillImages(s);
  createPromotion(s);
  std::vector<std::pair<std::string, std::size_t>> targets = {{"Promotion Logo", 2},
                                                              {"Show 1 Logo", 14},
                                                              {"Show 2 Logo", 21},
                                                              {"Show 3 Logo", 28},
                                                              {"Show 4 Logo", 35}};
  const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  for (int m = 0; m < 12; ++m)
    targets.push_back({std::string(months[m]) + " Big Show Logo", 51 + 3 * m});

  for (const auto& [key, line] : targets) {
    SCOPED_TRACE(key);
    s.editor.form16.openfor(key);
    s.editor.form16.File1.choose(entryIndex(s.editor.form16.File1, "e.bmp"));
    s.editor.form16.Command1.click();
    EXPECT_EQ(s.openLines()[line], "e.bmp");
  }
  int changed = 0;
  for (std::size_t i = 0; i < promotion_file::lineCount; ++i)
    changed += s.openLines()[i] != promotion_file::templateLines()[i];
  EXPECT_EQ(changed, 17);

  // A heading that names no logo stores nothing.
  const std::vector<std::string> before = s.openLines();
  s.editor.form16.openfor("Show 5 Logo");
  s.editor.form16.Command1.click();
  s.editor.form16.openfor("Show 5 Logo");
  s.editor.form16.Command2.click();
  EXPECT_EQ(s.openLines(), before);
}

TEST(ImagePicker, NoPictureIsNAForAShowOrMonthButNeverForThePromotion) {
  Session s;
  fillImages(s);
  createPromotion(s);
  Form16& picker = s.editor.form16;

  picker.openfor("October Big Show Logo");
  picker.Command2.click();
  EXPECT_EQ(s.openLines()[78], "NA");
  EXPECT_FALSE(picker.visible());

  picker.openfor("Promotion Logo");
  EXPECT_FALSE(picker.Command2.enabled());
  picker.Command2.click();  // disabled: a person's click does nothing
  EXPECT_TRUE(picker.visible());
  picker.Command2_Click();  // and the handler itself stores nothing for the promotion's logo
  EXPECT_EQ(s.openLines()[2], "default.jpg");
  EXPECT_FALSE(picker.visible());

  // Each opening offers "Don't Use Any Image" by its own logo, whatever the last one left.
  picker.openfor("Show 2 Logo");
  EXPECT_TRUE(picker.Command2.enabled());
  picker.Command2.click();
  EXPECT_EQ(s.openLines()[21], "NA");
}

TEST(ImagePicker, MakeNoChangesAndTheCloseBoxStoreNothing) {
  Session s;
  fillImages(s);
  createPromotion(s);
  Form16& picker = s.editor.form16;
  const std::vector<std::string> before = s.openLines();

  picker.openfor("Promotion Logo");
  picker.File1.choose(1);
  picker.Command3.click();
  EXPECT_FALSE(picker.visible());
  EXPECT_TRUE(picker.Command2.enabled());

  picker.openfor("Promotion Logo");
  picker.File1.choose(1);
  picker.closeBox();
  EXPECT_FALSE(picker.visible());
  EXPECT_TRUE(picker.Command2.enabled());
  EXPECT_EQ(s.openLines(), before);
}

TEST(ImagePicker, WithoutPicturesNothingIsStored) {
  Session s;
  createPromotion(s);
  Form16& picker = s.editor.form16;
  const std::vector<std::string> before = s.openLines();

  // An empty Images folder, then none at all.
  for (int pass = 0; pass < 2; ++pass) {
    if (pass == 1) std::filesystem::remove(s.folder.path("Images"));
    for (const char* key : {"Promotion Logo", "Show 1 Logo"}) {
      picker.openfor(key);
      EXPECT_EQ(picker.File1.listCount(), 0);
      EXPECT_EQ(picker.Image1.picture(), "");
      picker.Command1.click();
      EXPECT_FALSE(picker.visible());
    }
  }
  EXPECT_EQ(s.openLines(), before);
  EXPECT_TRUE(s.desktop.dialogs().size() == 1);  // only the name prompt
}

// A picker left open belongs to the promotion it was opened for: opening or creating another
// one closes it.
TEST(ImagePicker, ClosesWhenAnotherPromotionIsOpened) {
  Session s;
  fillImages(s);
  createPromotion(s);
  s.editor.form16.openfor("Show 1 Logo");
  s.editor.form3.hide();
  s.editor.form1.show();
  s.desktop.reply("other.fed");
  s.editor.form1.Command2.click();
  EXPECT_FALSE(s.editor.form16.visible());
}
