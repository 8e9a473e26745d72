#pragma once
// Pixels read back the way a person sees them: from the screen, or from what a window paints
// into a bitmap of its own. Each read takes the whole rectangle in one GetDIBits.
#include <windows.h>

#include <vector>

class TPixels {
public:
    TPixels() = default;
    TPixels(int width, int height, std::vector<COLORREF> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    // How many pixels satisfy test.
    template <typename Test>
    int Count(Test test) const
    {
        int n = 0;
        for (COLORREF c : pixels_) n += test(c) ? 1 : 0;
        return n;
    }
    bool operator==(const TPixels&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// What the screen shows in a rectangle (screen coordinates).
TPixels ScreenPixels(RECT area);
// What the screen shows of a window, its frame included; a window of this process paints itself
// anew first.
TPixels WindowPixels(HWND window);
// What a window paints of its client area (WM_PRINTCLIENT) onto white, in a bitmap of
// width x height.
TPixels PrintedPixels(HWND window, int width, int height);

// An icon drawn onto white at size x size.
TPixels IconPixels(HICON icon, int size);

// Whether a colour is clearly blue.
bool IsBlue(COLORREF colour);

// The width in pixels of the image an icon holds.
int IconWidth(HICON icon);
