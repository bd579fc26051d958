#include "win32/front_end.h"

#include <commctrl.h>
#include <objbase.h>

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
    for (auto& control : state->controls) control->view.reset();
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
  state.window = CreateWindowExW(0, formClass, toWide(state.form->caption()).c_str(), formStyle,
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
  SetWindowTextW(state.window, toWide(form.caption()).c_str());
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
        if (control->control == state->focused && control->view) SetFocus(control->view->handle());
      }
    }
  }
  // Show the windows that come up before hiding those that go, so the screen is never empty.
  for (auto& state : forms_) {
    if (state->window && state->form->visible() && !ended_ && !IsWindowVisible(state->window)) {
      ShowWindow(state->window, SW_SHOW);
      SetForegroundWindow(state->window);
      state->shownAt = ++windowsShown_;
    }
  }
  for (auto& state : forms_) {
    if (state->window && (!state->form->visible() || ended_) && IsWindowVisible(state->window))
      ShowWindow(state->window, SW_HIDE);
  }
  flushing_ = false;
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

bool FrontEnd::preTranslate(MSG& message) {
  // Return (or Enter) on a focused button clicks it, as Space does.
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
    wchar_t type[16] = {};
    GetClassNameW(message.hwnd, type, 16);
    if (lstrcmpiW(type, L"Button") == 0) {
      if (!(message.lParam & (1 << 30))) SendMessageW(message.hwnd, BM_CLICK, 0, 0);
      return true;
    }
  }
  // Tab and the arrows move between the controls of a window, as in a dialog.
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  for (auto& state : forms_) {
    if (state->window == root) return IsDialogMessageW(root, &message) != FALSE;
  }
  return false;
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
      if (ui::Label* label = labelAt(state.form->controls(), at))
        act(*state.form, [label] { label->click(); });
      return 0;
    }
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      if (!from) break;
      for (auto& control : state.controls) {
        if (control->view && control->view->handle() == from) {
          control->view->command(HIWORD(wParam));
          return 0;
        }
      }
      break;
    }
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
  // Lines and shapes lie under the labels; each layer keeps the order of the window's controls.
  for (const bool labels : {false, true}) {
    for (const ui::Control* control : state.form->controls()) {
      if (!control->visible() || (dynamic_cast<const ui::Label*>(control) != nullptr) != labels)
        continue;
      drawDecoration(buffer, *control);
    }
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(canvas);
  DeleteDC(buffer);
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
