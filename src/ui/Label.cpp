#include "ui/Label.h"

SIZE MeasureCaption(const std::wstring& caption, bool bold)
{
    GdiObject font(CreateProgramFont(96, bold));
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Get());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

HWND CreateLabel(TForm& form, HWND parent, const std::wstring& caption, int left96, int top96)
{
    SIZE size = MeasureCaption(caption);
    return form.AddControl(L"STATIC", caption, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, parent,
                           {left96, top96, left96 + size.cx, top96 + size.cy});
}

void SetLabelCaption(TForm& form, HWND label, const std::wstring& caption, bool bold)
{
    SetWindowTextW(label, caption.c_str());
    RECT r{};
    GetWindowRect(label, &r);
    MapWindowPoints(nullptr, GetParent(label), reinterpret_cast<POINT*>(&r), 2);
    int left = MulDiv(r.left, 96, static_cast<int>(form.Dpi()));
    int top = MulDiv(r.top, 96, static_cast<int>(form.Dpi()));
    SIZE size = MeasureCaption(caption, bold);
    form.MoveControl(label, {left, top, left + size.cx, top + size.cy});
}
