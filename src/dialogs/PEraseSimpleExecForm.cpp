#include "dialogs/PEraseSimpleExecForm.h"

#include "core/PEraseClasses.h"
#include "ui/Application.h"

namespace {

const TFormStyle kSimpleExecStyle{
    .Caption = L"条件に該当するすべてのファイルをポフッと削除",
    .Border = TFormBorder::Dialog,
    .ClientWidth = 404,
    .ClientHeight = 103,
    .SystemMenu = false,
};

}  // namespace

T_frmSimpleExec::T_frmSimpleExec(TPEraseProcessor& processor, std::wstring targetFolder)
    : TCleanupDialog(kSimpleExecStyle, processor, std::move(targetFolder))
{
    // In tab order: ckbRecurseSubDir, btnOK, btnCancel, btnConfig, ckbUseRecycleBox.
    AddRecurseBox({4, 26, 249, kCheckBoxHeight});
    AddButtonRow(68, 29);
    AddRecycleBox({4, 44, 249, kCheckBoxHeight});
    Label1 = std::make_unique<TLabel>(*this, nullptr, 8, 8,
                                      L"設定された条件に当てはまるファイルをポフッと削除します。よろしいですか？");
    FormCreate();
}

void T_frmSimpleExec::LoadFromProcessor()
{
    TCleanupDialog::LoadFromProcessor();
    btnOK->SetEnabled(!Processor().SearchConditions.empty());
}

void T_frmSimpleExec::FormCreate() { LoadFromProcessor(); }

// Cleans the folder with every condition, then closes, which ends the program.
void T_frmSimpleExec::btnOKClick()
{
    Run([this] { Processor().SetUseAllConditions(true); });
}

// After the settings dialog the run starts at once when confirmation is now switched off,
// unless the program was asked to close meanwhile: a close request never starts a run.
void T_frmSimpleExec::btnConfigClick()
{
    VisitSettings();
    if (Processor().NoInquiryBox && !Application().Terminated()) btnOKClick();
}
