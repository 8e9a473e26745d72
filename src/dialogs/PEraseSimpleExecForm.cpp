#include "dialogs/PEraseSimpleExecForm.h"

#include "core/PEraseClasses.h"
#include "dialogs/PEraseDialogParts.h"
#include "ui/StaticText.h"

namespace {

TFormStyle SimpleExecStyle()
{
    TFormStyle style;
    style.Caption = L"条件に該当するすべてのファイルをポフッと削除";
    style.Border = TFormBorder::Dialog;
    style.SystemMenu = false;
    style.ClientWidth = 404;
    style.ClientHeight = 103;
    return style;
}

}  // namespace

T_frmSimpleExec::T_frmSimpleExec() : TForm(SimpleExecStyle())
{
    // In tab order.
    ckbRecurseSubDir = std::make_unique<TCheckBox>(*this, TBounds{4, 26, 249, kCheckBoxHeight}, akLeft | akTop,
                                                   L"サブフォルダのファイルも検索して削除する");
    ckbRecurseSubDir->OnClick = [this] { ckbRecurseSubDirClick(); };
    btnOK = DialogButton(*this, {8, 68, 125, 29}, akBottom, L"&OK", [this] { btnOKClick(); });
    btnCancel = DialogButton(*this, {140, 68, 125, 29}, akBottom, L"キャンセル(&C)", [this] { btnCancelClick(); });
    btnCancel->SetCancel(true);
    btnConfig = DialogButton(*this, {272, 68, 125, 29}, akBottom, L"設定の確認・変更(&F)", [this] { btnConfigClick(); });
    ckbUseRecycleBox = std::make_unique<TCheckBox>(*this, TBounds{4, 44, 249, kCheckBoxHeight}, akLeft | akTop,
                                                   L"ゴミ箱を使用して削除する");
    ckbUseRecycleBox->OnClick = [this] { ckbUseRecycleBoxClick(); };
    Label1 = CreateLabel(*this, Handle(), L"設定された条件に当てはまるファイルをポフッと削除します。よろしいですか？", 8, 8);
    FormCreate();
}

// Shows the processor's options; setting the boxes does not write back.
void T_frmSimpleExec::LoadFromProcessor()
{
    const TPEraseProcessor& processor = EraseProcessor();
    ckbRecurseSubDir->SetChecked(processor.RecurseSubDir);
    ckbUseRecycleBox->SetChecked(processor.UseRecycleBox);
    btnOK->SetEnabled(!processor.SearchConditions.empty());
}

void T_frmSimpleExec::FormCreate() { LoadFromProcessor(); }

void T_frmSimpleExec::ckbRecurseSubDirClick() { EraseProcessor().SetRecurseSubDir(ckbRecurseSubDir->Checked()); }

void T_frmSimpleExec::ckbUseRecycleBoxClick() { EraseProcessor().UseRecycleBox = ckbUseRecycleBox->Checked(); }

// Cleans the command line's folder with every condition, then closes, which ends the program.
void T_frmSimpleExec::btnOKClick()
{
    SetEnabled({ckbRecurseSubDir.get(), ckbUseRecycleBox.get(), btnOK.get(), btnCancel.get(), btnConfig.get()}, false);
    EraseProcessor().SetUseAllConditions(true);
    CleanCommandLineFolder(*this);
    Close();
}

void T_frmSimpleExec::btnCancelClick() { Close(); }

// After the settings dialog the run starts at once when confirmation is now switched off.
void T_frmSimpleExec::btnConfigClick()
{
    VisitSettings(*this, [this] { LoadFromProcessor(); });
    if (EraseProcessor().NoInquiryBox) btnOKClick();
}
