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
  const std::vector<std::string> created = s.openLines();
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
  std::vector<std::string> expected = created;
  expected[14] = "d.jpeg";
  expected[28] = "a.gif";
  EXPECT_EQ(s.openLines(), expected);
}

TEST(ImagePicker, EveryLogoHasItsLine) {
  Session s;
  fillImages(s);
  createPromotion(s);
  const std::vector<std::string> created = s.openLines();
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
    changed += s.openLines()[i] != created[i];
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

// The "..." buttons of the first, second and fourth pages open the picker for their logo; a
// choice goes into that logo's line and into the page's logo label.
TEST(ImagePickerOpeners, EachPageOpensThePickerForItsLogo) {
  Session s;
  fillImages(s);
  createPromotion(s);
  Form16& picker = s.editor.form16;
  Form3& step1 = s.editor.form3;

  step1.Command3.click();
  EXPECT_TRUE(picker.visible());
  EXPECT_TRUE(step1.visible());
  EXPECT_EQ(picker.Label2.caption(), "Promotion Logo");
  EXPECT_FALSE(picker.Command2.enabled());
  picker.File1.choose(entryIndex(picker.File1, "b.JPG"));
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[2], "b.JPG");
  EXPECT_EQ(step1.promlogo.caption(), "b.JPG");

  // The page stays usable while the picker is open: on to the second page with it still open,
  // whose "..." opens it afresh for the selected show, offering "Don't Use Any Image".
  step1.Command3.click();
  step1.Command1.click();  // "Next >>>"
  Form4& step2 = s.editor.form4;
  ASSERT_TRUE(step2.visible());
  step2.show1.click();
  step2.Command3.click();
  EXPECT_EQ(picker.Label2.caption(), "Show 1 Logo");
  EXPECT_TRUE(picker.Command2.enabled());
  EXPECT_EQ(picker.Image1.picture(), common::picturePath("a.gif"));
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[14], "a.gif");
  EXPECT_EQ(step2.showlogo.caption(), "a.gif");

  step2.Command1.click();
  s.editor.form5.Command1.click();
  Form6& step4 = s.editor.form6;
  ASSERT_TRUE(step4.visible());
  step4.month10.click();
  step4.Command3.click();
  EXPECT_EQ(picker.Label2.caption(), "October Big Show Logo");
  EXPECT_TRUE(picker.Command2.enabled());
  picker.File1.choose(entryIndex(picker.File1, "e.bmp"));
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[78], "e.bmp");
  EXPECT_EQ(step4.bigshowlogo.caption(), "e.bmp");
  step4.Command3.click();
  picker.Command2.click();
  EXPECT_EQ(s.openLines()[78], "NA");
  EXPECT_EQ(step4.bigshowlogo.caption(), "NA");
}

// The page may select another show or month while the picker is open: the choice goes to the
// logo the picker was opened for, and the page's label, which now shows another one's logo, is
// left alone until that logo is selected again.
TEST(ImagePickerOpeners, AChoiceGoesToTheLogoThePickerWasOpenedFor) {
  Session s;
  fillImages(s);
  createPromotion(s);
  Form16& picker = s.editor.form16;
  s.editor.form3.Command1.click();
  Form4& step2 = s.editor.form4;
  step2.show1.click();

  step2.Command3.click();
  step2.show2.click();
  const std::string show2Logo = s.openLines()[21];
  picker.File1.choose(entryIndex(picker.File1, "d.jpeg"));
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[14], "d.jpeg");
  EXPECT_EQ(s.openLines()[21], show2Logo);
  EXPECT_EQ(step2.showlogo.caption(), show2Logo);
  step2.show1.click();
  EXPECT_EQ(step2.showlogo.caption(), "d.jpeg");

  step2.Command1.click();
  s.editor.form5.Command1.click();
  Form6& step4 = s.editor.form6;
  step4.month3.click();
  step4.Command3.click();
  picker.File1.choose(entryIndex(picker.File1, "e.bmp"));
  step4.month5.click();
  picker.Command1.click();
  EXPECT_EQ(s.openLines()[57], "e.bmp");
  EXPECT_EQ(s.openLines()[63], "NA");  // May's own logo, as selecting it left it
  EXPECT_EQ(step4.bigshowlogo.caption(), "NA");
}
