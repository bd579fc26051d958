#include "promotion/wizard_page.h"

#include <gtest/gtest.h>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/support/scripted_desktop.h"

TEST(WizardPage, ReadsAndWritesTheOpenPromotionsLines) {
  ScriptedDesktop desktop;
  Editor editor(desktop);
  EXPECT_EQ(editor.form2.List2.listCount(), 238);
  EXPECT_EQ(editor.form2.List2.list(0), "VLF");

  editor.form2.List1.addItem("a");
  editor.form2.List1.addItem("b");
  wizard::setLine(editor, 1, "c");
  wizard::setLine(editor, 5, "beyond the end");
  EXPECT_EQ(wizard::line(editor, 1), "c");
  EXPECT_EQ(wizard::line(editor, 5), "");
  EXPECT_EQ(editor.form2.List1.listCount(), 2);
}

TEST(WizardPage, ASelectorRowHasOneWhiteLabel) {
  ui::Form form;
  ui::Label a{form, "a"}, b{form, "b"}, c{form, "c"};
  wizard::select({&a, &b, &c}, b);
  EXPECT_FALSE(wizard::isSelected(a));
  EXPECT_TRUE(wizard::isSelected(b));
  EXPECT_EQ(c.backColor(), ui::silver);
  wizard::select({&a, &b, &c}, c);
  EXPECT_FALSE(wizard::isSelected(b));
  EXPECT_TRUE(wizard::isSelected(c));
}
