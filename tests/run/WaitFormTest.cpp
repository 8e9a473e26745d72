#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <thread>

#include "run/PEraseWaitDlg.h"
#include "base/Handles.h"
#include "support/LayoutCheck.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace {

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class WaitWindow : public testing::Test {
protected:
    void TearDown() override { WaitForm().HideWait(); }
};

TEST_F(WaitWindow, IsOneBorderlessTopmostWindowCreatedHidden)
{
    T_frmWait& form = WaitForm();
    EXPECT_EQ(&WaitForm(), &form);
    EXPECT_FALSE(form.Visible());
    LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
    LONG exStyle = GetWindowLongW(form.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(Narrow(WindowText(form.Handle())), "_frmWait");
    EXPECT_NE(Application().MainForm(), &form);
    EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), Application().Handle());
}

TEST_F(WaitWindow, LayoutAndTextsAtEveryScale)
{
    T_frmWait& form = WaitForm();
    form.ShowWait();
    RECT frame{};
    GetWindowRect(form.Handle(), &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(Narrow(WindowText(form.Label1->Handle())), "ファイル削除中... しばらくお待ちください。");
    EXPECT_EQ(GetParent(form.Label1->Handle()), form.Panel1->Handle());
    // The animation fills its area and shows the clip centred.
    HWND host = GetParent(form.aniErasing->Handle());
    EXPECT_EQ(GetParent(host), form.Panel1->Handle());
    LONG style = GetWindowLongW(form.aniErasing->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ACS_CENTER);
    EXPECT_TRUE(style & ACS_TRANSPARENT);
    const std::vector<TRow> table = {
        {"Panel1", form.Panel1->Handle(), {0, 0, 312, 88}, false},
        {"Label1", form.Label1->Handle(), {12, 8, 0, 0}},
        {"aniErasing", host, {2, 26, 308, 60}, false},
    };
    for (UINT dpi : kDpis) {
        SendDpiChanged(form.Handle(), dpi, {312, 88});
        ExpectLaidOutAt(form.Handle(), dpi, {312, 88}, table);
        // The inner area of the panel: inside its two one-pixel bevels.
        RECT inner = form.Panel1->InnerRect();
        EXPECT_TRUE(inner == (RECT{2, 2, MulDiv(312, static_cast<int>(dpi), 96) - 2, MulDiv(88, static_cast<int>(dpi), 96) - 2}));
        RECT clip{};
        GetClientRect(form.aniErasing->Handle(), &clip);
        EXPECT_EQ(clip.right, MulDiv(308, static_cast<int>(dpi), 96));
    }
}

TEST_F(WaitWindow, DoubleBevelIsDrawn)
{
    T_frmWait& form = WaitForm();
    form.ShowWait();
    RECT frame{};
    GetWindowRect(form.Handle(), &frame);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    // The screen shows the window once its paint has reached it.
    TPixels pixels;
    EXPECT_TRUE(WaitFor([&] {
        pixels = ScreenPixels(frame);
        return pixels.At(0, 0) == shadow && pixels.At(5, 5) == face;
    }));
    int width = pixels.Width();
    int height = pixels.Height();
    auto at = [&](int x, int y) { return pixels.At(x, y); };
    // Outer bevel lowered, inner raised.
    EXPECT_EQ(at(0, 0), shadow);
    EXPECT_EQ(at(width / 2, 0), shadow);
    EXPECT_EQ(at(0, height / 2), shadow);
    EXPECT_EQ(at(width / 2, height - 1), light);
    EXPECT_EQ(at(width - 1, height / 2), light);
    EXPECT_EQ(at(1, 1), light);
    EXPECT_EQ(at(width / 2, 1), light);
    EXPECT_EQ(at(width / 2, height - 2), shadow);
    EXPECT_EQ(at(width - 2, height / 2), shadow);
    EXPECT_EQ(at(5, 5), face);
}

TEST_F(WaitWindow, ShowAndHideChangeNothingTwice)
{
    T_frmWait& form = WaitForm();
    form.ShowWait();
    form.ShowWait();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.aniErasing->Active());
    form.HideWait();
    form.HideWait();
    EXPECT_FALSE(form.Visible());
    form.ShowWait();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.aniErasing->Active());
}

TEST_F(WaitWindow, ClipIsOnePlayableAviWithTheFramesPlayed)
{
    TAnimateClip clip = EraseClip();
    EXPECT_GE(ClipFrameCount(clip), 24);
    // The program's own clip, played where the platform has none, holds the frames played too.
    EXPECT_GE(ClipFrameCount({GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kEraseClipId)}), 24);
}

TEST_F(WaitWindow, AnimationMovesWhileTheUiThreadIsBusy)
{
    T_frmWait& form = WaitForm();
    EXPECT_NE(GetWindowThreadProcessId(form.aniErasing->Handle(), nullptr), GetCurrentThreadId());
    EXPECT_EQ(GetWindowThreadProcessId(form.aniErasing->Handle(), nullptr), form.aniErasing->PlayerThreadId());
    form.ShowWait();
    RECT area{};
    GetWindowRect(form.aniErasing->Handle(), &area);

    // This thread now blocks without handling messages, as a run does, until another thread has
    // seen the clip change three times.
    KernelHandle moved(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread watcher([&] {
        TPixels last = ScreenPixels(area);
        int changes = 0;
        for (auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
             changes < 3 && std::chrono::steady_clock::now() < until;) {
            TPixels now = ScreenPixels(area);
            if (now != last) ++changes;
            last = std::move(now);
        }
        if (changes >= 3) SetEvent(moved.Get());
    });
    DWORD waited = WaitForSingleObject(moved.Get(), 15000);
    watcher.join();
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the clip stood still while the UI thread was busy";
}

TEST_F(WaitWindow, HidingStopsTheClipAndShowingStartsIt)
{
    T_frmWait& form = WaitForm();
    form.ShowWait();
    EXPECT_TRUE(form.aniErasing->Active());
    form.HideWait();
    EXPECT_FALSE(form.aniErasing->Active());
    form.ShowWait();
    EXPECT_TRUE(form.aniErasing->Active());
}

}  // namespace
