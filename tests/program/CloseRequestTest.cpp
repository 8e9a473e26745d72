#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "program/ProgramCopy.h"

namespace {

constexpr wchar_t kAboutBox[] = L"VARNEL ポフッと削除 のバージョン情報";
constexpr wchar_t kApplicationClass[] = L"PofuttoEraseApplication";

using Paths = std::vector<std::wstring>;

// The program asked to close from outside, as taskkill without /f, an installer or a "close all
// windows" tool asks: WM_CLOSE to its top-level windows, the hidden application window included.
// Or the session asks it, as Windows does at logoff and shutdown and Restart Manager does for an
// installer: WM_QUERYENDSESSION to every top-level window, then WM_ENDSESSION.
class CloseRequest : public ProgramCopy {
protected:
    // What each top-level window of the process answers WM_QUERYENDSESSION with (-1: nothing
    // within five seconds).
    static std::vector<LRESULT> QueryEndSession(DWORD process, LPARAM why)
    {
        std::vector<LRESULT> answers;
        for (HWND window : TopLevelWindows(process)) {
            DWORD_PTR answer = 0;
            bool answered = SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, why, SMTO_NORMAL, 5000, &answer);
            answers.push_back(answered ? static_cast<LRESULT>(answer) : -1);
        }
        return answers;
    }
    // WM_ENDSESSION to every top-level window: whether the session ends.
    static void EndSession(DWORD process, bool ending, LPARAM why)
    {
        for (HWND window : TopLevelWindows(process))
            SendMessageTimeoutW(window, WM_ENDSESSION, ending, why, SMTO_NORMAL, 5000, nullptr);
    }

    // The program's hidden application window.
    static HWND ApplicationWindow(DWORD process)
    {
        for (HWND window : TopLevelWindows(process)) {
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) == kApplicationClass) return window;
        }
        return nullptr;
    }
};

// Whatever window is open, a close request to the application window alone, or the end of the
// session (outside a run the program lets it end), ends the program as closing its main window
// would: nothing removed, the settings file as it was. A settings dialog over the confirm-all
// dialog whose no-confirmation box was ticked starts no run on the way out.
TEST_F(CloseRequest, ToTheApplicationWindowOrFromTheSessionEndsEveryCourseWithoutARun)
{
    constexpr LPARAM kShutdown = 0;
    constexpr LPARAM kRestartManager = ENDSESSION_CLOSEAPP;
    constexpr LPARAM kLogoff = static_cast<LPARAM>(ENDSESSION_LOGOFF);
    // Opens a further window over the main one, and says its caption.
    using Open = std::function<const wchar_t*(HWND)>;
    const Open aboutBox = [](HWND main) {
        Press(main, L"バージョン情報(&V)");
        return kAboutBox;
    };
    const Open settingsDialog = [](HWND main) {
        Press(main, L"設定の確認・変更(&F)");
        return kSettingsDialog;
    };
    struct Case {
        const char* what;
        const wchar_t* arguments;
        const wchar_t* mainWindow;
        Open open;  // null for none
        std::optional<LPARAM> sessionEnd;  // why the session ends; none: a close request instead
    };
    const Case cases[] = {
        {"settings dialog", L"", kSettingsDialog, nullptr, std::nullopt},
        {"settings dialog", L"", kSettingsDialog, nullptr, kRestartManager},
        {"confirm-all dialog", L"RevorErase", kConfirmAll, nullptr, std::nullopt},
        {"confirm-all dialog", L"RevorErase", kConfirmAll, nullptr, kLogoff},
        {"choose-condition dialog", L"others", kChooseCondition, nullptr, std::nullopt},
        {"choose-condition dialog", L"others", kChooseCondition, nullptr, kRestartManager},
        {"about box over the settings dialog", L"", kSettingsDialog, aboutBox, std::nullopt},
        {"about box over the settings dialog", L"", kSettingsDialog, aboutBox, kShutdown},
        {"settings dialog over the confirm-all dialog, confirmation switched off there", L"RevorErase", kConfirmAll,
         settingsDialog, std::nullopt},
        {"settings dialog over the confirm-all dialog, confirmation switched off there", L"RevorErase", kConfirmAll,
         settingsDialog, kRestartManager},
    };
    const Paths tree = {L"a.~cpp", L"keep.txt", L"sub\\", L"sub\\b.~h"};
    for (const Case& c : cases) {
        std::string what = std::string(c.what) + (c.sessionEnd ? ", session end " + std::to_string(*c.sessionEnd) : "");
        MakeTree(Work(), tree);
        Settings(L"*.~*", "100");
        auto program = Start(std::wstring(L" ") + c.arguments + (*c.arguments ? L" \"" + Work() + L"\"" : L""));
        HWND main = WaitForShownWindow(c.mainWindow, program->Id());
        ASSERT_NE(main, nullptr) << what;
        if (c.open) {
            const wchar_t* caption = c.open(main);
            HWND over = WaitForShownWindow(caption, program->Id());
            ASSERT_NE(over, nullptr) << what;
            if (caption == std::wstring(kSettingsDialog)) Press(over, L"確認せずにポフッと削除する(慣れた人向け)");
            ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(main); })) << what;
        }
        if (c.sessionEnd) {
            for (LRESULT answer : QueryEndSession(program->Id(), *c.sessionEnd)) EXPECT_EQ(answer, TRUE) << what;
            EndSession(program->Id(), true, *c.sessionEnd);
        } else {
            HWND application = ApplicationWindow(program->Id());
            ASSERT_NE(application, nullptr) << what;
            PostMessageW(application, WM_CLOSE, 0, 0);
        }
        EXPECT_EQ(program->Wait(std::chrono::seconds(10)), 0) << what;
        EXPECT_EQ(ListTree(Work()), tree) << what;
        ExpectSettingsUntouched();
    }
}

