#pragma once
// The choose-condition dialog: the user picks one condition, may change the two run options for
// this run and visit the settings dialog first, then the folder is cleaned with that condition.
#include <memory>

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"

class T_frmSelectExec : public TForm {
public:
    T_frmSelectExec();
    std::wstring ClassName() const override { return L"T_frmSelectExec"; }

    std::unique_ptr<TCheckBox> ckbRecurseSubDir;
    std::unique_ptr<TButton> btnOK;
    std::unique_ptr<TButton> btnCancel;
    std::unique_ptr<TButton> btnConfig;
    std::unique_ptr<TComboBox> cbxConditions;
    std::unique_ptr<TCheckBox> ckbUseRecycleBox;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;

    void LoadFromProcessor();
    void FormCreate();
    void cbxConditionsClick();
    void ckbRecurseSubDirClick();
    void ckbUseRecycleBoxClick();
    void btnOKClick();
    void btnCancelClick();
    void btnConfigClick();
};
