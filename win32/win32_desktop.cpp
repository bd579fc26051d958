#include "win32/win32_desktop.h"

#include <algorithm>
#include <vector>

#include "ui/typed_text.h"
#include "win32/front_end.h"
#include "win32/text.h"

namespace win {

namespace {

std::wstring titleOf(const std::string& title) {
  return shownWide(title.empty() ? ui::programTitle : title);
}

UINT iconOf(ui::Icon icon) {
  switch (icon) {
    case ui::Icon::Critical:
      return MB_ICONERROR;
    case ui::Icon::Question:
      return MB_ICONQUESTION;
    case ui::Icon::Exclamation:
      return MB_ICONWARNING;
    case ui::Icon::Information:
      return MB_ICONINFORMATION;
    case ui::Icon::None:
      break;
  }
  return 0;
}

// --- the prompt ------------------------------------------------------------------------------

enum : WORD { promptText = 100, promptAnswer = 101 };

// An in-memory dialog template: a caption, the prompt's text, the answer, "OK" and "Cancel". The
// places are set when the dialog opens, measured in its own font.
class DialogTemplate {
 public:
  explicit DialogTemplate(const std::wstring& title) {
    align(4);
    const DWORD style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dword(style);
    dword(0);  // extended style
    countAt_ = words_.size();
    word(0);  // items, counted as they are added
    word(0), word(0), word(200), word(80);
    word(0);  // no menu
    word(0);  // the dialog class
    text(title);
    word(8);  // point size of the font
    text(L"MS Shell Dlg");
  }

  void item(WORD type, WORD id, DWORD style, const std::wstring& caption) {
    align(4);
    dword(WS_CHILD | WS_VISIBLE | style);
    dword(0);
    word(0), word(0), word(10), word(10);
    word(id);
    word(0xFFFF), word(type);
    text(caption);
    word(0);  // no creation data
    ++words_[countAt_];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void word(WORD w) { words_.push_back(w); }
  void dword(DWORD d) {
    word(LOWORD(d));
    word(HIWORD(d));
  }
  void text(const std::wstring& s) {
    for (wchar_t c : s) word(static_cast<WORD>(c));
    word(0);
  }
  void align(std::size_t bytes) {
    while ((words_.size() * sizeof(WORD)) % bytes) word(0);
  }
  std::vector<WORD> words_;
  std::size_t countAt_ = 0;
};

struct Prompt {
  HWND owner;
  std::wstring text;
  std::wstring answer;
};

std::wstring itemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The text wraps at the width of the window the prompt belongs to (at least a comfortable reading
// width), never wider than the screen leaves room for; the answer spans the prompt, the buttons
// sit under it on the right.
void layoutPrompt(HWND dialog, const Prompt& prompt) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT owner = area;
  if (prompt.owner) GetWindowRect(prompt.owner, &owner);
  const int margin = FrontEnd::scaled(11), gap = FrontEnd::scaled(7);
  const int readingWidth = FrontEnd::scaled(360);
  const int room =
      std::min<int>(prompt.owner ? std::max<int>(owner.right - owner.left, readingWidth)
                                 : (area.right - area.left) * 2 / 3,
                    static_cast<int>(area.right - area.left)) -
      2 * margin - FrontEnd::scaled(16);
  HDC dc = GetDC(dialog);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
  RECT natural{0, 0, 0, 0};
  DrawTextW(dc, prompt.text.c_str(), -1, &natural, DT_CALCRECT | DT_NOPREFIX);
  RECT wrapped{0, 0, std::min<int>(natural.right, room), 0};
  DrawTextW(dc, prompt.text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);

  const int buttonWidth = FrontEnd::scaled(75),
            buttonHeight = metrics.tmHeight + FrontEnd::scaled(10);
  // Room for a name of a fair length in the answer, however short the text.
  const int width = std::max<int>({wrapped.right, 2 * buttonWidth + gap, FrontEnd::scaled(260)});
  int y = margin;
  MoveWindow(GetDlgItem(dialog, promptText), margin, y, width, wrapped.bottom, FALSE);
  y += wrapped.bottom + gap;
  const int editHeight = metrics.tmHeight + FrontEnd::scaled(8);
  MoveWindow(GetDlgItem(dialog, promptAnswer), margin, y, width, editHeight, FALSE);
  y += editHeight + gap;
  MoveWindow(GetDlgItem(dialog, IDCANCEL), margin + width - buttonWidth, y, buttonWidth,
             buttonHeight, FALSE);
  MoveWindow(GetDlgItem(dialog, IDOK), margin + width - 2 * buttonWidth - gap, y, buttonWidth,
             buttonHeight, FALSE);
  y += buttonHeight + margin;

  RECT frame{0, 0, width + 2 * margin, y};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  const int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
  // Over the middle of its window, inside the screen.
  int left = (owner.left + owner.right - outerWidth) / 2;
  int top = (owner.top + owner.bottom - outerHeight) / 2;
  left = std::clamp<int>(left, area.left, std::max<int>(area.left, area.right - outerWidth));
  top = std::clamp<int>(top, area.top, std::max<int>(area.top, area.bottom - outerHeight));
  SetWindowPos(dialog, nullptr, left, top, outerWidth, outerHeight, SWP_NOZORDER);
}

INT_PTR CALLBACK promptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* prompt = reinterpret_cast<Prompt*>(lParam);
    SetDlgItemTextW(dialog, promptText, prompt->text.c_str());
    // The answer takes any length; a longer one than a box holds is refused with a message.
    SendDlgItemMessageW(dialog, promptAnswer, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    layoutPrompt(dialog, *prompt);
    // Set in the answer's own width, so it shows from its start.
    SetDlgItemTextW(dialog, promptAnswer, prompt->answer.c_str());
    SendDlgItemMessageW(dialog, promptAnswer, EM_SETSEL, 0, -1);
    SetFocus(GetDlgItem(dialog, promptAnswer));
    return FALSE;  // the focus is set
  }
  auto* prompt = reinterpret_cast<Prompt*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_COMMAND && prompt) {
    switch (LOWORD(wParam)) {
      case IDOK: {
        std::wstring typed = itemText(dialog, promptAnswer);
        const bool tooLong = typed.size() > static_cast<std::size_t>(ui::editableLength);
        const std::u32string unfit = tooLong ? std::u32string() : unfitCharacters(typed);
        if (tooLong || !unfit.empty()) {
          messageBox(dialog,
                     fromUtf8(tooLong ? ui::tooLongMessage(typed.size()) : ui::unfitMessage(unfit)),
                     ui::Buttons::Ok, ui::Icon::Exclamation, toWide(ui::programTitle));
          // A text too long comes back as the prompt first came up; one with characters the
          // files can't hold stays, to be changed.
          if (tooLong) SetDlgItemTextW(dialog, promptAnswer, prompt->answer.c_str());
          SetFocus(GetDlgItem(dialog, promptAnswer));
          return TRUE;
        }
        prompt->answer = std::move(typed);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      default:
        break;
    }
  }
  return FALSE;
}

}  // namespace

ui::Answer messageBox(HWND owner, const std::wstring& text, ui::Buttons buttons, ui::Icon icon,
                      const std::wstring& title) {
  UINT type = iconOf(icon) | MB_SETFOREGROUND | (owner ? MB_APPLMODAL : MB_TASKMODAL);
  if (buttons == ui::Buttons::YesNoCancel)
    type |= MB_YESNOCANCEL;
  else if (buttons == ui::Buttons::YesNo)
    type |= MB_YESNO;  // no Cancel: the close box is greyed and Escape does nothing
  else
    type |= MB_OK;
  switch (MessageBoxW(owner, text.c_str(), title.c_str(), type)) {
    case IDYES:
      return ui::Answer::Yes;
    case IDNO:
      return ui::Answer::No;
    case IDCANCEL:
      return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Cancel;
    default:
      return buttons == ui::Buttons::YesNoCancel ? ui::Answer::Cancel
             : buttons == ui::Buttons::YesNo     ? ui::Answer::No
                                                 : ui::Answer::Ok;
  }
}

bool promptBox(HWND owner, const std::wstring& text, const std::wstring& title,
               std::wstring& answer) {
  DialogTemplate dialog(title);
  dialog.item(0x0082, promptText, SS_LEFT | SS_NOPREFIX, L"");
  dialog.item(0x0081, promptAnswer, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, L"");
  dialog.item(0x0080, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK");
  dialog.item(0x0080, IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, L"Cancel");
  Prompt prompt{owner, text, answer};
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner,
                                                 &promptProc, reinterpret_cast<LPARAM>(&prompt));
  if (result != IDOK) return false;
  answer = std::move(prompt.answer);
  return true;
}

namespace {

// While a dialog is up, every window of the editor waits under it.
class Modal {
 public:
  Modal(FrontEnd* front, HWND owner) : front_(front), owner_(owner) {
    if (front_) front_->enableWindows(false, owner_);
  }
  ~Modal() {
    if (front_) front_->enableWindows(true, owner_);
  }
  Modal(const Modal&) = delete;
  Modal& operator=(const Modal&) = delete;

