#include "ui/Edit.h"

TEdit::TEdit(TControlHost& host, TBounds place, unsigned anchors, const std::wstring& text)
    : TControl(host, {L"EDIT", text, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, place, anchors})
{
}

void TEdit::SetMaxLength(int length) { SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0); }

void TEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }
