#include "dialogs/PEraseDialogParts.h"

#include "core/CommandLine.h"
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

void CleanCommandLineFolder(TForm& form)
{
    TPEraseProcessor& processor = EraseProcessor();
    processor.SetTargetFolder(ParamStr(2));
    TCloseLock running(form);
    processor.Execute(L"");
}

void VisitSettings(TForm& owner, const std::function<void()>& reload)
{
    auto created = std::make_unique<T_frmConfig>(owner.Handle());
    T_frmConfig& settings = *created;
    Application().Adopt(std::move(created));
    try {
        settings.SetConfigOnly(false);
        settings.ShowModal();
    } catch (...) {
        Application().HandleException();
    }
    reload();
    settings.Release();
}
