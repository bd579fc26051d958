// Files whose line ends are mixed (a stray CR or LF among the game's CR LF): each is named when it
// loads, with the first odd line, and the next save writes every line with CR LF.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/wizard_walk.h"

namespace {

using Lines = std::vector<std::string>;

const Lines mainData = {"Vorlune", "1.3", "Thursday", "1", "January", "2004"};
const Lines venue = {"Tokyo Dome", "Tokyo, Japan", "Tokyo", "55000", "Japan", "None"};

Lines wrestler() {
  Lines lines = {"Ace Verano"};
  for (int field = 1; field < 31; ++field) lines.push_back(std::to_string(field));
  lines[8] = "December 2009";
  return lines;
}

// The lines joined with CR LF, but line `odd` (counted from 1) ended by `end`.
std::string withOddEnd(const Lines& lines, std::size_t odd, const std::string& end) {
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) bytes += lines[i] + (i + 1 == odd ? end : "\r\n");
  return bytes;
}

std::string crlf(const Lines& lines) { return withOddEnd(lines, 0, ""); }

struct Session {
  Session() {
    folder.write("Data/maindata.vl1", mainData);
    folder.write("Data/venues.txt", venue);
    folder.write("Data/wrestlers.vl1", wrestler());
    folder.write("Data/test.fed", promotion_file::templateLines());
    editor.start();
    editor.form15.Command2.click();  // "Edit Data For New Games"
  }
  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
};

struct MixedFile {
  const char* what;
  std::string file;
  Lines lines;
  std::size_t odd;
  std::function<void(Session&)> open, save;
};

TEST(MixedLineEnds, AreNamedWhenTheFileLoadsAndTheNextSaveWritesCrLf) {
  const std::vector<MixedFile> files = {
      {"roster", "Data/wrestlers.vl1", wrestler(), 3,
       [](Session& s) { s.editor.form14.Command2.click(); },
       [](Session& s) { s.editor.form12.Command4.click(); }},  // "Save Changes"
      {"venues", "Data/venues.txt", venue, 2, [](Session& s) { s.editor.form14.Command5.click(); },
       [](Session& s) {
         s.editor.form18.Command12.click();  // "Edit"
         s.editor.form18.Command1.click();   // "Confirm Changes"
       }},
      {"start date", "Data/maindata.vl1", mainData, 1,
       [](Session& s) { s.editor.form14.Command4.click(); },
       [](Session& s) { s.editor.form17.Command1.click(); }},  // "Confirm Start Date"
      {"promotion", "Data/test.fed", promotion_file::templateLines(), 10,
       [](Session& s) {
         s.editor.form14.Command1.click();  // "Edit The Promotions Files"
         s.editor.form1.Command1.click();   // "Edit an Existing Promotion"
         s.editor.form2.File1.choose(0);
         s.editor.form2.Command1.click();  // "Edit This Promotion"
       },
       [](Session& s) {
         nextToStepEight(s.editor);
         s.editor.form11.Command1.click();  // SAVE
       }},
  };
  for (const MixedFile& file : files) {
    for (const std::string end : {"\n", "\r"}) {
      SCOPED_TRACE(std::string(file.what) + (end == "\n" ? ", a bare LF" : ", a bare CR"));
      Session s;
      s.folder.writeBytes(file.file, withOddEnd(file.lines, file.odd, end));

      file.open(s);
      const Lines told = s.desktop.messageTexts();
      ASSERT_EQ(told.size(), 1u);
      EXPECT_EQ(s.desktop.last().icon, ui::Icon::Exclamation);
      EXPECT_NE(told[0].find("\"" + s.folder.path(file.file).string() +
                             "\" mixes line ends: line " + std::to_string(file.odd) + " "),
                std::string::npos)
          << told[0];

      s.desktop.forget();
      file.save(s);
      const std::string saved = s.folder.bytes(file.file);
      EXPECT_EQ(saved.size(), crlf(s.folder.read(file.file)).size()) << "a stray line end is left";
      EXPECT_EQ(s.folder.read(file.file).size(), file.lines.size());
      if (file.file != "Data/test.fed") {  // SAVE tidies a promotion's lines
        EXPECT_EQ(saved, crlf(file.lines));
      }
    }
  }
}

TEST(MixedLineEnds, AFileWithOnlyOneKindOfLineEndIsNotNamed) {
  for (const std::string end : {"\n", "\r", "\r\n"}) {
    Session s;
    std::string bytes;
    for (const std::string& line : venue) bytes += line + end;
    s.folder.writeBytes("Data/venues.txt", bytes);
    s.editor.form14.Command5.click();  // "Edit The Venues"
    EXPECT_TRUE(s.desktop.dialogs().empty());
    EXPECT_TRUE(s.editor.form18.visible());
  }
}

}  // namespace
