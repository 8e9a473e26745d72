#include "run/PEraseWaitDlg.h"

#include "ui/Application.h"

namespace {

constexpr int kShellDeleteClipId = 164;
constexpr int kFirstFrame = 0;  // frames 1 to 24
constexpr int kLastFrame = 23;

T_frmWait* gWaitForm = nullptr;

const TFormStyle kWaitStyle{
    .Caption = L"_frmWait",
    .Border = TFormBorder::None,
    .StayOnTop = true,
    .ClientWidth = 312,
    .ClientHeight = 88,
};

}  // namespace

TAnimateClip EraseClip()
{
    static HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    TAnimateClip platform{shell, MAKEINTRESOURCEW(kShellDeleteClipId)};
    if (shell && ClipFrameCount(platform) > kLastFrame) return platform;
    return {GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kEraseClipId)};
}

T_frmWait::T_frmWait() : TForm(kWaitStyle)
{
    Panel1 = std::make_unique<TPanel>(*this, Handle(), TBounds{0, 0, 312, 88}, TBevel::Lowered, TBevel::Raised);
    Label1 = std::make_unique<TLabel>(*this, Panel1->Handle(), 12, 8, L"ファイル削除中... しばらくお待ちください。");
    aniErasing = std::make_unique<TAnimate>(*this, Panel1->Handle(), TBounds{2, 26, 308, 60}, EraseClip(),
                                            kFirstFrame, kLastFrame);
}

T_frmWait::~T_frmWait()
{
    // The player thread's windows go first: they are children of Panel1.
    aniErasing.reset();
    if (gWaitForm == this) gWaitForm = nullptr;
}

void T_frmWait::ShowWait() { Show(); }

void T_frmWait::HideWait() { Hide(); }

void T_frmWait::FormShow() { aniErasing->Play(); }

// Nobody sees the clip while the window is hidden: it rests until the next run.
void T_frmWait::FormHide() { aniErasing->Stop(); }

T_frmWait& WaitForm()
{
    if (!gWaitForm) {
        auto form = std::make_unique<T_frmWait>();
        gWaitForm = form.get();
        Application().Adopt(std::move(form));
    }
    return *gWaitForm;
}

void FinalizeWaitForm()
{
    if (!gWaitForm) return;
    try {
        gWaitForm->Release();
    } catch (...) {
        // Release at program end is best effort; the application destroys the window anyway.
    }
    gWaitForm = nullptr;
}
