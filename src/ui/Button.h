#pragma once
// A push button with a click handler. It may take the cancel role (Escape presses it) or be
// the default button (Enter presses it while the focus is on no other push button); a push
// button that has the focus is the one Enter presses, and looks it. Its caption is drawn in
// the platform's colour or in one of the form's choosing, with visual styles on as well.
#include <windows.h>

#include <functional>
#include <string>

#include <commctrl.h>

#include "ui/Control.h"

class TButton : public TControl {
public:
    TButton(TControlHost& host, TBounds place, unsigned anchors, const std::wstring& caption, int id = 0);

    std::wstring Caption() const { return Text(); }
    void SetCaption(const std::wstring& caption) { SetText(caption); }
    // Escape presses it.
    void SetCancel(bool value);
    bool Cancel() const { return Id() == IDCANCEL; }
    // Enter presses it while the focus is on no other push button.
    void SetDefault(bool value);
    // The caption colour; CLR_DEFAULT for the platform's. A disabled caption always looks as
    // the platform draws one.
    void SetCaptionColor(COLORREF color);
    COLORREF CaptionColor() const { return captionColor_; }

    // Runs on each press (mouse, Space, Enter, Escape for the cancel role, its access key).
    std::function<void()> OnClick;

    void Command(WORD code) override;
    bool Notify(const NMHDR& header, LRESULT& result) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, RECT rect, UINT itemState);

    COLORREF captionColor_ = CLR_DEFAULT;
};

// The caption colour of the program's own dialogs.
constexpr COLORREF kDialogButtonCaption = RGB(0, 0, 255);
