#pragma once
// The dialog keys of a form: which button Enter presses (the focused push button, else the
// default button) and which push button looks it, and the keyboard focus, remembered while the
// form is inactive and given back when it is active again. Escape presses the control whose id
// is IDCANCEL: the system's dialog handling sends that command, which the form passes on.
#include <windows.h>

#include <vector>

class TControl;

class TDialogKeys {
public:
    TControl* DefaultButton() const { return default_; }
    void SetDefaultButton(TControl* button) { default_ = button; }
    // The answer to DM_GETDEFID: the default button's id.
    LRESULT DefaultId() const;
    // Draws the focused push button among controls, else the default button, as the one Enter
    // presses.
    void UpdateLook(const std::vector<TControl*>& controls) const;

    // Notes which child of form has the focus, as form goes inactive.
    void RememberFocus(HWND form);
    // Gives the focus back to the child that had it, else to the first in tab order.
    void RestoreFocus(HWND form) const;

    // A child that goes away (with its control, or null).
    void ChildGone(HWND child, const TControl* control);

private:
    TControl* default_ = nullptr;
    HWND lastFocus_ = nullptr;
};
