#include "ui/Label.h"

#include "ui/DeviceContext.h"
#include "ui/TextMeasure.h"
#include "ui/TextWrap.h"

TLabel::TLabel(TForm& owner, HWND parent, int left96, int top96, const std::wstring& caption, unsigned anchors,
               int id)
    : TControl(owner, {L"STATIC", caption, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, WS_EX_NOPARENTNOTIFY,
                       {left96, top96, 0, 0}, anchors, parent, id}),
      owner_(owner), bounds96_{left96, top96, 0, 0}
{
    if (owner.HasState(csDesigning)) IncludeState(csDesigning);
    WindowProc = [this](TMessage& message) { WndProc(message); };
    // The font the layout gave the platform control before the label saw its messages.
    font_ = reinterpret_cast<HFONT>(TControl::WndProc(WM_GETFONT, 0, 0));
    AdjustSize();
}

void TLabel::SetCaption(const std::wstring& caption)
{
    SetText(caption);
    AdjustSize();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustSize();
}

void TLabel::SetBold(bool value)
{
    Host().SetBold(Handle(), value);
    AdjustSize();
}

void TLabel::SetWordWrap(bool value)
{
    wordWrap_ = value;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::SetBounds(TBounds bounds96)
{
    bounds96_ = bounds96;
    AdjustSize();
}

bool TLabel::Bold() const
{
    LOGFONTW font{};
    return font_ && GetObjectW(font_, sizeof(font), &font) && font.lfWeight >= FW_BOLD;
}

void TLabel::AdjustSize()
{
    if (autoSize_) {
        SIZE size = MeasureCaption(Caption(), Bold());
        bounds96_.Width = size.cx;
        bounds96_.Height = size.cy;
    }
    Host().MoveControl(Handle(), bounds96_);
    Host().FitToText(Handle(), autoSize_);
}

int TLabel::Width() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int TLabel::Height() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TLabel::Paint(HDC canvas)
{
    RECT r{0, 0, Width(), Height()};
    FillRect(canvas, &r, GetSysColorBrush(COLOR_BTNFACE));
    TSelectObject font(canvas, font_ ? font_ : owner_.Font());
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, GetSysColor(COLOR_WINDOWTEXT));
    std::wstring caption = Caption();
    if (wordWrap_) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(canvas, &metrics);
        int top = 0;
        for (const std::wstring& line : WrapText(canvas, caption, r.right)) {
            TextOutW(canvas, 0, top, line.c_str(), static_cast<int>(line.size()));
            top += metrics.tmHeight;
        }
    } else {
        DrawTextW(canvas, caption.c_str(), static_cast<int>(caption.size()), &r, DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
    }
}

void TLabel::PaintNow()
{
    TClientDC dc(Handle());
    Paint(dc.Get());
}

void TLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_PAINT: {
        TPaintDC dc(Handle());
        Paint(dc.Get());
        message.Result = 0;
        return;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return;
    // The text only: the platform's static would paint it at once, in a font of its own.
    case WM_SETTEXT:
        message.Result = DefWindowProcW(Handle(), message.Msg, message.WParam, message.LParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return;
    // It draws in the font the layout gives it, says so, and shows a new one when told of it.
    case WM_GETFONT:
        message.Result = reinterpret_cast<LRESULT>(font_ ? font_ : owner_.Font());
        return;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(message.WParam);
        if (message.LParam) InvalidateRect(Handle(), nullptr, TRUE);
        message.Result = 0;
        return;
    default:
        message.Result = TControl::WndProc(message.Msg, message.WParam, message.LParam);
    }
}

LRESULT TLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    if (WindowProc)
        WindowProc(message);
    else
        WndProc(message);
    return message.Result;
}
