#pragma once
// A static text sized to its caption at the program's font.
#include <string>

#include "ui/Form.h"

HWND CreateLabel(TForm& form, HWND parent, const std::wstring& caption, int left96, int top96,
                 unsigned anchors = kDefaultAnchors);

// Gives a label created by CreateLabel a new caption, at the same place, sized to it.
void SetLabelCaption(TForm& form, HWND label, const std::wstring& caption, bool bold = false);

// The size of a caption at the program's font at 96 DPI.
SIZE MeasureCaption(const std::wstring& caption, bool bold = false);
// The size of a caption at the program's font at 96 DPI, broken into lines of at most
// maxWidth96 pixels (see WrapText): its widest line and all its lines.
SIZE MeasureWrapped(const std::wstring& caption, int maxWidth96);
