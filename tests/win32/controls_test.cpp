// The Win32 front end's controls in this process, under Wine with a display: a window with one
// control of each kind, what the person does on the Win32 controls reaching the controls as their
// user actions, and what the controls hold reaching the screen.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/game_folder.h"
#include "ui/ui.h"
#include "win32/control_views.h"
#include "win32/front_end.h"
#include "win32/win32_desktop.h"

namespace {

struct Sample : ui::Form {
  ui::TextBox line{*this, "line"};
  ui::TextBox lines{*this, "lines"};
  ui::ComboBox list{*this, "list"};
  ui::ComboBox editable{*this, "editable", true};
  ui::HScrollBar bar{*this, "bar"};
  ui::Grid grid{*this, "grid"};
  ui::ImageBox picture{*this, "picture"};
  ui::DirListBox folders{*this, "folders"};
  ui::CommandButton cancel{*this, "cancel"};
  ui::CommandButton other{*this, "other"};
  ui::Label stat{*this, "stat"};    // takes clicks
  ui::Label plain{*this, "plain"};  // takes none
  std::vector<std::string> heard;

  Sample() {
    setCaption("Sample");
    setSize(640, 480);
    // Made in another order than they are read: the keyboard goes by their places.
    cancel.place(500, 440, 100, 25);
    cancel.setCaption("Cancel");
    cancel.setCancel(true);
    other.place(390, 440, 100, 25);
    other.setCaption("Other");
    line.place(10, 10, 200, 21);
    lines.place(10, 40, 200, 60);
    lines.setMultiLine(true);
    list.place(220, 10, 120, 21);
    for (const char* item : {"One", "Two", "Three"}) list.addItem(item);
    editable.place(350, 10, 120, 21);
    for (const char* item : {"Red", "Green"}) editable.addItem(item);
    bar.place(220, 40, 200, 17);
    bar.setRange(10, 110);
    bar.setSteps(1, 10);
    grid.place(10, 110, 400, 200);
    picture.place(420, 110, 40, 40);
    folders.place(420, 200, 150, 100);
    stat.place(220, 75, 100, 20);
    stat.setCaption("Stat");
    plain.place(330, 75, 100, 20);
    plain.setCaption("Plain");

    line.onChange = [this] { heard.push_back("line:" + line.text()); };
    line.onKeyDown = [this](int key) { heard.push_back("line key " + std::to_string(key)); };
    line.onDblClick = [this] { heard.push_back("line double click"); };
    lines.onChange = [this] { heard.push_back("lines:" + lines.text()); };
    list.onClick = [this] { heard.push_back("list:" + list.text()); };
    list.onKeyDown = [this](int key) { heard.push_back("list key " + std::to_string(key)); };
    editable.onClick = [this] { heard.push_back("editable click:" + editable.text()); };
    editable.onChange = [this] { heard.push_back("editable:" + editable.text()); };
    bar.onChange = [this] { heard.push_back("bar change " + std::to_string(bar.value())); };
    bar.onScroll = [this] { heard.push_back("bar scroll " + std::to_string(bar.value())); };
    grid.onSelect = [this] {
      heard.push_back("cell " + std::to_string(grid.row()) + "," + std::to_string(grid.col()));
    };
    cancel.onClick = [this] { heard.push_back("cancel"); };
    stat.onClick = [this] { heard.push_back("stat"); };
  }
};

// Hands every message waiting to the front end as its message loop does.
void pump(win::FrontEnd& front) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (front.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The Win32 control of the sample window with this class, the n-th in its order (from 0).
HWND childOf(HWND parent, const std::wstring& type, int n = 0) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiW(classOf(child).c_str(), type.c_str()) == 0 && n-- == 0) return child;
  }
  return nullptr;
}

void typeChar(HWND box, wchar_t c) { SendMessageW(box, WM_CHAR, c, 1); }

void press(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 1 | (3u << 30));
}

// Answers the message boxes this process shows, from a thread of its own, and keeps their texts.
class BoxAnswerer {
 public:
  BoxAnswerer()
      : thread_([this] {
          while (!stop_) {
            HWND box = FindWindowW(L"#32770", nullptr);
            if (box && IsWindowVisible(box)) {
              std::wstring all;
              for (HWND child = GetWindow(box, GW_CHILD); child;
                   child = GetWindow(child, GW_HWNDNEXT)) {
                const std::wstring type = classOf(child);
                if (lstrcmpiW(type.c_str(), L"Static") != 0 &&
                    lstrcmpiW(type.c_str(), L"Edit") != 0)
                  continue;
                wchar_t text[8192] = {};
                GetWindowTextW(child, text, 8192);
                all +=
                    lstrcmpiW(type.c_str(), L"Edit") == 0 ? L"[" + std::wstring(text) + L"]" : text;
              }
              texts_.push_back(all);
              PostMessageW(box, WM_COMMAND, IDOK, 0);
              while (IsWindow(box) && !stop_) Sleep(10);
            }
            Sleep(10);
          }
        }) {}
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }
  // The texts of the boxes answered so far (an answer field's text in brackets); only read while
  // no box is up.
  const std::vector<std::wstring>& texts() const { return texts_; }

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::wstring> texts_;
  std::thread thread_;
};

