#include "ui/ModalShow.h"

#include "ui/MessagePump.h"
#include "ui/Window.h"

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

void ShowModally(HWND window, const std::function<void()>& show, const std::function<bool()>& running,
                 const std::function<void()>& hide)
{
    HWND wasActive = GetActiveWindow();
    {
        TDisabledWindows others;
        try {
            show();
            if (std::optional<int> quit = RunMessageLoop(running)) PostQuitMessage(*quit);
        } catch (...) {
            HandleWindowError();
        }
    }
    if (wasActive && wasActive != window && IsWindow(wasActive)) SetActiveWindow(wasActive);
    hide();
}
