#include "ui/ListBox.h"

TListBox::TListBox(TControlHost& host, TBounds place, unsigned anchors)
    : TControl(host, {L"LISTBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      WS_EX_CLIENTEDGE, place, anchors})
{
}

int TListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::wstring TListBox::Item(int index) const { return ItemText(Handle(), LB_GETTEXTLEN, LB_GETTEXT, index); }

std::vector<std::wstring> TListBox::Items() const
{
    std::vector<std::wstring> items;
    for (int i = 0, n = Count(); i < n; ++i) items.push_back(Item(i));
    return items;
}

void TListBox::SetItems(const std::vector<std::wstring>& items)
{
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items) Add(item);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TListBox::Add(const std::wstring& item)
{
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TListBox::DeleteSelected()
{
    int selected = ItemIndex();
    if (selected < 0) return;
    SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    SetItemIndex(-1);
}

int TListBox::ItemIndex() const
{
    LRESULT index = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TListBox::SetItemIndex(int index) { SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void TListBox::Command(WORD code)
{
    if (code == LBN_SELCHANGE && OnUserSelect) OnUserSelect();
}