// During an immediate run, a close request to every window of the program (the hidden ones and
// the progress window included) lets the run finish: every match goes, then the program ends.
TEST_F(CloseRequest, ToEveryWindowDuringAnImmediateRunLetsItFinish)
{
    Paths tree;
    for (int folder = 0; folder < 200; ++folder)
        for (int file = 0; file < 10; ++file)
            tree.push_back(L"d" + std::to_wstring(folder) + L"\\f" + std::to_wstring(file) + L".~tmp");
    tree.push_back(L"keep.txt");
    MakeTree(Work(), tree);
    Settings(L"*.~*", "101");
    auto program = StartOnWork(L"RevorErase");
    ASSERT_NE(WaitForShownWindow(L"_frmWait", program->Id()), nullptr);
    std::vector<HWND> windows = TopLevelWindows(program->Id());
    ASSERT_NE(ApplicationWindow(program->Id()), nullptr);
    for (HWND window : windows) PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->Wait(std::chrono::seconds(60)), 0);
    Paths left = ListTree(Work());
    EXPECT_EQ(left.size(), 201u);
    for (const std::wstring& path : left)
        EXPECT_TRUE(path == L"keep.txt" || path.back() == L'\\') << Narrow(path);
    ExpectSettingsUntouched();
}

// During an immediate run the program asks the session to wait, a shutdown, a logoff and
// Restart Manager alike; refused, the session goes on, and so does the run, to its end.
TEST_F(CloseRequest, TheSessionWaitsForAnImmediateRun)
{
    Paths tree;
    for (int folder = 0; folder < 250; ++folder)
        for (int file = 0; file < 10; ++file)
            tree.push_back(L"d" + std::to_wstring(folder) + L"\\f" + std::to_wstring(file) + L".~tmp");
    MakeTree(Work(), tree);
    Settings(L"*.~*", "101");
    auto program = StartOnWork(L"RevorErase");
    HWND progress = WaitForShownWindow(L"_frmWait", program->Id());
    ASSERT_NE(progress, nullptr);
    HWND application = ApplicationWindow(program->Id());
    ASSERT_NE(application, nullptr);
    // Asked while the progress window shows, from before the question until after the answer.
    int asked = 0;
    for (LPARAM why : {LPARAM{0}, LPARAM{ENDSESSION_CLOSEAPP}, static_cast<LPARAM>(ENDSESSION_LOGOFF)}) {
        if (!IsWindowVisible(progress)) break;
        DWORD_PTR answer = 1;
        SendMessageTimeoutW(application, WM_QUERYENDSESSION, 0, why, SMTO_NORMAL, 5000, &answer);
        if (!IsWindowVisible(progress)) break;
        EXPECT_EQ(answer, FALSE) << why;
        ++asked;
        EndSession(program->Id(), false, why);
    }
    EXPECT_GT(asked, 0) << "the run ended before the session could ask";
    EXPECT_EQ(program->Wait(std::chrono::seconds(60)), 0);
    EXPECT_EQ(ListTree(Work()).size(), 250u);
    ExpectSettingsUntouched();
}

}  // namespace
