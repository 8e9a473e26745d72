#include "ui/Form.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Control.h"

namespace {

constexpr wchar_t kFormClass[] = L"PofuttoEraseForm";

UINT UpdateButtonLookMessage()
{
    static const UINT message = RegisterWindowMessageW(L"PofuttoErase.UpdateButtonLook");
    return message;
}

DWORD StyleFor(const TFormStyle& style)
{
    DWORD menu = style.SystemMenu ? WS_SYSMENU : 0;
    switch (style.Border) {
    case TFormBorder::None: return WS_POPUP | WS_CLIPCHILDREN;
    case TFormBorder::Dialog: return WS_POPUP | WS_CAPTION | menu | WS_CLIPCHILDREN;
    case TFormBorder::Sizeable:
        return WS_POPUP | WS_CAPTION | menu | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    }
    return WS_POPUP;
}

// Where a control's edges go along one axis when its parent grows from design to now.
void Stretch(LONG& low, LONG& high, bool anchorLow, bool anchorHigh, int design, int now)
{
    if (anchorHigh) {
        if (!anchorLow) low += now - design;
        high += now - design;
    } else if (!anchorLow && design > 0) {
        // Neither edge: the centre keeps its fraction of the parent's extent.
        LONG size = high - low;
        low = MulDiv(low + size / 2, now, design) - size / 2;
        high = low + size;
    }
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
    CreateHandle(kFormClass, style_.Caption, StyleFor(style_), ExStyleFor(style_),
                 style_.Owner ? style_.Owner : Application().Handle(), 0, 0, 0, 0);
    ApplyDpi({style_.ClientWidth, style_.ClientHeight});
    // Dialog boxes carry no icon in their title bar.
    if (style_.Border != TFormBorder::Dialog) ShowIcon();
}

void TForm::ShowIcon()
{
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application().Icon()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application().Icon()));
}

void TForm::BecomeMainForm()
{
    // The program's button on the task bar and its place in Alt+Tab.
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application().Icon()));
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

// Places every control from its designed rectangle by its anchors, for the client area as it
// is now.
void TForm::LayOut()
{
    SIZE now = ClientSize96();
    for (const Child& child : children_) {
        RECT r = child.bounds96;
        Stretch(r.left, r.right, child.anchors & akLeft, child.anchors & akRight, style_.ClientWidth, now.cx);
        Stretch(r.top, r.bottom, child.anchors & akTop, child.anchors & akBottom, style_.ClientHeight, now.cy);
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

void TForm::DoClose()
{
    if (modal_) {
        if (modalResult_ == TModalResult::None) modalResult_ = TModalResult::Cancel;
        modal_ = false;
    }
    Hide();
    if (Application().MainForm() == this) Application().Terminate();
}

void TForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (result != TModalResult::None) DoClose();
}

int TForm::Register(TControl& control, int id)
{
    if (id == 0) id = nextId_++;
    std::erase_if(controls_, [&](const auto& entry) { return entry.second == &control; });
    controls_.emplace_back(id, &control);
    return id;
}

void TForm::Forget(TControl& control)
{
    std::erase_if(controls_, [&](const auto& entry) { return entry.second == &control; });
    std::erase_if(children_, [&](const Child& child) { return child.handle == control.Handle(); });
    if (defaultButton_ && static_cast<TControl*>(defaultButton_) == &control) defaultButton_ = nullptr;
}

TControl* TForm::FindControl(int id) const
{
    for (const auto& [known, control] : controls_)
        if (known == id) return control;
    return nullptr;
}

void TForm::UpdateButtonLook()
{
    HWND focus = GetFocus();
    bool onButton = false;
    for (const auto& [id, control] : controls_)
        onButton = onButton || (control->Handle() == focus && dynamic_cast<TButton*>(control));
    for (const auto& [id, control] : controls_) {
        if (auto* button = dynamic_cast<TButton*>(control))
            button->ShowAsDefault(onButton ? button->Handle() == focus : button == defaultButton_);
    }
}

void TForm::UpdateButtonLookLater() { PostMessageW(Handle(), UpdateButtonLookMessage(), 0, 0); }

void TForm::RestoreFocus()
{
    HWND target = lastFocus_;
    if (!target || !IsChild(Handle(), target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (target) SetFocus(target);
}

TModalResult TForm::ShowModal()
{
    HWND wasActive = GetActiveWindow();
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
    modalResult_ = TModalResult::None;
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
    if (wasActive && wasActive != Handle() && IsWindow(wasActive)) SetActiveWindow(wasActive);
    Hide();
    return modalResult_;
}

void TForm::Release() { Application().Release(*this); }

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == UpdateButtonLookMessage()) {
        UpdateButtonLook();
        return 0;
    }
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
        if (closeLocks_ == 0 && CloseQuery()) DoClose();
        return 0;
    case WM_COMMAND:
        // The dialog keys send IDOK and IDCANCEL too; only a control of that id answers them.
        if (TControl* control = FindControl(LOWORD(wParam))) {
            control->Command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        TControl* control = FindControl(static_cast<int>(header->idFrom));
        LRESULT result = 0;
        if (control && control->Handle() == header->hwndFrom && control->Notify(*header, result)) return result;
        break;
    }
    case DM_GETDEFID:
        if (defaultButton_) return MAKELRESULT(defaultButton_->Id(), DC_HASDEFID);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
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
