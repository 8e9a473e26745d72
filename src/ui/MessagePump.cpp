#include "ui/MessagePump.h"

#include "base/Exception.h"

std::optional<int> RunMessageLoop(const std::function<bool()>& running)
{
    MSG msg;
    while (running()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) RaiseLastOSError(L"メッセージを受け取れません");
        if (got == 0) return static_cast<int>(msg.wParam);
        HandleMessage(msg);
    }
    return std::nullopt;
}

void HandleMessage(MSG& msg)
{
    HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
