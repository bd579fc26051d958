// duvazari-editor.exe itself, under Wine with a display: started in a game folder, its windows
// and dialogs found among the desktop's and answered as a person would.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/game_folder.h"

namespace {

// The text of a window of the other program, asked of the window itself.
std::wstring textOf(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 10000,
                      &length);
  return std::wstring(text, length);
}

// The editor's icon at a size, loaded from the program's file; nullptr when it is not there.
HICON programIcon(const std::wstring& program, int size) {
  HMODULE file = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!file) return nullptr;
  auto* icon = static_cast<HICON>(LoadImageW(file, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
  FreeLibrary(file);
  return icon;
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::vector<HWND> childrenOf(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM into) {
        reinterpret_cast<std::vector<HWND>*>(into)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The shown child of a window with this class and text, or nullptr.
HWND childWith(HWND parent, const std::wstring& type, const std::wstring& text) {
  for (HWND child : childrenOf(parent)) {
    if (IsWindowVisible(child) && lstrcmpiW(classOf(child).c_str(), type.c_str()) == 0 &&
        textOf(child) == text)
      return child;
  }
  return nullptr;
}

// The texts of a dialog's labels, one after the other.
std::wstring labelsOf(HWND dialog) {
  std::wstring all;
  for (HWND child : childrenOf(dialog)) {
    if (lstrcmpiW(classOf(child).c_str(), L"Static") == 0) all += textOf(child);
  }
  return all;
}

// The editor running in a folder; ended at the end of the test if it is still running.
class Program {
 public:
  explicit Program(const std::filesystem::path& folder) {
    std::wstring command = L"\"" + program() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(program().c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, folder.wstring().c_str(), &startup, &process_) != FALSE;
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return started_; }

  // The program's file, beside the tests'.
  static std::wstring program() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / L"duvazari-editor.exe";
  }

  // The shown top-level window of the program with this title (and class, when given), waited
  // for; nullptr when none came up.
  HWND waitForWindow(const std::wstring& title, const std::wstring& type = L"") const {
    HWND found = nullptr;
    waitUntil([&] {
      found = shownWindow(title, type);
      return found != nullptr;
    });
    return found;
  }
  HWND shownWindow(const std::wstring& title, const std::wstring& type = L"") const {
    struct Search {
      DWORD id;
      const std::wstring* title;
      const std::wstring* type;
      HWND found;
    } search{process_.dwProcessId, &title, &type, nullptr};
    EnumWindows(
        [](HWND window, LPARAM into) {
          auto* s = reinterpret_cast<Search*>(into);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner != s->id || !IsWindowVisible(window) || textOf(window) != *s->title ||
              (!s->type->empty() && classOf(window) != *s->type))
            return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // The program's exit code once it ended, waited for; -1 when it is still running.
  int waitForEnd() const {
    if (WaitForSingleObject(process_.hProcess, 60000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
  }

  // Polls until the condition holds; a guard of a minute against a hang.
  static bool waitUntil(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 1200; ++tries) {
      if (condition()) return true;
      Sleep(50);
    }
    return false;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

const std::wstring mainTitle = L"Vorlune 1.3 Duvazari Editor";
const std::wstring boxTitle = L"VL 1.3 Duvazari Editor";
const std::wstring dialogClass = L"#32770";

// A click as the person makes it: posted, so a dialog the click opens doesn't hold up the test.
void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// The new-game data a scenario is made from, written into the game folder.
void writeNewGameData(GameFolder& folder) {
  folder.write("Data/maindata.vl1", {"1", "1", "1995"});
  folder.write("Data/venues.txt", {"Hall"});
}

// "Create a Scenario" clicked on the start window: its name prompt, nullptr when none came up.
HWND raiseScenarioNamePrompt(const Program& editor) {
  HWND start = editor.waitForWindow(mainTitle);
  if (!start) return nullptr;
  click(childWith(start, L"Button", L"Create a Scenario"));
  return editor.waitForWindow(L"Scenario Name", dialogClass);
}

TEST(EditorProgram, WithoutADataFolderItSaysWhyAndEnds) {
  GameFolder folder(GameFolder::Layout::Empty);
  Program editor(folder.root());
  ASSERT_TRUE(editor.started());

  HWND box = editor.waitForWindow(boxTitle, dialogClass);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(labelsOf(box).find(L"This editor must be kept in the same folder as the Vorlune 1.3 "
                               L"exe file (not in the Data folder)."),
            std::wstring::npos);
  EXPECT_EQ(editor.shownWindow(mainTitle), nullptr);  // the start window never comes up

  click(childWith(box, L"Button", L"OK"));
  EXPECT_EQ(editor.waitForEnd(), 0);
}

TEST(EditorProgram, TheStartWindowShowsItsButtonsAndExitEnds) {
  GameFolder folder;
  Program editor(folder.root());
  ASSERT_TRUE(editor.started());

  HWND start = editor.waitForWindow(mainTitle);
  ASSERT_NE(start, nullptr);
  RECT client{};
  GetClientRect(start, &client);
  EXPECT_EQ(client.right, 640);
  EXPECT_EQ(client.bottom, 480);
  // The program's file carries the editor's own icon at every size the system asks for.
  for (const int size : {16, 32, 48, 64}) EXPECT_NE(programIcon(Program::program(), size), nullptr);
  for (const wchar_t* caption : {L"Edit Data For New Games", L"Edit a Scenario",
                                 L"Create a Scenario", L"Edit a Saved Game", L"Exit"})
    EXPECT_NE(childWith(start, L"Button", caption), nullptr) << caption;
  // The chooser's buttons wait, hidden, until a list is chosen.
  EXPECT_EQ(childWith(start, L"Button", L"OK"), nullptr);

  click(childWith(start, L"Button", L"Exit"));
  EXPECT_EQ(editor.waitForEnd(), 0);
}

TEST(EditorProgram, APromptRefusesCharactersTheGameCantHoldAndKeepsTheTypedText) {
  GameFolder folder;
  writeNewGameData(folder);
  Program editor(folder.root());
  ASSERT_TRUE(editor.started());
  HWND prompt = raiseScenarioNamePrompt(editor);
  ASSERT_NE(prompt, nullptr);
  EXPECT_NE(labelsOf(prompt).find(L"Please enter a name for this scenario."), std::wstring::npos);
  HWND answer = nullptr;
  for (HWND child : childrenOf(prompt))
    if (lstrcmpiW(classOf(child).c_str(), L"Edit") == 0) answer = child;
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(textOf(answer), L"KGU vs DRX 1995");
  // The whole text of the prompt is in its box.
  HWND text = childWith(prompt, L"Static", L"Please enter a name for this scenario.");
  ASSERT_NE(text, nullptr);
  RECT box{};
  GetClientRect(text, &box);
  HDC dc = GetDC(nullptr);
  // The dialogs' own font (8 pt), made here: a font of the other program can't be used here.
  HFONT font = CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                           FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg");
  HGDIOBJ old = SelectObject(dc, font);
  RECT needed{0, 0, box.right, 0};
  DrawTextW(dc, L"Please enter a name for this scenario.", -1, &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  EXPECT_LE(needed.bottom, box.bottom);
  EXPECT_LE(needed.right, box.right);

  const std::wstring typed = L"Caf\u00E9 \u03A9";  // "é" has a byte, "Ω" has none
  SendMessageW(answer, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  click(childWith(prompt, L"Button", L"OK"));
  HWND refusal = nullptr;
  ASSERT_TRUE(Program::waitUntil([&] {
    refusal = editor.shownWindow(boxTitle, dialogClass);
    return refusal != nullptr;
  }));
  EXPECT_NE(labelsOf(refusal).find(L"The game's files can't hold the character \"\u03A9\" "
                                   L"(U+03A9)."),
            std::wstring::npos);
  click(childWith(refusal, L"Button", L"OK"));
  ASSERT_TRUE(Program::waitUntil([&] { return !IsWindow(refusal); }));

  // The prompt is still up, with what was typed, and nothing was made.
  EXPECT_TRUE(IsWindowVisible(prompt));
  EXPECT_EQ(textOf(answer), typed);
  click(childWith(prompt, L"Button", L"Cancel"));
  ASSERT_TRUE(Program::waitUntil([&] { return !IsWindow(prompt); }));
  EXPECT_TRUE(folder.entries("Scenarios").empty());

  click(childWith(editor.waitForWindow(mainTitle), L"Button", L"Exit"));
  EXPECT_EQ(editor.waitForEnd(), 0);
}

TEST(EditorProgram, TheScenarioChooserListsTheScenariosByTheirNamesAndCancelGoesBack) {
  GameFolder folder;
  folder.makeFolder("Scenarios/Alpha");
  // A name with a character of the game's code page beyond ASCII.
  ASSERT_TRUE(
      CreateDirectoryW((folder.root() / L"Scenarios" / L"Caf\u00E9 Noir").c_str(), nullptr));
  Program editor(folder.root());
  ASSERT_TRUE(editor.started());
  HWND start = editor.waitForWindow(mainTitle);
  ASSERT_NE(start, nullptr);

  click(childWith(start, L"Button", L"Edit a Scenario"));
  HWND cancel = nullptr;
  ASSERT_TRUE(Program::waitUntil([&] {
    cancel = childWith(start, L"Button", L"Cancel");
    return cancel != nullptr;
  }));
  HWND list = nullptr;
  for (HWND child : childrenOf(start))
    if (IsWindowVisible(child) && lstrcmpiW(classOf(child).c_str(), L"ListBox") == 0) list = child;
  ASSERT_NE(list, nullptr);
  std::vector<std::wstring> names;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t name[256] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Alpha", L"Caf\u00E9 Noir"}));
  EXPECT_EQ(childWith(start, L"Button", L"Exit"), nullptr);  // the menu gave the chooser its place

  click(cancel);
  ASSERT_TRUE(Program::waitUntil([&] { return childWith(start, L"Button", L"Exit") != nullptr; }));
  EXPECT_FALSE(IsWindowVisible(list));
  click(childWith(start, L"Button", L"Exit"));
  EXPECT_EQ(editor.waitForEnd(), 0);
}

// The shown child of a window with this class, the n-th in the window's order (from 0).
HWND nthChild(HWND parent, const std::wstring& type, int n) {
  for (HWND child : childrenOf(parent)) {
    if (IsWindowVisible(child) && lstrcmpiW(classOf(child).c_str(), type.c_str()) == 0 && n-- == 0)
      return child;
  }
  return nullptr;
}

// The dialog of the program with this title that holds this text, waited for.
HWND waitForBox(const Program& editor, const std::wstring& text) {
  HWND found = nullptr;
  Program::waitUntil([&] {
    found = editor.shownWindow(boxTitle, dialogClass);
    return found && labelsOf(found).find(text) != std::wstring::npos;
  });
  return found;
}

// A key pressed and let go on a control of the other program, through its message loop.
void press(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 1 | (3u << 30));
}

// The start date window, by its keys: the day picked in its list and the year moved on its
// scroll bar reach the window; a file changed on disk is not replaced when the Yes/No box is
// answered No; and its close box asks about the unsaved date, Cancel keeping the program.
TEST(EditorProgram, TheStartDateByTheKeysTheReplaceQuestionAndTheCloseBoxWithUnsavedWork) {
  GameFolder folder;
  const std::string mainData =
      "Vorlune\r\n1.3\r\nSunday\r\n1\r\nJanuary\r\n1950\r\nCaf\xE9 line\r\nlast";
  folder.writeBytes("Data/maindata.vl1", mainData);
  folder.write("Data/venues.txt", {"Hall"});
  Program editor(folder.root());
  ASSERT_TRUE(editor.started());
  HWND start = editor.waitForWindow(mainTitle);
  ASSERT_NE(start, nullptr);
  click(childWith(start, L"Button", L"Edit Data For New Games"));
  HWND hub = nullptr;
  ASSERT_TRUE(Program::waitUntil([&] {
    hub = editor.shownWindow(mainTitle);
    return hub && childWith(hub, L"Button", L"Edit The Start Date");
  }));
  click(childWith(hub, L"Button", L"Edit The Start Date"));
  HWND window = nullptr;
  ASSERT_TRUE(Program::waitUntil([&] {
    window = editor.shownWindow(mainTitle);
    return window && childWith(window, L"Button", L"Confirm Start Date");
  }));

  // The day number, the second list: seven steps down from "1".
  HWND days = nthChild(window, L"ComboBox", 1);
  ASSERT_NE(days, nullptr);
  EXPECT_EQ(textOf(days), L"1");
  for (int i = 0; i < 7; ++i) press(days, VK_DOWN);
  ASSERT_TRUE(Program::waitUntil([&] { return textOf(days) == L"8"; }));

  // The year's arrows: a step right and back; the bar shows the year the window holds.
  HWND year = nthChild(window, L"ScrollBar", 0);
  ASSERT_NE(year, nullptr);
  const auto yearShown = [year] {
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(year, SB_CTL, &info);
    return info.nPos;
  };
  EXPECT_EQ(yearShown(), 1950);
  press(year, VK_RIGHT);
  ASSERT_TRUE(Program::waitUntil([&] { return yearShown() == 1951; }));
  press(year, VK_LEFT);
  ASSERT_TRUE(Program::waitUntil([&] { return yearShown() == 1950; }));

  // Another program changes the file: the editor asks before it replaces it; No writes nothing.
  const std::string changed = mainData + "\r\nchanged";
  folder.writeBytes("Data/maindata.vl1", changed);
  click(childWith(window, L"Button", L"Confirm Start Date"));
  HWND question = waitForBox(editor, L"maindata.vl1 has been changed on disk");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(childWith(question, L"Button", L"Cancel"), nullptr);  // only Yes or No
  click(childWith(question, L"Button", L"&No"));
  ASSERT_TRUE(Program::waitUntil([&] { return !IsWindow(question); }));
  EXPECT_EQ(folder.bytes("Data/maindata.vl1"), changed);

  // The close box asks about the unsaved date; Cancel keeps the window and its date.
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  HWND closing = waitForBox(editor, L"The start date has unsaved changes.");
  ASSERT_NE(closing, nullptr);
  click(childWith(closing, L"Button", L"Cancel"));
  ASSERT_TRUE(Program::waitUntil([&] { return !IsWindow(closing); }));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(textOf(days), L"8");

  // Asked again, No ends the program and writes nothing.
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  closing = waitForBox(editor, L"The start date has unsaved changes.");
  ASSERT_NE(closing, nullptr);
  click(childWith(closing, L"Button", L"&No"));
  EXPECT_EQ(editor.waitForEnd(), 0);
  EXPECT_EQ(folder.bytes("Data/maindata.vl1"), changed);
}

// A prompt answered by Return: the typed name is taken, and the scenario's folder is made.
TEST(EditorProgram, APromptAnsweredByReturnTakesTheTypedName) {
  GameFolder folder;
  writeNewGameData(folder);
  Program editor(folder.root());
  ASSERT_TRUE(editor.started());
  HWND prompt = raiseScenarioNamePrompt(editor);
  ASSERT_NE(prompt, nullptr);
  HWND answer = nthChild(prompt, L"Edit", 0);
  ASSERT_NE(answer, nullptr);
  SendMessageW(answer, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Caf\u00E9 Wars"));
  press(answer, VK_RETURN);
  ASSERT_TRUE(Program::waitUntil([&] { return !IsWindow(prompt); }));
  EXPECT_TRUE(Program::waitUntil([&] { return folder.exists("Scenarios/Caf\u00E9 Wars"); }));
}

}  // namespace
