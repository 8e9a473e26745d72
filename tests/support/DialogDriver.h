#pragma once
// Driving this process's windows as a user does, through the program's own message handling.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Presses a push button or a check box with a click (the handler has run when it returns).
void Click(HWND control);
// Clicks an entry of a list box.
void ClickItem(HWND list, int index);
// Presses a key on the control that has the focus (else the active window) and lets the
// program's message handling (dialog keys included) take it.
void PressKey(UINT vk);
// Presses Alt with a character: an access key.
void PressAltKey(wchar_t key);
// Presses Alt+F4.
void PressAltF4();
// The control that has the focus in this thread, or null.
HWND Focused();
// How many pixels of a window, as the screen shows it now, are clearly blue.
int BluePixels(HWND window);

// A hidden window that runs a step each time a message posted to it by Post is handled: a way to
// act at the moment the program next lets messages through (in a run, at its next folder).
class TPostedStep {
public:
    explicit TPostedStep(std::function<void()> step);
    ~TPostedStep();
    TPostedStep(const TPostedStep&) = delete;
    TPostedStep& operator=(const TPostedStep&) = delete;

    void Post();
    // How many times the step has run.
    int Taken() const;

private:
    class TWindow;
    std::unique_ptr<TWindow> window_;
};

// Records, in order, when this thread's windows are enabled, disabled, shown and hidden (as the
// window system tells each window), while it lives.
class TWindowStateLog {
public:
    TWindowStateLog();
    ~TWindowStateLog();
    TWindowStateLog(const TWindowStateLog&) = delete;
    TWindowStateLog& operator=(const TWindowStateLog&) = delete;

    enum class TChange { Enabled, Disabled, Shown, Hidden };
    struct TEvent {
        HWND window;
        std::wstring caption;
        TChange change;
    };
    // Where the last change of that kind to the window with the caption (or, when caption is
    // empty, to window) stands in the log; -1 for none.
    int Last(TChange change, HWND window, const std::wstring& caption = L"") const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_;
    std::vector<TEvent> events_;
};