class Win32Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    front.flush();
    handle = front.window(window);
    ASSERT_NE(handle, nullptr);
    pump(front);
  }

  win::Program program;  // the common controls and COM, for the pictures
  Sample window;
  win::FrontEnd front{{&window}};
  HWND handle = nullptr;
};

TEST_F(Win32Controls, TypedTextReachesTheBoxesAndCharactersTheFilesCantHoldAreRefused) {
  HWND line = childOf(handle, L"Edit", 0);
  HWND lines = childOf(handle, L"Edit", 1);
  ASSERT_NE(line, nullptr);
  ASSERT_NE(lines, nullptr);
  SetFocus(line);
  typeChar(line, L'a');
  typeChar(line, L'\u00E9');  // é has a byte of the game's code page
  EXPECT_EQ(window.line.text(), "a\xE9");
  SendMessageW(lines, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"one\r\ntwo"));
  EXPECT_EQ(window.lines.text(), "one\r\ntwo");
  // A text set by the window shows, its line breaks as line breaks.
  window.lines.setText("x\r\ny");
  front.flush();
  EXPECT_EQ(win::windowText(lines), L"x\r\ny");

  {
    BoxAnswerer answerer;
    typeChar(line, L'\u03A9');  // Ω has none: refused, the box as it was
    ASSERT_EQ(answerer.texts().size(), 1u);
    EXPECT_NE(answerer.texts()[0].find(L"The game's files can't hold the character \"\u03A9\" "
                                       L"(U+03A9)."),
              std::wstring::npos)
        << answerer.texts()[0];
  }
  EXPECT_EQ(window.line.text(), "a\xE9");
  EXPECT_EQ(win::windowText(line), L"a\u00E9");

  // The key reaches the window before the box takes it; a double click too.
  window.heard.clear();
  press(line, VK_F5);
  PostMessageW(line, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(line, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  pump(front);
  EXPECT_EQ(window.heard, (std::vector<std::string>{"line key 116", "line double click"}));

  // A text longer than a box holds while it can be typed in takes no typing, and says why.
  window.line.setText(std::string(100001, 'x'));
  front.flush();
  {
    BoxAnswerer answerer;
    press(line, 'A');
    pump(front);
    ASSERT_EQ(answerer.texts().size(), 1u);
    EXPECT_EQ(answerer.texts()[0].rfind(L"The text is 100,001 characters long; a box holds at most "
                                        L"100,000 characters.",
                                        0),
              0u)
        << answerer.texts()[0];
  }
  EXPECT_EQ(window.line.text(), std::string(100001, 'x'));
}

TEST_F(Win32Controls, TheListsTakeTheirChoicesByTheKeysAndTheEditableOneItsTyping) {
  HWND list = childOf(handle, L"ComboBox", 0);
  HWND editable = childOf(handle, L"ComboBox", 1);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(editable, nullptr);
  EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
  // The list's height is the design's, its open list hangs under it.
  RECT field{};
  SendMessageW(list, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&field));
  EXPECT_GT(field.bottom - field.top, 21 * 3);

  window.list.setListIndex(0);
  front.flush();
  window.heard.clear();
  SetFocus(list);
  press(list, VK_DOWN);
  pump(front);
  EXPECT_EQ(window.heard, (std::vector<std::string>{"list key 40", "list:Two"}));
  EXPECT_EQ(window.list.listIndex(), 1);

  COMBOBOXINFO parts{};
  parts.cbSize = sizeof(parts);
  ASSERT_TRUE(GetComboBoxInfo(editable, &parts));
  window.heard.clear();
  typeChar(parts.hwndItem, L'R');
  EXPECT_EQ(window.heard, (std::vector<std::string>{"editable:R"}));
  {
    BoxAnswerer answerer;
    typeChar(parts.hwndItem, L'\u2713');
    EXPECT_EQ(answerer.texts().size(), 1u);
  }
  EXPECT_EQ(window.editable.text(), "R");
  EXPECT_EQ(win::windowText(editable), L"R");
  window.editable.setText("Green");
  front.flush();
  EXPECT_EQ(win::windowText(editable), L"Green");
  EXPECT_EQ(SendMessageW(editable, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(Win32Controls, TheScrollBarStepsByItsChangesAndDragsToWhereTheBoxIsLetGo) {
  HWND bar = childOf(handle, L"ScrollBar");
  ASSERT_NE(bar, nullptr);
  const auto shown = [bar] {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &info);
    return info;
  };
  EXPECT_EQ(shown().nMin, 10);
  EXPECT_EQ(shown().nMax - static_cast<int>(shown().nPage) + 1, 110);  // the box's last place

  struct Case {
    WPARAM key;
    int value;
  };
  // From 10: a small step right, a large one, one back, to the end and to the start.
  for (const Case& step : {Case{VK_RIGHT, 11}, Case{VK_NEXT, 21}, Case{VK_LEFT, 20},
                           Case{VK_END, 110}, Case{VK_RIGHT, 110}, Case{VK_HOME, 10}}) {
    window.heard.clear();
    SetFocus(bar);
    press(bar, step.key);
    pump(front);
    EXPECT_EQ(window.bar.value(), step.value) << step.key;
    EXPECT_EQ(shown().nPos, step.value) << step.key;
    EXPECT_EQ(window.heard, std::vector<std::string>{"bar change " + std::to_string(step.value)})
        << step.key;
  }

  // The box dragged by the mouse: scrolls while dragged, changes where it is let go.
  window.heard.clear();
  RECT box{};
  GetClientRect(bar, &box);
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int y = box.bottom / 2;
  PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow + 3, y));
  PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(box.right / 2, y));
  PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(box.right / 2, y));
  pump(front);
  ASSERT_GE(window.heard.size(), 2u);
  const int dragged = window.bar.value();
  EXPECT_GT(dragged, 30);
  EXPECT_LT(dragged, 90);
  EXPECT_EQ(window.heard.front().rfind("bar scroll ", 0), 0u);
  EXPECT_EQ(window.heard.back(), "bar change " + std::to_string(dragged));
}

