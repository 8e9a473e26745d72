#include <gtest/gtest.h>

#include <functional>

#include "program/ProgramCopy.h"

namespace {

constexpr wchar_t kAboutBox[] = L"VARNEL ポフッと削除 のバージョン情報";
constexpr wchar_t kApplicationClass[] = L"PofuttoEraseApplication";

using Paths = std::vector<std::wstring>;

// The program asked to close from outside, as taskkill without /f, an installer or a "close all
// windows" tool asks: WM_CLOSE to its top-level windows, the hidden application window included.
class CloseRequest : public ProgramCopy {
protected:
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

// Whatever window is open, a close request to the application window alone ends the program as
// closing its main window would: nothing removed, the settings file as it was. A settings dialog
// over the confirm-all dialog whose no-confirmation box was ticked starts no run on the way out.
TEST_F(CloseRequest, ToTheApplicationWindowEndsEveryCourseWithoutARun)
{
    struct Case {
        const char* what;
        const wchar_t* arguments;
        const wchar_t* mainWindow;
        // Opens a further window over the main one, and says its caption (null for none).
        std::function<const wchar_t*(HWND)> open;
    };
    const Case cases[] = {
        {"settings dialog", L"", kSettingsDialog, nullptr},
        {"confirm-all dialog", L"RevorErase", kConfirmAll, nullptr},
        {"choose-condition dialog", L"others", kChooseCondition, nullptr},
        {"about box over the settings dialog", L"", kSettingsDialog,
         [](HWND main) {
             Press(main, L"バージョン情報(&V)");
             return kAboutBox;
         }},
        {"settings dialog over the confirm-all dialog, confirmation switched off there", L"RevorErase", kConfirmAll,
         [](HWND main) {
             Press(main, L"設定の確認・変更(&F)");
             return kSettingsDialog;
         }},
    };
    const Paths tree = {L"a.~cpp", L"keep.txt", L"sub\\", L"sub\\b.~h"};
    for (const Case& c : cases) {
        MakeTree(Work(), tree);
        Settings(L"*.~*", "100");
        auto program = Start(std::wstring(L" ") + c.arguments + (*c.arguments ? L" \"" + Work() + L"\"" : L""));
        HWND main = WaitForShownWindow(c.mainWindow, program->Id());
        ASSERT_NE(main, nullptr) << c.what;
        if (c.open) {
            const wchar_t* caption = c.open(main);
            HWND over = WaitForShownWindow(caption, program->Id());
            ASSERT_NE(over, nullptr) << c.what;
            if (caption == std::wstring(kSettingsDialog)) Press(over, L"確認せずにポフッと削除する(慣れた人向け)");
            ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(main); })) << c.what;
        }
        HWND application = ApplicationWindow(program->Id());
        ASSERT_NE(application, nullptr) << c.what;
        PostMessageW(application, WM_CLOSE, 0, 0);
        EXPECT_EQ(program->Wait(std::chrono::seconds(10)), 0) << c.what;
        EXPECT_EQ(ListTree(Work()), tree) << c.what;
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

}  // namespace
