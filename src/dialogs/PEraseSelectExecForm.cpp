#include "dialogs/PEraseSelectExecForm.h"

#include "base/TextConvert.h"
#include "core/PEraseClasses.h"
#include "dialogs/PEraseDialogParts.h"
#include "ui/StaticText.h"

namespace {

TFormStyle SelectExecStyle()
{
    TFormStyle style;
    style.Caption = L"条件を選択してファイルをポフッと削除";
    style.Border = TFormBorder::Sizeable;
    style.ClientWidth = 406;
    style.ClientHeight = 149;
    return style;
}

}  // namespace

T_frmSelectExec::T_frmSelectExec() : TForm(SelectExecStyle())
{
    // In tab order.
    ckbRecurseSubDir = std::make_unique<TCheckBox>(*this, TBounds{4, 52, 249, kCheckBoxHeight}, akLeft | akTop,
                                                   L"サブフォルダのファイルも検索して削除する");
    ckbRecurseSubDir->OnClick = [this] { ckbRecurseSubDirClick(); };
    btnOK = DialogButton(*this, {8, 114, 125, 25}, akBottom, L"&OK", [this] { btnOKClick(); });
    btnOK->SetEnabled(false);
    btnCancel = DialogButton(*this, {140, 114, 125, 25}, akBottom, L"キャンセル(&C)", [this] { btnCancelClick(); });
    btnCancel->SetCancel(true);
    btnConfig = DialogButton(*this, {272, 114, 125, 25}, akBottom, L"設定の確認・変更(&F)", [this] { btnConfigClick(); });
    cbxConditions = std::make_unique<TComboBox>(*this, TBounds{8, 28, 389, 0}, akLeft | akTop);
    cbxConditions->OnChange = [this] { cbxConditionsClick(); };
    ckbUseRecycleBox = std::make_unique<TCheckBox>(*this, TBounds{4, 70, 249, kCheckBoxHeight}, akLeft | akTop,
                                                   L"ゴミ箱を使用して削除する");
    ckbUseRecycleBox->OnClick = [this] { ckbUseRecycleBoxClick(); };
    Label1 = CreateLabel(*this, Handle(), L"ポフッと削除するファイルの検索条件を選択してください。", 8, 8);
    Label2 = CreateLabel(*this, Handle(), L"この条件でファイルをポフッと削除してもよろしいですか？", 8, 97, akBottom);
    FormCreate();
}

// Refills the list keeping the selected condition where it is still listed, then shows the
// processor's options; setting the boxes and the selection does not write back.
void T_frmSelectExec::LoadFromProcessor()
{
    const TPEraseProcessor& processor = EraseProcessor();
    std::wstring selected = cbxConditions->Text();
    cbxConditions->SetItems(processor.SearchConditions);
    int found = -1;
    for (int i = 0; i < cbxConditions->Count() && found < 0; ++i)
        if (SameText(cbxConditions->Item(i), selected)) found = i;
    cbxConditions->SetItemIndex(found);
    ckbRecurseSubDir->SetChecked(processor.RecurseSubDir);
    ckbUseRecycleBox->SetChecked(processor.UseRecycleBox);
    btnOK->SetEnabled(!processor.SearchConditions.empty() && cbxConditions->ItemIndex() >= 0);
}

void T_frmSelectExec::FormCreate() { LoadFromProcessor(); }

void T_frmSelectExec::cbxConditionsClick()
{
    btnOK->SetEnabled(!EraseProcessor().SearchConditions.empty() && cbxConditions->ItemIndex() >= 0);
}

void T_frmSelectExec::ckbRecurseSubDirClick() { EraseProcessor().SetRecurseSubDir(ckbRecurseSubDir->Checked()); }

void T_frmSelectExec::ckbUseRecycleBoxClick() { EraseProcessor().UseRecycleBox = ckbUseRecycleBox->Checked(); }

// Cleans the command line's folder with the picked condition, then closes, which ends the
// program.
void T_frmSelectExec::btnOKClick()
{
    SetEnabled({cbxConditions.get(), ckbRecurseSubDir.get(), ckbUseRecycleBox.get(), btnOK.get(), btnCancel.get(),
                btnConfig.get()},
               false);
    EraseProcessor().SelectCondition(cbxConditions->Text());
    CleanCommandLineFolder(*this);
    Close();
}

void T_frmSelectExec::btnCancelClick() { Close(); }

// No run follows the settings dialog here, whatever the no-confirmation box now says.
void T_frmSelectExec::btnConfigClick()
{
    VisitSettings(*this, [this] { LoadFromProcessor(); });
}
