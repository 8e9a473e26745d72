#pragma once
// The progress window: a small borderless window above all others that asks the user to wait
// and plays a clip of files being deleted while a run works.
#include <memory>

#include "ui/Animate.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"

class T_frmWait : public TForm {
public:
    T_frmWait();
    ~T_frmWait() override;

    void ShowWait();
    void HideWait();

    std::unique_ptr<TPanel> Panel1;
    std::unique_ptr<TLabel> Label1;
    std::unique_ptr<TAnimate> aniErasing;

protected:
    void FormShow() override;
    void FormHide() override;
};

// The single progress window, created hidden on first use; the application owns it.
T_frmWait& WaitForm();
// Requests its release at program end.
void FinalizeWaitForm();

// Resource id of the program's own clip, played where the platform has no usable one.
constexpr int kEraseClipId = 100;
// The clip the progress window plays: the platform's delete-file clip when it holds the frames
// played, otherwise the program's own.
TAnimateClip EraseClip();
