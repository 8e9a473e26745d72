#include "ui/Button.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "ui/DeviceContext.h"

TButton::TButton(TControlHost& host, TBounds place, unsigned anchors, const std::wstring& caption, int id)
    : TControl(host, {L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, place, anchors, nullptr, id})
{
}

void TButton::SetCancel(bool value)
{
    if (value != Cancel()) ChangeId(value ? IDCANCEL : 0);
}

void TButton::SetDefault(bool value)
{
    if (value) {
        Host().SetDefaultButton(Handle());
    } else if (Host().DefaultButton() == Handle()) {
        Host().SetDefaultButton(nullptr);
    }
    Host().UpdateButtonLook();
}

void TButton::SetCaptionColor(COLORREF color)
{
    captionColor_ = color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TButton::Command(WORD code)
{
    // A dialog key can name a disabled button; a disabled button is never pressed.
    if (code == BN_CLICKED && Enabled() && OnClick) OnClick();
}

LRESULT TButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The focused push button is the one Enter presses, so it alone looks the default. The
    // dialog keys restyle the buttons after the focus has moved; the form settles it last.
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) Host().UpdateButtonLookLater();
    return TControl::WndProc(msg, wParam, lParam);
}

bool TButton::Notify(const NMHDR& header, LRESULT& result)
{
    if (header.code != NM_CUSTOMDRAW || captionColor_ == CLR_DEFAULT) return false;
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
    if (draw.dwDrawStage != CDDS_PREPAINT) return false;
    Paint(draw.hdc, draw.rc, draw.uItemState);
    result = CDRF_SKIPDEFAULT;
    return true;
}

// Draws the whole button as the platform does, with the caption in captionColor_.
void TButton::Paint(HDC dc, RECT rect, UINT itemState)
{
    bool disabled = !Enabled();
    bool pressed = itemState & CDIS_SELECTED;
    bool hot = itemState & CDIS_HOT;
    bool focused = itemState & CDIS_FOCUS;
    bool isDefault = (GetWindowLongW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    auto uiState = static_cast<UINT>(SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0));
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((uiState & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0);
    std::wstring caption = Caption();
    auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    TSelectObject selected(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT content = rect;

    if (HTHEME theme = GetWindowTheme(Handle())) {
        int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : hot ? PBS_HOT : isDefault ? PBS_DEFAULTED : PBS_NORMAL;
        if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state))
            DrawThemeParentBackground(Handle(), dc, &rect);
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &rect, nullptr);
        GetThemeBackgroundContentRect(theme, dc, BP_PUSHBUTTON, state, &rect, &content);
        DTTOPTS options{sizeof(options)};
        if (!disabled) {
            options.dwFlags = DTT_TEXTCOLOR;
            options.crText = captionColor_;
        }
        DrawThemeTextEx(theme, dc, BP_PUSHBUTTON, state, caption.c_str(), -1, format, &content, &options);
        InflateRect(&content, -1, -1);
    } else {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        if (isDefault) {
            FrameRect(dc, &content, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(&content, -1, -1);
        }
        UINT frame = DFCS_BUTTONPUSH | (pressed ? (isDefault ? DFCS_FLAT : DFCS_PUSHED) : 0);
        DrawFrameControl(dc, &content, DFC_BUTTON, frame);
        InflateRect(&content, -2, -2);
        RECT text = content;
        if (pressed) OffsetRect(&text, 1, 1);
        if (disabled) {
            // The platform's disabled caption: embossed, a light copy under a shadow one.
            RECT light = text;
            OffsetRect(&light, 1, 1);
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawTextW(dc, caption.c_str(), -1, &light, format);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        } else {
            SetTextColor(dc, captionColor_);
        }
        DrawTextW(dc, caption.c_str(), -1, &text, format);
    }
    if (focused && !(uiState & UISF_HIDEFOCUS)) DrawFocusRect(dc, &content);
    SetBkMode(dc, oldMode);
}
