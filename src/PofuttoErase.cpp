// The program entry: starts the application, picks the course from the command line and runs
// the message loop for as long as the chosen main window is open.
#include <windows.h>

#include "base/Exception.h"
#include "core/CommandLine.h"
#include "program/ProgramCourse.h"
#include "program/ProgramLifetime.h"
#include "ui/Application.h"

namespace {

std::vector<std::wstring> Arguments()
{
    std::vector<std::wstring> arguments;
    for (int i = 1; i <= ParamCount(); ++i) arguments.push_back(ParamStr(i));
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // First of all: every DLL loaded from here on comes from System32 alone, never from the
    // folder the program stands in (a Downloads folder may hold a planted version.dll). The
    // program imports only DLLs the system always takes from there; the others (version,
    // uxtheme) are delay-loaded, and so load under this rule.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        TProgramLifetime lifetime;
        try {
            ChooseCourse(Arguments());
        } catch (...) {
            Application().HandleException();
            return kExitFailed;
        }
        Application().Run();
        return CourseExitCode();
    } catch (const std::exception& e) {
        // The start itself failed (no window could be made, say): no window of ours can say so.
        SayWithSystemBox(ExceptionDisplayText(ExceptionText(e)), kApplicationTitle);
    } catch (...) {
        SayWithSystemBox(ExceptionDisplayText(L"不明なエラーが発生しました"), kApplicationTitle);
    }
    return kExitFailed;
}
