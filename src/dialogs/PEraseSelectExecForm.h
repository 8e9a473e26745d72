#pragma once
// The choose-condition dialog: the user picks one condition, may change the two run options for
// this run and visit the settings dialog first, then the folder is cleaned with that condition.
#include <memory>

#include "dialogs/PEraseDialogParts.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"

class T_frmSelectExec : public TCleanupDialog {
public:
    // Cleans targetFolder through processor with the condition the user picks.
    T_frmSelectExec(TPEraseProcessor& processor, std::wstring targetFolder);
    std::wstring ClassName() const override { return L"T_frmSelectExec"; }

    std::unique_ptr<TComboBox> cbxConditions;
    std::unique_ptr<TLabel> Label1;
    std::unique_ptr<TLabel> Label2;

protected:
    void LoadFromProcessor() override;

private:
    void FormCreate();
    void cbxConditionsClick();
    void btnOKClick() override;
    void btnConfigClick() override;
};
