// The cleanup run of TPEraseProcessor, joined to the program's windows: Execute shows the progress
// window around the walk, and EraseFolder hands the walk the application's message handling, its
// window for the shell's questions and the platform's removal.
#include "base/Exception.h"
#include "core/CleanupWalk.h"
#include "core/LinkGuard.h"
#include "core/PEraseClasses.h"
#include "core/Remover.h"
#include "run/PEraseWaitDlg.h"
#include "ui/Application.h"

void TPEraseProcessor::Execute(const std::wstring& folder)
{
    WaitForm().ShowWait();
    try {
        // A close request to the progress window (as to every window of the program) leaves it
        // in place: the run goes on to its end.
        TCloseLock running(WaitForm());
        // Nor may the end of the session cut it short: logoff, shutdown and an installer's
        // Restart Manager are asked to wait, with this reason.
        TSessionEndBlock session(Application(), L"ファイルを削除しています。終わるまでお待ちください。");
        EraseFolder(folder);
    } catch (...) {
        WaitForm().HideWait();
        throw;
    }
    WaitForm().HideWait();
}

void TPEraseProcessor::EraseFolder(const std::wstring& folder)
{
    bool guardLinks = PlatformHidesFileLinks();
    TPlatformRemover remover(guardLinks, Application().Handle());
    MatchesLeft = WalkAndClean(*this, folder, {[] { Application().ProcessMessages(); }, guardLinks, remover});
}
