#include "win32/control_views.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/front_end.h"
#include "win32/text.h"
#include "win32/win32_desktop.h"

namespace win {

template <typename Action>
void ControlView::act(Action action) {
  front_.act(control_.form(), action);
}

namespace {

RECT designRect(int left, int top, int width, int height) {
  return {FrontEnd::scaled(left), FrontEnd::scaled(top), FrontEnd::scaled(left + width),
          FrontEnd::scaled(top + height)};
}

COLORREF colorOf(ui::Color color) {
  // The system colours (high bit set) are the button face.
  if (color & 0x80000000u) return GetSysColor(COLOR_BTNFACE);
  return static_cast<COLORREF>(color & 0xFFFFFF);  // both are 0x00BBGGRR
}

UINT alignmentOf(ui::Align align) {
  switch (align) {
    case ui::Align::Center:
      return DT_CENTER;
    case ui::Align::Right:
      return DT_RIGHT;
    case ui::Align::Left:
      break;
  }
  return DT_LEFT;
}

HWND makeChild(const wchar_t* type, DWORD extendedStyle, DWORD style, HWND parent, int id) {
  return CreateWindowExW(extendedStyle, type, L"", WS_CHILD | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void setFont(HWND window, const ui::Control& control) {
  SendMessageW(
      window, WM_SETFONT,
      reinterpret_cast<WPARAM>(FrontEnd::font(FrontEnd::fontPixels(control), control.bold())),
      FALSE);
}

// A multi-line box's text as the edit control holds it: every line break "\r\n".
std::wstring withLineBreaks(const std::string& bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  const std::wstring wide = toWide(bytes);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (wide[i] == L'\r') {
      text += L"\r\n";
      if (i + 1 < wide.size() && wide[i + 1] == L'\n') ++i;
    } else if (wide[i] == L'\n') {
      text += L"\r\n";
    } else {
      text += wide[i];
    }
  }
  return text;
}

// The keys the windows are told of, by their Windows key codes: Return, the digits (also on the
// numeric pad), the letters, the function keys, and the keys that move and edit.
bool reportedKey(int key) {
  return key == ui::KeyEnter || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
         (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) || (key >= VK_F1 && key <= VK_F12) ||
         (key >= VK_SPACE && key <= VK_DOWN) || key == VK_BACK || key == VK_TAB ||
         key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_ESCAPE ||
         key == VK_INSERT || key == VK_DELETE;
}

// The smallest size a caption is drawn at: 6 pt, in design pixels.
constexpr int smallestPixels = 8;

// --- command buttons -------------------------------------------------------------------------

class ButtonView : public ControlView {
 public:
  ButtonView(FrontEnd& front, ui::CommandButton& button, HWND parent, int id)
      : ControlView(front, button,
                    makeChild(L"BUTTON", 0, WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, parent, id)),
        button_(button) {}

  void command(int code) override {
    if (code == BN_CLICKED) act([this] { button_.click(); });
  }

 protected:
  void syncContent() override {
    const std::wstring caption = shownWide(button_.caption());
    // The caption is drawn inside the button's frame.
    const SIZE room{std::max(1, FrontEnd::scaled(button_.width()) - 8),
                    std::max(1, FrontEnd::scaled(button_.height()) - 6)};
    const FittedCaption fitted =
        fitCaption(caption, FrontEnd::fontPixels(button_), button_.bold(), room, 0);
    SendMessageW(handle_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(FrontEnd::font(fitted.pixels, button_.bold())), FALSE);
    if (windowText(handle_) != caption) SetWindowTextW(handle_, caption.c_str());
    // A button of a colour of its own is drawn here; the rest as the system draws buttons.
    const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    const LONG_PTR kind = coloured() ? BS_OWNERDRAW : BS_PUSHBUTTON;
    if ((style & BS_TYPEMASK) != kind)
      SetWindowLongPtrW(handle_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | kind);
    fitted_ = fitted;
  }

 public:
  void drawItem(const DRAWITEMSTRUCT& draw) override {
    RECT face = draw.rcItem;
    const bool pushed = (draw.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(draw.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    InflateRect(&face, -2, -2);
    HBRUSH fill = CreateSolidBrush(colorOf(button_.backColor()));
    FillRect(draw.hDC, &face, fill);
    DeleteObject(fill);
    const std::wstring caption = shownWide(button_.caption());
    HGDIOBJ old = SelectObject(draw.hDC, FrontEnd::font(fitted_.pixels, button_.bold()));
    SetBkMode(draw.hDC, TRANSPARENT);
    const bool enabled = !(draw.itemState & ODS_DISABLED);
    SetTextColor(draw.hDC, enabled ? colorOf(button_.foreColor()) : GetSysColor(COLOR_GRAYTEXT));
    RECT room = face;
    InflateRect(&room, -2, -1);
    if (pushed) OffsetRect(&room, 1, 1);
    UINT format = DT_CENTER | DT_NOPREFIX;
    if (fitted_.wrap) {
      // Broken onto lines, the caption sits in the middle of the button.
      RECT measured = room;
      DrawTextW(draw.hDC, caption.c_str(), static_cast<int>(caption.size()), &measured,
                format | DT_WORDBREAK | DT_CALCRECT);
      const int spare = (room.bottom - room.top) - (measured.bottom - measured.top);
      if (spare > 0) room.top += spare / 2;
      format |= DT_WORDBREAK;
    } else {
      format |= DT_SINGLELINE | DT_VCENTER;
    }
    DrawTextW(draw.hDC, caption.c_str(), static_cast<int>(caption.size()), &room, format);
    SelectObject(draw.hDC, old);
    if (draw.itemState & ODS_FOCUS) {
      RECT ring = face;
      InflateRect(&ring, -2, -2);
      DrawFocusRect(draw.hDC, &ring);
    }
  }

 private:
  bool coloured() const {
    const ui::Color back = button_.backColor();
    return back != ui::noColor && !(back & 0x80000000u);
  }

  ui::CommandButton& button_;
  FittedCaption fitted_;
};

// --- text boxes ------------------------------------------------------------------------------

class TextView : public ControlView {
 public:
  TextView(FrontEnd& front, ui::TextBox& box, HWND parent, int id)
      : ControlView(front, box,
                    makeChild(L"EDIT", WS_EX_CLIENTEDGE,
                              WS_TABSTOP |
                                  (box.multiLine() ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                                                         (box.verticalScrollBar() ? WS_VSCROLL : 0)
                                                   : ES_AUTOHSCROLL),
                              parent, id)),
        box_(box) {
    // The box takes any length; a typed text longer than a box holds is refused with a message.
    SendMessageW(handle_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  }

  void command(int code) override {
    if (code != EN_CHANGE || restoring_) return;
    const std::wstring typed = windowText(handle_);
    const std::string refused = refusal(typed);
    if (!refused.empty()) {
      putBack(typed);
      refuse(refused);
      return;
    }
    const std::string bytes = fromWide(typed);
    if (bytes == box_.text()) return;
    act([this, &bytes] { box_.type(bytes); });
  }
  bool keyDown(int key) override {
    if (reportedKey(key)) act([this, key] { box_.pressKey(key); });
    // Typing into a text too long to type in: the person is told why nothing happens.
    const bool typing = (key >= '0' && key <= 'Z') || key == VK_SPACE ||
                        (key >= VK_NUMPAD0 && key <= VK_DIVIDE) ||
                        (key >= VK_OEM_1 && key <= VK_OEM_8);
    const bool command = (GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000);
    if (typing && !command && !box_.locked() &&
        box_.text().size() > static_cast<std::size_t>(ui::editableLength))
      refuse(ui::tooLongMessage(box_.text().size()));
    return false;
  }
  void doubleClicked() override {
    act([this] { box_.doubleClick(); });
  }

 protected:
  void syncContent() override {
    setFont(handle_, box_);
    const std::wstring text = shown();
    if (windowText(handle_) != text) {
      restoring_ = true;
      SetWindowTextW(handle_, text.c_str());
      restoring_ = false;
    }
    // A text longer than a box holds while it can be typed in is shown, and takes no typing.
    const bool whole = box_.text().size() <= static_cast<std::size_t>(ui::editableLength);
    SendMessageW(handle_, EM_SETREADONLY, box_.locked() || !whole ? TRUE : FALSE, 0);
    if (!box_.multiLine()) {
      LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE) & ~(ES_CENTER | ES_RIGHT);
      if (box_.alignment() == ui::Align::Center) style |= ES_CENTER;
      if (box_.alignment() == ui::Align::Right) style |= ES_RIGHT;
      SetWindowLongPtrW(handle_, GWL_STYLE, style);
    }
  }

 private:
  std::wstring shown() const {
    // A text too long to type in is shown cut.
    if (box_.text().size() > static_cast<std::size_t>(ui::editableLength))
      return shownWide(box_.text());
    return box_.multiLine() ? withLineBreaks(box_.text()) : toWide(box_.text());
  }
  // The text before the refused typing, the cursor where it was.
  void putBack(const std::wstring& typed) {
    const std::wstring before = shown();
    DWORD end = 0;
    SendMessageW(handle_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    const auto cursor = std::clamp<long long>(
        static_cast<long long>(end) -
            (static_cast<long long>(typed.size()) - static_cast<long long>(before.size())),
        0, static_cast<long long>(before.size()));
    restoring_ = true;
    SetWindowTextW(handle_, before.c_str());
    SendMessageW(handle_, EM_SETSEL, static_cast<WPARAM>(cursor), static_cast<LPARAM>(cursor));
    restoring_ = false;
  }

  ui::TextBox& box_;
  bool restoring_ = false;
};

// --- combo boxes -----------------------------------------------------------------------------

// Fills a list box or a combo box with the items, unless it shows them already (`shown`).
void syncItems(HWND window, bool combo, std::vector<std::string>& shown,
               const std::vector<std::string>& items, std::wstring (*display)(std::string_view)) {
  if (shown == items) return;
  shown = items;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& item : shown)
    SendMessageW(window, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(display(item).c_str()));
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
}

class ComboView : public ControlView {
 public:
  ComboView(FrontEnd& front, ui::ComboBox& combo, HWND parent, int id)
      : ControlView(front, combo,
                    makeChild(L"COMBOBOX", 0,
                              WS_TABSTOP | WS_VSCROLL | CBS_NOINTEGRALHEIGHT | CBS_AUTOHSCROLL |
                                  (combo.editable() ? CBS_DROPDOWN : CBS_DROPDOWNLIST),
                              parent, id)),
        combo_(combo) {
    if (combo.editable()) SendMessageW(handle_, CB_LIMITTEXT, 0, 0);
  }

  void command(int code) override {
    if (restoring_) return;
    const int index = static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0));
    // An item picked from the open list (also the one already shown), or chosen by the keys on
    // the closed box; the closed box tells of one choice twice (its selection changed, and
    // ended), in either order.
    if (code == CBN_DROPDOWN) closedChoice_ = -1;
    const bool dropped = SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    if ((code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped)) && index >= 0) {
      if (!dropped && closedChoice_ == index) {
        closedChoice_ = -1;
        return;
      }
      closedChoice_ = dropped ? -1 : index;
      act([this, index] { combo_.choose(index); });
      return;
    }
    if (code != CBN_EDITCHANGE) return;
    const std::wstring typed = windowText(handle_);
    const std::string refused = refusal(typed);
    if (!refused.empty()) {
      restoring_ = true;
      SetWindowTextW(handle_, toWide(combo_.text()).c_str());
      restoring_ = false;
      refuse(refused);
      return;
    }
    const std::string bytes = fromWide(typed);
    act([this, &bytes] { combo_.type(bytes); });
  }
  bool keyDown(int key) override {
    closedChoice_ = -1;
    if (reportedKey(key)) act([this, key] { combo_.pressKey(key); });
    return false;
  }

 protected:
  // The design's height is the closed box's; the open list hangs under it, 12 items long.
  RECT placeFor(RECT design) const override {
    design.bottom += 12 * FrontEnd::scaled(FrontEnd::fontPixels(combo_) + 4);
    return design;
  }
  void syncContent() override {
    setFont(handle_, combo_);
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 std::max(1, FrontEnd::scaled(combo_.height()) - 6));
    restoring_ = true;
    syncItems(handle_, true, shown_, combo_.items(), &shownWide);
    if (SendMessageW(handle_, CB_GETCURSEL, 0, 0) != combo_.listIndex())
      SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
    if (combo_.editable()) {
      const std::wstring text = toWide(combo_.text());
      if (windowText(handle_) != text) SetWindowTextW(handle_, text.c_str());
    }
    restoring_ = false;
  }

