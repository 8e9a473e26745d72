#include "ui/TextMeasure.h"

#include <algorithm>

#include "ui/DeviceContext.h"
#include "ui/ProgramFont.h"
#include "ui/TextWrap.h"

namespace {

// The program's fonts at 96 DPI, made once, as every label is measured with them.
const TProgramFonts& DesignFonts()
{
    static const TProgramFonts fonts(96);
    return fonts;
}

}  // namespace

SIZE MeasureText(HDC dc, HFONT font, const std::wstring& text)
{
    TSelectObject selected(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE MeasureCaption(const std::wstring& caption, bool bold)
{
    TClientDC screen;
    return MeasureText(screen.Get(), DesignFonts().Get(bold), caption);
}

SIZE MeasureWrapped(const std::wstring& caption, int maxWidth96)
{
    TClientDC screen;
    TSelectObject font(screen.Get(), DesignFonts().Get(false));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    SIZE size{0, 0};
    for (const std::wstring& line : WrapText(screen.Get(), caption, maxWidth96)) {
        SIZE extent{};
        GetTextExtentPoint32W(screen.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
        size.cx = std::max(size.cx, extent.cx);
        size.cy += metrics.tmHeight;
    }
    return size;
}
