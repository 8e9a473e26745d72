#include "ui/MessagePump.h"

#include "base/Exception.h"

bool RunMessageLoop(const std::function<bool()>& running, int& exitCode)
{
    MSG msg;
    while (running()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) RaiseLastOSError(L"メッセージを受け取れません");
        if (got == 0) {
            exitCode = static_cast<int>(msg.wParam);
            return false;
        }
        HandleMessage(msg);
    }
    return true;
}

void HandleMessage(MSG& msg)
{
    HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
