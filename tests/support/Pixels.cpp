#include "support/Pixels.h"

#include "base/Handles.h"
#include "ui/DeviceContext.h"

namespace {

// The pixels of a bitmap that no DC holds selected.
TPixels ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> rows(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (width <= 0 || height <= 0 ||
        GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS) != height)
        return {};
    std::vector<COLORREF> pixels;
    pixels.reserve(rows.size());
    for (const RGBQUAD& q : rows) pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    return {width, height, std::move(pixels)};
}

}  // namespace

TPixels ScreenPixels(RECT area)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    TClientDC screen;
    TMemoryDC memory(screen.Get());
    GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        TSelectObject selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    return ReadBitmap(memory.Get(), static_cast<HBITMAP>(bitmap.Get()), width, height);
}

TPixels WindowPixels(HWND window)
{
    // A window of this process paints now. One of another process is not asked to: it would
    // paint in its own time, and the screen could be read between the erase and the paint.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId())
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    RECT frame{};
    GetWindowRect(window, &frame);
    return ScreenPixels(frame);
}

TPixels PrintedPixels(HWND window, int width, int height)
{
    TClientDC screen;
    TMemoryDC memory(screen.Get());
    GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        TSelectObject selected(memory.Get(), bitmap.Get());
        RECT all{0, 0, width, height};
        FillRect(memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
    }
    return ReadBitmap(memory.Get(), static_cast<HBITMAP>(bitmap.Get()), width, height);
}

TPixels IconPixels(HICON icon, int size)
{
    TClientDC screen;
    TMemoryDC memory(screen.Get());
    GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), size, size));
    {
        TSelectObject selected(memory.Get(), bitmap.Get());
        RECT all{0, 0, size, size};
        FillRect(memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawIconEx(memory.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    }
    return ReadBitmap(memory.Get(), static_cast<HBITMAP>(bitmap.Get()), size, size);
}

bool IsBlue(COLORREF c) { return GetBValue(c) > 160 && GetRValue(c) < 90 && GetGValue(c) < 90; }

int IconWidth(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    GdiObject color(info.hbmColor);
    GdiObject mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(color ? color.Get() : mask.Get(), sizeof(bitmap), &bitmap);
    return bitmap.bmWidth;
}