// The text of a cell of the grid's list, as a person's screen reader asks for it.
std::wstring cellText(HWND grid, int item, int column) {
  wchar_t text[256] = {};
  LVITEMW asked{};
  asked.iSubItem = column;
  asked.pszText = text;
  asked.cchTextMax = 256;
  SendMessageW(grid, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&asked));
  return text;
}

TEST_F(Win32Controls, AGridOf100000RowsShowsItsCellsScrollsWhereTheWindowPutsItAndTakesClicks) {
  window.grid.setCols(3);
  window.grid.setRows(100001);  // a header row and 100,000 rows
  window.grid.setTextMatrix(0, 1, "Name");
  for (const int row : {1, 50000, 100000})
    window.grid.setTextMatrix(row, 1, "Row " + std::to_string(row));
  window.grid.setColWidth(1, 120);
  window.grid.setTopRow(50000);
  front.flush();
  HWND grid = childOf(handle, WC_LISTVIEWW);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(ListView_GetItemCount(grid), 100000);
  EXPECT_EQ(cellText(grid, 0, 1), L"Row 1");
  EXPECT_EQ(cellText(grid, 99999, 1), L"Row 100000");
  EXPECT_EQ(ListView_GetTopIndex(grid), 49999);  // grid row 50,000 at the top
  EXPECT_EQ(ListView_GetColumnWidth(grid, 1), 120);
  wchar_t heading[32] = {};
  HDITEMW asked{};
  asked.mask = HDI_TEXT;
  asked.pszText = heading;
  asked.cchTextMax = 32;
  SendMessageW(ListView_GetHeader(grid), HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&asked));
  EXPECT_EQ(std::wstring(heading), L"Name");

  // The person scrolls to the end and back by the keys: the window's top row stays its own.
  SetFocus(grid);
  for (const WPARAM key : {VK_END, VK_HOME, VK_END}) press(grid, key);
  pump(front);
  UpdateWindow(grid);
  EXPECT_GT(ListView_GetTopIndex(grid), 99000);

  // A click on a cell selects it; Return on the current row selects its first cell that is not
  // fixed.
  window.heard.clear();
  RECT cell{};
  ListView_GetSubItemRect(grid, 99999, 2, LVIR_BOUNDS, &cell);
  const LPARAM at = MAKELPARAM(cell.left + 5, (cell.top + cell.bottom) / 2);
  PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(grid, WM_LBUTTONUP, 0, at);
  pump(front);
  press(grid, VK_RETURN);
  pump(front);
  EXPECT_EQ(window.heard, (std::vector<std::string>{"cell 100000,2", "cell 100000,1"}));

  // Scrolled away from the current row, Return does nothing, and a key down starts from the top
  // row in view.
  window.heard.clear();
  ListView_EnsureVisible(grid, 0, FALSE);
  press(grid, VK_RETURN);
  pump(front);
  EXPECT_TRUE(window.heard.empty());
  press(grid, VK_DOWN);
  press(grid, VK_RETURN);
  pump(front);
  EXPECT_EQ(window.heard, (std::vector<std::string>{"cell 2,1"}));  // the row under the top one
}

