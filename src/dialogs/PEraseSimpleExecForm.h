#pragma once
// The confirm-all dialog: asks before a folder is cleaned with every condition, lets the user
// change the two run options for this run and visit the settings dialog first.
#include <memory>

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"

class T_frmSimpleExec : public TForm {
public:
    T_frmSimpleExec();
    std::wstring ClassName() const override { return L"T_frmSimpleExec"; }

    std::unique_ptr<TCheckBox> ckbRecurseSubDir;
    std::unique_ptr<TButton> btnOK;
    std::unique_ptr<TButton> btnCancel;
    std::unique_ptr<TButton> btnConfig;
    std::unique_ptr<TCheckBox> ckbUseRecycleBox;
    HWND Label1 = nullptr;

    void LoadFromProcessor();
    void FormCreate();
    void ckbRecurseSubDirClick();
    void ckbUseRecycleBoxClick();
    void btnOKClick();
    void btnCancelClick();
    void btnConfigClick();
};
