#include "ui/ComboBox.h"

#include <commctrl.h>

TComboBox::TComboBox(TControlHost& host, TBounds place, unsigned anchors, int rows)
    : TControl(host, {L"COMBOBOX", L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, place, anchors})
{
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(rows), 0);
    // The window's height is the field's and the dropped list's together.
    auto field = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    auto row = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    int dropped = MulDiv(field + 8 + rows * row, 96, static_cast<int>(host.Dpi()));
    host.MoveControl(Handle(), {place.Left, place.Top, place.Width, dropped});
}

int TComboBox::Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::wstring TComboBox::Item(int index) const { return ItemText(Handle(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }

void TComboBox::SetItems(const std::vector<std::wstring>& items)
{
    int before = ItemIndex();
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (before >= 0 && OnSelectionChange) OnSelectionChange();
}

int TComboBox::ItemIndex() const
{
    LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TComboBox::SetItemIndex(int index)
{
    if (index == ItemIndex()) return;
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (OnSelectionChange) OnSelectionChange();
}

void TComboBox::Command(WORD code)
{
    if (code == CBN_SELCHANGE && OnSelectionChange) OnSelectionChange();
}
