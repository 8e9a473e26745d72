#include "ui/Form.h"

#include "ui/Application.h"

namespace {

constexpr wchar_t kFormClass[] = L"PofuttoEraseForm";

DWORD StyleFor(TFormBorder border)
{
    switch (border) {
    case TFormBorder::None: return WS_POPUP | WS_CLIPCHILDREN;
    case TFormBorder::Dialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case TFormBorder::Sizeable:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
               WS_CLIPCHILDREN;
    }
    return WS_POPUP;
}

DWORD ExStyleFor(const TFormStyle& style)
{
    DWORD ex = style.Border == TFormBorder::Dialog ? WS_EX_DLGMODALFRAME : 0;
    if (style.StayOnTop) ex |= WS_EX_TOPMOST;
    return ex;
}

}  // namespace

HFONT CreateProgramFont(UINT dpi, bool bold)
{
    return CreateFontW(-MulDiv(12, static_cast<int>(dpi), 96), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

TForm::TForm(const TFormStyle& style) : style_(style)
{
    RegisterClassOnce(kFormClass, CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE));
    CreateHandle(kFormClass, style_.Caption, StyleFor(style_.Border), ExStyleFor(style_), Application().Handle(),
                 0, 0, 0, 0);
    ApplyDpi({style_.ClientWidth, style_.ClientHeight});
}

TForm::~TForm() { DestroyHandle(); }

UINT TForm::Dpi() const
{
    UINT dpi = Handle() ? GetDpiForWindow(Handle()) : 0;
    return dpi ? dpi : 96;
}

int TForm::Scale(int pixels96) const { return MulDiv(pixels96, static_cast<int>(Dpi()), 96); }

void TForm::ApplyDpi(SIZE client96)
{
    appliedDpi_ = Dpi();
    font_.Reset(CreateProgramFont(Dpi()));
    boldFont_.Reset(CreateProgramFont(Dpi(), true));
    RECT frame{0, 0, Scale(client96.cx), Scale(client96.cy)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Child& child : children_)
        SendMessageW(child.handle, WM_SETFONT, reinterpret_cast<WPARAM>(child.bold ? boldFont_.Get() : Font()), TRUE);
    LayOut();
}

void TForm::SetControlBold(HWND child)
{
    for (Child& known : children_) {
        if (known.handle == child) {
            known.bold = true;
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()), TRUE);
        }
    }
}

SIZE TForm::ClientSize96() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    // The client area is sized for the DPI last applied (during a DPI change, not yet the new one).
    int dpi = static_cast<int>(appliedDpi_);
    return {MulDiv(client.right, 96, dpi), MulDiv(client.bottom, 96, dpi)};
}

void TForm::SetClientSize(int width96, int height96)
{
    RECT frame{0, 0, Scale(width96), Scale(height96)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

// Places every control from its designed rectangle: an edge anchored on the right or bottom
// keeps its distance to that edge of the client area as it is now.
void TForm::LayOut()
{
    SIZE now = ClientSize96();
    int dx = now.cx - style_.ClientWidth;
    int dy = now.cy - style_.ClientHeight;
    for (const Child& child : children_) {
        RECT r = child.bounds96;
        if (child.anchors & akRight) {
            if (!(child.anchors & akLeft)) r.left += dx;
            r.right += dx;
        }
        if (child.anchors & akBottom) {
            if (!(child.anchors & akTop)) r.top += dy;
            r.bottom += dy;
        }
        MoveWindow(child.handle, Scale(r.left), Scale(r.top), Scale(r.right - r.left), Scale(r.bottom - r.top),
                   TRUE);
    }
}

HWND TForm::AddControl(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
                       HWND parent, RECT bounds96, unsigned anchors)
{
    HWND child = CreateWindowExW(exStyle, className, text.c_str(), style | WS_CHILD, Scale(bounds96.left),
                                 Scale(bounds96.top), Scale(bounds96.right - bounds96.left),
                                 Scale(bounds96.bottom - bounds96.top), parent ? parent : Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!child) throw Exception(L"コントロールを作成できません");
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    children_.push_back({child, bounds96, anchors});
    return child;
}

HWND TForm::AddButton(const std::wstring& caption, RECT bounds96, int id, unsigned anchors,
                      std::function<void()> onClick)
{
    HWND button = AddControl(L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, Handle(), bounds96,
                             anchors);
    SetWindowLongPtrW(button, GWLP_ID, id);
    clicks_[id] = std::move(onClick);
    return button;
}

RECT TForm::ControlBounds(HWND child) const
{
    for (const Child& known : children_)
        if (known.handle == child) return known.bounds96;
    return {};
}

void TForm::MoveControl(HWND child, RECT bounds96)
{
    for (Child& known : children_)
        if (known.handle == child) known.bounds96 = bounds96;
    LayOut();
}

void TForm::Place(HWND child, RECT bounds96, unsigned anchors)
{
    MoveWindow(child, Scale(bounds96.left), Scale(bounds96.top), Scale(bounds96.right - bounds96.left),
               Scale(bounds96.bottom - bounds96.top), TRUE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    for (Child& known : children_) {
        if (known.handle == child) {
            known.bounds96 = bounds96;
            known.anchors = anchors;
            return;
        }
    }
    children_.push_back({child, bounds96, anchors});
}

void TForm::CenterOnScreen()
{
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show()
{
    if (!centred_) {
        CenterOnScreen();
        centred_ = true;
    }
    ShowWindow(Handle(), SW_SHOW);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool TForm::Visible() const { return Handle() && IsWindowVisible(Handle()); }

void TForm::Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm::ShowModal()
{
    // The thread's other windows take no input while this one is up.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* list = reinterpret_cast<std::vector<HWND>*>(context);
            if (IsWindowVisible(window) && IsWindowEnabled(window)) list->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) EnableWindow(window, FALSE);

    modal_ = true;
    try {
        Show();
    } catch (...) {
        Application().HandleException();
    }
    MSG msg;
    while (modal_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // Keep the quit request for the outer loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Application().HandleMessage(msg);
    }
    modal_ = false;
    for (HWND window : disabled)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    Hide();
}

void TForm::Release() { Application().Release(*this); }

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SHOWWINDOW:
        if (wParam) {
            try {
                FormShow();
            } catch (...) {
                Application().HandleException();
            }
        }
        break;
    case WM_CLOSE:
        modal_ = false;
        Hide();
        if (Application().MainForm() == this) Application().Terminate();
        return 0;
    case WM_COMMAND: {
        auto click = clicks_.find(LOWORD(wParam));
        if (HIWORD(wParam) == BN_CLICKED && click != clicks_.end() && click->second) {
            click->second();
            return 0;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SIZE:
        LayOut();
        break;
    case WM_DPICHANGED: {
        ApplyDpi(ClientSize96());
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return TWindow::WndProc(msg, wParam, lParam);
}
