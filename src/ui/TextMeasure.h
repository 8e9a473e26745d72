#pragma once
// How large a text is in the program's font at 96 DPI, as layouts are designed: on one line, or
// broken into lines that fit a width (see WrapText).
#include <windows.h>

#include <string>

// The size of a text on one line in font, drawn on dc.
SIZE MeasureText(HDC dc, HFONT font, const std::wstring& text);
// The same, measured on the one DC the program measures text on (a font's size is its own,
// whatever the DC): no window's DC is taken for it.
SIZE MeasureText(HFONT font, const std::wstring& text);
// The size of a caption on one line.
SIZE MeasureCaption(const std::wstring& caption, bool bold = false);
// The size of a caption broken into lines of at most maxWidth96 pixels: its widest line and all
// its lines.
SIZE MeasureWrapped(const std::wstring& caption, int maxWidth96);
