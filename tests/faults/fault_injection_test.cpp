// Every file the editor rewrites, with the write made to fail in two ways: the file's folder is
// read-only, or a folder stands where the file goes. Each time the user is told, no success is
// announced, and what was there before is left exactly as it was.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/editor.h"
#include "common/native_files.h"
#include "promotion/promotion_file.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/unprivileged.h"
#include "tests/support/wizard_walk.h"

namespace {

namespace fs = std::filesystem;

const std::string mainData =
    "Vorlune\r\n1.3\r\nThursday\r\n1\r\nJanuary\r\n2004\r\nCaf\xE9\r\nlast";
const std::string venues = "Tokyo Dome\r\nTokyo, Japan\r\nTokyo\r\n55000\r\nJapan\r\nNone\r\n";

// Wrestlers of the given names, each with a byte of the game's code page in its description.
std::string roster(const std::vector<std::string>& names = {"Ace Verano", "Bo Kell"}) {
  std::string bytes;
  for (const std::string& name : names) {
    for (int field = 0; field < 31; ++field)
      bytes += (field == 0 ? name : field == 7 ? "D\xE9j\xE0 vu" : std::to_string(field)) + "\r\n";
  }
  return bytes;
}

// A promotion whose logo is a picture that only the shared Images folder holds.
std::string promotionWithLogo() {
  std::vector<std::string> lines = promotion_file::templateLines();
  lines[promotion_file::logoLine] = "logo.jpg";
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

struct Session {
  Session() {
    folder.writeBytes("Data/maindata.vl1", mainData);
    folder.writeBytes("Data/venues.txt", venues);
    folder.writeBytes("Data/wrestlers.vl1", roster());
    folder.writeBytes("Scenarios/S/maindata.vl1", mainData);
    folder.writeBytes("Scenarios/S/venues.txt", venues);
    folder.writeBytes("Scenarios/S/wrestlers.vl1", roster());
    folder.writeBytes("Scenarios/S/scenario.txt", "Title\r\nAbout it\r\nMe\r\n");
    folder.writeBytes("Scenarios/S/vlf.fed", promotionWithLogo());
    folder.writeBytes("Images/logo.jpg", "\xFF\xD8\xFF picture");
    folder.writeBytes("Data/other.vl1", roster({"Cy Moss"}));
    folder.write("Data/test.fed", promotion_file::templateLines());
  }
  void openNewGameData() {
    editor.start();
    editor.form15.Command2.click();
  }
  void openScenario() {
    editor.start();
    editor.form15.Command1.click();
    for (int i = 0; i < editor.form15.List1.listCount(); ++i)
      if (editor.form15.List1.list(i) == "S") editor.form15.List1.choose(i);
    editor.form15.Command6.click();
  }
  void openRoster() {
    openNewGameData();
    editor.form14.Command2.click();  // "Edit The Wrestlers File"
  }
  void openVenues() {
    openNewGameData();
    editor.form14.Command5.click();  // "Edit The Venues"
  }
  // The promotion test.fed opened from the promotions menu, and its pages walked to the last.
  void openPromotion() {
    openNewGameData();
    editor.form14.Command1.click();  // "Edit The Promotions Files"
    editor.form1.Command1.click();   // "Edit an Existing Promotion"
    for (int i = 0; i < editor.form2.File1.listCount(); ++i)
      if (editor.form2.File1.list(i) == "test.fed") editor.form2.File1.choose(i);
    editor.form2.Command1.click();  // "Edit This Promotion"
    nextToStepEight(editor);
  }
  void answer(std::optional<bool> replace) {
    if (replace) *replace ? desktop.answerYes() : desktop.answerNo();
  }
  // What the user was shown: every message box, then the hub's report.
  std::string shown() const {
    std::string text;
    for (const std::string& message : desktop.messageTexts()) text += message + "\n";
    return text + editor.form14.Text3.text();
  }

  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
};

struct Rewrite {
  const char* what;
  std::string target;                  // the file (or folder) the action writes
  std::function<void(Session&)> open;  // up to the action, which the write does not affect
  // The action that writes. A file changed on disk since it was read brings a question before it
  // is replaced: `replace` is its answer, queued where it comes (nothing when none is expected).
  std::function<void(Session&, std::optional<bool> replace)> write;
  std::string failure;               // what the user must be told (in part)
  std::string success;               // what must not be said
  std::string failureInTheWay = "";  // when a folder is in the way, if told otherwise
  bool replaces = true;              // the action rewrites a file that is there already
};

const std::vector<Rewrite>& rewrites() {
  static const std::vector<Rewrite> table = {
      {"roster save", "Data/wrestlers.vl1", [](Session& s) { s.openRoster(); },
       [](Session& s, std::optional<bool> replace) {
         s.answer(replace);
         s.editor.form12.Command4.click();  // "Save Changes"
       },
       "The wrestlers file could not be saved.", "Saved OK."},
      {"export of a promotion's wrestlers", "Data/export.vl1", [](Session& s) { s.openRoster(); },
       [](Session& s, std::optional<bool>) {
         s.editor.form12.Text4.type("2");  // the sample wrestlers' promotion
         s.editor.form12.Text5.type("export.vl1");
         s.editor.form12.Command11.click();
       },
       "The wrestlers could not be exported.", "created successfully",
       "A file with this name already exists.", false},
      {"merge into another roster file", "Data/other.vl1", [](Session& s) { s.openRoster(); },
       [](Session& s, std::optional<bool> replace) {
         s.desktop.reply("other.vl1");
         s.answer(replace);
         s.editor.form12.Command9.click();  // "Export This Roster Into Another Roster File"
       },
       "The wrestlers could not be added to other.vl1.", "Roster exported successfully.",
       "No file with that name exists in this directory."},
      {"promotion save", "Data/test.fed", [](Session& s) { s.openPromotion(); },
       [](Session& s, std::optional<bool> replace) {
         s.answer(replace);
         s.editor.form11.Command1.click();  // the last page's save
       },
       "test.fed was not saved.", "saved OK."},
      {"venue edit", "Data/venues.txt", [](Session& s) { s.openVenues(); },
       [](Session& s, std::optional<bool> replace) {
         s.answer(replace);
         s.editor.form18.Command12.click();  // "Edit"
         s.editor.form18.Command1.click();   // "Confirm Changes"
       },
       "The venues could not be saved.", "Changes Saved OK."},
      {"venue delete", "Data/venues.txt", [](Session& s) { s.openVenues(); },
       [](Session& s, std::optional<bool> replace) {
         s.desktop.answerYes();
         s.answer(replace);
         s.editor.form18.Command3.click();  // "Delete"
       },
       "The venues could not be saved.", "Delete cancelled."},
      {"start date", "Data/maindata.vl1",
       [](Session& s) {
         s.openNewGameData();
         s.editor.form14.Command4.click();  // "Edit The Start Date"
       },
       [](Session& s, std::optional<bool> replace) {
         s.answer(replace);
         s.editor.form17.Command1.click();  // "Confirm Start Date"
       },
       "The start date could not be saved.", "Start Date Saved OK!"},
      {"scenario info", "Scenarios/S/scenario.txt",
       [](Session& s) {
         s.openScenario();
         s.editor.form14.Command9.click();  // "Edit The Scenario Info File"
       },
       [](Session& s, std::optional<bool> replace) {
         s.answer(replace);
         s.editor.form19.Command4.click();
       },
       "The scenario.txt file could not be saved.", "Please enter some information"},
      {"scenario creation", "Scenarios/New", [](Session& s) { s.editor.start(); },
       [](Session& s, std::optional<bool>) {
         s.desktop.reply("New");
         s.desktop.reply("");  // the name is asked for again: Cancel
         s.editor.form15.Command4.click();
       },
       "The editor could not make the folder for this scenario.", "Please enter some information",
       "There is already a scenario in your Scenarios folder with that name.", false},
      {"picture copy of Check Scenario", "Scenarios/S/logo.jpg",
       [](Session& s) { s.openScenario(); },
       [](Session& s, std::optional<bool>) {
         s.editor.form14.Command7.click();  // "Check Scenario"
       },
       "Image: ''logo.jpg''..... ** MISSING **", "ready to be zipped", "", false},
  };
  return table;
}

// The target's bytes, or a folder's listing with its files' bytes; nothing when it is missing.
std::optional<std::string> snapshot(const fs::path& path) {
  if (!fs::exists(path)) return std::nullopt;
  if (!fs::is_directory(path)) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  std::string listing = "folder:";
  for (const auto& entry : fs::directory_iterator(path))
    listing += entry.path().filename().string() + "=" + snapshot(entry.path()).value_or("?") + ";";
  return listing;
}

std::vector<std::string> temporaryFiles(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().find(".tmp-") != std::string::npos)
      found.push_back(entry.path().filename().string());
  return found;
}

void expectToldAndUnchanged(const std::string& failure, const Rewrite& rewrite,
                            const std::string& shown, const std::optional<std::string>& before,
                            const fs::path& target) {
  EXPECT_NE(shown.find(failure), std::string::npos) << "shown:\n" << shown;
  EXPECT_EQ(shown.find(rewrite.success), std::string::npos) << "shown:\n" << shown;
  EXPECT_EQ(snapshot(target), before);
  EXPECT_EQ(temporaryFiles(target.parent_path()), std::vector<std::string>{});
}

TEST(FaultInjection, AReadOnlyFolderRefusesTheWrite) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no permission bits";
#endif
  for (const Rewrite& rewrite : rewrites()) {
    SCOPED_TRACE(rewrite.what);
    Session s;
    rewrite.open(s);
    const fs::path target = s.folder.path(rewrite.target);
    const std::optional<std::string> before = snapshot(target);
    fs::permissions(target.parent_path(), fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
    const std::optional<std::string> shown = runUnprivileged(s.folder.root(), [&] {
      rewrite.write(s, std::nullopt);
      return s.shown();
    });
    fs::permissions(target.parent_path(), fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(shown.has_value()) << "the write could not be run without privileges";
    expectToldAndUnchanged(rewrite.failure, rewrite, *shown, before, target);
  }
}

TEST(FaultInjection, AFolderInTheWayOfTheTargetIsLeftAlone) {
  for (const Rewrite& rewrite : rewrites()) {
    SCOPED_TRACE(rewrite.what);
    Session s;
    rewrite.open(s);
    const fs::path target = s.folder.path(rewrite.target);
    fs::remove(target);
    s.folder.writeBytes(rewrite.target + "/keep.txt", "kept\r\n");
    const std::optional<std::string> before = snapshot(target);
    // The file the window read has gone: replacing it anyway meets the folder. (An action told
    // otherwise stops before it writes, and asks nothing.)
    const bool asks = rewrite.replaces && rewrite.failureInTheWay.empty();
    rewrite.write(s, asks ? std::optional<bool>(true) : std::nullopt);
    expectToldAndUnchanged(
        rewrite.failureInTheWay.empty() ? rewrite.failure : rewrite.failureInTheWay, rewrite,
        s.shown(), before, target);
  }
}

TEST(FaultInjection, AReadOnlyFileIsRefusedInAWritableFolder) {
  for (const Rewrite& rewrite : rewrites()) {
    if (!rewrite.replaces) continue;
    SCOPED_TRACE(rewrite.what);
    Session s;
    rewrite.open(s);
    const fs::path target = s.folder.path(rewrite.target);
    const std::optional<std::string> before = snapshot(target);
    fs::permissions(target.parent_path(), fs::perms::all);
    // On Windows: the file's read-only mark, which holds for every user.
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#ifdef _WIN32
    rewrite.write(s, std::nullopt);
    const std::optional<std::string> shown = s.shown();
#else
    const std::optional<std::string> shown = runUnprivileged(s.folder.root(), [&] {
      rewrite.write(s, std::nullopt);
      return s.shown();
    });
#endif
    ASSERT_TRUE(shown.has_value()) << "the write could not be run without privileges";
    expectToldAndUnchanged(rewrite.failure, rewrite, *shown, before, target);
    EXPECT_NE(shown->find(target.string()), std::string::npos) << *shown;
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
}

TEST(FaultInjection, ALinkedFileIsSavedWhereTheLinkPointsAndStaysALink) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#else
  for (const Rewrite& rewrite : rewrites()) {
    if (!rewrite.replaces) continue;
    SCOPED_TRACE(rewrite.what);
    Session s;
    const fs::path target = s.folder.path(rewrite.target);
    const fs::path real = s.folder.path("elsewhere") / target.filename();
    fs::create_directories(real.parent_path());
    fs::rename(target, real);
    const fs::path link = fs::relative(real, target.parent_path());
    fs::create_symlink(link, target);
    rewrite.open(s);
    struct ::stat before {};
    ASSERT_EQ(::stat(real.c_str(), &before), 0);

    rewrite.write(s, std::nullopt);

    EXPECT_EQ(s.shown().find(rewrite.failure), std::string::npos) << s.shown();
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(fs::read_symlink(target), link);
    struct ::stat after {};
    ASSERT_EQ(::stat(real.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file the link points to was not replaced";
    EXPECT_EQ(temporaryFiles(real.parent_path()), std::vector<std::string>{});
    EXPECT_EQ(temporaryFiles(target.parent_path()), std::vector<std::string>{});
  }
#endif
}

}  // namespace

namespace {

// The form that holds the work: the main window shown, or the hub.
const ui::Form* shownWindow(Session& s) {
  for (const ui::Form* form :
       std::initializer_list<const ui::Form*>{&s.editor.form12, &s.editor.form11, &s.editor.form18,
                                              &s.editor.form17, &s.editor.form19, &s.editor.form14})
    if (form->visible()) return form;
  return nullptr;
}

TEST(FaultInjection, AFileChangedOnDiskIsReplacedOnlyWhenTheUserSaysSo) {
  const std::string others = "written by another copy of the editor\r\n";
  for (const bool replace : {false, true}) {
    for (const Rewrite& rewrite : rewrites()) {
      // The merge reads its target in the same click that writes it: see the test below.
      if (!rewrite.replaces || rewrite.target == "Data/other.vl1") continue;
      SCOPED_TRACE(std::string(rewrite.what) + (replace ? ", Yes" : ", No"));
      Session s;
      rewrite.open(s);
      const ui::Form* window = shownWindow(s);
      s.folder.writeBytes(rewrite.target, others);
      s.desktop.forget();

      rewrite.write(s, replace);

      bool asked = false;
      for (const Dialog& dialog : s.desktop.dialogs()) {
        if (dialog.buttons != ui::Buttons::YesNo ||
            dialog.text.find(" has been changed on disk since the editor read it.\r\n\r\n"
                             "Replace it with the editor's version?") == std::string::npos)
          continue;
        asked = true;
        EXPECT_EQ(dialog.icon, ui::Icon::Exclamation);
        EXPECT_EQ(dialog.text.substr(0, dialog.text.find(' ')),
                  fs::path(rewrite.target).filename().string());
      }
      EXPECT_TRUE(asked) << s.shown();
      if (replace) {
        EXPECT_NE(s.folder.bytes(rewrite.target), others);
        EXPECT_EQ(s.shown().find(rewrite.failure), std::string::npos) << s.shown();
      } else {
        EXPECT_EQ(s.folder.bytes(rewrite.target), others);
        EXPECT_EQ(s.shown().find(rewrite.success), std::string::npos) << s.shown();
        EXPECT_EQ(shownWindow(s), window) << "the work is no longer shown";
      }
      EXPECT_EQ(temporaryFiles(s.folder.path(rewrite.target).parent_path()),
                std::vector<std::string>{});
    }
  }
}

TEST(FaultInjection, ANewPromotionNeverReplacesAFileThatAppearedMeanwhile) {
  Session s;
  s.openNewGameData();
  s.editor.form14.Command1.click();  // "Edit The Promotions Files"
  s.desktop.reply("new.fed");
  s.editor.form1.Command2.click();  // "Create a New Promotion": the name is free
  ASSERT_TRUE(s.editor.form3.visible());
  s.folder.writeBytes("Data/new.fed", "made meanwhile\r\n");
  nextToStepEight(s.editor);
  s.desktop.forget();

  s.editor.form11.Command1.click();  // SAVE

  EXPECT_EQ(s.folder.bytes("Data/new.fed"), "made meanwhile\r\n");
  ASSERT_FALSE(s.desktop.messageTexts().empty());
  EXPECT_NE(s.desktop.messageTexts().back().find("new.fed was not saved."), std::string::npos);
  EXPECT_NE(s.desktop.messageTexts().back().find("nothing was overwritten"), std::string::npos)
      << s.desktop.messageTexts().back();
  EXPECT_TRUE(s.editor.form11.visible());
  EXPECT_EQ(temporaryFiles(s.folder.path("Data")), std::vector<std::string>{});
}

// A desktop on which another program writes the merge target while the editor asks about a
// wrestler that is in both rosters.
class WritingMeanwhile : public ScriptedDesktop {
 public:
  explicit WritingMeanwhile(GameFolder& folder) : folder_(folder) {}
  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override {
    if (title == "Wrestler Already In File") folder_.writeBytes("Data/other.vl1", written);
    return ScriptedDesktop::message(text, buttons, icon, title);
  }
  const std::string written = roster({"Ace Verano", "Dee Lane"});

 private:
  GameFolder& folder_;
};

TEST(FaultInjection, AMergeTargetChangedWhileTheQuestionsAreAskedIsReplacedOnlyOnYes) {
  for (const bool replace : {false, true}) {
    SCOPED_TRACE(replace ? "Yes" : "No");
    GameFolder folder;
    folder.writeBytes("Data/maindata.vl1", mainData);
    folder.writeBytes("Data/wrestlers.vl1", roster());
    folder.writeBytes("Data/other.vl1", roster({"Ace Verano"}));
    WritingMeanwhile desktop(folder);
    Editor editor{desktop};
    editor.start();
    editor.form15.Command2.click();
    editor.form14.Command2.click();  // "Edit The Wrestlers File"
    desktop.reply("other.vl1");
    desktop.answerYes();  // overwrite Ace Verano
    replace ? desktop.answerYes() : desktop.answerNo();

    editor.form12.Command9.click();  // "Export This Roster Into Another Roster File"

    const std::vector<std::string> told = desktop.messageTexts();
    ASSERT_GE(told.size(), 2u);
    EXPECT_EQ(told[1],
              "other.vl1 has been changed on disk since the editor read it.\r\n\r\n"
              "Replace it with the editor's version?");
    if (replace) {
      EXPECT_EQ(folder.bytes("Data/other.vl1"), roster());
      EXPECT_EQ(told.back(), "Roster exported successfully.");
    } else {
      EXPECT_EQ(folder.bytes("Data/other.vl1"), desktop.written);
      EXPECT_EQ(told.size(), 2u);
    }
    EXPECT_TRUE(editor.form12.visible());
  }
}

// Where a link put in place of a file the editor rewrites leads: out of the game folder, in each
// way a link can.
enum class LinkOut { Absolute, Climbing, DanglingAbsolute, DanglingClimbing };

TEST(FaultInjection, ALinkOutOfTheGameFolderIsNeverFollowed) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows makes symbolic links only with a privilege tests lack";
#else
  const struct {
    const char* what;
    LinkOut link;
  } links[] = {{"absolute link", LinkOut::Absolute},
               {"relative link climbing out", LinkOut::Climbing},
               {"dangling absolute link", LinkOut::DanglingAbsolute},
               {"dangling relative link climbing out", LinkOut::DanglingClimbing}};
  const std::string secret = "a file of the machine's, not the game's\r\n";
  // The kernel's own check of the way, and the walk by hand where the kernel has none.
  for (const bool kernel : {true, false}) {
    common::native::setUseOpenat2(kernel);
    for (const auto& [what, link] : links) {
      for (const Rewrite& rewrite : rewrites()) {
        SCOPED_TRACE(std::string(rewrite.what) + ", " + what + (kernel ? "" : ", walked"));
        GameFolder outside(GameFolder::Layout::Empty);
        outside.writeBytes("secret.txt", secret);
        Session s;
        rewrite.open(s);
        const fs::path target = s.folder.path(rewrite.target);
        const bool dangling =
            link == LinkOut::DanglingAbsolute || link == LinkOut::DanglingClimbing;
        const fs::path aim = outside.path(dangling ? "nothing-yet" : "secret.txt");
        fs::remove_all(target);
        fs::create_symlink(link == LinkOut::Absolute || link == LinkOut::DanglingAbsolute
                               ? aim
                               : fs::relative(aim, target.parent_path()),
                           target);
        const std::vector<std::string> before = outside.entries("");
        s.desktop.forget();

        // The file the window read is gone: what stands there now is the link.
        const bool asks = rewrite.replaces && rewrite.target != "Data/other.vl1";
        rewrite.write(s, asks ? std::optional<bool>(true) : std::nullopt);

        // An action that looks for its target before it writes says so in its own words.
        const std::string shown = s.shown();
        const std::string told =
            rewrite.target == "Scenarios/S/logo.jpg" ? "** A LINK, NOT THE FILE ITSELF **"
            : !rewrite.failureInTheWay.empty()
                ? rewrite.failureInTheWay
                : "lies outside the game folder, so the editor does not use it";
        EXPECT_NE(shown.find(told), std::string::npos) << shown;
        EXPECT_EQ(shown.find(rewrite.success), std::string::npos) << shown;
        EXPECT_EQ(shown.find("machine's"), std::string::npos) << shown;
        EXPECT_EQ(outside.entries(""), before);
        EXPECT_EQ(outside.bytes("secret.txt"), secret);
        EXPECT_TRUE(fs::is_symlink(target));
        EXPECT_EQ(temporaryFiles(target.parent_path()), std::vector<std::string>{});
      }
    }
  }
  common::native::setUseOpenat2(true);
#endif
}

}  // namespace
