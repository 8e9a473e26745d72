#include "ui/Label.h"

#include <algorithm>

#include "ui/TextWrap.h"

namespace {

// A screen DC with the program's font at 96 DPI selected; the fonts are made once, as every
// label is measured with them.
class TMeasuringDC {
public:
    explicit TMeasuringDC(bool bold) : dc_(GetDC(nullptr))
    {
        static GdiObject regular(CreateProgramFont(96));
        static GdiObject heavy(CreateProgramFont(96, true));
        old_ = SelectObject(dc_, bold ? heavy.Get() : regular.Get());
    }
    ~TMeasuringDC()
    {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    TMeasuringDC(const TMeasuringDC&) = delete;
    TMeasuringDC& operator=(const TMeasuringDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

SIZE MeasureCaption(const std::wstring& caption, bool bold)
{
    TMeasuringDC dc(bold);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE MeasureWrapped(const std::wstring& caption, int maxWidth96)
{
    TMeasuringDC dc(false);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    SIZE size{0, 0};
    for (const std::wstring& line : WrapText(dc.Get(), caption, maxWidth96)) {
        SIZE extent{};
        GetTextExtentPoint32W(dc.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
        size.cx = std::max(size.cx, extent.cx);
        size.cy += metrics.tmHeight;
    }
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
