#include "dialogs/PEraseSelectExecForm.h"

#include "base/TextConvert.h"
#include "core/PEraseClasses.h"

namespace {

const TFormStyle kSelectExecStyle{
    .Caption = L"条件を選択してファイルをポフッと削除",
    .Border = TFormBorder::Sizeable,
    .ClientWidth = 406,
    .ClientHeight = 149,
};

}  // namespace

T_frmSelectExec::T_frmSelectExec(TPEraseProcessor& processor, std::wstring targetFolder)
    : TCleanupDialog(kSelectExecStyle, processor, std::move(targetFolder))
{
    // In tab order: ckbRecurseSubDir, btnOK, btnCancel, btnConfig, cbxConditions, ckbUseRecycleBox.
    AddRecurseBox({4, 52, 249, kCheckBoxHeight});
    AddButtonRow(114, 25);
    btnOK->SetEnabled(false);
    cbxConditions = std::make_unique<TComboBox>(*this, TBounds{8, 28, 389, 0}, akLeft | akTop);
    cbxConditions->OnSelectionChange = [this] { cbxConditionsClick(); };
    AddRecycleBox({4, 70, 249, kCheckBoxHeight});
    Label1 = std::make_unique<TLabel>(*this, nullptr, 8, 8, L"ポフッと削除するファイルの検索条件を選択してください。");
    Label2 = std::make_unique<TLabel>(*this, nullptr, 8, 97, L"この条件でファイルをポフッと削除してもよろしいですか？",
                                      akBottom);
    FormCreate();
}

// Refills the list keeping the selected condition where it is still listed, then shows the
// processor's options; setting the boxes and the selection does not write back.
void T_frmSelectExec::LoadFromProcessor()
{
    std::wstring selected = cbxConditions->Text();
    cbxConditions->SetItems(Processor().SearchConditions);
    int found = -1;
    for (int i = 0; i < cbxConditions->Count() && found < 0; ++i)
        if (SameText(cbxConditions->Item(i), selected)) found = i;
    cbxConditions->SetItemIndex(found);
    TCleanupDialog::LoadFromProcessor();
    cbxConditionsClick();
}

void T_frmSelectExec::FormCreate() { LoadFromProcessor(); }

void T_frmSelectExec::cbxConditionsClick()
{
    btnOK->SetEnabled(!Processor().SearchConditions.empty() && cbxConditions->ItemIndex() >= 0);
}

// Cleans the folder with the picked condition, then closes, which ends the program.
void T_frmSelectExec::btnOKClick()
{
    Run([this] { Processor().SelectCondition(cbxConditions->Text()); });
}

// No run follows the settings dialog here, whatever the no-confirmation box now says.
void T_frmSelectExec::btnConfigClick() { VisitSettings(); }
