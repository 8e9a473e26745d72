#pragma once
// A top-level window of the program. Layouts are given in 96-DPI pixels and scaled by the
// window's DPI; every form uses the program's font and is centred on the screen the user works
// on when first shown (see Monitors).
// What it builds on, each in a file of its own: its children, laid out and bound to their
// notifications, with its dialog keys (ControlHost), and its modal show (ModalShow).
#include <windows.h>

#include <functional>
#include <string>

#include "base/Handles.h"
#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/ControlHost.h"
#include "ui/Layout.h"
#include "ui/Monitors.h"
#include "ui/Window.h"

enum class TFormBorder { None, Dialog, Sizeable };

// How a modal show ended.
enum class TModalResult { None, Ok, Cancel };

struct TFormStyle {
    std::wstring Caption;
    TFormBorder Border = TFormBorder::Dialog;
    bool StayOnTop = false;
    int ClientWidth = 0;   // 96-DPI pixels
    int ClientHeight = 0;  // 96-DPI pixels
    bool SystemMenu = true;  // the title bar's system menu and close box
    HWND Owner = nullptr;    // the window it stays above; the top-level owner (Window.h) when null
};

class TForm : public TWindow, public TComponent, public TControlHost {
public:
    explicit TForm(const TFormStyle& style);
    ~TForm() override;

    // Makes the form visible, non-modal, and brings it to the front.
    void Show();
    void Hide();
    bool Visible() const;
    // Asks the form to close, as the window system's close request does: the main form ends
    // the program, a modal form ends its modal show, any other form hides.
    void Close();
    // Shows the form modally: the thread's other windows take no input until it closes. The
    // window that was active before is active again afterwards.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    // Ends a modal show with result.
    void SetModalResult(TModalResult result);
    // Sets the client area in 96-DPI pixels; anchored controls follow.
    void SetClientSize(int width96, int height96);

    // Whoever owns the form (the application, for the forms it adopts) says how it is destroyed
    // once the messages already waiting have been handled; Release asks for that.
    void SetReleaser(std::function<void()> release) { releaser_ = std::move(release); }
    void Release();
    // Makes it the program's main form: it stands for the program on the task bar, and closing
    // it runs closed (which ends the program).
    void BecomeMainForm(std::function<void()> closed);

    // Its DPI (Dpi()) is its monitor's, or the last one a DPI change named.
    int Scale(int pixels96) const { return ScaleToDpi(pixels96, Dpi()); }

protected:
    // Runs each time the form becomes visible. An exception is shown and the form still opens.
    virtual void FormShow() {}
    // Runs each time the form is hidden.
    virtual void FormHide() {}
    // Runs once the form is laid out for a new DPI (Dpi() tells it).
    virtual void FormDpiChanged() {}
    // A request to close (Close, the close box, Alt+F4); false keeps the form open.
    virtual bool CloseQuery() { return true; }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Sizes the window for a client area of the given 96-DPI size at the form's DPI.
    void SizeFor(SIZE client96);
    // Lays the form out for dpi: new fonts, the window at bounds (screen coordinates), every
    // child placed and given the new font before the old fonts go.
    void ChangeDpi(UINT dpi, const RECT& bounds);
    // Gives the focus back to the child that had it, else to the first in tab order.
    void RestoreFocus();
    void CenterOnScreen();
    void ShowIcon();
    void LoadIcons();
    void DoClose();

    TFormStyle style_;
    bool showsIcon_ = false;     // in its title bar
    bool showsBigIcon_ = false;  // on the task bar and in Alt+Tab
    IconHandle bigIcon_;
    IconHandle smallIcon_;
    bool centred_ = false;
    TMonitor monitor_;  // the one it was laid out for
    bool modal_ = false;
    int closeLocks_ = 0;
    friend class TCloseLock;
    TModalResult modalResult_ = TModalResult::None;
    std::function<void()> releaser_;
    std::function<void()> closedAsMain_;
};

// While it lives, the form ignores requests to close (its close box, Alt+F4, a close message
// from outside): for work that must not be cut short.
class TCloseLock {
public:
    explicit TCloseLock(TForm& form) : form_(form) { ++form_.closeLocks_; }
    ~TCloseLock() { --form_.closeLocks_; }
    TCloseLock(const TCloseLock&) = delete;
    TCloseLock& operator=(const TCloseLock&) = delete;

private:
    TForm& form_;
};
