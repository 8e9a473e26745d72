#include "ui/DialogKeys.h"

namespace {

bool IsPushButton(HWND child)
{
    return (SendMessageW(child, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void ShowAsDefault(HWND button, bool value)
{
    LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    if ((type == BS_DEFPUSHBUTTON) != value)
        SendMessageW(button, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

}  // namespace

LRESULT TDialogKeys::DefaultId() const
{
    return default_ ? MAKELRESULT(GetWindowLongPtrW(default_, GWLP_ID), DC_HASDEFID) : 0;
}

void TDialogKeys::UpdateLook(const std::vector<HWND>& children) const
{
    HWND focus = GetFocus();
    bool onButton = false;
    for (HWND child : children) onButton = onButton || (child == focus && IsPushButton(child));
    for (HWND child : children) {
        if (IsPushButton(child)) ShowAsDefault(child, onButton ? child == focus : child == default_);
    }
}

void TDialogKeys::RememberFocus(HWND window)
{
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) lastFocus_ = focus;
}

HWND TDialogKeys::FocusToRestore(HWND window) const
{
    HWND target = lastFocus_;
    if (target && IsChild(window, target) && IsWindowVisible(target) && IsWindowEnabled(target)) return target;
    return GetNextDlgTabItem(window, nullptr, FALSE);
}

void TDialogKeys::ChildGone(HWND child)
{
    if (default_ == child) default_ = nullptr;
    if (lastFocus_ == child) lastFocus_ = nullptr;
}
