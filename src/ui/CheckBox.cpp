#include "ui/CheckBox.h"

TCheckBox::TCheckBox(TControlHost& host, TBounds place, unsigned anchors, const std::wstring& caption)
    : TControl(host, {L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, place, anchors})
{
}

bool TCheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool value)
{
    SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Command(WORD code)
{
    if (code == BN_CLICKED && OnClick) OnClick();
}
