#pragma once
// Layout arithmetic, apart from any window: where a control goes when its parent's client
// area differs from the one it was designed for, and how a 96-DPI layout scales.
#include <windows.h>

// A control's place as the layout tables give it: left, top, width, height.
struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TBounds&) const = default;
};

// The edges of its parent that a control keeps its distance to when the parent is resized. A
// control anchored neither left nor right keeps its centre at the same fraction of the width
// (and likewise vertically).
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr unsigned kDefaultAnchors = akLeft | akTop;

// Where a control designed at bounds in a client area of designClient goes in one of client.
TBounds AnchoredBounds(TBounds bounds, unsigned anchors, SIZE designClient, SIZE client);

// 96-DPI pixels at dpi.
int ScaleToDpi(int pixels96, UINT dpi);
// Bounds in 96-DPI pixels at dpi. Each edge is scaled, so neighbours that touch at 96 DPI still
// touch.
TBounds ScaleToDpi(TBounds bounds96, UINT dpi);
