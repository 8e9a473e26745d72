#pragma once
// A child control: the window it stands in (its host, the form) lays it out and hands it the
// notifications it receives for it (by control id). Every message to the control passes through
// WndProc first, so a control class can add to the platform control's own handling.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "ui/ControlHost.h"
#include "ui/Layout.h"

class TControl {
public:
    // Creates the platform control in host as args say.
    TControl(TControlHost& host, const TControlArgs& args);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return handle_; }
    int Id() const { return id_; }
    TControlHost& Host() const { return host_; }

    bool Enabled() const;
    void SetEnabled(bool value);
    bool Visible() const;
    void SetVisible(bool value);
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    // Moves it to new 96-DPI bounds, kept there by its anchors.
    virtual void SetBounds(TBounds bounds96);
    void SetFocus();
    bool Focused() const;

    // A WM_COMMAND notification its host received for it.
    virtual void Command(WORD /*code*/) {}
    // A WM_NOTIFY notification its host received for it; true when handled, with result.
    virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

    // Whether the user acts on it (a label or an image does not).
    virtual bool IsInput() const { return true; }

protected:
    // Gives the control another id (the cancel role's IDCANCEL, for instance).
    void ChangeId(int id);
    // A message to the control; the default passes it on to the platform control.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);

    TControlHost& host_;
    HWND handle_;
    int id_;
};

// The text of a list's item, or the empty text where there is no such item: a list box's
// (LB_GETTEXTLEN, LB_GETTEXT) or a drop-down list's (CB_GETLBTEXTLEN, CB_GETLBTEXT).
std::wstring ItemText(HWND list, UINT lengthMessage, UINT textMessage, int index);

// Enables or disables several controls.
void SetEnabled(std::initializer_list<TControl*> controls, bool value);
