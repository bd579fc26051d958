// Which user actions and setters raise which events, for every kind of control.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/game_folder.h"
#include "ui/ui.h"

namespace {

// A window with one control of each kind. Every event writes one entry to `log`: the event's name
// and what the control holds when the handler runs, so the order of nested events shows too.
struct Board : ui::Form {
  ui::Label label{*this, "label"};
  ui::CommandButton button{*this, "button"};
  ui::TextBox text{*this, "text"};
  ui::ComboBox dropDown{*this, "dropDown"};
  ui::ComboBox editable{*this, "editable", true};
  ui::ListBox list{*this, "list"};
  ui::HScrollBar bar{*this, "bar"};
  ui::FileListBox files{*this, "files"};
  ui::Grid grid{*this, "grid"};
  std::vector<std::string> log;

  explicit Board(const std::string& folder) {
    for (const char* item : {"One", "Two"}) {
      dropDown.addItem(item);
      editable.addItem(item);
      list.addItem(item);
    }
    bar.setRange(0, 10);
    files.setPath(folder);
    files.setPattern("*.fed");
    grid.setRows(3);
    grid.setCols(3);

    label.onClick = [this] { log.push_back("label.click"); };
    button.onClick = [this] { log.push_back("button.click"); };
    text.onChange = [this] { log.push_back("text.change=" + text.text()); };
    text.onDblClick = [this] { log.push_back("text.dblclick"); };
    text.onKeyDown = [this](int key) { log.push_back("text.key=" + std::to_string(key)); };
    dropDown.onClick = [this] { log.push_back("dropDown.click=" + comboState(dropDown)); };
    dropDown.onKeyDown = [this](int key) { log.push_back("dropDown.key=" + std::to_string(key)); };
    editable.onClick = [this] { log.push_back("editable.click=" + comboState(editable)); };
    editable.onChange = [this] { log.push_back("editable.change=" + comboState(editable)); };
    list.onClick = [this] { log.push_back("list.click=" + list.text()); };
    list.onDblClick = [this] { log.push_back("list.dblclick=" + list.text()); };
    bar.onChange = [this] { log.push_back("bar.change=" + std::to_string(bar.value())); };
    bar.onScroll = [this] { log.push_back("bar.scroll=" + std::to_string(bar.value())); };
    files.onClick = [this] { log.push_back("files.click=" + files.fileName()); };
    grid.onSelect = [this] {
      log.push_back("grid.select=" + std::to_string(grid.row()) + "," + std::to_string(grid.col()));
    };
    onCloseBox = [this] { log.push_back("form.close"); };
    show();
  }

