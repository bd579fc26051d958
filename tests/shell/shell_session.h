#pragma once
// A running editor on a temporary game folder, and the steps the shell tests share: choosing each
// kind of data set from the start window, reading the hub's button states, and making writes fail.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace shelltest {

// New-game files with bytes worth comparing (a Windows-1252 byte, a last line without its end).
inline const std::string newGameMainData =
    "Vorlune\r\n1.3\r\nSunday\r\n1\r\nJanuary\r\n1950\r\nCaf\xE9 line\r\nlast";
inline const std::string newGameVenues =
    "Tokyo Dome\r\nTokyo, Japan\r\nTokyo\r\n55000\r\nJapan\r\nNone\r\n";

// Member order matters: the folder is the current folder before the editor exists, and the
// desktop checks its unused answers after the editor is gone.
struct Session {
  explicit Session(GameFolder::Layout layout = GameFolder::Layout::Standard) : folder(layout) {}

  // Data with maindata.vl1 and venues.txt, then the start window.
  void startWithNewGameData() {
    folder.writeBytes("Data/maindata.vl1", newGameMainData);
    folder.writeBytes("Data/venues.txt", newGameVenues);
    editor.start();
  }

  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
};

// Index of the first chooser entry with the given text, -1 when none.
inline int entryIndex(const ui::ListBox& list, const std::string& text) {
  for (int i = 0; i < list.listCount(); ++i)
    if (list.list(i) == text) return i;
  return -1;
}

// Start window: "Edit a Scenario", choose the folder, "OK".
inline void openScenario(Editor& editor, const std::string& name) {
  editor.form15.Command1.click();
  const int index = entryIndex(editor.form15.List1, name);
  ASSERT_GE(index, 0) << "no scenario " << name << " in the chooser";
  editor.form15.List1.choose(index);
  editor.form15.Command6.click();
}

// Start window: "Edit a Saved Game", choose the entry, "OK".
inline void openSavedGame(Editor& editor, const std::string& firstLine) {
  editor.form15.Command5.click();
  const int index = entryIndex(editor.form15.List1, firstLine);
  ASSERT_GE(index, 0) << "no saved game " << firstLine << " in the chooser";
  editor.form15.List1.choose(index);
  editor.form15.Command6.click();
}

// The hub's buttons in column order, then "Back To Menu" and the panel's "OK".
inline std::vector<ui::CommandButton*> hubButtons(Form14& hub) {
  return {&hub.Command2, &hub.Command1, &hub.Command4, &hub.Command5, &hub.Command6,
          &hub.Command9, &hub.Command7, &hub.Command3, &hub.Command8};
}

inline std::vector<bool> enabledStates(Form14& hub) {
  std::vector<bool> states;
  for (ui::CommandButton* button : hubButtons(hub)) states.push_back(button->enabled());
  return states;
}

// Every menu button of the start window shown and the chooser hidden.
inline bool inMenuMode(const Form15& start) {
  for (const ui::Control* button :
       {&start.Command2, &start.Command1, &start.Command4, &start.Command5, &start.Command3})
    if (!button->visible()) return false;
  for (const ui::Control* chooser : {static_cast<const ui::Control*>(&start.Label2),
                                     static_cast<const ui::Control*>(&start.List1),
                                     static_cast<const ui::Control*>(&start.Command6),
                                     static_cast<const ui::Control*>(&start.Command7)})
    if (chooser->visible()) return false;
  return true;
}

// Whether control a's rectangle covers control b's.
inline bool covers(const ui::Control& a, const ui::Control& b) {
  return a.left() <= b.left() && a.top() <= b.top() &&
         a.left() + a.width() >= b.left() + b.width() &&
         a.top() + a.height() >= b.top() + b.height();
}

}  // namespace shelltest
