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

HFONT CreateProgramFont(UINT dpi)
{
    return CreateFontW(-MulDiv(12, static_cast<int>(dpi), 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

TForm::TForm(const TFormStyle& style) : style_(style)
{
    RegisterClassOnce(kFormClass, CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE));
    CreateHandle(kFormClass, style_.Caption, StyleFor(style_.Border), ExStyleFor(style_), Application().Handle(),
                 0, 0, 0, 0);
    ApplyDpi();
}

TForm::~TForm() { DestroyHandle(); }

UINT TForm::Dpi() const
{
    UINT dpi = Handle() ? GetDpiForWindow(Handle()) : 0;
    return dpi ? dpi : 96;
}

int TForm::Scale(int pixels96) const { return MulDiv(pixels96, static_cast<int>(Dpi()), 96); }

void TForm::ApplyDpi()
{
    font_.Reset(CreateProgramFont(Dpi()));
    RECT frame{0, 0, Scale(style_.ClientWidth), Scale(style_.ClientHeight)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Child& child : children_) {
        const RECT& r = child.bounds96;
        MoveWindow(child.handle, Scale(r.left), Scale(r.top), Scale(r.right - r.left), Scale(r.bottom - r.top),
                   TRUE);
        SendMessageW(child.handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    }
}

HWND TForm::AddControl(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
                       HWND parent, RECT bounds96)
{
    HWND child = CreateWindowExW(exStyle, className, text.c_str(), style | WS_CHILD, Scale(bounds96.left),
                                 Scale(bounds96.top), Scale(bounds96.right - bounds96.left),
                                 Scale(bounds96.bottom - bounds96.top), parent ? parent : Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!child) throw Exception(L"コントロールを作成できません");
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    children_.push_back({child, bounds96});
    return child;
}

void TForm::Place(HWND child, RECT bounds96)
{
    MoveWindow(child, Scale(bounds96.left), Scale(bounds96.top), Scale(bounds96.right - bounds96.left),
               Scale(bounds96.bottom - bounds96.top), TRUE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    for (Child& known : children_) {
        if (known.handle == child) {
            known.bounds96 = bounds96;
            return;
        }
    }
    children_.push_back({child, bounds96});
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
        Hide();
        if (Application().MainForm() == this) Application().Terminate();
        return 0;
    case WM_DPICHANGED: {
        ApplyDpi();
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
