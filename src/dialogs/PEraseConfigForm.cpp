#include "dialogs/PEraseConfigForm.h"

#include <algorithm>

#include "base/TextConvert.h"
#include "core/PEraseClasses.h"
#include "dialogs/PEraseDialogParts.h"
#include "ui/InputBox.h"
#include "ui/MessageBox.h"

namespace {

TFormStyle ConfigStyle(HWND owner)
{
    return {
        .Caption = L"ポフッと削除する条件の設定",
        .Border = TFormBorder::Dialog,
        .ClientWidth = 275,
        .ClientHeight = 345,
        .SystemMenu = false,
        .Owner = owner,
    };
}

const std::vector<std::wstring> kAppendix = {
    L"このプログラムは GCC の C++ 標準ライブラリとランタイム (GCC ランタイムライブラリ例外付き GPL v3) を静的に含んでいます。",
    L"また MinGW-w64 のランタイムと winpthreads (ZPL 2.1・MIT ライセンス) を静的に含んでいます。",
};

}  // namespace

T_frmConfig::T_frmConfig(TPEraseProcessor& processor, HWND owner) : TForm(ConfigStyle(owner)), processor_(processor)
{
    // In tab order; the two lower check boxes come after the buttons.
    lbxEraseCharSet = std::make_unique<TListBox>(*this, TBounds{4, 40, 185, 177}, akLeft | akTop | akRight);
    lbxEraseCharSet->OnUserSelect = [this] { lbxEraseCharSetClick(); };
    btnAddChar = DialogButton(*this, {194, 44, 75, 25}, akTop | akRight, L"追加(&A)", [this] { btnAddCharClick(); });
    btnDelChar = DialogButton(*this, {194, 76, 75, 25}, akTop | akRight, L"削除(&D)", [this] { btnDelCharClick(); });
    btnDelChar->SetEnabled(false);
    ckbRecurseSubDir = std::make_unique<TCheckBox>(*this, TBounds{4, 220, 269, kCheckBoxHeight}, akLeft | akTop,
                                                   L"サブフォルダのファイルも検索して削除する");
    btnSave = DialogButton(*this, {8, 280, 105, 25}, akLeft | akBottom, L"保存(&S)", [this] { btnSaveClick(); });
    btnApplyThisTime = DialogButton(*this, {116, 280, 153, 25}, akLeft | akBottom, L"今回だけこの設定で削除(&T)",
                                    [this] { btnApplyThisTimeClick(); });
    btnCancel = DialogButton(*this, {8, 312, 105, 25}, akLeft | akBottom, L"キャンセル(&C)",
                             [this] { btnCancelClick(); });
    btnAbout = DialogButton(*this, {116, 312, 153, 25}, akLeft | akBottom, L"バージョン情報(&V)",
                            [this] { btnAboutClick(); });
    ckbUseRecycleBox = std::make_unique<TCheckBox>(*this, TBounds{4, 238, 269, kCheckBoxHeight}, akLeft | akTop,
                                                   L"ゴミ箱を使用して削除する");
    ckbNoInquiryBox = std::make_unique<TCheckBox>(*this, TBounds{4, 256, 269, kCheckBoxHeight}, akLeft | akTop,
                                                  L"確認せずにポフッと削除する(慣れた人向け)");
    ckbNoInquiryBox->OnClick = [this] { ckbNoInquiryBoxClick(); };

    // Outside the tab order, and beneath the controls where they touch.
    CLabel1 = std::make_unique<TCLabel>(*this, Handle(), 8, 8, L"削除するファイルの検索条件を登録してください。");
    CLabel1->SetEvokeCustomMsgProc(false);
    CLabel2 = std::make_unique<TCLabel>(*this, Handle(), 8, 24, L"例. *.~*, *.tmp など");
    CLabel2->SetAutoSize(false);
    CLabel2->SetBounds({8, 24, 153, 17});
    CLabel2->SetEvokeCustomMsgProc(false);

    frmAbout.UseVersionInfoFromFile = true;
    frmAbout.SetAppendix(kAppendix);
    frmAbout.EnableRegSite = true;
    frmAbout.RegSiteButtonVisible = true;
    frmAbout.ContactButtonVisible = true;
    frmAbout.Width = 500;
    frmAbout.SetVersionFormat({vfMajor, vfMinor, vfRelease, vfBuild});

    FormCreate();
}

// Loads the processor's state; setting the boxes does not write back.
void T_frmConfig::FormCreate()
{
    lbxEraseCharSet->SetItems(processor_.SearchConditions);
    ckbRecurseSubDir->SetChecked(processor_.RecurseSubDir);
    ckbUseRecycleBox->SetChecked(processor_.UseRecycleBox);
    ckbNoInquiryBox->SetChecked(processor_.NoInquiryBox);
    configOnly_ = true;
}

void T_frmConfig::FormShow()
{
    btnApplyThisTime->SetEnabled(!configOnly_);
    btnSave->SetCaption(configOnly_ ? L"保存(&S)" : L"保存して削除(&S)");
}

// Asks for a condition until it is neither blank nor already listed, or the user cancels.
void T_frmConfig::btnAddCharClick()
{
    std::wstring text;
    for (;;) {
        if (!InputQuery(L"ファイル名の検索条件を入力してください。", L"ワイルドカード（*・?）を使用することができます。",
                        text))
            return;
        text = Trim(text);
        if (text.empty()) {
            MessageDlg(L"ファイル名検索条件が入力されていません。", TMsgDlgType::Error);
            continue;
        }
        std::vector<std::wstring> listed = lbxEraseCharSet->Items();
        if (std::find(listed.begin(), listed.end(), text) != listed.end()) {
            MessageDlg(text + L" はすでに登録されています。", TMsgDlgType::Error);
            continue;
        }
        lbxEraseCharSet->Add(text);
        return;
    }
}

void T_frmConfig::btnDelCharClick()
{
    int selected = lbxEraseCharSet->ItemIndex();
    if (selected < 0) return;
    std::wstring question = lbxEraseCharSet->Item(selected) + L" を削除します。\rよろしいですか？";
    if (MessageDlg(question, TMsgDlgType::Information, TMsgDlgButtons::OkCancel) != TModalResult::Ok) return;
    lbxEraseCharSet->DeleteSelected();
    lbxEraseCharSetClick();
}

void T_frmConfig::lbxEraseCharSetClick() { btnDelChar->SetEnabled(lbxEraseCharSet->ItemIndex() >= 0); }

// The list and the two run options into the processor: the first steps of both the save button
// and "今回だけこの設定で削除(&T)".
void T_frmConfig::CopyToProcessor()
{
    processor_.SearchConditions = lbxEraseCharSet->Items();
    processor_.SetRecurseSubDir(ckbRecurseSubDir->Checked());
    processor_.UseRecycleBox = ckbUseRecycleBox->Checked();
}

void T_frmConfig::btnSaveClick()
{
    CopyToProcessor();
    processor_.NoInquiryBox = ckbNoInquiryBox->Checked();
    processor_.SaveSettings();
    Close();
}

// Hands the list and two options to the coming run without saving them; the no-confirmation
// box has written its state already.
void T_frmConfig::btnApplyThisTimeClick()
{
    CopyToProcessor();
    Close();
}

void T_frmConfig::btnCancelClick() { Close(); }

void T_frmConfig::btnAboutClick() { frmAbout.ShowAbout(); }

void T_frmConfig::ckbNoInquiryBoxClick() { processor_.NoInquiryBox = ckbNoInquiryBox->Checked(); }