 private:
  ui::ComboBox& combo_;
  std::vector<std::string> shown_;
  bool restoring_ = false;
  int closedChoice_ = -1;
};

// --- list boxes, file lists and folder lists -------------------------------------------------

HWND makeList(HWND parent, int id, DWORD notify) {
  return makeChild(L"LISTBOX", WS_EX_CLIENTEDGE,
                   WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | notify, parent, id);
}

// A list box or a file list: the item the person selects is the list's choice.
class ListView : public ControlView {
 public:
  ListView(FrontEnd& front, ui::ChoiceList& list, HWND parent, int id)
      : ControlView(front, list, makeList(parent, id, LBS_NOTIFY)), list_(list) {}

  void command(int code) override {
    const int index = static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0));
    if (index < 0) return;
    if (code == LBN_SELCHANGE) {
      if (index != list_.listIndex()) act([this, index] { list_.choose(index); });
    } else if (code == LBN_DBLCLK) {
      if (auto* box = dynamic_cast<ui::ListBox*>(&list_))
        act([box, index] { box->doubleClick(index); });
    }
  }

 protected:
  void syncContent() override {
    setFont(handle_, list_);
    syncItems(handle_, false, shown_, list_.items(), &shownWide);
    SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
  }

 private:
  ui::ChoiceList& list_;
  std::vector<std::string> shown_;
};

