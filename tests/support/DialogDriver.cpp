#include "support/DialogDriver.h"

#include "support/Pixels.h"
#include "ui/Application.h"
#include "ui/Form.h"

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
    // The close request the key makes is posted while the key is handled: the same pump takes it.
    Application().ProcessMessages();
}

HWND Focused() { return GetFocus(); }

int BluePixels(HWND window) { return WindowPixels(window).Count(IsBlue); }

class TPostedStep::TWindow : public TForm {
public:
    explicit TWindow(std::function<void()> step)
        : TForm({L"posted step", TFormBorder::None, false, 1, 1}), step_(std::move(step))
    {
    }
    static constexpr UINT kStep = WM_APP + 40;
    int taken = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg != kStep) return TForm::WndProc(msg, wParam, lParam);
        ++taken;
        step_();
        return 0;
    }

private:
    std::function<void()> step_;
};

TPostedStep::TPostedStep(std::function<void()> step) : window_(std::make_unique<TWindow>(std::move(step))) {}

TPostedStep::~TPostedStep() = default;

void TPostedStep::Post() { PostMessageW(window_->Handle(), TWindow::kStep, 0, 0); }

int TPostedStep::Taken() const { return window_->taken; }

namespace {
TWindowStateLog* gStateLog = nullptr;  // the one log a thread keeps; the hook has no context
}  // namespace

TWindowStateLog::TWindowStateLog()
    : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &TWindowStateLog::Hook, nullptr, GetCurrentThreadId()))
{
    gStateLog = this;
}

TWindowStateLog::~TWindowStateLog()
{
    if (hook_) UnhookWindowsHookEx(hook_);
    gStateLog = nullptr;
}

LRESULT CALLBACK TWindowStateLog::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && gStateLog && (sent->message == WM_ENABLE || sent->message == WM_SHOWWINDOW)) {
        wchar_t caption[256] = L"";
        // Asks the window manager, not the window: no message is sent from inside the hook.
        InternalGetWindowText(sent->hwnd, caption, 256);
        TChange change = sent->message == WM_ENABLE ? (sent->wParam ? TChange::Enabled : TChange::Disabled)
                                                    : (sent->wParam ? TChange::Shown : TChange::Hidden);
        gStateLog->events_.push_back({sent->hwnd, caption, change});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int TWindowStateLog::Last(TChange change, HWND window, const std::wstring& caption) const
{
    for (int i = static_cast<int>(events_.size()) - 1; i >= 0; --i) {
        const TEvent& e = events_[static_cast<size_t>(i)];
        if (e.change == change && (caption.empty() ? e.window == window : e.caption == caption)) return i;
    }
    return -1;
}
