#include "win32/front_end.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <map>
#include <utility>

#include "win32/control_views.h"
#include "win32/pictures.h"
#include "win32/text.h"

namespace win {

namespace {

const wchar_t formClass[] = L"DuvazariEditorWindow";

void registerFormClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.style = CS_DBLCLKS;
    type.lpfnWndProc = proc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = formClass;
    // The editor's own icon, from the program's resources, at both sizes the system shows.
    type.hIcon =
        static_cast<HICON>(LoadImageW(type.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    type.hIconSm = static_cast<HICON>(LoadImageW(type.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    return RegisterClassExW(&type) != 0;
  }();
  (void)registered;
}

const DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The window size whose client area is the form's design size.
SIZE outerSize(int width, int height) {
  RECT frame{0, 0, FrontEnd::scaled(width), FrontEnd::scaled(height)};
  AdjustWindowRectEx(&frame, formStyle, FALSE, 0);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

FrontEnd::FrontEnd(std::vector<ui::Form*> forms) {
  registerFormClass(&FrontEnd::formProc);
  for (ui::Form* form : forms) {
    auto state = std::make_unique<FormState>();
    state->front = this;
    state->form = form;
    FormState* formState = state.get();
    form->setObserver([this, formState] {
      formState->dirty = true;
      watchPointer(formState->form, formState->form->pointer());
    });
    for (ui::Control* control : form->controls()) {
      auto controlState = std::make_unique<ControlState>();
      controlState->control = control;
      ControlState* watched = controlState.get();
      if (auto* button = dynamic_cast<ui::CommandButton*>(control)) {
        // The hourglass shows at once: the handler that set it runs before control returns.
        control->setObserver([this, watched, button] {
          watched->dirty = true;
          watchPointer(button, button->pointer());
        });
      } else {
        control->setObserver([watched, formState] {
          watched->dirty = true;
          formState->dirty = true;  // what the window draws itself is drawn again
        });
      }
      state->controls.push_back(std::move(controlState));
    }
    forms_.push_back(std::move(state));
  }
}

FrontEnd::~FrontEnd() {
  for (auto& state : forms_) {
    state->form->setObserver(nullptr);
    for (auto& control : state->controls) control->control->setObserver(nullptr);
    for (auto& control : state->controls) {
      control->view.reset();
      if (control->picture) DeleteObject(control->picture);
    }
    if (state->window) DestroyWindow(state->window);
    if (state->picture) DeleteObject(state->picture);
  }
}

int FrontEnd::scaled(int designPixels) {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int dots = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dots > 0 ? dots : 96;
  }();
  return MulDiv(designPixels, dpi, 96);
}

HFONT FrontEnd::font(int pixels, bool bold) {
  static std::map<std::pair<int, bool>, HFONT> fonts;
  auto found = fonts.find({pixels, bold});
  if (found != fonts.end()) return found->second;
  HFONT made = CreateFontW(-scaled(pixels), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
  fonts.emplace(std::make_pair(pixels, bold), made);
  return made;
}

int FrontEnd::fontPixels(const ui::Control& control) {
  return control.fontSize() > 0 ? MulDiv(control.fontSize(), 96, 72) : 11;
}

void FrontEnd::watchPointer(const void* owner, ui::Pointer pointer) {
  const bool wasBusy = !busy_.empty();
  if (pointer == ui::Pointer::Hourglass)
    busy_.insert(owner);
  else
    busy_.erase(owner);
  if (wasBusy != !busy_.empty())
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(busy_.empty() ? 32512 : 32514)));
}

bool FrontEnd::busy(const FormState& state) const {
  return !busy_.empty() || state.form->pointer() == ui::Pointer::Hourglass;
}

void FrontEnd::createWindow(FormState& state) {
  const SIZE size = outerSize(state.form->width(), state.form->height());
  state.window = CreateWindowExW(0, formClass, shownWide(state.form->caption()).c_str(), formStyle,
                                 CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), &state);
  // The icon the window shows, also to other programs (the task bar, Alt+Tab).
  for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
    const int side = GetSystemMetrics(which == ICON_BIG ? SM_CXICON : SM_CXSMICON);
    SendMessageW(state.window, WM_SETICON, which,
                 reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                                     IMAGE_ICON, side, side, LR_SHARED)));
  }
  int id = 1000;
  for (auto& control : state.controls) {
    control->view = makeView(*this, *control->control, state.window, id++);
    control->dirty = true;
  }
  state.dirty = true;
}

