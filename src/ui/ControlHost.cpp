#include "ui/ControlHost.h"

#include <commctrl.h>

#include <algorithm>

#include "base/Exception.h"
#include "ui/TextMeasure.h"
#include "ui/Window.h"

namespace {

constexpr UINT_PTR kChildSubclassId = 0x50464348;  // "PFCH"

void MoveTo(HWND child, TBounds bounds)
{
    MoveWindow(child, bounds.Left, bounds.Top, bounds.Width, bounds.Height, TRUE);
}

}  // namespace

UINT UpdateButtonLookMessage()
{
    static const UINT message = RegisterWindowMessageW(L"PofuttoErase.UpdateButtonLook");
    return message;
}

TControlHost::TControlHost(SIZE designed96) : fonts_(std::make_unique<TProgramFonts>(96)), layout_(designed96) {}

void TControlHost::AttachWindow(HWND window, UINT dpi)
{
    window_ = window;
    if (dpi != fonts_->Dpi) fonts_ = std::make_unique<TProgramFonts>(dpi);
}

SIZE TControlHost::ClientSize96() const
{
    RECT client{};
    GetClientRect(window_, &client);
    int dpi = static_cast<int>(Dpi());
    return {MulDiv(client.right, 96, dpi), MulDiv(client.bottom, 96, dpi)};
}

void TControlHost::ChangeDpi(UINT dpi, const std::function<void()>& resize)
{
    std::unique_ptr<TProgramFonts> old = std::move(fonts_);
    fonts_ = std::make_unique<TProgramFonts>(dpi);
    resize();
    LayOut();
    for (HWND child : layout_.Children())
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(layout_.Bold(child))), TRUE);
    // Only now, when no child holds them any more, do the old fonts go.
}

// Moves a child where its layout says for the client area as it is now, its text measured in
// the font it draws with.
void TControlHost::PlaceNow(HWND child)
{
    auto measure = [this](HWND window, bool bold, UINT) { return MeasureText(fonts_->Get(bold), WindowText(window)); };
    MoveTo(child, layout_.PlaceFor(child, ClientSize96(), Dpi(), measure));
}

void TControlHost::LayOut()
{
    for (HWND child : layout_.Children()) PlaceNow(child);
}

HWND TControlHost::AddControl(const TControlArgs& args)
{
    TBounds at = ScaleToDpi(args.Place, Dpi());
    SetLastError(ERROR_SUCCESS);
    // Siblings never paint over each other where they touch.
    HWND child = CreateWindowExW(args.ExStyle, args.ClassName, args.Text.c_str(), args.Style | WS_CHILD | WS_CLIPSIBLINGS,
                                 at.Left, at.Top, at.Width, at.Height, args.Parent ? args.Parent : window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!child) {
        DWORD error = GetLastError();
        RaiseOSError(error, L"コントロール " + std::wstring(args.ClassName) + L" を作成できません");
    }
    Place(child, args.Place, args.Anchors);
    return child;
}

void TControlHost::Place(HWND child, TBounds bounds96, unsigned anchors)
{
    // Siblings never paint over each other where they touch.
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (!(style & WS_CLIPSIBLINGS)) SetWindowLongPtrW(child, GWL_STYLE, style | WS_CLIPSIBLINGS);
    // A child of another thread (the animation's) is forgotten by its owner instead.
    if (!layout_.Has(child))
        SetWindowSubclass(child, &TControlHost::ChildProc, kChildSubclassId, reinterpret_cast<DWORD_PTR>(this));
    layout_.Set(child, bounds96, anchors);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(layout_.Bold(child))), FALSE);
    PlaceNow(child);
}

void TControlHost::FitToText(HWND child, bool fit)
{
    if (!layout_.Has(child)) return;
    layout_.SetFitText(child, fit);
    PlaceNow(child);
}

void TControlHost::MoveControl(HWND child, TBounds bounds96)
{
    if (layout_.Has(child)) Place(child, bounds96, layout_.Anchors(child));
}

void TControlHost::SetBold(HWND child, bool bold)
{
    if (!layout_.Has(child)) return;
    layout_.SetBold(child, bold);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(bold)), TRUE);
    PlaceNow(child);
}

void TControlHost::Forget(HWND child)
{
    if (!layout_.Has(child)) return;
    keys_.ChildGone(child);
    std::erase_if(bindings_, [child](const TBinding& bound) { return bound.Child == child; });
    layout_.Remove(child);
    RemoveWindowSubclass(child, &TControlHost::ChildProc, kChildSubclassId);
}

LRESULT CALLBACK TControlHost::ChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR host)
{
    if (msg == WM_NCDESTROY) reinterpret_cast<TControlHost*>(host)->Forget(child);
    return DefSubclassProc(child, msg, wParam, lParam);
}

// ---- Controls and their notifications ----

int TControlHost::BindControl(TControl& control, HWND child, int id)
{
    if (!layout_.Has(child)) return 0;
    if (id == 0) id = nextId_++;
    auto bound = std::find_if(bindings_.begin(), bindings_.end(), [child](const TBinding& b) { return b.Child == child; });
    if (bound == bindings_.end()) bindings_.push_back({&control, child});
    SetWindowLongPtrW(child, GWLP_ID, id);
    return id;
}

TControl* TControlHost::FindControl(int id) const
{
    for (const TBinding& bound : bindings_)
        if (GetWindowLongPtrW(bound.Child, GWLP_ID) == id) return bound.Control;
    return nullptr;
}

std::vector<TControl*> TControlHost::Controls() const
{
    std::vector<TControl*> controls;
    for (const TBinding& bound : bindings_) controls.push_back(bound.Control);
    return controls;
}

void TControlHost::UpdateButtonLook()
{
    std::vector<HWND> children;
    for (const TBinding& bound : bindings_) children.push_back(bound.Child);
    keys_.UpdateLook(children);
}

void TControlHost::UpdateButtonLookLater() { PostMessageW(window_, UpdateButtonLookMessage(), 0, 0); }
