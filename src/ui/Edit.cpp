#include "ui/Edit.h"

TEdit::TEdit(TForm& form, TBounds place, unsigned anchors, const std::wstring& text)
    : TControl(form, L"EDIT", text, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, place, anchors)
{
}

void TEdit::SetMaxLength(int length) { SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0); }

void TEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

std::pair<int, int> TEdit::Selection() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end - start)};
}
