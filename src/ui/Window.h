#pragma once
// The one window-procedure dispatcher of the toolkit. Every window class of ours routes its
// messages through TWindow::Dispatch, which finds the C++ object and calls its WndProc. An
// exception thrown by a handler stops there and goes to the error handler that the layer above
// registers (the application's exception display): nothing ever unwinds through user32.
#include <windows.h>

#include <functional>
#include <string>

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

class TWindow {
public:
    TWindow() = default;
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return handle_; }

protected:
    // Creates the window of a class registered for TWindow::Dispatch.
    void CreateHandle(const wchar_t* className, const std::wstring& caption, DWORD style, DWORD exStyle,
                      HWND parent, int x, int y, int width, int height);
    void DestroyHandle();
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Registers a window class served by Dispatch (once per name).
    static void RegisterClassOnce(const wchar_t* className, UINT classStyle, HBRUSH background);

private:
    static LRESULT CALLBACK Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

// A window's text.
std::wstring WindowText(HWND window);
// A child window's rectangle in its parent's client coordinates.
RECT BoundsInParent(HWND child);
