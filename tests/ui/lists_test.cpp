// Item lists of list boxes and combo boxes, and the scroll bar's range.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace {

struct ListCase {
  const char* what;
  std::function<void(ui::ListBox&)> act;
  std::vector<std::string> items;
  int listIndex;
};

// Every case starts from the items "a", "b", "c", "d" with "c" (index 2) selected.
TEST(ListBox, EditsOfItemsAndTheSelection) {
  const std::vector<ListCase> cases = {
      {"nothing", [](ui::ListBox&) {}, {"a", "b", "c", "d"}, 2},
      {"remove before the selection moves it down",
       [](ui::ListBox& l) { l.removeItem(0); },
       {"b", "c", "d"},
       1},
      {"remove the selection leaves none",
       [](ui::ListBox& l) { l.removeItem(2); },
       {"a", "b", "d"},
       -1},
      {"remove after the selection", [](ui::ListBox& l) { l.removeItem(3); }, {"a", "b", "c"}, 2},
      {"remove at the end does nothing",
       [](ui::ListBox& l) { l.removeItem(4); },
       {"a", "b", "c", "d"},
       2},
      {"remove below 0 does nothing",
       [](ui::ListBox& l) { l.removeItem(-1); },
       {"a", "b", "c", "d"},
       2},
      {"replace", [](ui::ListBox& l) { l.setList(2, "C"); }, {"a", "b", "C", "d"}, 2},
      {"replace at the end does nothing",
       [](ui::ListBox& l) { l.setList(4, "x"); },
       {"a", "b", "c", "d"},
       2},
      {"replace below 0 does nothing",
       [](ui::ListBox& l) { l.setList(-1, "x"); },
       {"a", "b", "c", "d"},
       2},
      {"add keeps the selection",
       [](ui::ListBox& l) { l.addItem("e"); },
       {"a", "b", "c", "d", "e"},
       2},
      {"insert before the selection moves it up",
       [](ui::ListBox& l) { l.insertItem(0, "z"); },
       {"z", "a", "b", "c", "d"},
       3},
      {"insert at the selection moves it up",
       [](ui::ListBox& l) { l.insertItem(2, "z"); },
       {"a", "b", "z", "c", "d"},
       3},
      {"insert after the selection keeps it",
       [](ui::ListBox& l) { l.insertItem(3, "z"); },
       {"a", "b", "c", "z", "d"},
       2},
      {"insert below 0 puts it first",
       [](ui::ListBox& l) { l.insertItem(-4, "z"); },
       {"z", "a", "b", "c", "d"},
       3},
      {"insert past the end appends",
       [](ui::ListBox& l) { l.insertItem(99, "z"); },
       {"a", "b", "c", "d", "z"},
       2},
      {"clear", [](ui::ListBox& l) { l.clear(); }, {}, -1},
      {"set every item",
       [](ui::ListBox& l) {
         l.setItems({"x", "y"});
       },
       {"x", "y"},
       -1},
      {"remove several before the selection",
       [](ui::ListBox& l) {
         l.removeItems({true, true});
       },
       {"c", "d"},
       0},
      {"remove several with the selection",
       [](ui::ListBox& l) {
         l.removeItems({false, true, true, true});
       },
       {"a"},
       -1},
      {"remove several after the selection, flags past the end ignored",
       [](ui::ListBox& l) {
         l.removeItems({false, false, false, true, true, true});
       },
       {"a", "b", "c"},
       2},
      {"remove none", [](ui::ListBox& l) { l.removeItems({}); }, {"a", "b", "c", "d"}, 2},
      {"index past the end selects nothing",
       [](ui::ListBox& l) { l.setListIndex(9); },
       {"a", "b", "c", "d"},
       -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ui::Form form;
    ui::ListBox list{form, "list"};
    for (const char* item : {"a", "b", "c", "d"}) list.addItem(item);
    list.setListIndex(2);
    c.act(list);
    EXPECT_EQ(list.items(), c.items);
    EXPECT_EQ(list.listCount(), static_cast<int>(c.items.size()));
    EXPECT_EQ(list.listIndex(), c.listIndex);
    EXPECT_EQ(list.text(), c.listIndex >= 0 ? c.items[static_cast<std::size_t>(c.listIndex)] : "");
  }
}

TEST(ListBox, ReadingOutsideTheListGivesEmptyText) {
  ui::Form form;
  ui::ListBox list{form, "list"};
  EXPECT_EQ(list.list(0), "");
  list.addItem("only");
  EXPECT_EQ(list.list(0), "only");
  EXPECT_EQ(list.list(1), "");
  EXPECT_EQ(list.list(-1), "");
  EXPECT_EQ(list.list(100000), "");
  EXPECT_EQ(list.text(), "");
}

TEST(ListBox, HoldsFarMoreThanASixteenBitIndex) {
  ui::Form form;
  ui::ListBox list{form, "list"};
  for (int i = 0; i < 40000; ++i) list.addItem(std::to_string(i));
  EXPECT_EQ(list.listCount(), 40000);
  EXPECT_EQ(list.list(39999), "39999");
  list.setListIndex(39999);
  EXPECT_EQ(list.text(), "39999");
}

TEST(ComboBox, ItemsSelectionAndText) {
  ui::Form form;
  ui::ComboBox combo{form, "combo"};
  for (const char* item : {"Yes", "No", "Maybe"}) combo.addItem(item);
  EXPECT_EQ(combo.listIndex(), -1);
  EXPECT_EQ(combo.text(), "");
  EXPECT_EQ(combo.list(3), "");
  EXPECT_EQ(combo.list(-1), "");

  combo.setText("Maybe");
  EXPECT_EQ(combo.listIndex(), 2);
  combo.removeItem(0);  // before the choice: the choice moves down with its item
  EXPECT_EQ(combo.listIndex(), 1);
  EXPECT_EQ(combo.text(), "Maybe");
  combo.removeItem(5);  // out of range: nothing
  EXPECT_EQ(combo.listCount(), 2);
  combo.removeItem(1);  // the choice itself: no choice left
  EXPECT_EQ(combo.listIndex(), -1);
  EXPECT_EQ(combo.text(), "");

  combo.setListIndex(0);
  combo.clear();
  EXPECT_EQ(combo.listCount(), 0);
  EXPECT_EQ(combo.listIndex(), -1);
  EXPECT_EQ(combo.text(), "");
}

TEST(ComboBox, EditableKeepsAnyTextAndFindsItsItem) {
  ui::Form form;
  ui::ComboBox combo{form, "combo", true};
  combo.addItem("Alpha");
  combo.addItem("Beta");
  combo.setText("Beta");
  EXPECT_EQ(combo.listIndex(), 1);
  combo.setText("Gamma");
  EXPECT_EQ(combo.text(), "Gamma");
  EXPECT_EQ(combo.listIndex(), -1);
  combo.setListIndex(-1);  // a typed text stays
  EXPECT_EQ(combo.text(), "Gamma");
}

TEST(HScrollBar, ValuesStayInTheRange) {
  ui::Form form;
  ui::HScrollBar bar{form, "bar"};
  EXPECT_EQ(bar.min(), 0);
  EXPECT_EQ(bar.max(), 32767);
  bar.setRange(10, 20);
  EXPECT_EQ(bar.value(), 10);  // raised into the new range
  bar.setValue(25);
  EXPECT_EQ(bar.value(), 20);
  bar.setRange(-5, 5);
  EXPECT_EQ(bar.value(), 5);
  bar.setValue(-9);
  EXPECT_EQ(bar.value(), -5);
  // A bar whose minimum lies above its maximum runs backwards; values stay between the two.
  bar.setRange(100, 0);
  bar.setValue(150);
  EXPECT_EQ(bar.value(), 100);
  bar.setValue(-1);
  EXPECT_EQ(bar.value(), 0);
}

}  // namespace
