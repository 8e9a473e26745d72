#include "ui/Label.h"

#include <algorithm>

#include "ui/TextWrap.h"

namespace {

// The program's font at 96 DPI, made once: every label is measured with it.
HFONT MeasuringFont(bool bold)
{
    static GdiObject regular(CreateProgramFont(96));
    static GdiObject heavy(CreateProgramFont(96, true));
    return static_cast<HFONT>(bold ? heavy.Get() : regular.Get());
}

}  // namespace

SIZE MeasureCaption(const std::wstring& caption, bool bold)
{
    HFONT font = MeasuringFont(bold);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE MeasureWrapped(const std::wstring& caption, int maxWidth96)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MeasuringFont(false));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{0, 0};
    for (const std::wstring& line : WrapText(dc, caption, maxWidth96)) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        size.cx = std::max(size.cx, extent.cx);
        size.cy += metrics.tmHeight;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

HWND CreateLabel(TForm& form, HWND parent, const std::wstring& caption, int left96, int top96, unsigned anchors)
{
    SIZE size = MeasureCaption(caption);
    return form.AddControl(L"STATIC", caption, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, parent,
                           {left96, top96, left96 + size.cx, top96 + size.cy}, anchors);
}

void SetLabelCaption(TForm& form, HWND label, const std::wstring& caption, bool bold)
{
    SetWindowTextW(label, caption.c_str());
    RECT r = form.ControlBounds(label);
    SIZE size = MeasureCaption(caption, bold);
    form.MoveControl(label, {r.left, r.top, r.left + size.cx, r.top + size.cy});
}