// The last part of a folder list's full path text, as a folder list shows its entries.
std::wstring folderName(std::string_view pathText) {
  const auto slash = pathText.find_last_of('\\');
  return shownWide(slash == std::string_view::npos ? pathText : pathText.substr(slash + 1));
}

// A folder list: it shows the folders' own names and has no choice of its own.
class FolderView : public ControlView {
 public:
  FolderView(FrontEnd& front, ui::DirListBox& list, HWND parent, int id)
      : ControlView(front, list, makeList(parent, id, 0)), list_(list) {}

 protected:
  void syncContent() override {
    setFont(handle_, list_);
    syncItems(handle_, false, shown_, list_.items(), &folderName);
  }

 private:
  ui::DirListBox& list_;
  std::vector<std::string> shown_;
};

// --- scroll bars -----------------------------------------------------------------------------

class ScrollView : public ControlView {
 public:
  ScrollView(FrontEnd& front, ui::HScrollBar& bar, HWND parent, int id)
      : ControlView(front, bar, makeChild(L"SCROLLBAR", 0, WS_TABSTOP | SBS_HORZ, parent, id)),
        bar_(bar) {}

  // Arrows, the track and the keys: the value the bar is to take; the dragged box: the value it
  // is dragged to, settled when it is let go.
  void scroll(int code, int place) override {
    // The box's place comes in 16 bits; a wider range asks the bar for it.
    int dragged = place;
    if (bar_.min() < -32768 || bar_.max() > 32767) {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(handle_, SB_CTL, &info);
      dragged = info.nTrackPos;
    }
    const int value = bar_.value();
    switch (code) {
      case SB_LINELEFT:
        return act([this, value] { bar_.scrollTo(value - bar_.smallChange()); });
      case SB_LINERIGHT:
        return act([this, value] { bar_.scrollTo(value + bar_.smallChange()); });
      case SB_PAGELEFT:
        return act([this, value] { bar_.scrollTo(value - bar_.largeChange()); });
      case SB_PAGERIGHT:
        return act([this, value] { bar_.scrollTo(value + bar_.largeChange()); });
      case SB_LEFT:
        return act([this] { bar_.scrollTo(bar_.min()); });
      case SB_RIGHT:
        return act([this] { bar_.scrollTo(bar_.max()); });
      case SB_THUMBTRACK:
        return act([this, dragged] { bar_.dragTo(dragged); });
      case SB_THUMBPOSITION:
        return act([this, dragged] { bar_.scrollTo(dragged); });
      default:
        return;
    }
  }

