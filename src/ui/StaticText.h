#pragma once
// The platform's static text (a STATIC child) as the program uses it: sized to its caption in the
// program's font, at every DPI.
#include <string>

#include "ui/Form.h"

HWND CreateLabel(TForm& form, HWND parent, const std::wstring& caption, int left96, int top96,
                 unsigned anchors = kDefaultAnchors);

// Gives a label created by CreateLabel a new caption, at the same place, sized to it.
void SetLabelCaption(TForm& form, HWND label, const std::wstring& caption, bool bold = false);
