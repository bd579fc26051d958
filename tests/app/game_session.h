#pragma once
// A game folder with the new-game data, and the editor on it, for the tests that drive the whole
// editor over files made elsewhere.

#include <string>
#include <vector>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace game_session {

inline const std::string mainData = "Vorlune\r\n1.3\r\nThursday\r\n1\r\nJanuary\r\n2004\r\n";
inline const std::string venues =
    "Tokyo Dome\r\nTokyo, Japan\r\nTokyo\r\n55000\r\nJapan\r\nNone\r\n";

// The template promotion with the given logo.
inline std::vector<std::string> promotionWithLogo(const std::string& logo) {
  std::vector<std::string> lines = promotion_file::templateLines();
  lines[promotion_file::logoLine] = logo;
  return lines;
}

struct Session {
  Session() {
    folder.writeBytes("Data/maindata.vl1", mainData);
    folder.writeBytes("Data/venues.txt", venues);
  }
  void openScenario(const std::string& name) {
    editor.start();
    editor.form15.Command1.click();  // "Edit a Scenario"
    for (int i = 0; i < editor.form15.List1.listCount(); ++i)
      if (editor.form15.List1.list(i) == name) editor.form15.List1.choose(i);
    editor.form15.Command6.click();  // "OK"
  }
  void openNewGameData() {
    editor.start();
    editor.form15.Command2.click();  // "Edit Data For New Games"
  }
  // The start window's chooser: the scenarios or saved games it offers.
  std::vector<std::string> chooserEntries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < editor.form15.List1.listCount(); ++i)
      entries.push_back(editor.form15.List1.list(i));
    return entries;
  }

  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
};

}  // namespace game_session
