#include "ui/DialogKeys.h"

#include "ui/Control.h"

LRESULT TDialogKeys::DefaultId() const
{
    return default_ ? MAKELRESULT(GetWindowLongPtrW(default_->Handle(), GWLP_ID), DC_HASDEFID) : 0;
}

void TDialogKeys::UpdateLook(const std::vector<TControl*>& controls) const
{
    HWND focus = GetFocus();
    bool onButton = false;
    for (TControl* control : controls) onButton = onButton || (control->Handle() == focus && control->IsPushButton());
    for (TControl* control : controls) {
        if (control->IsPushButton()) control->ShowAsDefault(onButton ? control->Handle() == focus : control == default_);
    }
}

void TDialogKeys::RememberFocus(HWND form)
{
    HWND focus = GetFocus();
    if (focus && IsChild(form, focus)) lastFocus_ = focus;
}

void TDialogKeys::RestoreFocus(HWND form) const
{
    HWND target = lastFocus_;
    if (!target || !IsChild(form, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(form, nullptr, FALSE);
    if (target) ::SetFocus(target);
}

void TDialogKeys::ChildGone(HWND child, const TControl* control)
{
    if (control && control == default_) default_ = nullptr;
    if (lastFocus_ == child) lastFocus_ = nullptr;
}
