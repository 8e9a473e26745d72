#include <gtest/gtest.h>

#include <algorithm>

#include "program/ProgramCopy.h"

namespace {

using Paths = std::vector<std::wstring>;

const Paths kDialogTree = {L"keep.txt", L"a.~cpp", L".#lock.txt", L"c.tmp", L"sub\\b.~h", L"sub\\keep.c"};
const Paths kWhole = {L".#lock.txt", L"a.~cpp", L"c.tmp", L"keep.txt", L"sub\\", L"sub\\b.~h", L"sub\\keep.c"};

// The program started on a tree "work" beside its settings file.
class CleanupDialogs : public ProgramCopy {
protected:
    void SetUp() override
    {
        ProgramCopy::SetUp();
        MakeTree(Work(), kDialogTree);
    }

    std::unique_ptr<StartedProcess> Start(const wchar_t* keyword) { return StartOnWork(keyword); }
    static bool Enabled(HWND window, const std::wstring& caption)
    {
        return IsWindowEnabled(Control(window, L"Button", caption));
    }
    static bool Checked(HWND window, const std::wstring& caption)
    {
        return SendMessageW(Control(window, L"Button", caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The drop-down of the choose-condition dialog.
    static HWND Conditions(HWND window) { return FindWindowExW(window, nullptr, L"ComboBox", nullptr); }
    // Picks the entry index of the drop-down as the keyboard does (it has the focus then).
    static void Pick(HWND window, int index)
    {
        HWND box = Conditions(window);
        for (int i = 0; i <= index; ++i) {
            PostMessageW(box, WM_KEYDOWN, VK_DOWN, 1);
            PostMessageW(box, WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC0000001));
        }
        WaitFor([&] { return SendMessageW(box, CB_GETCURSEL, 0, 0) == index; });
    }
};

TEST_F(CleanupDialogs, ConfirmAllOKCleansWithEveryConditionAndTheTickedOptions)
{
    Settings(L"*.~*;.#*.*;*.tmp");
    auto program = Start(L"RevorErase");
    HWND dialog = WaitForShownWindow(kConfirmAll, program->Id());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ShownWindows(program->Id()), std::vector<HWND>{dialog});
    EXPECT_TRUE(Enabled(dialog, L"&OK"));
    EXPECT_FALSE(Checked(dialog, L"サブフォルダのファイルも検索して削除する"));
    Press(dialog, L"サブフォルダのファイルも検索して削除する");
    Press(dialog, L"&OK");
    EXPECT_EQ(program->Wait(), 0);
    EXPECT_EQ(ListTree(Work()), (Paths{L"keep.txt", L"sub\\", L"sub\\keep.c"}));
    ExpectSettingsUntouched();
}

TEST_F(CleanupDialogs, ConfirmAllCancelEscapeAndAnEmptyListRemoveNothing)
{
    struct Case {
        const char* what;
        std::wstring conditions;
        bool okEnabled;
        void (*leave)(HWND);
    };
    const Case cases[] = {
        {"キャンセル", L"*.~*", true, [](HWND d) { Press(d, L"キャンセル(&C)"); }},
        {"Escape", L"*.~*", true, [](HWND d) { PressKeyIn(d, VK_ESCAPE); }},
        {"empty list", L"", false, [](HWND d) { Press(d, L"キャンセル(&C)"); }},
    };
    for (const Case& c : cases) {
        Settings(c.conditions);
        auto program = Start(L"RevorErase");
        HWND dialog = WaitForShownWindow(kConfirmAll, program->Id());
        ASSERT_NE(dialog, nullptr) << c.what;
        EXPECT_EQ(Enabled(dialog, L"&OK"), c.okEnabled) << c.what;
        c.leave(dialog);
        EXPECT_EQ(program->Wait(), 0) << c.what;
        EXPECT_EQ(ListTree(Work()), kWhole) << c.what;
        ExpectSettingsUntouched();
    }
}

TEST_F(CleanupDialogs, ChooseConditionCleansWithThePickedConditionOnly)
{
    Settings(L"*.~*;.#*.*;*.tmp", "100");
    auto program = Start(L"others");
    HWND dialog = WaitForShownWindow(kChooseCondition, program->Id());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ShownWindows(program->Id()), std::vector<HWND>{dialog});
    EXPECT_FALSE(Enabled(dialog, L"&OK"));
    PressKeyIn(dialog, VK_TAB);  // from the first check box on to the drop-down
    PressKeyIn(dialog, VK_TAB);
    PressKeyIn(dialog, VK_TAB);
    PressKeyIn(dialog, VK_TAB);
    Pick(dialog, 2);
    EXPECT_TRUE(WaitFor([&] { return Enabled(dialog, L"&OK"); }));
    Press(dialog, L"&OK");
    EXPECT_EQ(program->Wait(), 0);
    EXPECT_EQ(ListTree(Work()), (Paths{L".#lock.txt", L"a.~cpp", L"keep.txt", L"sub\\", L"sub\\b.~h", L"sub\\keep.c"}));
    ExpectSettingsUntouched();
}

TEST_F(CleanupDialogs, ChooseConditionWithoutAPickOrAListCannotRun)
{
    for (const wchar_t* conditions : {L"*.~*;*.tmp", L""}) {
        Settings(conditions, "001");  // no-confirmation does not concern this dialog
        auto program = Start(L"others");
        HWND dialog = WaitForShownWindow(kChooseCondition, program->Id());
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(Enabled(dialog, L"&OK"));
        EXPECT_EQ(SendMessageW(Conditions(dialog), CB_GETCOUNT, 0, 0), *conditions ? 2 : 0);
        Press(dialog, L"キャンセル(&C)");
        EXPECT_EQ(program->Wait(), 0);
        EXPECT_EQ(ListTree(Work()), kWhole);
        ExpectSettingsUntouched();
    }
}

// Both dialogs clean the folder named, "proj." or "proj ", and never its sibling "proj".
TEST_F(CleanupDialogs, EachCleansTheFolderNamedAndNeverItsSibling)
{
    MakeTree(Work(), {L"proj.\\dot.~1", L"proj \\blank.~1", L"proj\\keep.~1"});
    Settings(L"*.~*");
    auto program = ProgramCopy::Start(L" RevorErase \"" + Work() + L"\\proj.\"");
    HWND dialog = WaitForShownWindow(kConfirmAll, program->Id());
    ASSERT_NE(dialog, nullptr);
    Press(dialog, L"&OK");
    EXPECT_EQ(program->Wait(), 0);
    EXPECT_FALSE(Exists(Work() + L"\\proj.\\dot.~1"));
    EXPECT_TRUE(Exists(Work() + L"\\proj \\blank.~1"));

    program = ProgramCopy::Start(L" others \"" + Work() + L"\\proj \"");
    dialog = WaitForShownWindow(kChooseCondition, program->Id());
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 4; ++i) PressKeyIn(dialog, VK_TAB);
    Pick(dialog, 0);
    ASSERT_TRUE(WaitFor([&] { return Enabled(dialog, L"&OK"); }));
    Press(dialog, L"&OK");
    EXPECT_EQ(program->Wait(), 0);
    EXPECT_FALSE(Exists(Work() + L"\\proj \\blank.~1"));
    EXPECT_TRUE(Exists(Work() + L"\\proj\\keep.~1"));
    ExpectSettingsUntouched();
}