 private:
  FrontEnd* front_;
  HWND owner_;
};

}  // namespace

void tell(FrontEnd& front, const std::wstring& text) {
  HWND owner = front.dialogParent();
  Modal modal(&front, owner);
  messageBox(owner, text, ui::Buttons::Ok, ui::Icon::Exclamation, toWide(ui::programTitle));
}

ui::Answer Win32Desktop::message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                                 const std::string& title) {
  if (front_) front_->flush();  // the person sees the windows as they are now, under the box
  HWND owner = front_ ? front_->dialogParent() : nullptr;
  Modal modal(front_, owner);
  return messageBox(owner, shownWide(text), buttons, icon, titleOf(title));
}

std::string Win32Desktop::prompt(const std::string& text, const std::string& title,
                                 const std::string& defaultAnswer) {
  if (front_) front_->flush();
  HWND owner = front_ ? front_->dialogParent() : nullptr;
  Modal modal(front_, owner);
  // A default too long to type in is not put in the field: an empty answer changes nothing, so
  // the field left empty keeps it, and the prompt says so.
  const bool defaultShown = defaultAnswer.size() <= static_cast<std::size_t>(ui::editableLength);
  std::wstring label = shownWide(text);
  if (!defaultShown) label += fromUtf8(ui::presentAnswerNote(defaultAnswer.size()));
  std::wstring answer = defaultShown ? toWide(defaultAnswer) : std::wstring();
  if (!promptBox(owner, label, titleOf(title), answer)) return "";
  std::string bytes = fromWide(answer);
  std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
  return bytes;
}

void Win32Desktop::endProgram() {
  if (front_) {
    front_->endProgram();
    return;
  }
  PostQuitMessage(0);
}

}  // namespace win
