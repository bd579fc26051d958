#pragma once
// Pictures decoded by the Windows Imaging Component (PNG, JPEG, BMP, GIF ...), as bitmaps a window
// can draw.

#include <windows.h>

#include <string>

namespace win {

// A new 32-bit bitmap of this size, its top row first, or nullptr when it can't be made; its
// pixels are put in *pixels when asked for. The caller owns it (DeleteObject).
HBITMAP newBitmap(int width, int height, void** pixels = nullptr);

// A 32-bit bitmap of the picture in these bytes, or nullptr when they are not a picture. The
// caller owns it (DeleteObject).
HBITMAP decodePicture(const void* bytes, std::size_t size);

// The picture in a file of the game's folder (a path text, found as the editor finds every file),
// or nullptr when it can't be read or is no picture.
HBITMAP filePicture(const std::string& pathText);

// The picture of a resource of the program (RCDATA, by name), or nullptr.
HBITMAP resourcePicture(const wchar_t* name);

// Draws a bitmap stretched over the rectangle.
void drawStretched(HDC dc, HBITMAP picture, const RECT& where);

}  // namespace win
