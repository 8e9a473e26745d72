#pragma once
// Checking a window's layout against its table at any DPI, and moving it to another DPI as the
// system does when it goes to a monitor of that scale.
#include <windows.h>

#include <vector>

#include "ui/Layout.h"

// A row of a layout table: a child window and its place at 96 DPI. A height of 0 leaves the
// height unchecked (a drop-down list, whose window holds its dropped list too); a width of 0
// too stands for "sized to its text": it must hold its text in its font. A window that
// draws no text (a panel, the animation) has no font to check.
struct TRow {
    const char* name;
    HWND window;
    TBounds bounds96;
    bool drawsText = true;
};

// Sends WM_DPICHANGED for dpi: the DPI in wParam, and in lParam the suggested rectangle, which
// keeps the window's top-left corner and its frame and holds a client area of client96 at dpi.
void SendDpiChanged(HWND window, UINT dpi, SIZE client96);

// Expects window's client area to be client96 at dpi, each row's child at its bounds at dpi
// (every edge scaled: MulDiv(edge, dpi, 96)), and the font each child draws with to be the
// program's at dpi: 12 pixels at 96 DPI, alive (not deleted).
void ExpectLaidOutAt(HWND window, UINT dpi, SIZE client96, const std::vector<TRow>& rows);

// The DPIs a layout is checked at, ending back at 96.
inline const UINT kDpis[] = {96, 120, 144, 192, 96};
