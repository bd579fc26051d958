#include "win32/control_views.h"

#include <algorithm>
#include <string>
#include <vector>

#include "win32/front_end.h"
#include "win32/text.h"

namespace win {

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

// The smallest size a caption is drawn at: 6 pt, in design pixels.
constexpr int smallestPixels = 8;

// --- command buttons -------------------------------------------------------------------------

class ButtonView : public ControlView {
 public:
  ButtonView(FrontEnd& front, ui::CommandButton& button, HWND parent, int id)
      : ControlView(
            front, button,
            CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr)),
        button_(button) {}

  void command(int code) override {
    if (code == BN_CLICKED) front_.act(button_.form(), [this] { button_.click(); });
  }

 protected:
  void syncContent() override {
    const std::wstring caption = toWide(button_.caption());
    // The caption is drawn inside the button's frame.
    const SIZE room{std::max(1, FrontEnd::scaled(button_.width()) - 8),
                    std::max(1, FrontEnd::scaled(button_.height()) - 6)};
    const FittedCaption fitted =
        fitCaption(caption, FrontEnd::fontPixels(button_), button_.bold(), room, 0);
    SendMessageW(handle_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(FrontEnd::font(fitted.pixels, button_.bold())), FALSE);
    SetWindowTextW(handle_, caption.c_str());
  }

 private:
  ui::CommandButton& button_;
};

// --- list boxes and file lists --------------------------------------------------------------

class ListView : public ControlView {
 public:
  ListView(FrontEnd& front, ui::ChoiceList& list, HWND parent, int id)
      : ControlView(
            front, list,
            CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr)),
        list_(list) {}

  void command(int code) override {
    const int index = static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0));
    if (index < 0) return;
    if (code == LBN_SELCHANGE) {
      front_.act(list_.form(), [this, index] { list_.choose(index); });
    } else if (code == LBN_DBLCLK) {
      auto* box = dynamic_cast<ui::ListBox*>(&list_);
      if (box) front_.act(list_.form(), [box, index] { box->doubleClick(index); });
    }
  }

 protected:
  void syncContent() override {
    SendMessageW(
        handle_, WM_SETFONT,
        reinterpret_cast<WPARAM>(FrontEnd::font(FrontEnd::fontPixels(list_), list_.bold())), FALSE);
    // The items are put in again only when they changed.
    if (list_.items() != shown_) {
      shown_ = list_.items();
      SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
      SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
      for (const std::string& item : shown_)
        SendMessageW(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
      SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    }
    SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(list_.listIndex()), 0);
  }

 private:
  ui::ChoiceList& list_;
  std::vector<std::string> shown_;
};

}  // namespace

// --- ControlView -----------------------------------------------------------------------------

ControlView::ControlView(FrontEnd& front, ui::Control& control, HWND handle)
    : front_(front), control_(control), handle_(handle) {}

ControlView::~ControlView() {
  if (handle_) DestroyWindow(handle_);
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
    MoveWindow(handle_, place.left, place.top, place.right - place.left, place.bottom - place.top,
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

std::unique_ptr<ControlView> makeView(FrontEnd& front, ui::Control& control, HWND parent, int id) {
  if (auto* button = dynamic_cast<ui::CommandButton*>(&control))
    return std::make_unique<ButtonView>(front, *button, parent, id);
  if (auto* list = dynamic_cast<ui::ChoiceList*>(&control))
    return std::make_unique<ListView>(front, *list, parent, id);
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
  const std::wstring caption = toWide(label->caption());
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
