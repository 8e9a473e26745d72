// The program entry: picks the course from the command line and runs the application.
#include <windows.h>

#include "company/VarnelException.h"
#include "company/VarnelGlobalVars.h"
#include "core/CommandLine.h"
#include "core/PEraseClasses.h"
#include "core/PEraseWaitDlg.h"
#include "dialogs/PEraseConfigForm.h"
#include "dialogs/PEraseSelectExecForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "ui/Application.h"

namespace {

constexpr wchar_t kTitle[] = L"VARNEL ポフッと削除";
constexpr wchar_t kAllConditionsKeyword[] = L"RevorErase";
constexpr wchar_t kChooseConditionKeyword[] = L"others";

void ChooseCourse()
{
    if (ParamCount() < 2) {
        Application().CreateForm<T_frmConfig>();
        return;
    }
    std::wstring keyword = ParamStr(1);
    if (keyword == kAllConditionsKeyword) {
        TPEraseProcessor& processor = EraseProcessor();
        if (processor.NoInquiryBox) {
            processor.SetUseAllConditions(true);
            processor.SetTargetFolder(ParamStr(2));
            processor.Execute(L"");
        } else {
            Application().CreateForm<T_frmSimpleExec>();
        }
    } else if (keyword == kChooseConditionKeyword) {
        Application().CreateForm<T_frmSelectExec>();
    }
}

// Frees the program's single instances in the reverse order of their start-up: the
// program's own, the toolkit's, then the company library's.
void Finalize()
{
    FinalizeEraseProcessor();
    FinalizeWaitForm();
    FinalizeApplication();
    FinalizeVarnelException();
    FinalizeVarnelGlobalVars();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    InitializeVarnelException();
    Application().Initialize();
    Application().SetTitle(kTitle);
    try {
        ChooseCourse();
        Application().Run();
    } catch (...) {
        Application().HandleException();
    }
    Finalize();
    return 0;
}
