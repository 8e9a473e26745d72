#include "support/BoxWatcher.h"

#include <chrono>

#include "ui/Window.h"

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t buffer[64]{};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

}  // namespace

BoxWatcher::BoxWatcher(std::wstring caption, std::wstring pressCaption)
    : caption_(std::move(caption)), press_(std::move(pressCaption)), thread_([this] { Watch(); })
{
}

BoxWatcher::~BoxWatcher()
{
    if (thread_.joinable()) thread_.join();
}

const SeenBox& BoxWatcher::Seen()
{
    if (thread_.joinable()) thread_.join();
    return seen_;
}

void BoxWatcher::Watch()
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    HWND box = nullptr;
    while (!box && std::chrono::steady_clock::now() < deadline) {
        box = FindWindowW(L"#32770", caption_.c_str());
        if (!box || !IsWindowVisible(box)) {
            box = nullptr;
            Sleep(20);
        }
    }
    if (!box) return;
    seen_.found = true;
    HWND pressThis = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring cls = ClassOf(child);
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
            seen_.buttons.push_back(WindowText(child));
            if (WindowText(child) == press_) pressThis = child;
        } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON)
                seen_.hasIcon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
            else if (GetDlgCtrlID(child) == 0xFFFF)
                seen_.text = WindowText(child);
        }
    }
    if (pressThis) SendMessageW(pressThis, BM_CLICK, 0, 0);
    else PostMessageW(box, WM_CLOSE, 0, 0);
}
