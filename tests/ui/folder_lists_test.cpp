// File and folder lists on a real folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/game_folder.h"
#include "ui/ui.h"

namespace {

struct PatternCase {
  const char* pattern;
  std::vector<std::string> listed;
};

TEST(FileListBox, ListsMatchingFilesWithoutRegardToCase) {
  GameFolder folder;
  for (const char* name : {"a.gif", "B.JPG", "c.png", "d.jpeg", "e.Bmp", "notes", ".hidden.jpg",
                           "f.jpg.txt", "ab.fed", "abc.fed", "Z.FED"}) {
    folder.writeBytes(std::string("Images/") + name, "x");
  }
  folder.makeFolder("Images/x.jpg");  // a folder is never listed, whatever its name

  const std::vector<PatternCase> cases = {
      {"*.jpg;*.gif", {".hidden.jpg", "a.gif", "B.JPG"}},
      {"*.jpg;*.jpeg;*.bmp;*.gif", {".hidden.jpg", "a.gif", "B.JPG", "d.jpeg", "e.Bmp"}},
      {"*.fed", {"ab.fed", "abc.fed", "Z.FED"}},
      {"??.fed", {"ab.fed"}},
      {"a*", {"a.gif", "ab.fed", "abc.fed"}},
      {"*.jpg; *.png", {".hidden.jpg", "B.JPG", "c.png"}},
      {"notes", {"notes"}},
      {"*.*",
       {".hidden.jpg", "a.gif", "ab.fed", "abc.fed", "B.JPG", "c.png", "d.jpeg", "e.Bmp",
        "f.jpg.txt", "notes", "Z.FED"}},
      {"*.sav", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    ui::Form form;
    ui::FileListBox files{form, "File1"};
    files.setPattern(c.pattern);
    files.setPath(folder.pathText("Images\\"));
    EXPECT_EQ(files.items(), c.listed);
    EXPECT_EQ(files.listCount(), static_cast<int>(c.listed.size()));
  }
}

TEST(FileListBox, RefreshReadsTheFolderAgainAndClearsTheChoice) {
  GameFolder folder;
  folder.write("Data/b.fed", {"b"});
  ui::Form form;
  ui::FileListBox files{form, "File1"};
  files.setPath(folder.pathText("Data\\"));
  files.setPattern("*.fed");
  files.setListIndex(0);
  EXPECT_EQ(files.fileName(), "b.fed");
  EXPECT_EQ(files.path(), folder.pathText("Data\\"));

  folder.write("Data/a.fed", {"a"});
  EXPECT_EQ(files.listCount(), 1);  // not until refreshed
  files.refresh();
  EXPECT_EQ(files.items(), (std::vector<std::string>{"a.fed", "b.fed"}));
  EXPECT_EQ(files.listIndex(), -1);
  EXPECT_EQ(files.fileName(), "");
  EXPECT_EQ(files.list(2), "");
  EXPECT_EQ(files.list(-1), "");

  files.setListIndex(1);
  files.setPattern("*.fed");  // setting the pattern refreshes too
  EXPECT_EQ(files.fileName(), "");
}

TEST(FileListBox, AMissingFolderListsNothing) {
  GameFolder folder;
  ui::Form form;
  ui::FileListBox files{form, "File1"};
  files.setPath(folder.pathText("Images\\"));
  folder.writeBytes("Images/a.jpg", "x");
  files.refresh();
  ASSERT_EQ(files.listCount(), 1);
  files.setPath(folder.pathText("Nowhere\\"));
  EXPECT_EQ(files.listCount(), 0);
  files.setListIndex(0);
  EXPECT_EQ(files.fileName(), "");
}

TEST(DirListBox, ListsSubfoldersAsFullPathTexts) {
  GameFolder folder;
  folder.makeFolder("Scenarios/Old School");
  folder.makeFolder("Scenarios/alpha");
  folder.makeFolder("Scenarios/Beta");
  folder.makeFolder("Scenarios/.git");
  folder.writeBytes("Scenarios/file.txt", "not a folder");

  ui::Form form;
  ui::DirListBox dirs{form, "Dir1"};
  const std::string scenarios = folder.pathText("Scenarios\\");
  dirs.setPath(scenarios);
  EXPECT_EQ(dirs.items(), (std::vector<std::string>{scenarios + ".git", scenarios + "alpha",
                                                    scenarios + "Beta", scenarios + "Old School"}));
  EXPECT_EQ(dirs.list(4), "");

  // Without a final backslash one is put between the folder and the name.
  const std::string root = folder.pathText("");
  dirs.setPath(root);
  EXPECT_EQ(dirs.items(),
            (std::vector<std::string>{root + "\\Data", root + "\\Images", root + "\\Scenarios"}));

  folder.makeFolder("Scenarios/New");
  dirs.setPath(scenarios);
  EXPECT_EQ(dirs.listCount(), 5);
  dirs.setPath(folder.pathText("Missing"));
  EXPECT_EQ(dirs.listCount(), 0);
}

}  // namespace
