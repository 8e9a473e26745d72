#pragma once
// A top-level window of the program. Layouts are given in 96-DPI pixels and scaled by the
// window's DPI; every form uses the program's font and is centred on the screen when shown.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Handles.h"
#include "ui/Window.h"

enum class TFormBorder { None, Dialog, Sizeable };

// The edges of its parent that a control keeps its distance to when the parent is resized.
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr unsigned kDefaultAnchors = akLeft | akTop;

struct TFormStyle {
    std::wstring Caption;
    TFormBorder Border = TFormBorder::Dialog;
    bool StayOnTop = false;
    int ClientWidth = 0;   // 96-DPI pixels
    int ClientHeight = 0;  // 96-DPI pixels
};

class TForm : public TWindow, public TComponent {
public:
    explicit TForm(const TFormStyle& style);
    ~TForm() override;

    // Makes the form visible, non-modal, and brings it to the front.
    void Show();
    void Hide();
    bool Visible() const;
    // Asks the form to close: the main form ends the application, a modal form ends its modal
    // show, any other form hides.
    void Close();
    // Shows the form modally: the thread's other windows take no input until it closes.
    void ShowModal();
    bool Modal() const { return modal_; }
    // Sets the client area in 96-DPI pixels; anchored controls follow.
    void SetClientSize(int width96, int height96);
    // The client area in 96-DPI pixels.
    SIZE ClientSize96() const;
    // Destroys the form once the messages already waiting have been handled.
    void Release();

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
    // A push button whose click runs onClick; id IDCANCEL gives it the cancel role (Escape).
    HWND AddButton(const std::wstring& caption, RECT bounds96, int id, unsigned anchors,
                   std::function<void()> onClick);
    // Moves a control to a new 96-DPI rectangle (its anchors then keep that rectangle).
    void MoveControl(HWND child, RECT bounds96);
    // The 96-DPI rectangle a control is laid out at (empty for one the form does not place).
    RECT ControlBounds(HWND child) const;

protected:
    // Runs each time the form becomes visible. An exception is shown and the form still opens.
    virtual void FormShow() {}
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

    TFormStyle style_;
    GdiObject font_;
    GdiObject boldFont_;
    std::vector<Child> children_;
    bool centred_ = false;
    bool modal_ = false;
    UINT appliedDpi_ = 96;
    std::map<int, std::function<void()>> clicks_;
};

// The program's font at a DPI: "ＭＳ Ｐゴシック", 12 pixels character height, Shift-JIS.
HFONT CreateProgramFont(UINT dpi, bool bold = false);
