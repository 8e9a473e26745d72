#pragma once
// A child control: the window it stands in (its host, the form) lays it out and hands it the
// notifications it receives for it (by control id). Every message to the control passes through
// WndProc first, so a control class can add to the platform control's own handling.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "ui/Layout.h"

class TControl;

// What a child control is made of: the platform's window class, its text and styles, its place
// (96-DPI pixels of its parent, kept there by its anchors) and its id.
struct TControlArgs {
    const wchar_t* ClassName;
    std::wstring Text;
    DWORD Style = 0;  // WS_CHILD and WS_CLIPSIBLINGS are always added
    DWORD ExStyle = 0;
    TBounds Place;
    unsigned Anchors = kDefaultAnchors;
    HWND Parent = nullptr;  // the host's window when null
    int Id = 0;             // 0: the host's next free id
};

// What a control needs of the window it stands in; the form provides it.
class TControlHost {
public:
    virtual HWND HostWindow() const = 0;
    // The DPI the host is laid out for.
    virtual UINT Dpi() const = 0;
    // Creates a child window as args say and keeps it laid out there. Raises EOSError.
    virtual HWND AddControl(const TControlArgs& args) = 0;
    // Moves a child to new 96-DPI bounds (its text, if it is sized to it, measured anew).
    virtual void MoveControl(HWND child, TBounds bounds96) = 0;
    // Draws a child in the bold variant of the program's font, or in the regular one.
    virtual void SetBold(HWND child, bool bold) = 0;
    // Sizes a child to its text in the font it draws with, at every DPI (its bounds then say only
    // where it stands), or to its bounds.
    virtual void FitToText(HWND child, bool fit) = 0;
    // Binds a control to the id its notifications come with (0: the next free one); the id.
    virtual int BindControl(TControl& control, int id) = 0;
    // Takes a child out of the layout and its control out of the notifications.
    virtual void Forget(HWND child) = 0;
    // The control Enter presses while the focus is on no push button (null for none).
    virtual TControl* DefaultButton() const = 0;
    virtual void SetDefaultButton(TControl* button) = 0;
    // Draws the focused push button, else the default button, as the one Enter presses: now,
    // or once the messages already waiting have been handled.
    virtual void UpdateButtonLook() = 0;
    virtual void UpdateButtonLookLater() = 0;

protected:
    ~TControlHost() = default;
};

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
    // Whether it is a push button, which Enter presses while it has the focus.
    virtual bool IsPushButton() const { return false; }
    // Draws it as the button Enter presses, or not (push buttons only).
    virtual void ShowAsDefault(bool /*value*/) {}

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
