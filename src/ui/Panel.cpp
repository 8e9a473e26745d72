#include "ui/Panel.h"

#include "ui/DeviceContext.h"

namespace {

const TWindowClass kPanelClass{L"PofuttoErasePanel"};

// One bevel line around rect: lowered is dark at the top left and light at the bottom right.
void Frame(HDC dc, RECT& rect, TBevel bevel)
{
    if (bevel == TBevel::None) return;
    COLORREF topLeft = GetSysColor(bevel == TBevel::Lowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF bottomRight = GetSysColor(bevel == TBevel::Lowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    auto fill = [dc](int left, int top, int right, int bottom, COLORREF colour) {
        RECT r{left, top, right, bottom};
        SetBkColor(dc, colour);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    };
    fill(rect.left, rect.top, rect.right - 1, rect.top + 1, topLeft);
    fill(rect.left, rect.top, rect.left + 1, rect.bottom - 1, topLeft);
    fill(rect.left, rect.bottom - 1, rect.right, rect.bottom, bottomRight);
    fill(rect.right - 1, rect.top, rect.right, rect.bottom, bottomRight);
    InflateRect(&rect, -1, -1);
}

}  // namespace

TPanel::TPanel(TForm& form, HWND parent, TBounds bounds96, TBevel outer, TBevel inner) : outer_(outer), inner_(inner)
{
    CreateHandle({&kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  WS_EX_NOPARENTNOTIFY, parent ? parent : form.Handle()});
    form.Place(Handle(), bounds96);
}

RECT TPanel::InnerRect() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    int border = (outer_ != TBevel::None) + (inner_ != TBevel::None);
    InflateRect(&r, -border, -border);
    return r;
}

void TPanel::Paint(HDC dc) const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    Frame(dc, r, outer_);
    Frame(dc, r, inner_);
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        TPaintDC dc(Handle());
        Paint(dc.Get());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return ButtonFaceColors(reinterpret_cast<HDC>(wParam));
    default:
        return TWindow::WndProc(msg, wParam, lParam);
    }
}
