#include "program/ProgramCourse.h"

#include "core/PEraseClasses.h"
#include "dialogs/PEraseConfigForm.h"
#include "dialogs/PEraseSelectExecForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "ui/Application.h"

namespace {

constexpr wchar_t kAllConditionsKeyword[] = L"RevorErase";
constexpr wchar_t kChooseConditionKeyword[] = L"others";

}  // namespace

void ChooseCourse(const std::vector<std::wstring>& arguments)
{
    if (arguments.size() < 2) {
        Application().CreateForm<T_frmConfig>();
        return;
    }
    const std::wstring& keyword = arguments[0];
    if (keyword == kAllConditionsKeyword) {
        TPEraseProcessor& processor = EraseProcessor();
        if (processor.NoInquiryBox) {
            processor.SetUseAllConditions(true);
            processor.SetTargetFolder(arguments[1]);
            processor.Execute(L"");
        } else {
            Application().CreateForm<T_frmSimpleExec>();
        }
    } else if (keyword == kChooseConditionKeyword) {
        Application().CreateForm<T_frmSelectExec>();
    }
}
