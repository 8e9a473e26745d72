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

namespace {

// Registers windowClass for Dispatch once per process; another thread may have just done so.
void RegisterOnce(const TWindowClass& windowClass, WNDPROC procedure)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof(existing)};
    if (GetClassInfoExW(instance, windowClass.Name, &existing)) return;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = windowClass.Style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = windowClass.Background;
    wc.lpszClassName = windowClass.Name;
    if (RegisterClassExW(&wc)) return;
    DWORD error = GetLastError();
    if (error != ERROR_CLASS_ALREADY_EXISTS)
        RaiseOSError(error, L"ウィンドウクラス " + std::wstring(windowClass.Name) + L" を登録できません");
}

}  // namespace

void TWindow::CreateHandle(const TWindowArgs& args)
{
    RegisterOnce(*args.Class, &TWindow::Dispatch);
    const TBounds& at = args.Bounds;
    // Cleared first: a creation can fail without a code of its own (Wine does when it reaches no
    // display), and the class probe above may have left "class does not exist" behind.
    SetLastError(ERROR_SUCCESS);
    CreateWindowExW(args.ExStyle, args.Class->Name, args.Caption.c_str(), args.Style, at.Left, at.Top, at.Width,
                    at.Height, args.Parent, nullptr, GetModuleHandleW(nullptr), this);
    if (handle_) return;
    DWORD error = GetLastError();
    RaiseOSError(error, L"ウィンドウ " + std::wstring(args.Class->Name) + L" を作成できません");
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

LRESULT ButtonFaceColors(HDC dc)
{
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

RECT BoundsInParent(HWND child)
{
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
