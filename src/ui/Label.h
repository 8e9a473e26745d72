#pragma once
// A static text sized to its caption at the program's font.
#include <string>

#include "ui/Form.h"

HWND CreateLabel(TForm& form, HWND parent, const std::wstring& caption, int left96, int top96);

// The size of a caption at the program's font at 96 DPI.
SIZE MeasureCaption(const std::wstring& caption);
