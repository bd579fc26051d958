#pragma once
// An editor on a temporary game folder with the new-game data chosen and the promotions menu
// shown, and the steps the promotions menu, chooser and picker tests share.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace promenutest {

// Member order matters: the folder is the current folder before the editor exists, and the
// desktop checks its unused answers after the editor is gone.
struct Session {
  Session() {
    editor.form14.Text1.setText("\\Data\\");
    editor.form1.show();
  }

  // A promotion file in Data: the template with its own initials and name.
  void writePromotion(const std::string& fileName, const std::string& initials,
                      const std::string& name) {
    std::vector<std::string> lines = promotion_file::templateLines();
    lines[promotion_file::initialsLine] = initials;
    lines[promotion_file::nameLine] = name;
    folder.write("Data/" + fileName, lines);
  }

  std::vector<std::string> openLines() const { return editor.form2.List1.items(); }

  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
};

// Index of a file list's entry, -1 when it is not listed.
inline int entryIndex(const ui::FileListBox& list, const std::string& name) {
  for (int i = 0; i < list.listCount(); ++i)
    if (list.list(i) == name) return i;
  return -1;
}

// Chooses a file in the chooser's list, as a person clicks it.
inline void chooseFile(Editor& editor, const std::string& name) {
  const int index = entryIndex(editor.form2.File1, name);
  ASSERT_GE(index, 0) << name << " is not listed";
  editor.form2.File1.choose(index);
}

// The promotions menu's "Edit an Existing Promotion", then the file, then "Edit This Promotion".
inline void openPromotion(Editor& editor, const std::string& name) {
  editor.form1.Command1.click();
  chooseFile(editor, name);
  editor.form2.Command1.click();
}

}  // namespace promenutest