  static std::string comboState(const ui::ComboBox& box) {
    return box.text() + "/" + std::to_string(box.listIndex());
  }
};

struct EventCase {
  const char* what;
  std::function<void(Board&)> act;
  std::vector<std::string> raised;
  std::function<bool(const Board&)> after = nullptr;  // optional check of the state afterwards
};

TEST(EventRules, EachActionRaisesExactlyItsEvents) {
  GameFolder folder;
  folder.write("Data/a.fed", {"a"});
  folder.write("Data/b.fed", {"b"});
  const std::string dataFolder = folder.pathText("Data\\");
  bool guard = false;

  const std::vector<EventCase> cases = {
      // Labels and buttons: only the user's click raises anything.
      {"label caption", [](Board& b) { b.label.setCaption("x"); }, {}},
      {"label click", [](Board& b) { b.label.click(); }, {"label.click"}},
      {"label click while hidden",
       [](Board& b) {
         b.label.setVisible(false);
         b.label.click();
       },
       {}},
      {"button caption, colour, pointer, place",
       [](Board& b) {
         b.button.setCaption("Go");
         b.button.setBackColor(ui::yellow);
         b.button.setPointer(ui::Pointer::Hourglass);
         b.button.place(1, 2, 3, 4);
       },
       {}},
      {"button enabled and visible states",
       [](Board& b) {
         b.button.setEnabled(false);
         b.button.setEnabled(true);
         b.button.setVisible(false);
         b.button.setVisible(true);
       },
       {}},
      {"button click", [](Board& b) { b.button.click(); }, {"button.click"}},
      {"button click twice",
       [](Board& b) {
         b.button.click();
         b.button.click();
       },
       {"button.click", "button.click"}},
      {"button click while disabled",
       [](Board& b) {
         b.button.setEnabled(false);
         b.button.click();
       },
       {}},
      {"button click while hidden",
       [](Board& b) {
         b.button.setVisible(false);
         b.button.click();
       },
       {}},
      {"button click on a hidden window",
       [](Board& b) {
         b.hide();
         b.button.click();
       },
       {}},
      {"button click with no handler",
       [](Board& b) {
         b.button.onClick = nullptr;
         b.button.click();
       },
       {}},

      // Text boxes: setText raises Change every time, also with the same text.
      {"text set", [](Board& b) { b.text.setText("a"); }, {"text.change=a"}},
      {"text set to the same text again",
       [](Board& b) {
         b.text.setText("a");
         b.text.setText("a");
       },
       {"text.change=a", "text.change=a"}},
      {"text set to empty", [](Board& b) { b.text.setText(""); }, {"text.change="}},
      {"text set on a hidden box of a hidden window",
       [](Board& b) {
         b.text.setVisible(false);
         b.hide();
         b.text.setText("h");
       },
       {"text.change=h"}},
      {"text typed", [](Board& b) { b.text.type("typed"); }, {"text.change=typed"}},
      {"text typed into a locked box",
       [](Board& b) {
         b.text.setLocked(true);
         b.text.type("typed");
       },
       {},
       [](const Board& b) { return b.text.text().empty(); }},
      {"text typed into a disabled box",
       [](Board& b) {
         b.text.setEnabled(false);
         b.text.type("typed");
       },
       {},
       [](const Board& b) { return b.text.text().empty(); }},
      {"text typed on a hidden window",
       [](Board& b) {
         b.hide();
         b.text.type("typed");
       },
       {},
       [](const Board& b) { return b.text.text().empty(); }},
      {"text key", [](Board& b) { b.text.pressKey(ui::KeyEnter); }, {"text.key=13"}},
      {"text key on a locked box",
       [](Board& b) {
         b.text.setLocked(true);
         b.text.pressKey(65);
       },
       {"text.key=65"}},
      {"text key while hidden",
       [](Board& b) {
         b.text.setVisible(false);
         b.text.pressKey(ui::KeyEnter);
       },
       {}},
      {"text double click", [](Board& b) { b.text.doubleClick(); }, {"text.dblclick"}},
      {"text looks and layout",
       [](Board& b) {
         b.text.setMultiLine(true);
         b.text.setVerticalScrollBar(true);
         b.text.setBold(true);
         b.text.setFocus();
       },
       {}},

      // Drop-down lists: an item's text or index selects it and raises Click.
      {"drop-down text set to an item",
       [](Board& b) { b.dropDown.setText("Two"); },
       {"dropDown.click=Two/1"}},
      {"drop-down text set to the item already shown",
       [](Board& b) {
         b.dropDown.setText("Two");
         b.dropDown.setText("Two");
       },
       {"dropDown.click=Two/1", "dropDown.click=Two/1"}},
      {"drop-down text set to a non-item leaves no choice",
       [](Board& b) {
         b.dropDown.setText("One");
         b.dropDown.setText("Three");
       },
       {"dropDown.click=One/0"},
       [](const Board& b) { return b.dropDown.text().empty() && b.dropDown.listIndex() == -1; }},
      {"drop-down text set with a different case is no item",
       [](Board& b) { b.dropDown.setText("two"); },
       {},
       [](const Board& b) { return b.dropDown.text().empty() && b.dropDown.listIndex() == -1; }},
      {"drop-down index set",
       [](Board& b) { b.dropDown.setListIndex(0); },
       {"dropDown.click=One/0"}},
      {"drop-down index -1",
       [](Board& b) {
         b.dropDown.setListIndex(1);
         b.dropDown.setListIndex(-1);
       },
       {"dropDown.click=Two/1"},
       [](const Board& b) { return b.dropDown.text().empty(); }},
      {"drop-down index past the end", [](Board& b) { b.dropDown.setListIndex(2); }, {}},
      {"drop-down chosen", [](Board& b) { b.dropDown.choose(1); }, {"dropDown.click=Two/1"}},
      {"drop-down chosen again (the item already shown)",
       [](Board& b) {
         b.dropDown.choose(1);
         b.dropDown.choose(1);
       },
       {"dropDown.click=Two/1", "dropDown.click=Two/1"}},
      {"drop-down chosen while disabled",
       [](Board& b) {
         b.dropDown.setEnabled(false);
         b.dropDown.choose(1);
       },
       {},
       [](const Board& b) { return b.dropDown.listIndex() == -1; }},
      {"drop-down chosen outside the list", [](Board& b) { b.dropDown.choose(7); }, {}},
      {"drop-down typed into (not editable)", [](Board& b) { b.dropDown.type("One"); }, {}},
      {"drop-down key", [](Board& b) { b.dropDown.pressKey(ui::KeyEnter); }, {"dropDown.key=13"}},
      {"drop-down items added and cleared",
       [](Board& b) {
         b.dropDown.addItem("Three");
         b.dropDown.removeItem(0);
         b.dropDown.clear();
       },
       {}},

      // The editable combo: setting or typing its text raises Change; choosing raises Click.
      {"editable text set",
       [](Board& b) { b.editable.setText("free"); },
       {"editable.change=free/-1"}},
      {"editable text set to an item",
       [](Board& b) { b.editable.setText("Two"); },
       {"editable.change=Two/1"}},
      {"editable typed", [](Board& b) { b.editable.type("typed"); }, {"editable.change=typed/-1"}},
      {"editable chosen", [](Board& b) { b.editable.choose(0); }, {"editable.click=One/0"}},
      {"editable typed on a hidden window",
       [](Board& b) {
         b.hide();
         b.editable.type("typed");
       },
       {}},

      // List boxes.
      {"list index set", [](Board& b) { b.list.setListIndex(1); }, {"list.click=Two"}},
      {"list index set to the selected item again",
       [](Board& b) {
         b.list.setListIndex(1);
         b.list.setListIndex(1);
       },
       {"list.click=Two", "list.click=Two"}},
      {"list index -1 selects nothing silently",
       [](Board& b) {
         b.list.setListIndex(0);
         b.list.setListIndex(-1);
       },
       {"list.click=One"},
       [](const Board& b) { return b.list.listIndex() == -1 && b.list.text().empty(); }},
      {"list index set on a hidden list of a hidden window",
       [](Board& b) {
         b.list.setVisible(false);
         b.hide();
         b.list.setListIndex(0);
       },
       {"list.click=One"}},
      {"list chosen", [](Board& b) { b.list.choose(0); }, {"list.click=One"}},
      {"list chosen while hidden",
       [](Board& b) {
         b.list.setVisible(false);
         b.list.choose(0);
       },
       {}},
      {"list double clicked",
       [](Board& b) { b.list.doubleClick(1); },
       {"list.click=Two", "list.dblclick=Two"}},
      {"list double clicked on the chosen item",
       [](Board& b) {
         b.list.choose(1);
         b.list.doubleClick(1);
       },
       {"list.click=Two", "list.dblclick=Two"}},
      {"list double clicked while disabled",
       [](Board& b) {
         b.list.setEnabled(false);
         b.list.doubleClick(1);
       },
       {},
       [](const Board& b) { return b.list.listIndex() == -1; }},
      {"list double clicked outside the list", [](Board& b) { b.list.doubleClick(2); }, {}},
      {"list items added, replaced, inserted, removed, cleared",
       [](Board& b) {
         b.list.addItem("Three");
         b.list.setList(0, "Zero");
         b.list.insertItem(0, "First");
         b.list.removeItem(1);
         b.list.clear();
       },
       {}},

      // Scroll bars: setValue raises Change (clamped); the user's drag raises Scroll.
      {"bar value set", [](Board& b) { b.bar.setValue(5); }, {"bar.change=5"}},
      {"bar value set to the same value",
       [](Board& b) {
         b.bar.setValue(0);
         b.bar.setValue(0);
       },
       {"bar.change=0", "bar.change=0"}},
      {"bar value set past the maximum is clamped",
       [](Board& b) { b.bar.setValue(99); },
       {"bar.change=10"}},
      {"bar value set below the minimum is clamped",
       [](Board& b) { b.bar.setValue(-5); },
       {"bar.change=0"}},
      {"bar range set clamps silently",
       [](Board& b) {
         b.bar.setValue(8);
         b.bar.setRange(0, 4);
       },
       {"bar.change=8"},
       [](const Board& b) { return b.bar.value() == 4; }},
      {"bar scrolled", [](Board& b) { b.bar.scrollTo(3); }, {"bar.change=3"}},
      {"bar scrolled past the end", [](Board& b) { b.bar.scrollTo(30); }, {"bar.change=10"}},
      {"bar dragged", [](Board& b) { b.bar.dragTo(4); }, {"bar.scroll=4"}},
      {"bar dragged past the start", [](Board& b) { b.bar.dragTo(-3); }, {"bar.scroll=0"}},
      {"bar scrolled on a hidden window",
       [](Board& b) {
         b.hide();
         b.bar.scrollTo(3);
       },
       {},
       [](const Board& b) { return b.bar.value() == 0; }},
      {"bar dragged while disabled",
       [](Board& b) {
         b.bar.setEnabled(false);
         b.bar.dragTo(4);
       },
       {},
       [](const Board& b) { return b.bar.value() == 0; }},

      // File lists.
      {"file list index set", [](Board& b) { b.files.setListIndex(1); }, {"files.click=b.fed"}},
      {"file list chosen", [](Board& b) { b.files.choose(0); }, {"files.click=a.fed"}},
      {"file list refreshed, path and pattern set",
       [dataFolder](Board& b) {
         b.files.refresh();
         b.files.setPattern("*.fed");
         b.files.setPath(dataFolder);
       },
       {}},
      {"file list chosen on a hidden window",
       [](Board& b) {
         b.hide();
         b.files.choose(0);
       },
       {}},

      // Grids: only the user's selection of a cell raises Select.
      {"grid filled, moved, sorted, cleared from code",
       [](Board& b) {
         b.grid.setRow(2);
         b.grid.setCol(1);
         b.grid.setText("x");
         b.grid.setTextMatrix(1, 1, "y");
         b.grid.setTopRow(2);
         b.grid.sort();
         b.grid.setRows(4);
         b.grid.setCols(2);
         b.grid.clear();
       },
       {}},
      {"grid cell selected", [](Board& b) { b.grid.selectCell(2, 1); }, {"grid.select=2,1"}},
      {"grid cell selected on a hidden window",
       [](Board& b) {
         b.hide();
         b.grid.selectCell(2, 1);
       },
       {}},
      {"grid header cell selected", [](Board& b) { b.grid.selectCell(0, 1); }, {}},
      {"grid cell outside selected", [](Board& b) { b.grid.selectCell(5, 1); }, {}},

      // The window.
      {"window shown, hidden, captioned",
       [](Board& b) {
         b.setCaption("c");
         b.hide();
         b.show();
       },
       {}},
      {"close box", [](Board& b) { b.closeBox(); }, {"form.close"}},
      {"close box of a hidden window",
       [](Board& b) {
         b.hide();
         b.closeBox();
       },
       {}},

      // Handlers set controls, which raise their handlers at once, nested.
      {"a handler's setters raise nested handlers",
       [](Board& b) {
         b.button.onClick = [&b] {
           b.log.push_back("button.click");
           b.dropDown.setText("Two");
           b.log.push_back("button.done");
         };
         b.dropDown.onClick = [&b] {
           b.log.push_back("dropDown.click=" + Board::comboState(b.dropDown));
           b.bar.setValue(7);
         };
         b.button.click();
       },
       {"button.click", "dropDown.click=Two/1", "bar.change=7", "button.done"}},
      {"a change handler sets its own text once more",
       [&guard](Board& b) {
         guard = false;
         b.text.onChange = [&b, &guard] {
           b.log.push_back("text.change=" + b.text.text());
           if (guard) return;
           guard = true;
           b.text.setText(b.text.text() + "!");
           b.log.push_back("text.after=" + b.text.text());
         };
         b.text.type("hi");
       },
       {"text.change=hi", "text.change=hi!", "text.after=hi!"},
       [](const Board& b) { return b.text.text() == "hi!"; }},
      {"a handler may replace its own event while it runs",
       [](Board& b) {
         b.label.onClick = [&b] {
           b.label.onClick = [&b] { b.log.push_back("label.second"); };
           b.log.push_back("label.first");
         };
         b.label.click();
         b.label.click();
       },
       {"label.first", "label.second"}},
      {"a key handler may replace its own event while it runs",
       [](Board& b) {
         b.text.onKeyDown = [&b](int key) {
           b.text.onKeyDown = [&b](int) { b.log.push_back("text.key.second"); };
           b.log.push_back("text.key.first=" + std::to_string(key));
         };
         b.text.pressKey(ui::KeyEnter);
         b.text.pressKey(ui::KeyEnter);
       },
       {"text.key.first=13", "text.key.second"}},
      {"a close box handler may replace its own event while it runs",
       [](Board& b) {
         b.onCloseBox = [&b] {
           b.onCloseBox = [&b] { b.log.push_back("form.close.second"); };
           b.log.push_back("form.close.first");
         };
         b.closeBox();
         b.closeBox();
       },
       {"form.close.first", "form.close.second"}},
  };

  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Board board(dataFolder);
    board.log.clear();
    c.act(board);
    EXPECT_EQ(board.log, c.raised);
    if (c.after) {
      EXPECT_TRUE(c.after(board));
    }
  }
}

