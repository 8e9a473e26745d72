#include "company/VarnelVCL.h"

#include "base/Handles.h"
#include "ui/DeviceContext.h"

namespace {

constexpr UINT kFirstHooked = 0x0400;  // WM_USER
constexpr UINT kLastHooked = 0x83FF;   // WM_APP + 0x3FF

}  // namespace

TCLabel::TCLabel(TForm& owner, HWND parent, int left96, int top96, const std::wstring& caption)
    : TLabel(owner, parent, left96, top96, caption)
{
    // A label dropped onto a form in the designer starts without automatic sizing.
    if (HasState(csDesigning) && !owner.HasState(csLoading)) SetAutoSize(false);
}

void TCLabel::SetEvokeCustomMsgProc(bool value)
{
    evokeCustomMsgProc_ = value;
    UpdateWndProc();
}

void TCLabel::SetCustomMsgProc(TCCustomMsgProc value)
{
    customMsgProc_ = std::move(value);
    UpdateWndProc();
}

void TCLabel::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_) return;
    borderStyle_ = value;
    PaintNow();
}

void TCLabel::SetBorderColor(COLORREF value)
{
    if (value == borderColor_) return;
    borderColor_ = value;
    PaintNow();
}

void TCLabel::Set_DomainName(const std::wstring& value)
{
    if (value != domainName_) domainName_ = value;
}

void TCLabel::Loaded()
{
    TLabel::Loaded();
    UpdateWndProc();
}

void TCLabel::Paint(HDC canvas)
{
    TLabel::Paint(canvas);
    if (borderStyle_ != TBorderStyle::bsSingle) return;
    int right = Width() - 1;
    int bottom = Height() - 1;
    const POINT frame[] = {{0, 0}, {right, 0}, {right, bottom}, {0, bottom}, {0, 0}};
    GdiObject pen(CreatePen(PS_SOLID, 1, borderColor_));
    TSelectObject selected(canvas, pen.Get());
    Polyline(canvas, frame, 5);
}

void TCLabel::CustomWndProc(TMessage& message)
{
    if (message.Msg >= kFirstHooked && message.Msg <= kLastHooked)
        customMsgProc_(message, this);
    else
        WndProc(message);
}

void TCLabel::UpdateWndProc()
{
    if (ComponentState() != 0) return;
    if (evokeCustomMsgProc_ && customMsgProc_)
        WindowProc = [this](TMessage& message) { CustomWndProc(message); };
    else
        WindowProc = [this](TMessage& message) { WndProc(message); };
}
