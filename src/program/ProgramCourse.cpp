#include "program/ProgramCourse.h"

#include "dialogs/PEraseConfigForm.h"
#include "dialogs/PEraseSelectExecForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "ui/Application.h"

namespace {

constexpr wchar_t kAllConditionsKeyword[] = L"RevorErase";
constexpr wchar_t kChooseConditionKeyword[] = L"others";

}  // namespace

int CourseExitCode()
{
    const TPEraseProcessor* processor = ExistingEraseProcessor();
    return processor && processor->MatchesLeft > 0 ? kExitMatchesLeft : kExitDone;
}

void ChooseCourse(const std::vector<std::wstring>& arguments, const std::function<TPEraseProcessor&()>& processor)
{
    if (arguments.size() < 2) {
        Application().CreateForm<T_frmConfig>(processor());
        return;
    }
    const std::wstring& keyword = arguments[0];
    const std::wstring& folder = arguments[1];
    if (keyword == kAllConditionsKeyword) {
        TPEraseProcessor& erase = processor();
        if (erase.NoInquiryBox) {
            erase.SetUseAllConditions(true);
            erase.SetTargetFolder(folder);
            erase.Execute(L"");
        } else {
            Application().CreateForm<T_frmSimpleExec>(erase, folder);
        }
    } else if (keyword == kChooseConditionKeyword) {
        Application().CreateForm<T_frmSelectExec>(processor(), folder);
    }
}
