#include "support/LayoutCheck.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "ui/DeviceContext.h"
#include "ui/Window.h"

namespace {

int At(int pixels96, UINT dpi) { return MulDiv(pixels96, static_cast<int>(dpi), 96); }

// The size of one line of text in a font.
SIZE TextExtent(const std::wstring& text, HFONT font)
{
    TClientDC screen;
    TSelectObject selected(screen.Get(), font);
    RECT r{};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {r.right, r.bottom};
}

}  // namespace

void SendDpiChanged(HWND window, UINT dpi, SIZE client96)
{
    RECT frame{};
    RECT client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    int frameWidth = (frame.right - frame.left) - client.right;
    int frameHeight = (frame.bottom - frame.top) - client.bottom;
    RECT suggested{frame.left, frame.top, frame.left + frameWidth + At(client96.cx, dpi),
                   frame.top + frameHeight + At(client96.cy, dpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

void ExpectLaidOutAt(HWND window, UINT dpi, SIZE client96, const std::vector<TRow>& rows)
{
    SCOPED_TRACE(testing::Message() << "at " << dpi << " DPI");
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, At(client96.cx, dpi));
    EXPECT_EQ(client.bottom, At(client96.cy, dpi));
    for (const TRow& row : rows) {
        const TBounds& b = row.bounds96;
        RECT r = BoundsInParent(row.window);
        EXPECT_EQ(r.left, At(b.Left, dpi)) << row.name;
        EXPECT_EQ(r.top, At(b.Top, dpi)) << row.name;
        if (b.Width) {
            EXPECT_EQ(r.right, At(b.Right(), dpi)) << row.name;
        }
        if (b.Height) {
            EXPECT_EQ(r.bottom, At(b.Bottom(), dpi)) << row.name;
        }
        if (!row.drawsText) continue;
        auto font = reinterpret_cast<HFONT>(SendMessageW(row.window, WM_GETFONT, 0, 0));
        if (!b.Width) {
            SIZE text = TextExtent(WindowText(row.window), font);
            EXPECT_GE(r.right - r.left, text.cx) << row.name << ": its text does not fit";
            EXPECT_GE(r.bottom - r.top, text.cy) << row.name << ": its text does not fit";
        }
        LOGFONTW logFont{};
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << row.name;
        ASSERT_NE(GetObjectW(font, sizeof(logFont), &logFont), 0) << row.name;
        EXPECT_EQ(logFont.lfHeight, -At(12, dpi)) << row.name;
        EXPECT_EQ(Narrow(logFont.lfFaceName), "ＭＳ Ｐゴシック") << row.name;
    }
}
