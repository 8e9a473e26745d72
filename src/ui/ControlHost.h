#pragma once
// The children of a window (a form): each placed at 96-DPI bounds in the program's font and
// kept there by its anchors through size and DPI changes, the controls among them bound to the
// ids their notifications come with, and the window's dialog keys. It knows a control only as
// the object its notifications go to: a control calls down into its host, never the reverse.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/ChildLayout.h"
#include "ui/DialogKeys.h"
#include "ui/Layout.h"
#include "ui/ProgramFont.h"

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

// The message a host's window answers by drawing the right button as the default (see
// UpdateButtonLookLater).
UINT UpdateButtonLookMessage();

class TControlHost {
public:
    // Children laid out for a client area designed at designed96 (96-DPI pixels).
    explicit TControlHost(SIZE designed96);
    TControlHost(const TControlHost&) = delete;
    TControlHost& operator=(const TControlHost&) = delete;

    HWND HostWindow() const { return window_; }
    // The DPI the children are laid out for.
    UINT Dpi() const { return fonts_->Dpi; }
    HFONT Font() const { return fonts_->Get(false); }
    // The window's client area in 96-DPI pixels.
    SIZE ClientSize96() const;

    // Creates a child window as args say and keeps it laid out there. Raises EOSError.
    HWND AddControl(const TControlArgs& args);
    // Places a child window that is not a control (a panel, the animation's host) at 96-DPI
    // bounds in the program's font, and keeps it there by its anchors through size and DPI
    // changes until the child is destroyed or forgotten.
    void Place(HWND child, TBounds bounds96, unsigned anchors = kDefaultAnchors);
    // Moves a child to new 96-DPI bounds (its text, if it is sized to it, measured anew).
    void MoveControl(HWND child, TBounds bounds96);
    // Draws a child in the bold variant of the program's font, or in the regular one.
    void SetBold(HWND child, bool bold);
    // Sizes a child to its text in the font it draws with, at every DPI (its bounds then say only
    // where it stands), or to its bounds.
    void FitToText(HWND child, bool fit);
    // Takes a child out of the layout, and its control out of the notifications; its
    // destruction does so by itself.
    void Forget(HWND child);
    // The 96-DPI bounds a child is laid out at (empty for one the host does not place).
    TBounds ControlBounds(HWND child) const { return layout_.Designed(child); }

    // Binds control, whose window is child, to the id its notifications come with (0: the next
    // free one); the id.
    int BindControl(TControl& control, HWND child, int id);
    // The control bound to id (null for none).
    TControl* FindControl(int id) const;
    // Its controls, in the order they were made (the tab order).
    std::vector<TControl*> Controls() const;

    // The push button Enter presses while the focus is on no push button (null for none).
    HWND DefaultButton() const { return keys_.DefaultButton(); }
    void SetDefaultButton(HWND button) { keys_.SetDefaultButton(button); }
    // Draws the focused push button, else the default button, as the one Enter presses: now,
    // or once the messages already waiting have been handled.
    void UpdateButtonLook();
    void UpdateButtonLookLater();

protected:
    // The window the children stand in, once made, and the DPI it is laid out for.
    void AttachWindow(HWND window, UINT dpi);
    // Lays the children out for dpi in new fonts; resize moves the window meanwhile. The old
    // fonts go only once no child holds them.
    void ChangeDpi(UINT dpi, const std::function<void()>& resize);
    // Moves every child where its layout says for the client area as it is now.
    void LayOut();
    TDialogKeys keys_;

private:
    struct TBinding {
        TControl* Control;
        HWND Child;
    };
    void PlaceNow(HWND child);
    static LRESULT CALLBACK ChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR host);

    HWND window_ = nullptr;
    std::unique_ptr<TProgramFonts> fonts_;
    TChildLayout layout_;
    std::vector<TBinding> bindings_;  // in creation order
    int nextId_ = 100;                // above IDOK and IDCANCEL, which the dialog keys send
};
