#include "ui/Label.h"

#include "ui/DeviceContext.h"
#include "ui/TextMeasure.h"
#include "ui/TextWrap.h"

namespace {

const TWindowClass kLabelClass{L"PofuttoEraseLabel"};

}  // namespace

TLabel::TLabel(TForm& owner, HWND parent, int left96, int top96, const std::wstring& caption)
    : owner_(owner), caption_(caption), bounds96_{left96, top96, 0, 0}
{
    if (owner.HasState(csDesigning)) IncludeState(csDesigning);
    WindowProc = [this](TMessage& message) { WndProc(message); };
    CreateHandle({&kLabelClass, caption_, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_NOPARENTNOTIFY,
                  parent ? parent : owner.Handle()});
    AdjustSize();
}

void TLabel::SetCaption(const std::wstring& caption)
{
    caption_ = caption;
    SetWindowTextW(Handle(), caption_.c_str());
    AdjustSize();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::SetAutoSize(bool value)
{
    autoSize_ = value;
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
    owner_.Place(Handle(), bounds96_);
}

void TLabel::AdjustSize()
{
    if (autoSize_) {
        SIZE size = MeasureCaption(caption_);
        bounds96_.Width = size.cx;
        bounds96_.Height = size.cy;
    }
    owner_.Place(Handle(), bounds96_);
    owner_.FitToText(Handle(), autoSize_);
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
    TSelectObject font(canvas, owner_.Font());
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, GetSysColor(COLOR_WINDOWTEXT));
    if (wordWrap_) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(canvas, &metrics);
        int top = 0;
        for (const std::wstring& line : WrapText(canvas, caption_, r.right)) {
            TextOutW(canvas, 0, top, line.c_str(), static_cast<int>(line.size()));
            top += metrics.tmHeight;
        }
    } else {
        DrawTextW(canvas, caption_.c_str(), static_cast<int>(caption_.size()), &r, DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
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
    // It always draws in its owner's font; it says so, and shows a new one when told of it.
    case WM_GETFONT:
        message.Result = reinterpret_cast<LRESULT>(owner_.Font());
        return;
    case WM_SETFONT:
        if (message.LParam) InvalidateRect(Handle(), nullptr, TRUE);
        message.Result = 0;
        return;
    default:
        message.Result = TWindow::WndProc(message.Msg, message.WParam, message.LParam);
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
