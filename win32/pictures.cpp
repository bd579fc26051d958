#include "win32/pictures.h"

#include <wincodec.h>

#include "common/line_file.h"

namespace win {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T** out() { return &p; }
  T* operator->() const { return p; }
};

IWICImagingFactory* factory() {
  static IWICImagingFactory* made = [] {
    IWICImagingFactory* f = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&f))))
      return static_cast<IWICImagingFactory*>(nullptr);
    return f;
  }();
  return made;
}

}  // namespace

HBITMAP newBitmap(int width, int height, void** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (pixels) *pixels = bits;
  return bitmap;
}

HBITMAP decodePicture(const void* bytes, std::size_t size) {
  IWICImagingFactory* wic = factory();
  if (!wic || !bytes || size == 0 || size > 0x7FFFFFFF) return nullptr;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  if (FAILED(wic->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)),
                                          static_cast<DWORD>(size))) ||
      FAILED(wic->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                          decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) ||
      FAILED(wic->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)))
    return nullptr;
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 16384 ||
      height > 16384)
    return nullptr;
  void* pixels = nullptr;
  HBITMAP bitmap = newBitmap(static_cast<int>(width), static_cast<int>(height), &pixels);
  if (!bitmap) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

HBITMAP filePicture(const std::string& pathText) {
  // The picture's own content says what kind it is, whatever its name.
  std::string bytes;
  if (!common::readBytes(pathText, bytes) || bytes.empty()) return nullptr;
  return decodePicture(bytes.data(), bytes.size());
}

HBITMAP resourcePicture(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  return bytes ? decodePicture(bytes, SizeofResource(module, found)) : nullptr;
}

void drawStretched(HDC dc, HBITMAP picture, const RECT& where) {
  BITMAP size{};
  if (!picture || !GetObjectW(picture, sizeof(size), &size)) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, picture);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, where.left, where.top, where.right - where.left, where.bottom - where.top, source,
             0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace win
