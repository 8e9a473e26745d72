#include "ui/Image.h"

TImage::TImage(TControlHost& host, TBounds place, unsigned anchors, int id)
    : TControl(host, {L"STATIC", L"", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, 0, place, anchors,
                      nullptr, id})
{
}

void TImage::SetPicture(HICON icon)
{
    IconHandle copy(icon ? CopyIcon(icon) : nullptr);
    SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(copy.Get()), 0);
    picture_ = std::move(copy);
}
