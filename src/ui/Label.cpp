#include "ui/Label.h"

#include <algorithm>

#include "ui/DeviceContext.h"
#include "ui/TextWrap.h"

namespace {

// A screen DC with the program's font at 96 DPI selected; the fonts are made once, as every
// label is measured with them.
class TMeasuringDC {
public:
    explicit TMeasuringDC(bool bold) : font_(screen_.Get(), Fonts().Get(bold)) {}
    HDC Get() const { return screen_.Get(); }

private:
    static const TProgramFonts& Fonts()
    {
        static const TProgramFonts fonts(96);
        return fonts;
    }
    TWindowDC screen_;
    TSelectObject font_;
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
    HWND label = form.AddControl(L"STATIC", caption, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, parent,
                                 {left96, top96, size.cx, size.cy}, anchors);
    form.FitToText(label);
    return label;
}

void SetLabelCaption(TForm& form, HWND label, const std::wstring& caption, bool bold)
{
    SetWindowTextW(label, caption.c_str());
    TBounds at = form.ControlBounds(label);
    SIZE size = MeasureCaption(caption, bold);
    form.MoveControl(label, {at.Left, at.Top, size.cx, size.cy});
}
