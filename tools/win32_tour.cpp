#include "tools/win32_tour.h"

#include <wincodec.h>

#include <utility>

#include "win32/editor_windows.h"
#include "win32/front_end.h"
#include "win32/pictures.h"

namespace tour {

Win32Screen::Win32Screen(Editor& editor, win::FrontEnd& front)
    : front_(front), forms_(win::windowsOf(editor)) {}

void handleMessages(win::FrontEnd& front) {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Left for the message loop that ends the program.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (front.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Screen::settle() {
  front_.flush();
  handleMessages(front_);
  for (const ui::Form* form : forms_) {
    HWND window = front_.window(*form);
    if (window && IsWindowVisible(window)) UpdateWindow(window);
  }
}

void Win32Screen::click(const ui::Control& control) {
  HWND target = front_.handle(control);
  POINT middle{};
  if (target) {
    RECT inside{};
    GetClientRect(target, &inside);
    middle = {inside.right / 2, inside.bottom / 2};
  } else {
    // What the form's window draws itself is clicked on that window.
    target = front_.window(control.form());
    middle = {win::FrontEnd::scaled(control.left() + control.width() / 2),
              win::FrontEnd::scaled(control.top() + control.height() / 2)};
  }
  if (!target) return;
  const LPARAM at = MAKELPARAM(middle.x, middle.y);
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(target, WM_LBUTTONUP, 0, at);
}

void Win32Screen::moveToCorner(const ui::Form& form) {
  HWND window = front_.window(form);
  if (!window) return;
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  SetWindowPos(window, nullptr, area.left, area.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBITMAP pictureOf(HWND window) {
  RECT inside{};
  if (!window || !GetClientRect(window, &inside) || inside.right <= 0 || inside.bottom <= 0)
    return nullptr;
  // Drawn afresh now, over every other window, so nothing stale or covering is pictured.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  HBITMAP picture = win::newBitmap(inside.right, inside.bottom);
  if (!picture) return nullptr;
  HDC from = GetDC(window);
  HDC into = CreateCompatibleDC(from);
  HGDIOBJ old = SelectObject(into, picture);
  const bool copied = BitBlt(into, 0, 0, inside.right, inside.bottom, from, 0, 0, SRCCOPY) != FALSE;
  SelectObject(into, old);
  DeleteDC(into);
  ReleaseDC(window, from);
  if (!copied) {
    DeleteObject(picture);
    return nullptr;
  }
  return picture;
}

namespace {

template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (p) p->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T* operator->() const { return p; }
  T** out() { return &p; }
  T* p = nullptr;
};

}  // namespace

bool writePng(HBITMAP picture, const std::wstring& file) {
  BITMAP shape{};
  if (!picture || !GetObjectW(picture, sizeof(shape), &shape) || shape.bmBitsPixel != 32 ||
      !shape.bmBits)
    return false;
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(factory.out()))) ||
      FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.out(), nullptr)) || FAILED(frame->Initialize(nullptr)))
    return false;
  const UINT width = static_cast<UINT>(shape.bmWidth), height = static_cast<UINT>(shape.bmHeight);
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  if (FAILED(frame->SetSize(width, height)) || FAILED(frame->SetPixelFormat(&format))) return false;
  // A PNG without the unused fourth byte of each pixel, when the encoder asks for that.
  const UINT stride = static_cast<UINT>(shape.bmWidthBytes);
  if (format != GUID_WICPixelFormat32bppBGR) {
    Com<IWICBitmap> source;
    Com<IWICFormatConverter> converter;
    if (FAILED(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGR, stride,
                                               stride * height, static_cast<BYTE*>(shape.bmBits),
                                               source.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(source.p, format, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(frame->WriteSource(converter.p, nullptr)))
      return false;
  } else if (FAILED(frame->WritePixels(height, stride, stride * height,
                                       static_cast<BYTE*>(shape.bmBits)))) {
    return false;
  }
  return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

namespace {

DialogWatch* watching = nullptr;

bool isDialog(HWND window) {
  wchar_t type[16] = {};
  GetClassNameW(window, type, 16);
  return lstrcmpW(type, L"#32770") == 0;
}

}  // namespace

DialogWatch::DialogWatch(std::function<void(HWND)> person) : person_(std::move(person)) {
  watching = this;
  // A timer of the thread: the dialogs' own message loops run it too.
  timer_ = SetTimer(nullptr, 0, 10, &DialogWatch::tick);
}

DialogWatch::~DialogWatch() {
  KillTimer(nullptr, timer_);
  watching = nullptr;
}

void CALLBACK DialogWatch::tick(HWND, UINT, UINT_PTR, DWORD) {
  DialogWatch* watch = watching;
  if (!watch) return;
  if (watch->last_ && !IsWindow(watch->last_)) watch->last_ = nullptr;
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM into) {
        if (!IsWindowVisible(window) || !isDialog(window)) return TRUE;
        *reinterpret_cast<HWND*>(into) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  if (!found || found == watch->last_) return;
  watch->last_ = found;
  watch->person_(found);
}

void answerLeast(HWND dialog) {
  for (const int button : {IDCANCEL, IDNO, IDOK}) {
    if (HWND shown = GetDlgItem(dialog, button)) {
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(shown));
      return;
    }
  }
  PostMessageW(dialog, WM_CLOSE, 0, 0);
}

}  // namespace tour
