#include "ui/Memo.h"

TMemo::TMemo(TControlHost& host, TBounds place, unsigned anchors, int id)
    : TControl(host, {L"EDIT", L"", WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                      WS_EX_CLIENTEDGE, place, anchors, nullptr, id})
{
}
