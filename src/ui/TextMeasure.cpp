#include "ui/TextMeasure.h"

#include <algorithm>

#include "ui/DeviceContext.h"
#include "ui/ProgramFont.h"
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
    TClientDC screen_;
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
