#pragma once
// The condition settings dialog: the user keeps the list of conditions and the three options
// here and saves them to the settings file. It is the main window when there is no folder to
// clean (ConfigOnly), or a modal dialog of a cleanup dialog before its run.
#include <memory>

#include "company/CAboutForm.h"
#include "company/VarnelVCL.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

class TPEraseProcessor;

class T_frmConfig : public TForm {
public:
    // A dialog over processor, owned by owner (the application window when null).
    explicit T_frmConfig(TPEraseProcessor& processor, HWND owner = nullptr);
    std::wstring ClassName() const override { return L"T_frmConfig"; }

    bool ConfigOnly() const { return configOnly_; }
    void SetConfigOnly(bool value) { configOnly_ = value; }

    std::unique_ptr<TListBox> lbxEraseCharSet;
    std::unique_ptr<TButton> btnAddChar;
    std::unique_ptr<TButton> btnDelChar;
    std::unique_ptr<TCheckBox> ckbRecurseSubDir;
    std::unique_ptr<TButton> btnSave;
    std::unique_ptr<TButton> btnApplyThisTime;
    std::unique_ptr<TButton> btnCancel;
    std::unique_ptr<TButton> btnAbout;
    std::unique_ptr<TCheckBox> ckbUseRecycleBox;
    std::unique_ptr<TCheckBox> ckbNoInquiryBox;
    std::unique_ptr<TCLabel> CLabel1;
    std::unique_ptr<TCLabel> CLabel2;
    TCAboutForm frmAbout;

protected:
    void FormShow() override;

private:
    void FormCreate();
    void btnAddCharClick();
    void btnDelCharClick();
    void lbxEraseCharSetClick();
    void btnSaveClick();
    void btnApplyThisTimeClick();
    void btnCancelClick();
    void btnAboutClick();
    void ckbNoInquiryBoxClick();
    void CopyToProcessor();

    TPEraseProcessor& processor_;
    bool configOnly_ = true;
};
