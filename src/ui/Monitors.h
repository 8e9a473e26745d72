#pragma once
// Which monitor a window opens on, and where on it: the screen the user is working on. The
// program's first windows go to the monitor it was started on (the one the shell names, else that
// of the window in front at start, else the one under the pointer); a window whose owner is shown
// goes to its owner's monitor, and one without goes to that of the window the user works in.
// Each is laid out at its monitor's DPI and centred in its work area (clear of the task bar).
#include <windows.h>

#include <optional>

struct TMonitor {
    RECT WorkArea{};
    UINT Dpi = 96;
};

inline bool operator==(const TMonitor& a, const TMonitor& b)
{
    return EqualRect(&a.WorkArea, &b.WorkArea) && a.Dpi == b.Dpi;
}

// What the placement asks of the system: the platform's monitors, or those a test hands it.
class TMonitors {
public:
    virtual ~TMonitors() = default;
    // The monitor the shell named when it started the program, if it named one.
    virtual std::optional<TMonitor> Launched() const = 0;
    // The monitor of the window in front (another program's, at start), if there is one.
    virtual std::optional<TMonitor> OfForeground() const = 0;
    // The monitor under the pointer, or the nearest one.
    virtual TMonitor UnderPointer() const = 0;
    // The monitor a window is on, or the nearest one.
    virtual TMonitor OfWindow(HWND window) const = 0;
};

// The platform's monitors.
const TMonitors& SystemMonitors();
// The monitors placement uses: the platform's, or a test's while it is set (null sets the
// platform's back). Setting them forgets the start monitor.
const TMonitors& Monitors();
void SetMonitors(const TMonitors* monitors);

// The monitor the program was started on, found the first time it is asked (the application
// asks at start) and remembered.
TMonitor StartMonitor();

// The monitor for a top-level window (or, where window is null, for one about to be made) owned
// by owner: the owner's where it is shown, else that of the thread's active window, else the
// start monitor.
TMonitor MonitorFor(HWND owner, HWND window = nullptr);

// The top-left corner that centres a frame of the given size in a work area; a frame larger than
// the work area starts at its top-left corner, so its title bar stays in reach.
POINT CentredIn(const RECT& workArea, SIZE frame);
