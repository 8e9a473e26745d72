#include "ui/ModalLoop.h"

#include "ui/Application.h"

TDisabledWindows::TDisabledWindows()
{
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* list = reinterpret_cast<std::vector<HWND>*>(context);
            if (IsWindowVisible(window) && IsWindowEnabled(window)) list->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled_));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TDisabledWindows::~TDisabledWindows()
{
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
}

void RunModalLoop(const std::function<bool()>& running)
{
    MSG msg;
    while (running()) {
        if (!Application().NextMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Application().HandleMessage(msg);
    }
}
