// The program entry: picks the course from the command line and runs the application.
#include <windows.h>

#include "core/CommandLine.h"
#include "core/PEraseClasses.h"
#include "dialogs/PEraseConfigForm.h"
#include "dialogs/PEraseSelectExecForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "program/ProgramLifetime.h"
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    TProgramLifetime lifetime;
    Application().SetTitle(kTitle);
    try {
        ChooseCourse();
        Application().Run();
    } catch (...) {
        Application().HandleException();
    }
    return 0;
}
