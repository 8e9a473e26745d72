#pragma once
// The program's font and the DPI it is drawn at. Every window of the program uses
// "ＭＳ Ｐゴシック" at 12 pixels character height (Shift-JIS) at 96 DPI, scaled with the DPI.
#include <windows.h>

#include "base/Handles.h"

// The program's font at a DPI.
HFONT CreateProgramFont(UINT dpi, bool bold = false);

// The regular and bold program fonts for one DPI.
struct TProgramFonts {
    explicit TProgramFonts(UINT dpi);
    UINT Dpi;
    GdiObject Regular;
    GdiObject Bold;
    HFONT Get(bool bold) const { return static_cast<HFONT>((bold ? Bold : Regular).Get()); }
};
