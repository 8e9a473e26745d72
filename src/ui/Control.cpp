#include "ui/Control.h"

#include <commctrl.h>

#include "ui/Window.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

TControl::TControl(TControlHost& host, const TControlArgs& args)
    : host_(host), handle_(host.AddControl(args)), id_(host.BindControl(*this, handle_, args.Id))
{
    SetWindowSubclass(handle_, &TControl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TControl::~TControl()
{
    host_.Forget(handle_);
    if (IsWindow(handle_)) {
        RemoveWindowSubclass(handle_, &TControl::SubclassProc, kSubclassId);
        DestroyWindow(handle_);
    }
}

void TControl::ChangeId(int id)
{
    id_ = host_.BindControl(*this, handle_, id);
}

bool TControl::Enabled() const { return IsWindowEnabled(handle_); }

void TControl::SetEnabled(bool value)
{
    // A control that loses its input hands the focus on, so the keyboard still works.
    if (!value && Focused()) {
        HWND next = GetNextDlgTabItem(host_.HostWindow(), handle_, FALSE);
        if (next && next != handle_) ::SetFocus(next);
    }
    EnableWindow(handle_, value);
}

bool TControl::Visible() const { return IsWindowVisible(handle_); }

void TControl::SetVisible(bool value) { ShowWindow(handle_, value ? SW_SHOW : SW_HIDE); }

std::wstring TControl::Text() const { return WindowText(handle_); }

void TControl::SetText(const std::wstring& text) { SetWindowTextW(handle_, text.c_str()); }

void TControl::SetBounds(TBounds bounds96) { host_.MoveControl(handle_, bounds96); }

void TControl::SetFocus() { ::SetFocus(handle_); }

bool TControl::Focused() const { return GetFocus() == handle_; }

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK TControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &TControl::SubclassProc, kSubclassId);
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    try {
        return reinterpret_cast<TControl*>(self)->WndProc(msg, wParam, lParam);
    } catch (...) {
        HandleWindowError();
        return 0;
    }
}

std::wstring ItemText(HWND list, UINT lengthMessage, UINT textMessage, int index)
{
    // LB_ERR and CB_ERR are both -1.
    LRESULT length = SendMessageW(list, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return text;
}

void SetEnabled(std::initializer_list<TControl*> controls, bool value)
{
    for (TControl* control : controls) control->SetEnabled(value);
}