// A visit to the settings dialog: what it hands over shows afterwards; no-confirmation ticked
// there runs the confirm-all dialog at once.
TEST_F(CleanupDialogs, ConfirmAllRunsAtOnceWhenTheSettingsDialogSwitchesConfirmationOff)
{
    Settings(L"*.~*;.#*.*;*.tmp");
    auto program = Start(L"RevorErase");
    HWND dialog = WaitForShownWindow(kConfirmAll, program->Id());
    ASSERT_NE(dialog, nullptr);
    BoxAnswer answer{kSettingsDialog, L"キャンセル(&C)"};
    answer.before = [](HWND settings) { Press(settings, L"確認せずにポフッと削除する(慣れた人向け)"); };
    BoxWatcher watcher({answer}, program->Id());
    Press(dialog, L"設定の確認・変更(&F)");
    EXPECT_TRUE(watcher.Seen().found);
    EXPECT_EQ(watcher.Seen().owner, dialog);
    EXPECT_EQ(program->Wait(), 0);
    EXPECT_EQ(ListTree(Work()), (Paths{L"keep.txt", L"sub\\", L"sub\\b.~h", L"sub\\keep.c"}));
    ExpectSettingsUntouched();
}

TEST_F(CleanupDialogs, ChooseConditionShowsTheSettingsDialogsChangesAndLosesADeletedPick)
{
    Settings(L"*.~*;.#*.*;*.tmp");
    auto program = Start(L"others");
    HWND dialog = WaitForShownWindow(kChooseCondition, program->Id());
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 4; ++i) PressKeyIn(dialog, VK_TAB);
    Pick(dialog, 0);
    ASSERT_TRUE(WaitFor([&] { return Enabled(dialog, L"&OK"); }));
    // In the settings dialog: tick the two options, delete the first condition, and use it for
    // this run only.
    BoxAnswer edit{kSettingsDialog, L"削除(&D)"};
    edit.stays = true;
    edit.before = [](HWND window) {
        Press(window, L"サブフォルダのファイルも検索して削除する");
        Press(window, L"確認せずにポフッと削除する(慣れた人向け)");
        // The list, whether or not it has the focus yet, takes the arrow key.
        HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
        PostMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(list, WM_KEYUP, VK_DOWN, static_cast<LPARAM>(0xC0000001));
        WaitFor([&] { return IsWindowEnabled(FindChild(window, L"Button", L"削除(&D)")); });
    };
    BoxWatcher watcher({edit, {L"情報", L"OK"}, {kSettingsDialog, L"今回だけこの設定で削除(&T)"}}, program->Id());
    Press(dialog, L"設定の確認・変更(&F)");
    for (const SeenBox& seen : watcher.All()) EXPECT_TRUE(seen.found);
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(Conditions(dialog), CB_GETCOUNT, 0, 0) == 2; }));
    EXPECT_EQ(SendMessageW(Conditions(dialog), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_FALSE(Enabled(dialog, L"&OK"));
    EXPECT_TRUE(Checked(dialog, L"サブフォルダのファイルも検索して削除する"));
    // No run followed; the dialog is still there.
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(ListTree(Work()), kWhole);
    Press(dialog, L"キャンセル(&C)");
    EXPECT_EQ(program->Wait(), 0);
    ExpectSettingsUntouched();
}

// Close requests right after "&OK" (the in-process dialog test makes them land inside the run)
// end neither the run nor the program before its time: the program cleans the whole tree and
// ends by itself.
TEST_F(CleanupDialogs, CloseRequestsAroundTheRunLeaveItWhole)
{
    Paths tree;
    for (int i = 0; i < 40; ++i) tree.push_back(L"d" + std::to_wstring(i) + L"\\x.~tmp");
    MakeTree(Work(), tree);
    Settings(L"*.~*", "100");
    auto program = Start(L"RevorErase");
    HWND dialog = WaitForShownWindow(kConfirmAll, program->Id());
    ASSERT_NE(dialog, nullptr);
    Press(dialog, L"&OK");
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->Wait(std::chrono::seconds(60)), 0);
    Paths left = ListTree(Work());
    for (int i = 0; i < 40; ++i) EXPECT_TRUE(std::count(left.begin(), left.end(), L"d" + std::to_wstring(i) + L"\\"));
    for (const std::wstring& path : left) EXPECT_EQ(path.find(L".~"), std::wstring::npos) << Narrow(path);
    ExpectSettingsUntouched();
}

}  // namespace
