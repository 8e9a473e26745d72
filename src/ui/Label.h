#pragma once
// The toolkit's text label: a caption on the button face in the program's font, sized to its
// caption while AutoSize is on. Every message passes through WindowProc, which starts out as
// the label's standard handling, WndProc; a component may point it elsewhere.
#include <functional>
#include <string>

#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/Window.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

class TLabel : public TWindow, public TComponent {
public:
    // A label of owner at (left96, top96); in a designing owner it is designing too.
    TLabel(TForm& owner, HWND parent, int left96, int top96, const std::wstring& caption);
    std::wstring ClassName() const override { return L"TLabel"; }

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // Breaks the caption into lines that fit the label's width (see WrapText).
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Sets the label's place in 96-DPI pixels (AutoSize then keeps the size given).
    void SetBounds(TBounds bounds96);
    int Width() const;
    int Height() const;
    TForm& Owner() const { return owner_; }

    std::function<void(TMessage&)> WindowProc;
    // The label's standard handling of a message.
    virtual void WndProc(TMessage& message);
    // Draws the label onto canvas: the button face, then the caption.
    virtual void Paint(HDC canvas);
    // Paints at once onto the label's own canvas.
    void PaintNow();

protected:
    using TWindow::WndProc;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void AdjustSize();

    TForm& owner_;
    std::wstring caption_;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TBounds bounds96_;
};