// A BMP file of 2 x 2 pixels of one colour (blue, green, red).
std::string bitmapFile(unsigned char b, unsigned char g, unsigned char r) {
  std::string bytes = "BM";
  const auto put = [&bytes](unsigned value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(70, 4), put(0, 4), put(54, 4);                        // file header
  put(40, 4), put(2, 4), put(2, 4), put(1, 2), put(24, 2);  // info header
  put(0, 4), put(16, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
  for (int row = 0; row < 2; ++row) {
    for (int pixel = 0; pixel < 2; ++pixel)
      bytes += {static_cast<char>(b), static_cast<char>(g), static_cast<char>(r)};
    bytes += std::string(2, '\0');  // rows are padded to four bytes
  }
  return bytes;
}

TEST_F(Win32Controls, APictureIsStretchedOverItsBoxAndAFileThatIsNoPictureShowsNothing) {
  GameFolder folder;
  folder.writeBytes("Images/red.bmp", bitmapFile(0, 0, 255));
  folder.writeBytes("Images/not.jpg", "not a picture");
  const auto middle = [this] {
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(handle);
    const COLORREF colour = GetPixel(dc, win::FrontEnd::scaled(440), win::FrontEnd::scaled(130));
    ReleaseDC(handle, dc);
    return colour;
  };
  window.picture.setPicture(folder.pathText("Images\\red.bmp"));
  front.flush();
  EXPECT_EQ(middle(), RGB(255, 0, 0));
  window.picture.setPicture(folder.pathText("Images\\not.jpg"));
  front.flush();
  EXPECT_EQ(middle(), GetSysColor(COLOR_BTNFACE));
}

TEST_F(Win32Controls, AFolderListShowsTheFoldersOwnNames) {
  GameFolder folder;
  folder.makeFolder("Scenarios/Alpha");
  folder.makeFolder("Scenarios/Beta");
  window.folders.setPath(folder.pathText("Scenarios"));
  front.flush();
  HWND list = childOf(handle, L"ListBox");
  ASSERT_NE(list, nullptr);
  std::vector<std::wstring> names;
  for (int i = 0; i < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
    wchar_t name[64] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Alpha", L"Beta"}));
}

TEST_F(Win32Controls, TabGoesByTheControlsPlacesAndEscapeClicksTheCancelButton) {
  // The window has given the keys to its first control.
  EXPECT_EQ(GetFocus(), childOf(handle, L"Edit", 0));
  SetFocus(childOf(handle, L"ScrollBar"));
  // Row by row from the top, each row from the left: the bar, the label that takes clicks (the
  // window itself takes the keys for it), the grid beside the folders, the buttons ("Other" left
  // of "Cancel"), then round to the boxes and lists at the top.
  std::vector<std::wstring> visited;
  for (int i = 0; i < 9; ++i) {
    press(GetFocus(), VK_TAB);
    pump(front);
    HWND focused = GetFocus();
    HWND owner = focused == handle || GetParent(focused) == handle ? focused : GetParent(focused);
    visited.push_back(owner == handle ? L"window" : classOf(owner) + L":" + win::windowText(owner));
  }
  EXPECT_EQ(visited, (std::vector<std::wstring>{L"window", L"SysListView32:", L"ListBox:",
                                                L"Button:Other", L"Button:Cancel", L"Edit:",
                                                L"ComboBox:", L"ComboBox:", L"Edit:"}));
  // Space on the label clicks it.
  SetFocus(childOf(handle, L"ScrollBar"));
  press(GetFocus(), VK_TAB);
  pump(front);
  window.heard.clear();
  press(handle, VK_SPACE);
  pump(front);
  EXPECT_EQ(window.heard, (std::vector<std::string>{"stat"}));
  SetFocus(childOf(handle, L"Edit", 1));
  // In a multi-line box Tab types itself.
  press(GetFocus(), VK_TAB);
  pump(front);
  EXPECT_EQ(window.lines.text(), "\t");

  // Escape clicks the cancel button, also from a multi-line box.
  for (HWND from : {childOf(handle, L"Edit", 1), childOf(handle, L"Edit", 0)}) {
    window.heard.clear();
    SetFocus(from);
    press(from, VK_ESCAPE);
    pump(front);
    ASSERT_FALSE(window.heard.empty());
    EXPECT_EQ(window.heard.back(), "cancel");  // after the box's own key-down
    EXPECT_TRUE(IsWindowVisible(handle));
  }
}

// A button of a colour of its own shows it (the filter chosen on the venue window); the hourglass
// shows while the handler of a button that asks for it runs, and goes after it.
TEST_F(Win32Controls, AColouredButtonShowsItsColourAndTheHourglassShowsWhileItsHandlerRuns) {
  HWND other = nullptr;
  for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (win::windowText(child) == L"Other") other = child;
  ASSERT_NE(other, nullptr);
  const auto face = [other] {
    RedrawWindow(other, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(other);
    const COLORREF colour = GetPixel(dc, 5, 5);
    ReleaseDC(other, dc);
    return colour;
  };
  window.other.setBackColor(ui::yellow);
  front.flush();
  EXPECT_EQ(face(), RGB(255, 255, 0));
  window.other.setBackColor(ui::buttonFace);
  front.flush();
  EXPECT_EQ(face(), GetSysColor(COLOR_BTNFACE));

  HCURSOR during = nullptr;
  window.other.onClick = [&] {
    ui::BusyPointer busy(window.other);
    during = GetCursor();
  };
  SendMessageW(other, BM_CLICK, 0, 0);
  pump(front);
  EXPECT_EQ(during, LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));       // IDC_WAIT
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
}

// A text longer than a screen shows is cut in a message box, its end in view; a prompt whose
// present answer is too long to type in says so and leaves its field empty, which keeps it.
TEST_F(Win32Controls, LongTextsAreShownCutInMessagesAndPrompts) {
  win::Win32Desktop desktop;
  desktop.attach(front);
  const std::string value(200000, 'x');
  BoxAnswerer answerer;
  desktop.message("The name " + value + " ends here.", ui::Buttons::Ok, ui::Icon::None, "");
  EXPECT_EQ(desktop.prompt("New name?", "Name", value), "");
  ASSERT_EQ(answerer.texts().size(), 2u);
  const std::wstring& message = answerer.texts()[0];
  EXPECT_LE(message.size(), ui::shownLength);
  EXPECT_EQ(message.substr(0, 9), L"The name ");
  EXPECT_NE(message.find(L"x...x"), std::wstring::npos);
  EXPECT_EQ(message.substr(message.size() - 10), L"ends here.");
  EXPECT_NE(answerer.texts()[1].find(L"New name?\r\n\r\n(The present answer is 200000 characters "
                                     L"long, too long to show here. Leave the box empty to keep "
                                     L"it.)"),
            std::wstring::npos)
      << answerer.texts()[1].substr(0, 200);
  EXPECT_NE(answerer.texts()[1].find(L"[]"), std::wstring::npos);
}

// A window opened by the person's action on another that stays up is a pop-up of it, kept above
// it; when that window goes and another comes up in its place, the pop-up stays above the new one.
TEST(Win32PopUps, APopUpStaysAboveTheWindowItWasOpenedFromAndPassesToTheOneInItsPlace) {
  struct Page : ui::Form {
    ui::CommandButton open{*this, "open"}, next{*this, "next"};
    Page() {
      setSize(300, 200);
      open.place(10, 10, 100, 25);
      next.place(10, 50, 100, 25);
    }
  };
  win::Program program;
  Page first, popUp, second;
  first.open.onClick = [&] { popUp.show(); };
  first.next.onClick = [&] {
    first.hide();
    second.show();
  };
  win::FrontEnd front({&first, &popUp, &second});
  first.show();
  front.flush();
  HWND firstWindow = front.window(first);
  SendMessageW(GetDlgItem(firstWindow, 1000), BM_CLICK, 0, 0);
  pump(front);
  ASSERT_TRUE(popUp.visible());
  EXPECT_EQ(GetWindow(front.window(popUp), GW_OWNER), firstWindow);

  SendMessageW(GetDlgItem(firstWindow, 1001), BM_CLICK, 0, 0);
  pump(front);
  ASSERT_TRUE(second.visible());
  EXPECT_FALSE(IsWindowVisible(firstWindow));
  EXPECT_TRUE(IsWindowVisible(front.window(popUp)));
  EXPECT_EQ(GetWindow(front.window(popUp), GW_OWNER), front.window(second));
  // The second window, opened in the first's place, belongs to no window.
  EXPECT_EQ(GetWindow(front.window(second), GW_OWNER), nullptr);
}

}  // namespace
