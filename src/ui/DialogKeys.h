#pragma once
// The dialog keys of a window: which button Enter presses (the focused push button, else the
// default button) and which push button looks it, and the keyboard focus, remembered while the
// window is inactive and given back when it is active again. Escape presses the control whose
// id is IDCANCEL: the system's dialog handling sends that command. Like the system's dialog
// manager it knows its children only as windows: a push button is one that says so when asked
// for its dialog code, and looks the default by its button style.
#include <windows.h>

#include <vector>

class TDialogKeys {
public:
    HWND DefaultButton() const { return default_; }
    void SetDefaultButton(HWND button) { default_ = button; }
    // The answer to DM_GETDEFID: the default button's id as it is now.
    LRESULT DefaultId() const;
    // Draws the focused push button among children, else the default button, as the one Enter
    // presses.
    void UpdateLook(const std::vector<HWND>& children) const;

    // Notes which child of window has the focus, as window goes inactive.
    void RememberFocus(HWND window);
    // The child to give the focus back to: the one that had it, else the first in tab order
    // (null for none).
    HWND FocusToRestore(HWND window) const;

    // A child that goes away.
    void ChildGone(HWND child);

private:
    HWND default_ = nullptr;
    HWND lastFocus_ = nullptr;
};