void FrontEnd::syncWindow(FormState& state) {
  ui::Form& form = *state.form;
  SetWindowTextW(state.window, shownWide(form.caption()).c_str());
  const SIZE size = outerSize(form.width(), form.height());
  if (!state.placed || state.backdrop != form.backdrop()) {
    state.backdrop = form.backdrop();
    if (state.picture) DeleteObject(state.picture);
    state.picture =
        state.backdrop.empty() ? nullptr : resourcePicture(toWide(state.backdrop).c_str());
  }
  if (!state.placed) {
    // A window first comes up in the middle of the screen, as the designs place them.
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int left = area.left + (area.right - area.left - size.cx) / 2;
    const int top = area.top + (area.bottom - area.top - size.cy) / 2;
    SetWindowPos(state.window, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    state.placed = true;
  } else {
    SetWindowPos(state.window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
  InvalidateRect(state.window, nullptr, TRUE);
  state.dirty = false;
}

void FrontEnd::flush() {
  if (flushing_) return;
  flushing_ = true;
  for (auto& state : forms_) {
    if (!state->window) {
      if (!state->form->visible() || ended_) continue;
      createWindow(*state);
    }
    if (state->dirty) syncWindow(*state);
    // A hidden window's controls wait until it is shown again.
    if (!state->form->visible()) continue;
    for (auto& control : state->controls) {
      if (control->dirty && control->view) control->dirty = !control->view->sync();
      if (!control->view) control->dirty = false;
    }
    if (state->form->focused() != state->focused) {
      state->focused = state->form->focused();
      for (auto& control : state->controls) {
        if (control->control == state->focused && control->view)
          focusStop(*state, {control->control, control->view->handle(), nullptr});
      }
    }
  }
  // A window opened by the person's action on another window that stays up is a pop-up of that
  // window (the date calculator over Step 6, the image picker over its page).
  FormState* acted = stateOf(actingOn_);
  if (acted && (!acted->form->visible() || !acted->window)) acted = nullptr;
  std::vector<FormState*> opened, cameUp;
  for (auto& state : forms_) {
    if (!state->window || !state->form->visible() || ended_) continue;
    if (state->form->shows() == state->shows) continue;
    state->shows = state->form->shows();
    opened.push_back(state.get());
    if (acted && acted != state.get()) own(*state, acted);
  }
  // Show the windows that come up before hiding those that go, so the screen is never empty.
  for (auto& state : forms_) {
    if (state->window && state->form->visible() && !ended_ && !IsWindowVisible(state->window)) {
      ShowWindow(state->window, SW_SHOW);
      SetForegroundWindow(state->window);
      state->shownAt = ++windowsShown_;
      cameUp.push_back(state.get());
    }
  }
  for (auto& state : forms_) {
    if (state->window && (!state->form->visible() || ended_) && IsWindowVisible(state->window))
      ShowWindow(state->window, SW_HIDE);
  }
  // A pop-up whose window went passes to the window the person acted on, or else to the one that
  // came up in its place (the page after "Next >>>"), and stays above it; with neither it is a
  // window of its own.
  for (auto& state : forms_) {
    if (!state->owner || !state->window || !IsWindowVisible(state->window)) continue;
    if (state->owner->form->visible()) continue;
    FormState* heir = acted && !acted->owner ? acted : nullptr;
    for (FormState* shown : cameUp) {
      if (!heir && !shown->owner && shown != state.get()) heir = shown;
    }
    own(*state, heir);
    SetWindowPos(state->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // A pop-up opened again comes to the front, and so does one that just came up.
  for (FormState* state : opened) {
    if (!state->owner || !IsWindowVisible(state->window)) continue;
    SetWindowPos(state->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(state->window);
  }
  flushing_ = false;
}

FrontEnd::FormState* FrontEnd::stateOf(const ui::Form* form) const {
  for (const auto& state : forms_) {
    if (state->form == form) return state.get();
  }
  return nullptr;
}

void FrontEnd::own(FormState& popUp, FormState* owner) {
  popUp.owner = owner;
  // An owned window stays above the window that owns it.
  SetWindowLongPtrW(popUp.window, GWLP_HWNDPARENT,
                    reinterpret_cast<LONG_PTR>(owner ? owner->window : nullptr));
}

void FrontEnd::endProgram() {
  if (ended_) return;
  ended_ = true;
  for (auto& state : forms_) {
    if (state->window) ShowWindow(state->window, SW_HIDE);
  }
  // The handler that ended the program finishes first; the message loop then ends.
  PostQuitMessage(0);
}

void FrontEnd::closeBoxClicked(ui::Form& form) {
  actingOn(form);
  form.closeBox();
  flush();
  // Never leave a process running with every window hidden.
  if (!ended_ && !anyWindowShown()) endProgram();
}

bool FrontEnd::anyWindowShown() const {
  for (const auto& state : forms_) {
    if (state->form->visible()) return true;
  }
  return false;
}

HWND FrontEnd::dialogParent() const {
  const FormState* latest = nullptr;
  for (const auto& state : forms_) {
    if (!state->window || !IsWindowVisible(state->window)) continue;
    if (state->form == actingOn_) return state->window;
    if (!latest || state->shownAt > latest->shownAt) latest = state.get();
  }
  return latest ? latest->window : nullptr;
}

void FrontEnd::enableWindows(bool enable, HWND owner) {
  for (auto& state : forms_) {
    if (!state->window || state->window == owner) continue;
    if (!enable && IsWindowVisible(state->window) && IsWindowEnabled(state->window)) {
      EnableWindow(state->window, FALSE);
      state->disabled = true;
    } else if (enable && state->disabled) {
      EnableWindow(state->window, TRUE);
      state->disabled = false;
    }
  }
}

HWND FrontEnd::window(const ui::Form& form) const {
  for (const auto& state : forms_) {
    if (state->form == &form) return state->window;
  }
  return nullptr;
}

HWND FrontEnd::handle(const ui::Control& control) const {
  for (const auto& state : forms_) {
    for (const auto& shown : state->controls) {
      if (shown->control == &control) return shown->view ? shown->view->handle() : nullptr;
    }
  }
  return nullptr;
}

void FrontEnd::clickCancel(FormState& state) {
  for (ui::Control* control : state.form->controls()) {
    auto* button = dynamic_cast<ui::CommandButton*>(control);
    if (button && button->cancel() && button->visible() && button->enabled()) {
      act(*state.form, [button] { button->click(); });
      return;
    }
  }
}

ControlView* FrontEnd::viewOf(FormState& state, HWND window) {
  if (!window) return nullptr;
  for (auto& control : state.controls) {
    if (control->view && control->view->owns(window)) return control->view.get();
  }
  return nullptr;
}

FrontEnd::FormState* FrontEnd::stateOf(HWND window) const {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  for (const auto& state : forms_) {
    if (root && state->window == root) return state.get();
  }
  return nullptr;
}

// Tab goes round a window's controls in reading order: row by row from the top, each row from the
// left. Controls whose tops lie within half the height of a row's first control are on its row. A
// label that does something when clicked is a stop too, as the window draws it.
std::vector<FrontEnd::TabStop> FrontEnd::tabStops(const FormState& state) {
  std::vector<TabStop> stops;
  for (const auto& watched : state.controls) {
    ui::Control* control = watched->control;
    if (auto* label = dynamic_cast<ui::Label*>(control)) {
      if (label->onClick && label->visible() && label->enabled())
        stops.push_back({control, nullptr, label});
      continue;
    }
    if (!watched->view) continue;
    HWND handle = watched->view->handle();
    if (IsWindowVisible(handle) && IsWindowEnabled(handle) &&
        (GetWindowLongPtrW(handle, GWL_STYLE) & WS_TABSTOP))
      stops.push_back({control, handle, nullptr});
  }
  const auto top = [](const TabStop& c) { return c.control->top(); };
  std::stable_sort(stops.begin(), stops.end(),
                   [&](const TabStop& a, const TabStop& b) { return top(a) < top(b); });
  for (auto row = stops.begin(); row != stops.end();) {
    const int reach = top(*row) + std::max(1, row->control->height() / 2);
    auto end = std::find_if(row, stops.end(), [&](const TabStop& c) { return top(c) >= reach; });
    std::stable_sort(row, end, [](const TabStop& a, const TabStop& b) {
      return a.control->left() < b.control->left();
    });
    row = end;
  }
  return stops;
}

void FrontEnd::focusStop(FormState& state, const TabStop& stop) {
  if (stop.label) {
    // The window itself takes the keys, and rings the label.
    state.focusedLabel = stop.label;
    SetFocus(state.window);
    InvalidateRect(state.window, nullptr, FALSE);
    return;
  }
  SetFocus(stop.handle);
  // A box the keyboard comes to has its text selected, as in a dialog.
  wchar_t type[16] = {};
  GetClassNameW(stop.handle, type, 16);
  if (lstrcmpiW(type, L"Edit") == 0) SendMessageW(stop.handle, EM_SETSEL, 0, -1);
}

bool FrontEnd::preTranslate(MSG& message) {
  FormState* state = stateOf(message.hwnd);
  ControlView* view = state ? viewOf(*state, message.hwnd) : nullptr;
  // The windows hear of a key before the control takes it, as they do of a double click.
  if (view && message.message == WM_KEYDOWN && view->keyDown(static_cast<int>(message.wParam)))
    return true;
  if (view && message.message == WM_LBUTTONDBLCLK) view->doubleClicked();
  // Escape that no control takes (an open list closes on it) clicks the window's cancel button,
  // while it can be clicked; a multi-line box would close the window.
  if (state && message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
    HWND combo = view ? view->handle() : nullptr;
    wchar_t type[16] = {};
    if (combo) GetClassNameW(combo, type, 16);
    const bool openList =
        lstrcmpiW(type, L"ComboBox") == 0 && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    if (!openList) {
      if (!(message.lParam & (1 << 30))) clickCancel(*state);
      return true;
    }
  }
  // A multi-line box takes every other key itself: Return and Tab type themselves there.
  if (view && dynamic_cast<ui::TextBox*>(&view->control()) &&
      static_cast<ui::TextBox&>(view->control()).multiLine())
    return false;
  // Tab goes to the next control.
  if (state && message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
      !(GetKeyState(VK_CONTROL) & 0x8000)) {
    const std::vector<TabStop> stops = tabStops(*state);
    if (!stops.empty()) {
      const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
      HWND focused = GetFocus();
      auto at = std::find_if(stops.begin(), stops.end(), [&](const TabStop& stop) {
        if (stop.label) return focused == state->window && stop.label == state->focusedLabel;
        return stop.handle == focused || IsChild(stop.handle, focused);
      });
      std::size_t next = 0;
      if (at != stops.end()) {
        const auto i = static_cast<std::size_t>(at - stops.begin());
        next = back ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
      } else if (back) {
        next = stops.size() - 1;
      }
      focusStop(*state, stops[next]);
    }
    return true;
  }
  // Space or Return on a ringed label clicks it.
  if (state && message.hwnd == state->window && message.message == WM_KEYDOWN &&
      (message.wParam == VK_SPACE || message.wParam == VK_RETURN) && state->focusedLabel) {
    ui::Label* label = state->focusedLabel;
    if (!(message.lParam & (1 << 30))) act(*state->form, [label] { label->click(); });
    return true;
  }
  // Return (or Enter) on a focused button clicks it, as Space does.
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
    wchar_t type[16] = {};
    GetClassNameW(message.hwnd, type, 16);
    if (lstrcmpiW(type, L"Button") == 0) {
      if (!(message.lParam & (1 << 30))) SendMessageW(message.hwnd, BM_CLICK, 0, 0);
      return true;
    }
  }
  // The arrows move between the buttons of a window, Escape is its cancel button, as in a dialog.
  return state && IsDialogMessageW(state->window, &message) != FALSE;
}

LRESULT CALLBACK FrontEnd::formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* state = reinterpret_cast<FormState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!state || !state->window) return DefWindowProcW(window, message, wParam, lParam);
  return state->front->handle(*state, message, wParam, lParam);
}

LRESULT FrontEnd::handle(FormState& state, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the backdrop is painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT paintStruct;
      HDC dc = BeginPaint(state.window, &paintStruct);
      paint(state, dc);
      EndPaint(state.window, &paintStruct);
      return 0;
    }
    case WM_LBUTTONUP: {
      const POINT at{MulDiv(static_cast<short>(LOWORD(lParam)), 96, scaled(96)),
                     MulDiv(static_cast<short>(HIWORD(lParam)), 96, scaled(96))};
      if (ui::Label* label = labelAt(state.form->controls(), at)) {
        if (label->onClick) focusStop(state, {label, nullptr, label});
        act(*state.form, [label] { label->click(); });
      }
      return 0;
    }
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      if (LOWORD(wParam) == IDCANCEL && (!from || !viewOf(state, from))) {
        clickCancel(state);
        return 0;
      }
      if (ControlView* view = from ? viewOf(state, from) : nullptr) {
        view->command(HIWORD(wParam));
        return 0;
      }
      if (!from) return 0;  // Return on a control that takes no Return (the dialog manager's OK)
      break;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (ControlView* view = viewOf(state, header->hwndFrom)) return view->notify(*header);
      break;
    }
    case WM_HSCROLL:
      if (ControlView* view = viewOf(state, reinterpret_cast<HWND>(lParam))) {
        view->scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
      }
      break;
    case WM_MEASUREITEM: {
      // The rows of a grid: one line of the windows' font.
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType != ODT_LISTVIEW) break;
      HDC dc = GetDC(state.window);
      HGDIOBJ old = SelectObject(dc, font(11, false));
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc, &metrics);
      SelectObject(dc, old);
      ReleaseDC(state.window, dc);
      measure->itemHeight = static_cast<UINT>(metrics.tmHeight + scaled(4));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (ControlView* view = viewOf(state, draw->hwndItem)) {
        view->drawItem(*draw);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:  // a locked box
      if (ControlView* view = viewOf(state, reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = view->colors(reinterpret_cast<HDC>(wParam)))
          return reinterpret_cast<LRESULT>(brush);
        return DefWindowProcW(state.window, message, wParam, lParam);
      }
      break;
    case WM_ACTIVATE:
      // The control the keys went to, kept while another window has them.
      if (LOWORD(wParam) == WA_INACTIVE && IsChild(state.window, GetFocus()))
        state.lastFocus = GetFocus();
      break;
    case WM_SETFOCUS: {
      // The window came to the front: the keys go back to the control they went to, or else to
      // the first control, as a window's keys always go to one of its controls.
      if (state.focusedLabel) {
        InvalidateRect(state.window, nullptr, FALSE);
        return 0;
      }
      HWND last = state.lastFocus;
      if (last && IsWindow(last) && IsWindowVisible(last) && IsWindowEnabled(last)) {
        SetFocus(last);
        return 0;
      }
      const std::vector<TabStop> stops = tabStops(state);
      if (!stops.empty()) focusStop(state, stops.front());
      return 0;
    }
    case WM_KILLFOCUS:
      // The keys went to a control of the window: no label is ringed.
      if (state.focusedLabel && IsChild(state.window, reinterpret_cast<HWND>(wParam)))
        state.focusedLabel = nullptr;
      InvalidateRect(state.window, nullptr, FALSE);
      return 0;
    case WM_SETCURSOR:
      if (busy(state)) {
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));  // IDC_WAIT
        return TRUE;
      }
      break;
    case WM_CLOSE:
      // The close box belongs to the window's own logic: it decides whether the window goes.
      if (!ended_) closeBoxClicked(*state.form);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(state.window, message, wParam, lParam);
}

