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

// The DC every text is measured on, made once: taking a window's DC for each measurement costs a
// round trip to the display under Wine, and a form measures its texts many times as it is laid
// out.
HDC MeasuringDC()
{
    static const TMemoryDC dc(nullptr);
    return dc.Get();
}

}  // namespace

SIZE MeasureText(HDC dc, HFONT font, const std::wstring& text)
{
    TSelectObject selected(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE MeasureText(HFONT font, const std::wstring& text) { return MeasureText(MeasuringDC(), font, text); }

SIZE MeasureCaption(const std::wstring& caption, bool bold) { return MeasureText(DesignFonts().Get(bold), caption); }

SIZE MeasureWrapped(const std::wstring& caption, int maxWidth96)
{
    HDC dc = MeasuringDC();
    TSelectObject font(dc, DesignFonts().Get(false));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE size{0, 0};
    for (const std::wstring& line : WrapText(dc, caption, maxWidth96)) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        size.cx = std::max(size.cx, extent.cx);
        size.cy += metrics.tmHeight;
    }
    return size;
}
