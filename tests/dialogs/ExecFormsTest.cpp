#include <gtest/gtest.h>

#include "core/PEraseClasses.h"
#include "run/PEraseWaitDlg.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/PEraseSelectExecForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "support/BoxWatcher.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "program/ProgramLifetime.h"
#include "support/TestSupport.h"
#include "ui/Application.h"

namespace {

constexpr wchar_t kSettingsDialog[] = L"ポフッと削除する条件の設定";

using Strings = std::vector<std::wstring>;

// Every option off; the dialogs clean a folder beside the settings file.
class ExecDialogs : public DialogFixture {
protected:
    ExecDialogs() : DialogFixture(L"PEConfig.ini", "000") {}

    std::wstring Target() const { return settings_.Dir() / L"target"; }
    static void PressChild(HWND window, const std::wstring& caption)
    {
        PostMessageW(FindChild(window, L"Button", caption), BM_CLICK, 0, 0);
    }
};

// After the settings dialog the list is refilled and the condition picked before is picked
// again where it is still listed, the first equal to it when case is ignored.
TEST_F(ExecDialogs, ChooseConditionKeepsItsPickAcrossTheSettingsDialog)
{
    struct Case {
        const char* what;
        std::wstring stored;
        int pick;
        Strings after;  // the processor's list once the settings dialog has closed
        int picked;
    };
    const Case cases[] = {
        {"kept, elsewhere", L"a;b;c", 1, {L"c", L"b", L"a"}, 1},
        {"gone", L"a;b", 1, {L"a"}, -1},
        {"first of two case variants", L"x;*.TMP;*.tmp", 2, {L"x", L"*.TMP", L"*.tmp"}, 1},
        {"list emptied", L"a", 0, {}, -1},
        {"nothing picked", L"a;b", -1, {L"a", L"b"}, -1},
    };
    for (const Case& c : cases) {
        Settings(c.stored, "000");
        T_frmSelectExec form(Processor(), Target());
        form.Show();
        EXPECT_EQ(form.cbxConditions->ItemIndex(), -1) << c.what;
        EXPECT_FALSE(form.btnOK->Enabled()) << c.what;
        form.cbxConditions->SetItemIndex(c.pick);
        EXPECT_EQ(form.btnOK->Enabled(), c.pick >= 0) << c.what;
        BoxAnswer answer{kSettingsDialog, L"キャンセル(&C)"};
        answer.before = [&](HWND) { Processor().SearchConditions = c.after; };
        BoxWatcher watcher({answer});
        Click(form.btnConfig->Handle());
        ASSERT_TRUE(watcher.Seen().found) << c.what;
        Strings listed;
        for (int i = 0; i < form.cbxConditions->Count(); ++i) listed.push_back(form.cbxConditions->Item(i));
        EXPECT_EQ(listed, c.after) << c.what;
        EXPECT_EQ(form.cbxConditions->ItemIndex(), c.picked) << c.what;
        EXPECT_EQ(form.btnOK->Enabled(), c.picked >= 0) << c.what;
        EXPECT_TRUE(form.Visible()) << c.what;
    }
}

TEST_F(ExecDialogs, ChooseConditionOpensWithAnEmptyConditionPicked)
{
    Settings(L"\"\";*.a", "000");
    ASSERT_EQ(Processor().SearchConditions, (Strings{L"", L"*.a"}));
    T_frmSelectExec form(Processor(), Target());
    EXPECT_EQ(form.cbxConditions->ItemIndex(), 0);
    EXPECT_TRUE(form.btnOK->Enabled());
}

// Either cleanup dialog, through what both have.
struct CleanupDialog {
    std::unique_ptr<TForm> form;
    TCheckBox* recurse;
    TCheckBox* recycle;
    TButton* config;
};
CleanupDialog OpenCleanupDialog(bool confirmAll, TPEraseProcessor& processor, const std::wstring& target)
{
    if (confirmAll) {
        auto simple = std::make_unique<T_frmSimpleExec>(processor, target);
        CleanupDialog d{nullptr, simple->ckbRecurseSubDir.get(), simple->ckbUseRecycleBox.get(), simple->btnConfig.get()};
        d.form = std::move(simple);
        d.form->Show();
        return d;
    }
    auto select = std::make_unique<T_frmSelectExec>(processor, target);
    CleanupDialog d{nullptr, select->ckbRecurseSubDir.get(), select->ckbUseRecycleBox.get(), select->btnConfig.get()};
    d.form = std::move(select);
    d.form->Show();
    return d;
}

// Both boxes open with the processor's options and write every click through to it at once;
// nothing reaches the settings file.
TEST_F(ExecDialogs, BoxesOpenWithTheProcessorsOptionsAndWriteEachClickThrough)
{
    for (bool confirmAll : {true, false}) {
        for (const char* flags : {"101", "010", "000", "110"}) {
            SCOPED_TRACE(testing::Message() << (confirmAll ? "confirm-all " : "choose-condition ") << flags);
            Settings(L"*.~*", flags);
            bool recurse = flags[0] == '1';
            bool recycle = flags[1] == '1';
            CleanupDialog d = OpenCleanupDialog(confirmAll, Processor(), Target());
            EXPECT_EQ(d.recurse->Checked(), recurse);
            EXPECT_EQ(d.recycle->Checked(), recycle);
            Click(d.recycle->Handle());
            EXPECT_EQ(Processor().UseRecycleBox, !recycle);
            EXPECT_EQ(Processor().RecurseSubDir, recurse);
            Click(d.recurse->Handle());
            EXPECT_EQ(Processor().RecurseSubDir, !recurse);
            Click(d.recycle->Handle());
            EXPECT_EQ(Processor().UseRecycleBox, recycle);
            EXPECT_EQ(ReadBytes(settings_.File()), SettingsText(L"*.~*", flags));
        }
    }
}

// The run takes the picked condition, not the first, with the options the boxes set.
TEST_F(ExecDialogs, ChooseConditionRunsThePickedConditionWithItsBoxes)
{
    Settings(L"*.~*;.#*.*;*.tmp", "000");
    MakeTree(Target(), {L"a.~x", L".#b.c", L"c.tmp", L"sub\\d.tmp", L"sub\\e.~x"});
    T_frmSelectExec form(Processor(), Target());
    form.Show();
    form.cbxConditions->SetItemIndex(2);
    Click(form.ckbRecurseSubDir->Handle());
    Click(form.btnOK->Handle());
    EXPECT_EQ(ListTree(Target()), (Strings{L".#b.c", L"a.~x", L"sub\\", L"sub\\e.~x"}));
    EXPECT_FALSE(form.Visible());
    RemoveTree(Target());
}

// The options the settings dialog hands over show in the boxes afterwards; no-confirmation
// switched on there starts the run of the confirm-all dialog at once, never that of the
// choose-condition dialog.
TEST_F(ExecDialogs, AfterTheSettingsDialogOnlyConfirmAllRunsAtOnce)
{
    struct Case {
        const char* what;
        bool confirmAll;
        bool ranAtOnce;
    };
    for (const Case& c : {Case{"confirm-all", true, true}, Case{"choose-condition", false, false}}) {
        Settings(L"*.~*;.#*.*;*.tmp", "000");
        MakeTree(Target(), {L"a.~x", L"keep.txt", L"sub\\b.~x"});
        EmptyTrash();
        CleanupDialog d = OpenCleanupDialog(c.confirmAll, Processor(), Target());
        BoxAnswer answer{kSettingsDialog, L"今回だけこの設定で削除(&T)"};
        answer.before = [](HWND settings) {
            PressChild(settings, L"サブフォルダのファイルも検索して削除する");
            PressChild(settings, L"ゴミ箱を使用して削除する");
            PressChild(settings, L"確認せずにポフッと削除する(慣れた人向け)");
        };
        BoxWatcher watcher({answer});
        Click(d.config->Handle());
        ASSERT_TRUE(watcher.Seen().found) << c.what;
        EXPECT_TRUE(Processor().RecurseSubDir) << c.what;
        EXPECT_TRUE(Processor().UseRecycleBox) << c.what;
        EXPECT_TRUE(Processor().NoInquiryBox) << c.what;
        EXPECT_TRUE(d.recurse->Checked()) << c.what;
        EXPECT_TRUE(d.recycle->Checked()) << c.what;
        EXPECT_EQ(d.form->Visible(), !c.ranAtOnce) << c.what;
        Strings left = c.ranAtOnce ? Strings{L"keep.txt", L"sub\\"} : Strings{L"a.~x", L"keep.txt", L"sub\\", L"sub\\b.~x"};
        EXPECT_EQ(ListTree(Target()), left) << c.what;
        // The settings file is never written by these dialogs.
        EXPECT_NE(ReadBytes(settings_.File()).find("NoInquiryBox=0"), std::string::npos) << c.what;
        RemoveTree(Target());
    }
}

// A run that ends in an exception: shown, the dialog stays open with its inputs disabled, and a
// close request then closes it.
TEST_F(ExecDialogs, ARunThatFailsLeavesTheDialogOpenAndDisabled)
{
    // A message handled while the run lets messages through takes the condition list away.
    class ListThief : public TForm {
    public:
        explicit ListThief(TPEraseProcessor& processor)
            : TForm({L"thief", TFormBorder::None, false, 1, 1}), processor_(processor)
        {
        }

    protected:
        LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
        {
            if (msg == WM_APP + 20) {
                processor_.SearchConditions.clear();
                return 0;
            }
            return TForm::WndProc(msg, wParam, lParam);
        }

    private:
        TPEraseProcessor& processor_;
    } thief(Processor());
    Settings(L"*.~*", "100");
    MakeTree(Target(), {L"a.~x", L"sub\\b.~x"});
    T_frmSelectExec form(Processor(), Target());
    form.Show();
    form.cbxConditions->SetItemIndex(0);
    PostMessageW(thief.Handle(), WM_APP + 20, 0, 0);
    BoxWatcher watcher(kApplicationTitle, L"OK");
    Click(form.btnOK->Handle());
    const SeenBox& seen = watcher.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_NE(seen.text.find(L"リストのインデックスが範囲を超えています"), std::wstring::npos) << Narrow(seen.text);
    EXPECT_TRUE(form.Visible());
    const std::initializer_list<TControl*> inputs = {form.cbxConditions.get(), form.btnOK.get(),
                                                     form.btnCancel.get(),     form.btnConfig.get(),
                                                     form.ckbRecurseSubDir.get(), form.ckbUseRecycleBox.get()};
    for (TControl* input : inputs) EXPECT_FALSE(input->Enabled());
    EXPECT_FALSE(WaitForm().Visible());
    PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    Application().ProcessMessages();
    EXPECT_FALSE(form.Visible());
}

// A close request while the run goes on does not cut it short: the dialog stays, beneath the
// progress window, until the run is over, and then closes.
TEST_F(ExecDialogs, ACloseRequestDuringTheRunWaitsForIt)
{
    Settings(L"*.~*", "100");
    MakeTree(Target(), {L"a.~x", L"sub1\\b.~x", L"sub2\\c.~x"});
    T_frmSimpleExec form(Processor(), Target());
    form.Show();
    bool openUnderTheProgressWindow = false;
    bool runStillGoing = false;
    TPostedStep look([&] {
        openUnderTheProgressWindow = form.Visible() && WaitForm().Visible();
        runStillGoing = Exists(Target() + L"\\a.~x");
    });
    // Taken at the run's first folder: every way of asking to close, then a look afterwards.
    TPostedStep ask([&] {
        PostMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
        PostMessageW(form.btnCancel->Handle(), BM_CLICK, 0, 0);
        look.Post();
    });
    ask.Post();
    Click(form.btnOK->Handle());
    EXPECT_EQ(look.Taken(), 1);
    EXPECT_TRUE(openUnderTheProgressWindow);
    EXPECT_TRUE(runStillGoing);
    EXPECT_EQ(ListTree(Target()), (Strings{L"sub1\\", L"sub2\\"}));
    EXPECT_FALSE(form.Visible());
    RemoveTree(Target());
}

TEST_F(ExecDialogs, FocusStartsAtTheFirstControlAndFollowsTheTabOrder)
{
    Settings(L"*.~*", "000");
    {
        T_frmSimpleExec form(Processor(), Target());
        form.Show();
        EXPECT_EQ(Focused(), form.ckbRecurseSubDir->Handle());
        for (HWND next : {form.btnOK->Handle(), form.btnCancel->Handle(), form.btnConfig->Handle(),
                          form.ckbUseRecycleBox->Handle(), form.ckbRecurseSubDir->Handle()}) {
            PressKey(VK_TAB);
            EXPECT_EQ(Focused(), next);
        }
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(form.Visible());
    }
    {
        T_frmSelectExec form(Processor(), Target());
        form.Show();
        form.cbxConditions->SetItemIndex(0);
        EXPECT_EQ(Focused(), form.ckbRecurseSubDir->Handle());
        for (HWND next : {form.btnOK->Handle(), form.btnCancel->Handle(), form.btnConfig->Handle(),
                          form.cbxConditions->Handle(), form.ckbUseRecycleBox->Handle(), form.ckbRecurseSubDir->Handle()}) {
            PressKey(VK_TAB);
            EXPECT_EQ(Focused(), next);
        }
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(form.Visible());
    }
}

// Both layout tables, at 96 DPI and after moves to monitors of other scales and back.
TEST_F(ExecDialogs, ControlsStandWhereTheLayoutSaysAtEveryScale)
{
    {
        T_frmSimpleExec form(Processor(), Target());
        form.Show();
        const std::vector<TRow> table = {
            {"ckbRecurseSubDir", form.ckbRecurseSubDir->Handle(), {4, 26, 249, 17}},
            {"btnOK", form.btnOK->Handle(), {8, 68, 125, 29}},
            {"btnCancel", form.btnCancel->Handle(), {140, 68, 125, 29}},
            {"btnConfig", form.btnConfig->Handle(), {272, 68, 125, 29}},
            {"ckbUseRecycleBox", form.ckbUseRecycleBox->Handle(), {4, 44, 249, 17}},
            {"Label1", form.Label1->Handle(), {8, 8, 0, 0}},
        };
        for (UINT dpi : kDpis) {
            SendDpiChanged(form.Handle(), dpi, {404, 103});
            ExpectLaidOutAt(form.Handle(), dpi, {404, 103}, table);
        }
    }
    {
        T_frmSelectExec form(Processor(), Target());
        form.Show();
        const std::vector<TRow> table = {
            {"ckbRecurseSubDir", form.ckbRecurseSubDir->Handle(), {4, 52, 249, 17}},
            {"btnOK", form.btnOK->Handle(), {8, 114, 125, 25}},
            {"btnCancel", form.btnCancel->Handle(), {140, 114, 125, 25}},
            {"btnConfig", form.btnConfig->Handle(), {272, 114, 125, 25}},
            {"cbxConditions", form.cbxConditions->Handle(), {8, 28, 389, 0}},
            {"ckbUseRecycleBox", form.ckbUseRecycleBox->Handle(), {4, 70, 249, 17}},
            {"Label1", form.Label1->Handle(), {8, 8, 0, 0}},
            {"Label2", form.Label2->Handle(), {8, 97, 0, 0}},
        };
        for (UINT dpi : kDpis) {
            SendDpiChanged(form.Handle(), dpi, {406, 149});
            ExpectLaidOutAt(form.Handle(), dpi, {406, 149}, table);
        }
    }
}

// Enlarged, the buttons and the lower label move with the bottom edge and spread in proportion;
// the drop-down, the check boxes and the upper label stay.
TEST_F(ExecDialogs, ChooseConditionLaysOutItsBottomRowInProportion)
{
    T_frmSelectExec form(Processor(), Target());
    form.Show();
    EXPECT_EQ(SendMessageW(form.cbxConditions->Handle(), CB_GETMINVISIBLE, 0, 0), 8);
    EXPECT_EQ(GetWindowLongW(form.cbxConditions->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    TBounds label2 = form.ControlBounds(form.Label2->Handle());
    struct Case {
        int width, height;
        int ok, cancel, config;  // left edges at 96 DPI
    };
    const Case cases[] = {
        {406, 149, 8, 140, 272},
        {812, 249, 78, 342, 606},
        {600, 300, 41, 237, 432},
    };
    for (const Case& c : cases) {
        form.SetClientSize(c.width, c.height);
        int dy = c.height - 149;
        const std::pair<TButton*, int> buttons[] = {{form.btnOK.get(), c.ok}, {form.btnCancel.get(), c.cancel},
                                                    {form.btnConfig.get(), c.config}};
        for (const auto& [button, left] : buttons) {
            RECT r = BoundsInParent(button->Handle());
            EXPECT_EQ(r.left, form.Scale(left)) << Narrow(button->Caption()) << " at " << c.width;
            EXPECT_EQ(r.top, form.Scale(114 + dy)) << Narrow(button->Caption()) << " at " << c.width;
            EXPECT_EQ(r.right - r.left, form.Scale(125));
            EXPECT_EQ(r.bottom - r.top, form.Scale(25));
        }
        RECT l2 = BoundsInParent(form.Label2->Handle());
        EXPECT_EQ(l2.top, form.Scale(label2.Top + dy));
        EXPECT_EQ(l2.right - l2.left, form.Scale(label2.Width));
        double designFraction = (label2.Left + label2.Width / 2.0) / 406;
        EXPECT_NEAR((l2.left + l2.right) / 2.0 / form.Scale(c.width), designFraction, 0.01);
        for (HWND still : {form.cbxConditions->Handle(), form.ckbRecurseSubDir->Handle(),
                           form.ckbUseRecycleBox->Handle(), form.Label1->Handle()}) {
            RECT r = BoundsInParent(still);
            TBounds design = form.ControlBounds(still);
            EXPECT_EQ(r.left, form.Scale(design.Left));
            EXPECT_EQ(r.top, form.Scale(design.Top));
            EXPECT_EQ(r.right - r.left, form.Scale(design.Width));
        }
    }
}

}  // namespace
