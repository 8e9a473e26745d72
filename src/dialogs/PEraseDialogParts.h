#pragma once
// What the program's dialogs share: their push buttons, and what both cleanup dialogs are (a form
// over the processor and the folder they were opened for, with the two run options, the row of
// three buttons and the run behind "&OK").
#include <functional>
#include <memory>
#include <string>

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"

class TPEraseProcessor;

// A push button of the program's dialogs: blue caption, click handler.
std::unique_ptr<TButton> DialogButton(TForm& form, TBounds place, unsigned anchors, const wchar_t* caption,
                                      std::function<void()> onClick);

// The confirm-all and the choose-condition dialog alike. Each click on one of the two boxes
// writes the processor's option at once (for this run; nothing reaches the settings file).
class TCleanupDialog : public TForm {
public:
    // A dialog over processor that cleans targetFolder, taken as its creator gives it.
    TCleanupDialog(const TFormStyle& style, TPEraseProcessor& processor, std::wstring targetFolder);

    std::unique_ptr<TCheckBox> ckbRecurseSubDir;
    std::unique_ptr<TButton> btnOK;
    std::unique_ptr<TButton> btnCancel;
    std::unique_ptr<TButton> btnConfig;
    std::unique_ptr<TCheckBox> ckbUseRecycleBox;

    TPEraseProcessor& Processor() const { return processor_; }
    const std::wstring& TargetFolder() const { return targetFolder_; }

protected:
    // Shows the processor's state; setting the boxes does not write back.
    virtual void LoadFromProcessor();
    // The controls they share, each created where the dialog's tab order puts it: the recurse
    // box; "&OK", "キャンセル(&C)" (Escape) and "設定の確認・変更(&F)" side by side from 8, top,
    // 125 wide; the recycle box.
    void AddRecurseBox(TBounds place);
    void AddButtonRow(int top, int height);
    void AddRecycleBox(TBounds place);
    // The run behind "&OK": every input disabled, the conditions chosen by chooseConditions, the
    // target folder cleaned behind the progress window (requests to close wait for it), then the
    // dialog closes, which ends the program.
    void Run(const std::function<void()>& chooseConditions);
    // Shows the settings dialog over this one in its modal role; afterwards, also when showing
    // it failed (the failure is shown), LoadFromProcessor, and the settings dialog is released.
    void VisitSettings();

private:
    void ckbRecurseSubDirClick();
    void ckbUseRecycleBoxClick();
    virtual void btnOKClick() = 0;
    void btnCancelClick();
    virtual void btnConfigClick() = 0;

    TPEraseProcessor& processor_;
    std::wstring targetFolder_;
};
