#pragma once
// A modal show: while a window is shown modally, the thread's other windows take no input and a
// nested loop handles the messages; afterwards everything is given back in the order Windows
// needs.
#include <windows.h>

#include <functional>
#include <vector>

// While it lives, the thread's visible windows that took input take none; afterwards each of
// them that still exists takes input again, however the modal show ended.
class TDisabledWindows {
public:
    TDisabledWindows();
    ~TDisabledWindows();
    TDisabledWindows(const TDisabledWindows&) = delete;
    TDisabledWindows& operator=(const TDisabledWindows&) = delete;

private:
    std::vector<HWND> disabled_;
};

// Shows window modally: the others are disabled, show() makes window visible, and messages are
// handled while running() holds. Then the others take input again, the window that was active
// before is active again, and only then does hide() hide window: a window hidden while the
// windows below it are still disabled hands the activation to another program, which the
// program cannot take back. A quit request ends the loop and is posted again for the loop
// outside. An exception of show() or of the loop goes to the window error handler and ends the
// loop.
void ShowModally(HWND window, const std::function<void()>& show, const std::function<bool()>& running,
                 const std::function<void()>& hide);
