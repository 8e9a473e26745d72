#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/DeviceContext.h"
#include "ui/Icons.h"
#include "ui/ModalShow.h"
#include "ui/TextMeasure.h"

namespace {

const TWindowClass kFormClass{L"PofuttoEraseForm", CS_DBLCLKS, GetSysColorBrush(COLOR_BTNFACE)};
constexpr UINT_PTR kChildSubclassId = 0x50464348;  // "PFCH"

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

DWORD ExStyleFor(const TFormStyle& style)
{
    DWORD ex = style.Border == TFormBorder::Dialog ? WS_EX_DLGMODALFRAME : 0;
    if (style.StayOnTop) ex |= WS_EX_TOPMOST;
    return ex;
}

void MoveTo(HWND child, TBounds bounds)
{
    MoveWindow(child, bounds.Left, bounds.Top, bounds.Width, bounds.Height, TRUE);
}

}  // namespace

TForm::TForm(const TFormStyle& style)
    : style_(style), fonts_(std::make_unique<TProgramFonts>(96)), layout_({style.ClientWidth, style.ClientHeight})
{
    HWND owner = style_.Owner ? style_.Owner : TopLevelOwner();
    // Made on the monitor it will open on, and laid out at that monitor's DPI from the start.
    monitor_ = MonitorFor(owner);
    const RECT& work = monitor_.WorkArea;
    CreateHandle({&kFormClass, style_.Caption, StyleFor(style_), ExStyleFor(style_), owner, {work.left, work.top, 0, 0}});
    dpi_ = monitor_.Dpi;
    if (dpi_ != fonts_->Dpi) fonts_ = std::make_unique<TProgramFonts>(dpi_);
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
        IconHandle icon = ProgramIcon(GetSystemMetricsForDpi(metric, dpi_));
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
                             static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi_);
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

void TForm::SetClientSize(int width96, int height96) { SizeFor({width96, height96}); }

SIZE TForm::ClientSize96() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    int dpi = static_cast<int>(dpi_);
    return {MulDiv(client.right, 96, dpi), MulDiv(client.bottom, 96, dpi)};
}

void TForm::ChangeDpi(UINT dpi, const RECT& bounds)
{
    std::unique_ptr<TProgramFonts> old = std::move(fonts_);
    dpi_ = dpi;
    fonts_ = std::make_unique<TProgramFonts>(dpi);
    SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
    for (HWND child : layout_.Children())
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(layout_.Bold(child))), TRUE);
    LoadIcons();
    FormDpiChanged();
    // Only now, when no child holds them any more, do the old fonts go.
}

// Moves a child where its layout says for the client area as it is now, its text measured in
// the font it draws with.
void TForm::PlaceNow(HWND child)
{
    auto measure = [this](HWND window, bool bold, UINT) { return MeasureText(fonts_->Get(bold), WindowText(window)); };
    MoveTo(child, layout_.PlaceFor(child, ClientSize96(), dpi_, measure));
}

void TForm::LayOut()
{
    for (HWND child : layout_.Children()) PlaceNow(child);
}

HWND TForm::AddControl(const TControlArgs& args)
{
    TBounds at = ScaleToDpi(args.Place, dpi_);
    SetLastError(ERROR_SUCCESS);
    // Siblings never paint over each other where they touch.
    HWND child = CreateWindowExW(args.ExStyle, args.ClassName, args.Text.c_str(), args.Style | WS_CHILD | WS_CLIPSIBLINGS,
                                 at.Left, at.Top, at.Width, at.Height, args.Parent ? args.Parent : Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!child) {
        DWORD error = GetLastError();
        RaiseOSError(error, L"コントロール " + std::wstring(args.ClassName) + L" を作成できません");
    }
    Place(child, args.Place, args.Anchors);
    return child;
}

void TForm::Place(HWND child, TBounds bounds96, unsigned anchors)
{
    // Siblings never paint over each other where they touch.
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (!(style & WS_CLIPSIBLINGS)) SetWindowLongPtrW(child, GWL_STYLE, style | WS_CLIPSIBLINGS);
    // A child of another thread (the animation's) is forgotten by its owner instead.
    if (!layout_.Has(child))
        SetWindowSubclass(child, &TForm::ChildProc, kChildSubclassId, reinterpret_cast<DWORD_PTR>(this));
    layout_.Set(child, bounds96, anchors);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(layout_.Bold(child))), FALSE);
    PlaceNow(child);
}

void TForm::FitToText(HWND child, bool fit)
{
    if (!layout_.Has(child)) return;
    layout_.SetFitText(child, fit);
    PlaceNow(child);
}

void TForm::MoveControl(HWND child, TBounds bounds96)
{
    if (layout_.Has(child)) Place(child, bounds96, layout_.Anchors(child));
}

void TForm::SetBold(HWND child, bool bold)
{
    if (!layout_.Has(child)) return;
    layout_.SetBold(child, bold);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(bold)), TRUE);
    PlaceNow(child);
}

void TForm::Forget(HWND child)
{
    if (!layout_.Has(child)) return;
    auto control = std::find_if(controls_.begin(), controls_.end(), [child](TControl* c) { return c->Handle() == child; });
    keys_.ChildGone(child, control == controls_.end() ? nullptr : *control);
    if (control != controls_.end()) controls_.erase(control);
    layout_.Remove(child);
    RemoveWindowSubclass(child, &TForm::ChildProc, kChildSubclassId);
}

LRESULT CALLBACK TForm::ChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR form)
{
    if (msg == WM_NCDESTROY) reinterpret_cast<TForm*>(form)->Forget(child);
    return DefSubclassProc(child, msg, wParam, lParam);
}

// ---- Controls and their notifications ----

int TForm::BindControl(TControl& control, int id)
{
    if (!layout_.Has(control.Handle())) return 0;
    if (id == 0) id = nextId_++;
    if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end()) controls_.push_back(&control);
    SetWindowLongPtrW(control.Handle(), GWLP_ID, id);
    return id;
}

TControl* TForm::FindControl(int id) const
{
    for (TControl* control : controls_)
        if (GetWindowLongPtrW(control->Handle(), GWLP_ID) == id) return control;
    return nullptr;
}

void TForm::UpdateButtonLook() { keys_.UpdateLook(controls_); }

void TForm::UpdateButtonLookLater() { PostMessageW(Handle(), UpdateButtonLookMessage(), 0, 0); }

// ---- Showing and closing ----

void TForm::CenterOnScreen()
{
    // Where the user works now: the owner or the active window may have gone to another monitor
    // since the form was made, and then it is laid out anew for that one's DPI.
    TMonitor monitor = MonitorFor(GetWindow(Handle(), GW_OWNER), Handle());
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    if (monitor != monitor_ && monitor.Dpi != dpi_) {
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
            keys_.RestoreFocus(Handle());
            return 0;
        }
        break;
    case WM_SETFOCUS:
        keys_.RestoreFocus(Handle());
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
