#pragma once
// The toolkit's text label, the one way text stands on a form: a caption on the button face in
// the font the form's layout gives it (bold or regular), sized to its caption while AutoSize is
// on, or broken into lines that fit its bounds. Like every control it stands in its form's
// layout and carries an id. Every message passes through WindowProc, which starts out as the
// label's standard handling, WndProc; a component may point it elsewhere.
#include <functional>
#include <string>

#include "ui/Component.h"
#include "ui/Control.h"
#include "ui/Form.h"

struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

class TLabel : public TControl, public TComponent {
public:
    // A label of owner at (left96, top96) in parent (the owner when null), kept there by anchors;
    // in a designing owner it is designing too. id 0 takes the owner's next free id.
    TLabel(TForm& owner, HWND parent, int left96, int top96, const std::wstring& caption,
           unsigned anchors = kDefaultAnchors, int id = 0);
    std::wstring ClassName() const override { return L"TLabel"; }
    bool IsInput() const override { return false; }

    std::wstring Caption() const { return Text(); }
    void SetCaption(const std::wstring& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // The bold variant of the program's font.
    void SetBold(bool value);
    // Breaks the caption into lines that fit the label's width (see WrapText).
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // Sets the label's place in 96-DPI pixels (while AutoSize is on, only where it stands).
    void SetBounds(TBounds bounds96) override;
    TBounds Bounds() const { return bounds96_; }
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
    using TControl::WndProc;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The size it asks of the layout: its caption's at 96 DPI while AutoSize is on.
    void AdjustSize();
    bool Bold() const;

    TForm& owner_;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TBounds bounds96_;
    HFONT font_ = nullptr;  // the one the layout gave it
};
