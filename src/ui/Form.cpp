#include "ui/Form.h"

#include "ui/DeviceContext.h"
#include "ui/Icons.h"
#include "ui/ModalShow.h"

namespace {

const TWindowClass kFormClass{L"PofuttoEraseForm", CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE)};

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

DWORD ExStyleFor(const TFormStyle& style)
{
    DWORD ex = style.Border == TFormBorder::Dialog ? WS_EX_DLGMODALFRAME : 0;
    if (style.StayOnTop) ex |= WS_EX_TOPMOST;
    return ex;
}

}  // namespace

TForm::TForm(const TFormStyle& style)
    : TControlHost({style.ClientWidth, style.ClientHeight}), style_(style)
{
    HWND owner = style_.Owner ? style_.Owner : TopLevelOwner();
    // Made on the monitor it will open on, and laid out at that monitor's DPI from the start.
    monitor_ = MonitorFor(owner);
    const RECT& work = monitor_.WorkArea;
    CreateHandle({&kFormClass, style_.Caption, StyleFor(style_), ExStyleFor(style_), owner, {work.left, work.top, 0, 0}});
    AttachWindow(Handle(), monitor_.Dpi);
    SizeFor({style_.ClientWidth, style_.ClientHeight});
    // Dialog boxes carry no icon in their title bar.
    if (style_.Border != TFormBorder::Dialog) ShowIcon();
}

TForm::~TForm() { DestroyHandle(); }

void TForm::ShowIcon()
{
    showsIcon_ = true;
    showsBigIcon_ = true;
    LoadIcons();
}

void TForm::BecomeMainForm(std::function<void()> closed)
{
    closedAsMain_ = std::move(closed);
    // The program's button on the task bar and its place in Alt+Tab.
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
    if (showsBigIcon_) return;  // a form with a title-bar icon has its big icon already
    showsBigIcon_ = true;
    LoadIcons();
}

// The big and the small icon at the sizes the system draws them at for the form's DPI; each
// replaced icon goes once the window holds the new one.
void TForm::LoadIcons()
{
    auto set = [this](WPARAM which, int metric, IconHandle& held) {
        IconHandle icon = ProgramIcon(GetSystemMetricsForDpi(metric, Dpi()));
        SendMessageW(Handle(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon.Get()));
        held = std::move(icon);
    };
    if (showsBigIcon_) set(ICON_BIG, SM_CXICON, bigIcon_);
    if (showsIcon_) set(ICON_SMALL, SM_CXSMICON, smallIcon_);
}

// ---- Layout ----

void TForm::SizeFor(SIZE client96)
{
    RECT frame{0, 0, Scale(client96.cx), Scale(client96.cy)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

void TForm::SetClientSize(int width96, int height96) { SizeFor({width96, height96}); }

void TForm::ChangeDpi(UINT dpi, const RECT& bounds)
{
    TControlHost::ChangeDpi(dpi, [&] {
        SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    });
    LoadIcons();
    FormDpiChanged();
}

// ---- Showing and closing ----

void TForm::CenterOnScreen()
{
    // Where the user works now: the owner or the active window may have gone to another monitor
    // since the form was made, and then it is laid out anew for that one's DPI.
    TMonitor monitor = MonitorFor(GetWindow(Handle(), GW_OWNER), Handle());
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    if (monitor != monitor_ && monitor.Dpi != Dpi()) {
        SIZE client96 = ClientSize96();
        ChangeDpi(monitor.Dpi, frame);
        SizeFor(client96);
        GetWindowRect(Handle(), &frame);
    }
    monitor_ = monitor;
    POINT at = CentredIn(monitor.WorkArea, {frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show()
{
    ShowWindow(Handle(), SW_SHOW);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool TForm::Visible() const { return Handle() && IsWindowVisible(Handle()); }

void TForm::Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm::DoClose()
{
    if (modal_) {
        // The modal show hides the form itself, once the windows it disabled take input again.
        if (modalResult_ == TModalResult::None) modalResult_ = TModalResult::Cancel;
        modal_ = false;
        return;
    }
    Hide();
    if (closedAsMain_) closedAsMain_();
}

void TForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (result != TModalResult::None) DoClose();
}

TModalResult TForm::ShowModal()
{
    modalResult_ = TModalResult::None;
    modal_ = true;
    ShowModally(Handle(), [this] { Show(); }, [this] { return modal_; }, [this] { Hide(); });
    modal_ = false;
    return modalResult_;
}

void TForm::Release()
{
    if (releaser_) releaser_();
}

void TForm::RestoreFocus()
{
    if (HWND target = keys_.FocusToRestore(Handle())) ::SetFocus(target);
}

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
                HandleWindowError();
            }
            // Still hidden here: centred once, at the size the show handler left it.
            if (!centred_) {
                CenterOnScreen();
                centred_ = true;
            }
        } else {
            FormHide();
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
        return keys_.DefaultId();
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            keys_.RememberFocus(Handle());
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        // Check boxes, images, read-only texts and lists.
        return ButtonFaceColors(reinterpret_cast<HDC>(wParam));
    case WM_SIZE:
        LayOut();
        break;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return TWindow::WndProc(msg, wParam, lParam);
}
