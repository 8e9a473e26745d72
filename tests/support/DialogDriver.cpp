#include "support/DialogDriver.h"

#include "support/Pixels.h"
#include "ui/Application.h"

namespace {

constexpr LPARAM kAltDown = 1 << 29;

HWND KeyTarget()
{
    HWND focus = GetFocus();
    return focus ? focus : GetActiveWindow();
}

}  // namespace

void Click(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }

void ClickItem(HWND list, int index)
{
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

void PressKey(UINT vk)
{
    HWND target = KeyTarget();
    PostMessageW(target, WM_KEYDOWN, vk, 1);
    PostMessageW(target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
    Application().ProcessMessages();
}

void PressAltKey(wchar_t key)
{
    PostMessageW(KeyTarget(), WM_SYSCHAR, key, kAltDown | 1);
    Application().ProcessMessages();
}

void PressAltF4()
{
    PostMessageW(KeyTarget(), WM_SYSKEYDOWN, VK_F4, kAltDown | 1);
    Application().ProcessMessages();
    Application().ProcessMessages();
}

HWND Focused() { return GetFocus(); }

int BluePixels(HWND window) { return WindowPixels(window).Count(IsBlue); }
