#pragma once
// The confirm-all dialog: asks before a folder is cleaned with every condition, lets the user
// change the two run options for this run and visit the settings dialog first.
#include <memory>

#include "dialogs/PEraseDialogParts.h"
#include "ui/Label.h"

class T_frmSimpleExec : public TCleanupDialog {
public:
    // Cleans targetFolder through processor, as the user confirms.
    T_frmSimpleExec(TPEraseProcessor& processor, std::wstring targetFolder);
    std::wstring ClassName() const override { return L"T_frmSimpleExec"; }

    std::unique_ptr<TLabel> Label1;

protected:
    void LoadFromProcessor() override;

private:
    void FormCreate();
    void btnOKClick() override;
    void btnConfigClick() override;
};
