#include <gtest/gtest.h>

#include <optional>

#include "support/BoxWatcher.h"
#include "support/TestSupport.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"
#include "ui/Monitors.h"

namespace {

TEST(Centring, PutsTheFrameInTheMiddleOfTheWorkAreaOrAtItsCorner)
{
    const struct {
        RECT work;
        SIZE frame;
        POINT at;
    } cases[] = {
        {{0, 0, 1024, 728}, {300, 200}, {362, 264}},
        // A task bar on top or on the left moves the work area, not the middle of the screen.
        {{0, 40, 1024, 768}, {300, 200}, {362, 304}},
        {{1024, 0, 2944, 1040}, {301, 201}, {1833, 419}},
        {{-1280, 0, 0, 1024}, {300, 200}, {-790, 412}},
        // Larger than the work area: from its top-left corner.
        {{0, 0, 800, 600}, {900, 700}, {0, 0}},
        {{0, 0, 800, 600}, {900, 100}, {0, 250}},
    };
    for (const auto& c : cases) {
        POINT at = CentredIn(c.work, c.frame);
        EXPECT_EQ(at.x, c.at.x) << c.work.left << "," << c.work.top;
        EXPECT_EQ(at.y, c.at.y) << c.work.left << "," << c.work.top;
    }
}

// Two monitors as a test hands them to the placement: the primary at 96 DPI with its task bar at
// the bottom, and a larger one on its right at 144 DPI with its task bar on top. A window is on
// the one that holds its middle.
class TwoMonitors : public TMonitors {
public:
    static constexpr RECT kPrimaryArea{0, 0, 1024, 768};
    static constexpr RECT kSecondArea{1024, 0, 2944, 1080};
    const TMonitor primary{{0, 0, 1024, 728}, 96};
    const TMonitor second{{1024, 40, 2944, 1080}, 144};

    std::optional<TMonitor> launched;
    std::optional<TMonitor> foreground;
    TMonitor pointer = primary;

    std::optional<TMonitor> Launched() const override { return launched; }
    std::optional<TMonitor> OfForeground() const override { return foreground; }
    TMonitor UnderPointer() const override { return pointer; }
    TMonitor OfWindow(HWND window) const override
    {
        RECT r{};
        GetWindowRect(window, &r);
        POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        return PtInRect(&kSecondArea, middle) ? second : primary;
    }
};

// The placement sees the two monitors for the test's life.
class Placement : public testing::Test {
protected:
    void SetUp() override { SetMonitors(&monitors_); }
    void TearDown() override { SetMonitors(nullptr); }

    // Expects the window's frame centred in the monitor's work area.
    static void ExpectCentredOn(HWND window, const TMonitor& monitor)
    {
        RECT frame{};
        GetWindowRect(window, &frame);
        POINT at = CentredIn(monitor.WorkArea, {frame.right - frame.left, frame.bottom - frame.top});
        EXPECT_EQ(frame.left, at.x);
        EXPECT_EQ(frame.top, at.y);
    }
    static SIZE ClientSize(const TForm& form)
    {
        RECT client{};
        GetClientRect(form.Handle(), &client);
        return {client.right, client.bottom};
    }

    TwoMonitors monitors_;
};

TEST_F(Placement, TheStartMonitorIsTheShellsElseTheFrontWindowsElseThePointers)
{
    const TMonitor& one = monitors_.primary;
    const TMonitor& two = monitors_.second;
    const struct {
        std::optional<TMonitor> launched;
        std::optional<TMonitor> foreground;
        TMonitor pointer;
        TMonitor start;
    } cases[] = {
        {two, one, one, two},
        {std::nullopt, two, one, two},
        {std::nullopt, std::nullopt, two, two},
        {one, two, two, one},
    };
    for (const auto& c : cases) {
        monitors_.launched = c.launched;
        monitors_.foreground = c.foreground;
        monitors_.pointer = c.pointer;
        SetMonitors(&monitors_);  // forgets the start monitor
        EXPECT_EQ(StartMonitor().Dpi, c.start.Dpi);
        // Remembered: the program's later windows open there too, wherever the pointer goes.
        monitors_.pointer = one;
        monitors_.launched = monitors_.foreground = std::nullopt;
        EXPECT_EQ(StartMonitor().Dpi, c.start.Dpi);
    }
}

// A form without a shown owner, the first of the program, opens on the monitor it was started on:
// laid out at that monitor's DPI before it shows, then centred in its work area.
TEST_F(Placement, TheFirstFormOpensOnTheStartMonitorAtItsDpi)
{
    monitors_.launched = monitors_.second;
    SetMonitors(&monitors_);
    TForm form({L"first", TFormBorder::Dialog, false, 200, 100});
    EXPECT_EQ(form.Dpi(), 144u);
    // (Only the width: the title bar, which the system draws, stays at the real system's DPI.)
    EXPECT_EQ(ClientSize(form).cx, 300);
    form.Show();
    ExpectCentredOn(form.Handle(), monitors_.second);
    EXPECT_EQ(ClientSize(form).cx, 300);
}

// An owned form opens on its owner's monitor, at that monitor's DPI, wherever the program was
// started; if the owner has gone to the other monitor by the time it shows, it follows it there.
TEST_F(Placement, AnOwnedFormOpensOnItsOwnersMonitor)
{
    monitors_.launched = monitors_.second;
    SetMonitors(&monitors_);
    TForm owner({L"owner", TFormBorder::Dialog, false, 200, 100});
    owner.Show();
    SetWindowPos(owner.Handle(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // to the primary
    TForm owned({L"owned", TFormBorder::Dialog, false, 200, 100, true, owner.Handle()});
    EXPECT_EQ(owned.Dpi(), 96u);
    owned.Show();
    ExpectCentredOn(owned.Handle(), monitors_.primary);
    EXPECT_EQ(ClientSize(owned).cx, 200);

    TForm later({L"later", TFormBorder::Dialog, false, 200, 100, true, owner.Handle()});
    EXPECT_EQ(later.Dpi(), 96u);
    SetWindowPos(owner.Handle(), nullptr, 1500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // to the second
    later.Show();
    EXPECT_EQ(later.Dpi(), 144u);
    EXPECT_EQ(ClientSize(later).cx, 300);
    ExpectCentredOn(later.Handle(), monitors_.second);
}

// A message box asked from a form on the second monitor opens there: centred in its work area, in
// the program's font at its DPI.
TEST_F(Placement, AMessageBoxOpensOnTheMonitorOfTheWindowThatAsks)
{
    TForm asking({L"asking", TFormBorder::Dialog, false, 200, 100});
    asking.Show();
    SetWindowPos(asking.Handle(), nullptr, 1500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetActiveWindow(asking.Handle());
    LONG fontHeight = 0;
    BoxAnswer answer{L"情報", L"OK"};
    answer.before = [&](HWND box) {
        ExpectCentredOn(box, monitors_.second);
        LOGFONTW font{};
        HWND text = FindWindowExW(box, nullptr, L"Static", L"二つ目のモニターで開きます");
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof(font), &font);
        fontHeight = font.lfHeight;
    };
    BoxWatcher watcher({answer});
    MessageDlg(L"二つ目のモニターで開きます", TMsgDlgType::Information);
    ASSERT_TRUE(watcher.Seen().found);
    EXPECT_EQ(fontHeight, -18);
}

}  // namespace