void FrontEnd::paint(FormState& state, HDC dc) {
  RECT client;
  GetClientRect(state.window, &client);
  // Drawn off screen first, so the labels never flicker over the backdrop.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(buffer, canvas);
  if (state.picture)
    drawStretched(buffer, state.picture, client);
  else
    FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
  // Lines and shapes lie under the labels and pictures; each layer keeps the order of the
  // window's controls.
  for (const bool labels : {false, true}) {
    for (auto& watched : state.controls) {
      const ui::Control* control = watched->control;
      const bool picture = dynamic_cast<const ui::ImageBox*>(control) != nullptr;
      if (!control->visible() ||
          (picture || dynamic_cast<const ui::Label*>(control) != nullptr) != labels)
        continue;
      if (picture)
        drawPicture(buffer, *watched);
      else
        drawDecoration(buffer, *control);
    }
  }
  // The ring round the label the keys go to, while the window has them.
  if (const ui::Label* label = state.focusedLabel;
      label && label->visible() && GetFocus() == state.window) {
    RECT ring{scaled(label->left()), scaled(label->top()), scaled(label->left() + label->width()),
              scaled(label->top() + label->height())};
    DrawFocusRect(buffer, &ring);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(canvas);
  DeleteDC(buffer);
}

void FrontEnd::drawPicture(HDC dc, ControlState& state) {
  const auto& image = static_cast<const ui::ImageBox&>(*state.control);
  if (!state.pictureRead || state.picturePath != image.picture()) {
    if (state.picture) DeleteObject(state.picture);
    state.picture = image.picture().empty() ? nullptr : filePicture(image.picture());
    state.picturePath = image.picture();
    state.pictureRead = true;
  }
  // Stretched over the box, as the windows lay their pictures out; one that is not a picture
  // shows nothing.
  if (!state.picture) return;
  const RECT box{scaled(image.left()), scaled(image.top()), scaled(image.left() + image.width()),
                 scaled(image.top() + image.height())};
  drawStretched(dc, state.picture, box);
}

Program::Program() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                      ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // The pictures are decoded by WIC, a COM component.
  com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

Program::~Program() {
  if (com_) CoUninitialize();
}

int Program::run(FrontEnd& front) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (front.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win
