#include "dialogs/PEraseDialogParts.h"

#include "core/PEraseClasses.h"
#include "dialogs/PEraseConfigForm.h"
#include "ui/Application.h"

std::unique_ptr<TButton> DialogButton(TForm& form, TBounds place, unsigned anchors, const wchar_t* caption,
                                      std::function<void()> onClick)
{
    auto button = std::make_unique<TButton>(form, place, anchors, caption);
    button->SetCaptionColor(kDialogButtonCaption);
    button->OnClick = std::move(onClick);
    return button;
}

TCleanupDialog::TCleanupDialog(const TFormStyle& style, TPEraseProcessor& processor, std::wstring targetFolder)
    : TForm(style), processor_(processor), targetFolder_(std::move(targetFolder))
{
}

void TCleanupDialog::AddRecurseBox(TBounds place)
{
    ckbRecurseSubDir =
        std::make_unique<TCheckBox>(*this, place, akLeft | akTop, L"サブフォルダのファイルも検索して削除する");
    ckbRecurseSubDir->OnClick = [this] { ckbRecurseSubDirClick(); };
}

void TCleanupDialog::AddButtonRow(int top, int height)
{
    btnOK = DialogButton(*this, {8, top, 125, height}, akBottom, L"&OK", [this] { btnOKClick(); });
    btnCancel = DialogButton(*this, {140, top, 125, height}, akBottom, L"キャンセル(&C)", [this] { btnCancelClick(); });
    btnCancel->SetCancel(true);
    btnConfig =
        DialogButton(*this, {272, top, 125, height}, akBottom, L"設定の確認・変更(&F)", [this] { btnConfigClick(); });
}

void TCleanupDialog::AddRecycleBox(TBounds place)
{
    ckbUseRecycleBox = std::make_unique<TCheckBox>(*this, place, akLeft | akTop, L"ゴミ箱を使用して削除する");
    ckbUseRecycleBox->OnClick = [this] { ckbUseRecycleBoxClick(); };
}

void TCleanupDialog::LoadFromProcessor()
{
    ckbRecurseSubDir->SetChecked(processor_.RecurseSubDir);
    ckbUseRecycleBox->SetChecked(processor_.UseRecycleBox);
}

void TCleanupDialog::ckbRecurseSubDirClick() { processor_.SetRecurseSubDir(ckbRecurseSubDir->Checked()); }

void TCleanupDialog::ckbUseRecycleBoxClick() { processor_.UseRecycleBox = ckbUseRecycleBox->Checked(); }

void TCleanupDialog::btnCancelClick() { Close(); }

void TCleanupDialog::Run(const std::function<void()>& chooseConditions)
{
    for (TControl* control : Controls())
        if (control->IsInput()) control->SetEnabled(false);
    chooseConditions();
    processor_.SetTargetFolder(targetFolder_);
    {
        TCloseLock running(*this);
        processor_.Execute(L"");
    }
    Close();
}

void TCleanupDialog::VisitSettings()
{
    auto created = std::make_unique<T_frmConfig>(processor_, Handle());
    T_frmConfig& settings = *created;
    try {
        Application().ShowModalAndRelease(std::move(created), [&] { settings.SetConfigOnly(false); });
    } catch (...) {
        // This dialog goes on whatever happened there: the failure is shown here.
        Application().HandleException();
    }
    LoadFromProcessor();
}
