#pragma once
// The parts of a modal show that stand on their own: the other windows kept from input while
// it lasts, and the nested message loop.
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

// Handles messages as every loop of the program does while running() holds. A quit request
// ends it and is posted again for the loop outside.
void RunModalLoop(const std::function<bool()>& running);
