#include "ui/Window.h"

#include "base/Exception.h"

namespace {

std::function<void()> gErrorHandler;
HWND gTopLevelOwner = nullptr;

}  // namespace

void SetWindowErrorHandler(std::function<void()> handler) { gErrorHandler = std::move(handler); }

void HandleWindowError() noexcept
{
    // The handler itself must not throw past the window procedure that called it.
    try {
        if (gErrorHandler) gErrorHandler();
    } catch (...) {
    }
}

void SetTopLevelOwner(HWND owner) { gTopLevelOwner = owner; }

HWND TopLevelOwner() { return gTopLevelOwner; }

TWindow::~TWindow() { DestroyHandle(); }

void TWindow::RegisterClassOnce(const wchar_t* className, UINT classStyle, HBRUSH background)
{
    WNDCLASSEXW existing{sizeof(existing)};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing)) return;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = classStyle;
    wc.lpfnWndProc = &TWindow::Dispatch;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) RaiseLastOSError(L"ウィンドウクラス " + std::wstring(className) + L" を登録できません");
}

void TWindow::CreateHandle(const wchar_t* className, const std::wstring& caption, DWORD style, DWORD exStyle,
                           HWND parent, int x, int y, int width, int height)
{
    CreateWindowExW(exStyle, className, caption.c_str(), style, x, y, width, height, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!handle_) RaiseLastOSError(L"ウィンドウ " + std::wstring(className) + L" を作成できません");
}

void TWindow::DestroyHandle()
{
    if (!handle_) return;
    HWND handle = handle_;
    DestroyWindow(handle);
    // WM_NCDESTROY has cleared handle_; keep it cleared if the window was already gone.
    handle_ = nullptr;
}

LRESULT TWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK TWindow::Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<TWindow*>(create->lpCreateParams);
        self->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
        self->handle_ = nullptr;
        return result;
    }
    try {
        return self->WndProc(msg, wParam, lParam);
    } catch (...) {
        HandleWindowError();
        return 0;
    }
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT BoundsInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
