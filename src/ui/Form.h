#pragma once
// A top-level window of the program. Layouts are given in 96-DPI pixels and scaled by the
// window's DPI; every form uses the program's font and is centred on the screen when shown.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Handles.h"
#include "ui/Window.h"

class TControl;
class TButton;

enum class TFormBorder { None, Dialog, Sizeable };

// The edges of its parent that a control keeps its distance to when the parent is resized. A
// control anchored neither left nor right keeps its centre at the same fraction of the width
// (and likewise vertically).
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr unsigned kDefaultAnchors = akLeft | akTop;

// A control's place as the layout tables give it: left, top, width, height (96-DPI pixels).
struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    RECT Rect() const { return {Left, Top, Left + Width, Top + Height}; }
};

// How a modal show ended.
enum class TModalResult { None, Ok, Cancel };

struct TFormStyle {
    std::wstring Caption;
    TFormBorder Border = TFormBorder::Dialog;
    bool StayOnTop = false;
    int ClientWidth = 0;   // 96-DPI pixels
    int ClientHeight = 0;  // 96-DPI pixels
    bool SystemMenu = true;  // the title bar's system menu and close box
    HWND Owner = nullptr;    // the window it stays above; the application window when null
};

class TForm : public TWindow, public TComponent {
public:
    explicit TForm(const TFormStyle& style);
    ~TForm() override;

    // Makes the form visible, non-modal, and brings it to the front.
    void Show();
    void Hide();
    bool Visible() const;
    // Asks the form to close, as the window system's close request does: the main form ends
    // the application, a modal form ends its modal show, any other form hides.
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
    // The client area in 96-DPI pixels.
    SIZE ClientSize96() const;
    // Destroys the form once the messages already waiting have been handled.
    void Release();
    // The application calls it for its main form: the form stands for the program on the
    // task bar.
    void BecomeMainForm();

    UINT Dpi() const;
    int Scale(int pixels96) const;
    HFONT Font() const { return static_cast<HFONT>(font_.Get()); }
    // Draws a control in the bold variant of the program's font, at every DPI.
    void SetControlBold(HWND child);

    // Creates a child control at a 96-DPI rectangle of its parent (the form or a control of
    // it); the form keeps the rectangle to lay the control out again when the DPI changes.
    HWND AddControl(const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
                    HWND parent, RECT bounds96, unsigned anchors = kDefaultAnchors);
    // Places a child window at a 96-DPI rectangle and keeps it laid out there.
    void Place(HWND child, RECT bounds96, unsigned anchors = kDefaultAnchors);
    // Moves a control to a new 96-DPI rectangle (its anchors then keep that rectangle).
    void MoveControl(HWND child, RECT bounds96);
    // The 96-DPI rectangle a control is laid out at (empty for one the form does not place).
    RECT ControlBounds(HWND child) const;

    // The controls that receive the notifications the form gets for them, by control id: id 0
    // takes the next free one; registering a control again changes its id.
    int Register(TControl& control, int id);
    void Forget(TControl& control);
    TControl* FindControl(int id) const;
    // The button Enter presses when the focus is on no push button.
    TButton* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(TButton* button) { defaultButton_ = button; }
    // Draws the focused push button, else the default button, as the one Enter presses; now,
    // or once the messages already waiting have been handled.
    void UpdateButtonLook();
    void UpdateButtonLookLater();

protected:
    // Runs each time the form becomes visible. An exception is shown and the form still opens.
    virtual void FormShow() {}
    // A request to close (Close, the close box, Alt+F4); false keeps the form open.
    virtual bool CloseQuery() { return true; }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Child {
        HWND handle;
        RECT bounds96;  // as laid out for the designed client size
        unsigned anchors;
        bool bold = false;
    };
    // Fonts and sizes for the window's DPI, with the client area at the given 96-DPI size.
    void ApplyDpi(SIZE client96);
    void LayOut();
    void CenterOnScreen();
    void ShowIcon();
    void DoClose();
    // Gives the keyboard focus back to the control that had it, else the first in tab order.
    void RestoreFocus();

    TFormStyle style_;
    GdiObject font_;
    GdiObject boldFont_;
    std::vector<Child> children_;
    std::vector<std::pair<int, TControl*>> controls_;
    int nextId_ = 100;  // above IDOK and IDCANCEL, which the dialog keys send
    TButton* defaultButton_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool centred_ = false;
    bool modal_ = false;
    int closeLocks_ = 0;
    friend class TCloseLock;
    TModalResult modalResult_ = TModalResult::None;
    UINT appliedDpi_ = 96;
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

// The program's font at a DPI: "ＭＳ Ｐゴシック", 12 pixels character height, Shift-JIS.
HFONT CreateProgramFont(UINT dpi, bool bold = false);