 protected:
  void syncContent() override {
    // The box is a page wide; its place runs from min to max.
    const int page = std::max(1, bar_.largeChange());
    const int low = std::min(bar_.min(), bar_.max()), high = std::max(bar_.min(), bar_.max());
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    low,
                    high + page - 1,
                    static_cast<UINT>(page),
                    bar_.value(),
                    0};
    SetScrollInfo(handle_, SB_CTL, &info, TRUE);
  }

 private:
  ui::HScrollBar& bar_;
};

// --- grids -----------------------------------------------------------------------------------

// A grid as an owner-data list view: it asks for the rows it shows, so 100,000 rows cost only the
// rows on screen, and draws every cell itself in the cell's own format. The grid's first fixed
// row is the list's column header; further fixed rows and the fixed columns are grey cells.
class GridView : public ControlView {
 public:
  GridView(FrontEnd& front, ui::Grid& grid, HWND parent, int id)
      : ControlView(
            front, grid,
            // A thin frame, as the designs leave room for beside the columns.
            makeChild(WC_LISTVIEWW, 0,
                      WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED |
                          LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                      parent, id)),
        grid_(grid) {
    ListView_SetExtendedListViewStyle(handle_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  }

  // The grid row of a list row, and back.
  int gridRow(int item) const { return item + (headerRow_ ? 1 : 0); }
  int item(int row) const { return row - (headerRow_ ? 1 : 0); }

  LRESULT notify(const NMHDR& header) override {
    if (header.code == LVN_GETDISPINFOW) {
      // The cell's text, for whoever reads the list's items.
      auto& asked = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
      if ((asked.item.mask & LVIF_TEXT) && asked.item.pszText && asked.item.cchTextMax > 0) {
        const std::wstring text =
            toWide(grid_.textMatrix(gridRow(asked.item.iItem), asked.item.iSubItem));
        lstrcpynW(asked.item.pszText, text.c_str(), asked.item.cchTextMax);
      }
      return 0;
    }
    if (header.code == NM_CLICK) {
      LVHITTESTINFO hit{};
      hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
      if (ListView_SubItemHitTest(handle_, &hit) < 0 || hit.iItem < 0) return 0;
      // The row header takes no click.
      if (headerCol_ && hit.iSubItem == 0) return 0;
      select(gridRow(hit.iItem), hit.iSubItem);
    }
    return 0;
  }

  bool keyDown(int key) override {
    // A current row out of view (set while the window was hidden, or scrolled away) is not where
    // the person is: Return does nothing then, and the keys start from the top row in view.
    const int focused = ListView_GetNextItem(handle_, -1, LVNI_FOCUSED);
    const int top = ListView_GetTopIndex(handle_);
    const bool inView =
        focused >= 0 && focused >= top && focused <= top + ListView_GetCountPerPage(handle_);
    if (key == VK_RETURN) {
      // Return on a row is a click on the row's first cell that is not fixed, whichever cell of
      // the row is current.
      if (inView) select(gridRow(focused), grid_.fixedCols());
      return true;
    }
    if (!inView && focused >= 0 &&
        (key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT)) {
      ListView_SetItemState(handle_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
      ListView_SetItemState(handle_, top, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
    }
    if (key == VK_LEFT || key == VK_RIGHT) {
      // Left and right move the current cell along its row.
      const int first = headerCol_ ? 1 : 0;
      col_ = std::clamp(col_ + (key == VK_LEFT ? -1 : 1), first, std::max(first, grid_.cols() - 1));
      InvalidateRect(handle_, nullptr, FALSE);
      return true;
    }
    return false;
  }

  void drawItem(const DRAWITEMSTRUCT& draw) override {
    const int row = gridRow(static_cast<int>(draw.itemID));
    const bool focused = GetFocus() == handle_;
    const bool current = (draw.itemState & ODS_SELECTED) != 0;
    HDC dc = draw.hDC;
    int left = draw.rcItem.left;
    for (int col = 0; col < grid_.cols(); ++col) {
      const int width = ListView_GetColumnWidth(handle_, col);
      RECT cell{left, draw.rcItem.top, left + width, draw.rcItem.bottom};
      left += width;
      if (cell.right <= draw.rcItem.left || cell.left >= draw.rcItem.right) continue;
      const ui::CellFormat& format = grid_.cellFormat(row, col);
      const bool fixed = row < grid_.fixedRows() || col < grid_.fixedCols();
      COLORREF back = format.backColor != ui::noColor ? colorOf(format.backColor)
                      : fixed                         ? GetSysColor(COLOR_BTNFACE)
                                                      : RGB(255, 255, 255);
      // A grid that takes no clicks shows its own texts grey.
      COLORREF fore = format.foreColor != ui::noColor ? colorOf(format.foreColor)
                      : grid_.enabled()               ? RGB(0, 0, 0)
                                                      : GetSysColor(COLOR_GRAYTEXT);
      // The current cell is bright while the keyboard is on the grid, grey while it is elsewhere.
      if (current && col == col_) {
        back = focused ? GetSysColor(COLOR_HIGHLIGHT) : RGB(0xC0, 0xC0, 0xC0);
        fore = focused ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0);
      }
      SetBkColor(dc, back);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
      // The grid's lines, right and below each cell.
      RECT line{cell.right - 1, cell.top, cell.right, cell.bottom};
      SetBkColor(dc, RGB(0xD0, 0xD0, 0xD0));
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
      line = {cell.left, cell.bottom - 1, cell.right, cell.bottom};
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
      const std::wstring text = shownWide(grid_.textMatrix(row, col));
      if (text.empty()) continue;
      HGDIOBJ old = SelectObject(dc, FrontEnd::font(FrontEnd::fontPixels(grid_), format.bold));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, fore);
      RECT room = cell;
      InflateRect(&room, -FrontEnd::scaled(3), 0);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &room,
                alignmentOf(format.alignment) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                    DT_END_ELLIPSIS);
      SelectObject(dc, old);
      SetBkMode(dc, OPAQUE);
    }
  }

