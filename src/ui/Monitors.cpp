#include "ui/Monitors.h"

#include <shellscalingapi.h>

#include <algorithm>

namespace {

std::optional<TMonitor> Describe(HMONITOR monitor)
{
    MONITORINFO info{sizeof(info)};
    if (!monitor || !GetMonitorInfoW(monitor, &info)) return std::nullopt;
    UINT dpiX = 96;
    UINT dpiY = 96;
    if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) || !dpiX) dpiX = GetDpiForSystem();
    return TMonitor{info.rcWork, dpiX};
}

class TPlatformMonitors : public TMonitors {
public:
    std::optional<TMonitor> Launched() const override
    {
        // The shell hands a program started from the task bar, a jump list or with a monitor
        // (SEE_MASK_HMONITOR) the monitor in hStdOutput, where it hands no standard handles.
        STARTUPINFOW startup{sizeof(startup)};
        GetStartupInfoW(&startup);
        if (startup.dwFlags & STARTF_USESTDHANDLES) return std::nullopt;
        return Describe(static_cast<HMONITOR>(startup.hStdOutput));
    }
    std::optional<TMonitor> OfForeground() const override
    {
        HWND front = GetForegroundWindow();
        if (!front) return std::nullopt;
        return Describe(MonitorFromWindow(front, MONITOR_DEFAULTTONULL));
    }
    TMonitor UnderPointer() const override
    {
        POINT at{};
        GetCursorPos(&at);
        return Describe(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST)).value_or(TMonitor{});
    }
    TMonitor OfWindow(HWND window) const override
    {
        return Describe(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)).value_or(TMonitor{});
    }
};

const TMonitors* gMonitors = nullptr;
std::optional<TMonitor> gStartMonitor;

}  // namespace

const TMonitors& SystemMonitors()
{
    static const TPlatformMonitors monitors;
    return monitors;
}

const TMonitors& Monitors() { return gMonitors ? *gMonitors : SystemMonitors(); }

void SetMonitors(const TMonitors* monitors)
{
    gMonitors = monitors;
    gStartMonitor.reset();
}

TMonitor StartMonitor()
{
    if (!gStartMonitor) {
        const TMonitors& monitors = Monitors();
        gStartMonitor = monitors.Launched();
        if (!gStartMonitor) gStartMonitor = monitors.OfForeground();
        if (!gStartMonitor) gStartMonitor = monitors.UnderPointer();
    }
    return *gStartMonitor;
}

TMonitor MonitorFor(HWND owner, HWND window)
{
    // The application's hidden window owns the forms that have no owner of their own: it is
    // never shown, and stands on no monitor the user works on.
    if (owner && IsWindowVisible(owner)) return Monitors().OfWindow(owner);
    HWND active = GetActiveWindow();
    if (active && active != window && IsWindowVisible(active)) return Monitors().OfWindow(active);
    return StartMonitor();
}

POINT CentredIn(const RECT& workArea, SIZE frame)
{
    LONG width = workArea.right - workArea.left;
    LONG height = workArea.bottom - workArea.top;
    return {workArea.left + std::max<LONG>(0, (width - frame.cx) / 2),
            workArea.top + std::max<LONG>(0, (height - frame.cy) / 2)};
}
