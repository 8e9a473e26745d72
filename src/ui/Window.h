#pragma once
// The one window-procedure dispatcher of the toolkit. Every window class of ours routes its
// messages through TWindow::Dispatch, which finds the C++ object and calls its WndProc. An
// exception thrown by a handler stops there and goes to the error handler that the layer above
// registers (the application's exception display): nothing ever unwinds through user32.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Layout.h"

// Called from inside a catch block with the exception a window's handler raised. The
// application registers its exception display; until then such an exception is dropped.
void SetWindowErrorHandler(std::function<void()> handler);
// Hands the exception being handled to the registered handler; never throws. Call it from
// inside a catch block.
void HandleWindowError() noexcept;

// The window every top-level window of the program is owned by unless it names another (the
// application's hidden window, which the application registers).
void SetTopLevelOwner(HWND owner);
HWND TopLevelOwner();

// A window class of ours, served by TWindow::Dispatch; registered when its first window is made,
// on whichever thread that is.
struct TWindowClass {
    const wchar_t* Name;
    UINT Style = 0;
    HBRUSH Background = nullptr;
};

// What a window is made with; Bounds in pixels of its parent's client area (or the screen's).
struct TWindowArgs {
    const TWindowClass* Class;
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    HWND Parent = nullptr;
    TBounds Bounds;
};

class TWindow {
public:
    TWindow() = default;
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return handle_; }

protected:
    // Creates the window, its class registered first where it is not yet. Raises EOSError.
    void CreateHandle(const TWindowArgs& args);
    void DestroyHandle();
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

// A window's text.
std::wstring WindowText(HWND window);
// The answer to WM_CTLCOLORSTATIC and its kin that every window of ours gives: window text on
// the button face.
LRESULT ButtonFaceColors(HDC dc);
// A child window's rectangle in its parent's client coordinates.
RECT BoundsInParent(HWND child);