 protected:
  void syncContent() override {
    setFont(handle_, grid_);
    headerRow_ = grid_.fixedRows() > 0 && grid_.rows() > 0;
    headerCol_ = grid_.fixedCols() > 0 && grid_.cols() > 0;
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    const LONG_PTR wanted = headerRow_ ? style & ~LVS_NOCOLUMNHEADER : style | LVS_NOCOLUMNHEADER;
    if (wanted != style) SetWindowLongPtrW(handle_, GWL_STYLE, wanted);
    // The columns, their widths and their headings.
    while (columns_ < grid_.cols()) {
      LVCOLUMNW column{};
      column.mask = LVCF_WIDTH;
      column.cx = FrontEnd::scaled(64);
      SendMessageW(handle_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(columns_),
                   reinterpret_cast<LPARAM>(&column));
      ++columns_;
    }
    while (columns_ > grid_.cols()) ListView_DeleteColumn(handle_, --columns_);
    for (int col = 0; col < columns_; ++col) {
      const int width = FrontEnd::scaled(grid_.colWidth(col) > 0 ? grid_.colWidth(col) : 64);
      if (ListView_GetColumnWidth(handle_, col) != width)
        ListView_SetColumnWidth(handle_, col, width);
      std::wstring heading = headerRow_ ? shownWide(grid_.textMatrix(0, col)) : std::wstring();
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_FMT;
      column.fmt = col == 0                                                  ? LVCFMT_LEFT
                   : grid_.cellFormat(0, col).alignment == ui::Align::Center ? LVCFMT_CENTER
                   : grid_.cellFormat(0, col).alignment == ui::Align::Right  ? LVCFMT_RIGHT
                                                                             : LVCFMT_LEFT;
      column.pszText = heading.data();
      SendMessageW(handle_, LVM_SETCOLUMNW, static_cast<WPARAM>(col),
                   reinterpret_cast<LPARAM>(&column));
    }
    const int items = std::max(0, item(grid_.rows()));
    if (ListView_GetItemCount(handle_) != items)
      ListView_SetItemCountEx(handle_, items, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    // The current cell is shown selected; setting it from code does not scroll the grid.
    if (grid_.row() != shownRow_ || grid_.col() != shownCol_) {
      shownRow_ = grid_.row();
      shownCol_ = grid_.col();
      col_ = shownCol_;
      ListView_SetItemState(handle_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
      const int current = item(shownRow_);
      if (current >= 0 && current < items)
        ListView_SetItemState(handle_, current, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    // The top row moves the grid only when the windows change it.
    if (grid_.topRow() != shownTopRow_) {
      shownTopRow_ = grid_.topRow();
      showAtTop(std::max(0, item(shownTopRow_)));
    }
  }

 private:
  void select(int row, int col) {
    col_ = col;
    act([this, row, col] { grid_.selectCell(row, col); });
  }
  void showAtTop(int target) {
    RECT first{};
    if (!ListView_GetItemRect(handle_, 0, &first, LVIR_BOUNDS)) return;
    const int height = first.bottom - first.top;
    const int top = ListView_GetTopIndex(handle_);
    if (height > 0 && target != top) ListView_Scroll(handle_, 0, (target - top) * height);
  }

  ui::Grid& grid_;
  bool headerRow_ = false, headerCol_ = false;
  int columns_ = 0;
  int shownRow_ = -1, shownCol_ = -1, shownTopRow_ = -1;
  int col_ = 0;  // the column of the current cell, as the person moves it
};

}  // namespace

// --- ControlView -----------------------------------------------------------------------------

ControlView::ControlView(FrontEnd& front, ui::Control& control, HWND handle)
    : front_(front), control_(control), handle_(handle) {}

ControlView::~ControlView() {
  if (handle_) DestroyWindow(handle_);
  if (brush_) DeleteObject(brush_);
}

bool ControlView::sync() {
  if (!handle_) return true;
  if (!control_.visible()) {
    if (shown_) ShowWindow(handle_, SW_HIDE);
    shown_ = false;
    return false;
  }
  const RECT place =
      designRect(control_.left(), control_.top(), control_.width(), control_.height());
  if (!EqualRect(&place, &placed_)) {
    const RECT where = placeFor(place);
    MoveWindow(handle_, where.left, where.top, where.right - where.left, where.bottom - where.top,
               TRUE);
    placed_ = place;
  }
  EnableWindow(handle_, control_.enabled());
  syncContent();
  if (!shown_) ShowWindow(handle_, SW_SHOWNA);
  shown_ = true;
  InvalidateRect(handle_, nullptr, TRUE);
  return true;
}

HBRUSH ControlView::colors(HDC dc) {
  if (control_.enabled() && control_.foreColor() != ui::noColor)
    SetTextColor(dc, colorOf(control_.foreColor()));
  const ui::Color back = control_.backColor();
  if (back == ui::noColor || (back & 0x80000000u)) return nullptr;
  if (!brush_ || brushColor_ != back) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(colorOf(back));
    brushColor_ = back;
  }
  SetBkColor(dc, colorOf(back));
  return brush_;
}

void ControlView::refuse(const std::string& message) {
  front_.actingOn(control_.form());
  tell(front_, fromUtf8(message));
}

std::string ControlView::refusal(const std::wstring& typed) {
  if (typed.size() > static_cast<std::size_t>(ui::editableLength))
    return ui::tooLongMessage(typed.size());
  const std::u32string unfit = unfitCharacters(typed);
  return unfit.empty() ? std::string() : ui::unfitMessage(unfit);
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::unique_ptr<ControlView> makeView(FrontEnd& front, ui::Control& control, HWND parent, int id) {
  if (auto* button = dynamic_cast<ui::CommandButton*>(&control))
    return std::make_unique<ButtonView>(front, *button, parent, id);
  if (auto* box = dynamic_cast<ui::TextBox*>(&control))
    return std::make_unique<TextView>(front, *box, parent, id);
  if (auto* combo = dynamic_cast<ui::ComboBox*>(&control))
    return std::make_unique<ComboView>(front, *combo, parent, id);
  if (auto* list = dynamic_cast<ui::ChoiceList*>(&control))
    return std::make_unique<ListView>(front, *list, parent, id);
  if (auto* folders = dynamic_cast<ui::DirListBox*>(&control))
    return std::make_unique<FolderView>(front, *folders, parent, id);
  if (auto* bar = dynamic_cast<ui::HScrollBar*>(&control))
    return std::make_unique<ScrollView>(front, *bar, parent, id);
  if (auto* grid = dynamic_cast<ui::Grid*>(&control))
    return std::make_unique<GridView>(front, *grid, parent, id);
  return nullptr;
}

// --- what the window draws itself ------------------------------------------------------------

FittedCaption fitCaption(const std::wstring& caption, int pixels, bool bold, SIZE room,
                         UINT flags) {
  HDC dc = CreateCompatibleDC(nullptr);
  FittedCaption fitted{std::max(pixels, smallestPixels), false};
  for (int size = fitted.pixels; size >= smallestPixels; --size) {
    HGDIOBJ old = SelectObject(dc, FrontEnd::font(size, bold));
    RECT oneLine{0, 0, room.cx, room.cy};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &oneLine,
              flags | DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    RECT broken{0, 0, room.cx, room.cy};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &broken,
              flags | DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    // A caption with line breaks of its own is drawn on its lines.
    const bool hasBreaks = caption.find_first_of(L"\r\n") != std::wstring::npos;
    if (!hasBreaks && oneLine.right <= room.cx && oneLine.bottom <= room.cy) {
      fitted = {size, false};
      break;
    }
    fitted = {size, true};
    if (broken.right <= room.cx && broken.bottom <= room.cy) break;
  }
  DeleteDC(dc);
  return fitted;
}

void drawDecoration(HDC dc, const ui::Control& control) {
  if (auto* line = dynamic_cast<const ui::Line*>(&control)) {
    HPEN pen = CreatePen(PS_SOLID, 1, colorOf(line->foreColor()));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, FrontEnd::scaled(line->x1()), FrontEnd::scaled(line->y1()), nullptr);
    LineTo(dc, FrontEnd::scaled(line->x2()), FrontEnd::scaled(line->y2()));
    SelectObject(dc, old);
    DeleteObject(pen);
    return;
  }
  const RECT box = designRect(control.left(), control.top(), control.width(), control.height());
  if (dynamic_cast<const ui::Shape*>(&control)) {
    if (control.backColor() != ui::noColor) {
      HBRUSH fill = CreateSolidBrush(colorOf(control.backColor()));
      FillRect(dc, &box, fill);
      DeleteObject(fill);
    }
    HBRUSH outline = CreateSolidBrush(colorOf(control.foreColor()));
    FrameRect(dc, &box, outline);
    DeleteObject(outline);
    return;
  }
  auto* label = dynamic_cast<const ui::Label*>(&control);
  if (!label) return;
  if (label->backColor() != ui::noColor) {
    HBRUSH fill = CreateSolidBrush(colorOf(label->backColor()));
    FillRect(dc, &box, fill);
    DeleteObject(fill);
  }
  RECT room = box;
  if (label->border()) {
    HBRUSH outline = CreateSolidBrush(RGB(0, 0, 0));
    FrameRect(dc, &box, outline);
    DeleteObject(outline);
    InflateRect(&room, -1, -1);
  }
  const std::wstring caption = shownWide(label->caption());
  const int pixels = FrontEnd::fontPixels(*label);
  const FittedCaption fitted = fitCaption(caption, pixels, label->bold(),
                                          {room.right - room.left, room.bottom - room.top}, 0);
  HGDIOBJ old = SelectObject(dc, FrontEnd::font(fitted.pixels, label->bold()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label->enabled() ? colorOf(label->foreColor()) : GetSysColor(COLOR_GRAYTEXT));
  // A one-line label sits in the middle of its box; a label for several lines starts at the top.
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const bool severalLines =
      label->wordWrap() ||
      FrontEnd::scaled(label->height()) > 2 * (metrics.tmHeight + metrics.tmExternalLeading);
  UINT format = alignmentOf(label->alignment()) | DT_NOPREFIX;
  if (fitted.wrap || severalLines)
    format |= DT_WORDBREAK;
  else
    format |= DT_SINGLELINE | DT_VCENTER;
  if (!severalLines && fitted.wrap) {
    // Broken onto lines, the caption still sits in the middle of its box.
    RECT measured = room;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
              format | DT_CALCRECT);
    const int spare = (room.bottom - room.top) - (measured.bottom - measured.top);
    if (spare > 0) room.top += spare / 2;
  }
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &room, format);
  SelectObject(dc, old);
}

ui::Label* labelAt(const std::vector<ui::Control*>& controls, POINT designPoint) {
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    auto* label = dynamic_cast<ui::Label*>(*it);
    if (!label || !label->visible() || !label->enabled()) continue;
    if (designPoint.x >= label->left() && designPoint.x < label->left() + label->width() &&
        designPoint.y >= label->top() && designPoint.y < label->top() + label->height())
      return label;
  }
  return nullptr;
}

}  // namespace win