// The front end's hook: every change of a control or window reaches its observer.
TEST(EventRules, EveryChangeTellsTheObserver) {
  GameFolder folder;
  const std::string dataFolder = folder.pathText("Data\\");
  const std::vector<std::pair<const char*, std::function<void(Board&)>>> changes = {
      {"caption", [](Board& b) { b.label.setCaption("x"); }},
      {"visible", [](Board& b) { b.button.setVisible(false); }},
      {"enabled", [](Board& b) { b.button.setEnabled(false); }},
      {"place", [](Board& b) { b.text.place(1, 2, 3, 4); }},
      {"back colour", [](Board& b) { b.label.setBackColor(ui::navy); }},
      {"pointer", [](Board& b) { b.button.setPointer(ui::Pointer::Hourglass); }},
      {"text", [](Board& b) { b.text.setText("t"); }},
      {"typed", [](Board& b) { b.text.type("t"); }},
      {"item added", [](Board& b) { b.list.addItem("x"); }},
      {"item replaced", [](Board& b) { b.list.setList(0, "x"); }},
      {"item removed", [](Board& b) { b.list.removeItem(0); }},
      {"list cleared", [](Board& b) { b.list.clear(); }},
      {"selection", [](Board& b) { b.list.setListIndex(0); }},
      {"combo text", [](Board& b) { b.dropDown.setText("One"); }},
      {"scroll value", [](Board& b) { b.bar.setValue(3); }},
      {"scroll range", [](Board& b) { b.bar.setRange(0, 3); }},
      {"files refreshed", [](Board& b) { b.files.refresh(); }},
      {"grid cell", [](Board& b) { b.grid.setTextMatrix(1, 1, "x"); }},
      {"grid rows", [](Board& b) { b.grid.setRows(5); }},
      {"grid sort", [](Board& b) { b.grid.sort(); }},
      {"grid cell format", [](Board& b) { b.grid.setCellBold(true); }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    Board board(dataFolder);
    int told = 0;
    for (ui::Control* control : board.controls()) control->setObserver([&told] { ++told; });
    change(board);
    EXPECT_GT(told, 0);
  }

  Board board(dataFolder);
  int windowTold = 0;
  board.setObserver([&windowTold] { ++windowTold; });
  board.setCaption("x");
  board.hide();
  board.show();
  EXPECT_EQ(windowTold, 3);
}

TEST(EventRules, ControlsRegisterWithTheirWindowInDeclarationOrder) {
  ui::Form form;
  ui::Label first{form, "first"};
  std::vector<std::string> names;
  {
    ui::CommandButton second{form, "second"};
    ui::TextBox third{form, "third"};
    third.setFocus();
    EXPECT_TRUE(third.hasFocus());
    for (const ui::Control* control : form.controls()) names.push_back(control->name());
    EXPECT_EQ(names, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(form.find("second"), &second);
  }
  // Gone controls leave the window's list, and the focus with them.
  ASSERT_EQ(form.controls().size(), 1u);
  EXPECT_EQ(form.controls()[0], &first);
  EXPECT_EQ(form.find("second"), nullptr);
  EXPECT_EQ(form.focused(), nullptr);
  EXPECT_FALSE(form.visible());  // a window starts hidden
}

}  // namespace
