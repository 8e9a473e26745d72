#include "ui/MessagePump.h"

#include "base/Exception.h"

bool NextMessage(MSG& msg)
{
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) RaiseLastOSError(L"メッセージを受け取れません");
    return got != 0;
}

void HandleMessage(MSG& msg)
{
    HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
