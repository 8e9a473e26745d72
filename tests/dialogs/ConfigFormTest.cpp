#include <gtest/gtest.h>

#include "base/Handles.h"
#include "core/PEraseClasses.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/PEraseConfigForm.h"
#include "program/ProgramLifetime.h"
#include "support/BoxWatcher.h"
#include "support/DialogDriver.h"
#include "support/LayoutCheck.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "ui/Application.h"

namespace {

constexpr const wchar_t* kTitle = kApplicationTitle;
constexpr wchar_t kInputTitle[] = L"ファイル名の検索条件を入力してください。";

using Strings = std::vector<std::wstring>;

// The settings file as the program names it, its recycle-bin option on.
class ConfigDialog : public DialogFixture {
protected:
    ConfigDialog() : DialogFixture(L".\\PEConfig.ini", "010") {}

    // The dialog in one of its roles, shown.
    std::unique_ptr<T_frmConfig> Open(bool configOnly = true)
    {
        auto form = std::make_unique<T_frmConfig>(Processor());
        if (!configOnly) form->SetConfigOnly(false);
        form->Show();
        return form;
    }
    Strings Listed(const T_frmConfig& form) const { return form.lbxEraseCharSet->Items(); }
};

TEST_F(ConfigDialog, OpensWithTheProcessorsStateInEitherRole)
{
    struct Case {
        bool configOnly;
        const char* save;
        bool applyEnabled;
    };
    for (const Case& c : {Case{true, "保存(&S)", false}, Case{false, "保存して削除(&S)", true}}) {
        for (const char* flags : {"010", "101", "100", "011"}) {
            SCOPED_TRACE(flags);
            Settings(L"*.~*;.#*.*;*.tmp", flags);
            auto form = Open(c.configOnly);
            EXPECT_EQ(Narrow(WindowText(form->Handle())), "ポフッと削除する条件の設定");
            EXPECT_EQ(Listed(*form), (Strings{L"*.~*", L".#*.*", L"*.tmp"}));
            EXPECT_EQ(form->lbxEraseCharSet->ItemIndex(), -1);
            EXPECT_FALSE(form->btnDelChar->Enabled());
            EXPECT_EQ(form->ckbRecurseSubDir->Checked(), flags[0] == '1');
            EXPECT_EQ(form->ckbUseRecycleBox->Checked(), flags[1] == '1');
            EXPECT_EQ(form->ckbNoInquiryBox->Checked(), flags[2] == '1');
            EXPECT_EQ(Narrow(form->btnSave->Caption()), c.save);
            EXPECT_EQ(form->btnApplyThisTime->Enabled(), c.applyEnabled);
            EXPECT_EQ(form->ConfigOnly(), c.configOnly);
            SIZE client = form->ClientSize96();
            EXPECT_EQ(client.cx, 275);
            EXPECT_EQ(client.cy, 345);
            // Fixed frame without system menu or close box.
            LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
            EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
            EXPECT_TRUE(style & WS_CAPTION);
            // Opening changed nothing in the processor.
            EXPECT_EQ(Processor().SearchConditions, (Strings{L"*.~*", L".#*.*", L"*.tmp"}));
            EXPECT_EQ(Processor().RecurseSubDir, flags[0] == '1');
            EXPECT_EQ(Processor().UseRecycleBox, flags[1] == '1');
            EXPECT_EQ(Processor().NoInquiryBox, flags[2] == '1');
        }
    }
}

// The layout table, at 96 DPI and after moves to monitors of other scales and back.
TEST_F(ConfigDialog, ControlsStandWhereTheLayoutSaysAtEveryScale)
{
    auto form = Open();
    const struct {
        const char* caption;
        HWND control;
    } captions[] = {
        {"追加(&A)", form->btnAddChar->Handle()},
        {"削除(&D)", form->btnDelChar->Handle()},
        {"サブフォルダのファイルも検索して削除する", form->ckbRecurseSubDir->Handle()},
        {"保存(&S)", form->btnSave->Handle()},
        {"今回だけこの設定で削除(&T)", form->btnApplyThisTime->Handle()},
        {"キャンセル(&C)", form->btnCancel->Handle()},
        {"バージョン情報(&V)", form->btnAbout->Handle()},
        {"ゴミ箱を使用して削除する", form->ckbUseRecycleBox->Handle()},
        {"確認せずにポフッと削除する(慣れた人向け)", form->ckbNoInquiryBox->Handle()},
        {"例. *.~*, *.tmp など", form->CLabel2->Handle()},
        {"削除するファイルの検索条件を登録してください。", form->CLabel1->Handle()},
    };
    for (const auto& c : captions) EXPECT_EQ(Narrow(WindowText(c.control)), c.caption);
    const std::vector<TRow> table = {
        {"lbxEraseCharSet", form->lbxEraseCharSet->Handle(), {4, 40, 185, 177}},
        {"btnAddChar", form->btnAddChar->Handle(), {194, 44, 75, 25}},
        {"btnDelChar", form->btnDelChar->Handle(), {194, 76, 75, 25}},
        {"ckbRecurseSubDir", form->ckbRecurseSubDir->Handle(), {4, 220, 269, 17}},
        {"btnSave", form->btnSave->Handle(), {8, 280, 105, 25}},
        {"btnApplyThisTime", form->btnApplyThisTime->Handle(), {116, 280, 153, 25}},
        {"btnCancel", form->btnCancel->Handle(), {8, 312, 105, 25}},
        {"btnAbout", form->btnAbout->Handle(), {116, 312, 153, 25}},
        {"ckbUseRecycleBox", form->ckbUseRecycleBox->Handle(), {4, 238, 269, 17}},
        {"ckbNoInquiryBox", form->ckbNoInquiryBox->Handle(), {4, 256, 269, 17}},
        {"CLabel1", form->CLabel1->Handle(), {8, 8, 0, 0}},
        {"CLabel2", form->CLabel2->Handle(), {8, 24, 153, 17}},
    };
    for (UINT dpi : kDpis) {
        SendDpiChanged(form->Handle(), dpi, {275, 345});
        ExpectLaidOutAt(form->Handle(), dpi, {275, 345}, table);
    }
    EXPECT_FALSE(form->CLabel1->EvokeCustomMsgProc());
    EXPECT_FALSE(form->CLabel2->EvokeCustomMsgProc());
    // Push buttons draw their captions in blue.
    for (TButton* button : {form->btnAddChar.get(), form->btnSave.get(), form->btnCancel.get(), form->btnAbout.get()})
        EXPECT_GT(BluePixels(button->Handle()), 10) << Narrow(button->Caption());
}

// The list keeps its whole border where the example line above it touches it, and draws on the
// button face like the rest of the dialog, at 96 and at 144 DPI.
TEST_F(ConfigDialog, ListIsDrawnWholeOnTheButtonFace)
{
    auto form = Open();
    for (UINT dpi : {96u, 144u, 96u}) {
        SCOPED_TRACE(testing::Message() << "at " << dpi << " DPI");
        SendDpiChanged(form->Handle(), dpi, {275, 345});
        HWND list = form->lbxEraseCharSet->Handle();
        TPixels pixels = WindowPixels(form->Handle());
        // From the list's client coordinates (its frame included) to the picture's.
        RECT frame{};
        GetWindowRect(form->Handle(), &frame);
        RECT bounds = BoundsInParent(list);
        POINT origin{0, 0};
        ClientToScreen(form->Handle(), &origin);
        auto at = [&](int x, int y) { return pixels.At(origin.x - frame.left + x, origin.y - frame.top + y); };
        // The example line (8, 24 / 153 x 17) overlaps the list's top border from 8 to 161; the
        // border is the same there as beyond the line.
        int labelRight = MulDiv(161, static_cast<int>(dpi), 96);
        COLORREF border = at(labelRight + 5, bounds.top);
        EXPECT_NE(border, GetSysColor(COLOR_BTNFACE));
        for (int x = bounds.left + 2; x < labelRight; ++x) EXPECT_EQ(at(x, bounds.top), border) << "x " << x;
        // Below the three conditions the list is empty: button face.
        for (int x : {bounds.left + 20, (bounds.left + bounds.right) / 2})
            EXPECT_EQ(at(x, bounds.bottom - 10), GetSysColor(COLOR_BTNFACE)) << "x " << x;
    }
}

TEST_F(ConfigDialog, AddAsksUntilTheTextIsNeitherBlankNorListed)
{
    const std::wstring long300(300, L'w');
    struct Case {
        const char* what;
        std::vector<BoxAnswer> answers;
        Strings added;
        std::vector<std::wstring> errors;   // texts of the error boxes, in order
        std::vector<std::wstring> refills;  // the field as each repeated input box opened
    };
    const Case cases[] = {
        {"trimmed of blanks and controls only",
         {{kInputTitle, L"OK", L" \t*.bak\u3000 "}},
         {L"*.bak\u3000"}, {}, {}},
        {"blank, then cancelled",
         {{kInputTitle, L"OK", L"  \t "}, {L"エラー", L"OK"}, {kInputTitle, L"キャンセル"}},
         {}, {L"ファイル名検索条件が入力されていません。"}, {L""}},
        {"duplicate, then its case variant",
         {{kInputTitle, L"OK", L" *.tmp"}, {L"エラー", L"OK"}, {kInputTitle, L"OK", L"*.TMP"}},
         {L"*.TMP"}, {L"*.tmp はすでに登録されています。"}, {L"*.tmp"}},
        {"duplicate, then Escape",
         {{kInputTitle, L"OK", L"*.~*"}, {L"エラー", L"OK"}, {kInputTitle, L"", {}, VK_ESCAPE}},
         {}, {L"*.~* はすでに登録されています。"}, {L"*.~*"}},
        {"at most 255 characters", {{kInputTitle, L"OK", long300}}, {std::wstring(255, L'w')}, {}, {}},
        {"any pattern or plain name", {{kInputTitle, L"OK", L"a?b*c;d\"e"}}, {L"a?b*c;d\"e"}, {}, {}},
    };
    for (const Case& c : cases) {
        Settings(L"*.~*;.#*.*;*.tmp", "010");
        auto form = Open();
        ClickItem(form->lbxEraseCharSet->Handle(), 1);
        BoxWatcher watcher(c.answers);
        Click(form->btnAddChar->Handle());
        const std::vector<SeenBox>& seen = watcher.All();
        EXPECT_EQ(watcher.Extra(), 0) << c.what;
        Strings expected{L"*.~*", L".#*.*", L"*.tmp"};
        expected.insert(expected.end(), c.added.begin(), c.added.end());
        EXPECT_EQ(Listed(*form), expected) << c.what;
        // The first input box opens empty; the selection and the delete button stay.
        ASSERT_TRUE(seen[0].found) << c.what;
        EXPECT_EQ(Narrow(seen[0].field), "") << c.what;
        EXPECT_EQ(Narrow(seen[0].text), "ワイルドカード（*・?）を使用することができます。") << c.what;
        EXPECT_EQ(form->lbxEraseCharSet->ItemIndex(), 1) << c.what;
        EXPECT_TRUE(form->btnDelChar->Enabled()) << c.what;
        size_t error = 0;
        size_t refill = 0;
        for (size_t i = 1; i < seen.size(); ++i) {
            ASSERT_TRUE(seen[i].found) << c.what << " box " << i;
            if (c.answers[i].caption == L"エラー") {
                EXPECT_EQ(Narrow(seen[i].text), Narrow(c.errors.at(error++))) << c.what;
                EXPECT_EQ(seen[i].buttons, Strings{L"OK"}) << c.what;
                EXPECT_EQ(seen[i].icon, TIconKind::Error) << c.what;
            } else {
                std::wstring field = c.refills.at(refill++);
                EXPECT_EQ(Narrow(seen[i].field), Narrow(field)) << c.what;
                EXPECT_EQ(seen[i].selection, (std::pair<int, int>{0, static_cast<int>(field.size())})) << c.what;
            }
        }
        EXPECT_EQ(error, c.errors.size()) << c.what;
        // Nothing reaches the processor before save.
        EXPECT_EQ(Processor().SearchConditions, (Strings{L"*.~*", L".#*.*", L"*.tmp"})) << c.what;
    }
}

TEST_F(ConfigDialog, DeleteAsksAndRemovesOnlyForOK)
{
    struct Case {
        const char* what;
        BoxAnswer answer;
        Strings left;
    };
    const Case cases[] = {
        {"OK", {L"情報", L"OK"}, {L"*.~*", L"*.tmp"}},
        {"キャンセル", {L"情報", L"キャンセル"}, {L"*.~*", L".#*.*", L"*.tmp"}},
        {"Escape", {L"情報", L"", {}, VK_ESCAPE}, {L"*.~*", L".#*.*", L"*.tmp"}},
    };
    for (const Case& c : cases) {
        auto form = Open();
        ClickItem(form->lbxEraseCharSet->Handle(), 1);
        ASSERT_TRUE(form->btnDelChar->Enabled());
        BoxWatcher watcher({c.answer});
        Click(form->btnDelChar->Handle());
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.found) << c.what;
        EXPECT_EQ(watcher.Extra(), 0) << c.what;
        EXPECT_EQ(Narrow(seen.text), Narrow(L".#*.* を削除します。\rよろしいですか？")) << c.what;
        EXPECT_EQ(seen.buttons, (Strings{L"OK", L"キャンセル"})) << c.what;
        EXPECT_EQ(Narrow(seen.defaultButton), "OK") << c.what;
        EXPECT_EQ(seen.icon, TIconKind::Information) << c.what;
        EXPECT_EQ(Listed(*form), c.left) << c.what;
        bool removed = c.left.size() == 2;
        EXPECT_EQ(form->lbxEraseCharSet->ItemIndex(), removed ? -1 : 1) << c.what;
        EXPECT_EQ(form->btnDelChar->Enabled(), !removed) << c.what;
    }
}

TEST_F(ConfigDialog, DeletingTheOnlyEntrySavesAnEmptyList)
{
    Settings(L"*.~*", "000");
    auto form = Open();
    ClickItem(form->lbxEraseCharSet->Handle(), 0);
    {
        BoxWatcher watcher(L"情報", L"OK");
        Click(form->btnDelChar->Handle());
    }
    EXPECT_EQ(form->lbxEraseCharSet->Count(), 0);
    Click(form->btnSave->Handle());
    EXPECT_TRUE(Processor().SearchConditions.empty());
    EXPECT_EQ(ReadBytes(File()), SettingsText(L"", "000"));
}

TEST_F(ConfigDialog, SaveCopiesEverythingAndWritesTheFile)
{
    auto form = Open();
    {
        BoxWatcher watcher({{kInputTitle, L"OK", L"*.bak"}});
        Click(form->btnAddChar->Handle());
    }
    Click(form->ckbRecurseSubDir->Handle());
    Click(form->ckbUseRecycleBox->Handle());
    Click(form->ckbNoInquiryBox->Handle());
    Click(form->btnSave->Handle());
    EXPECT_FALSE(form->Visible());
    const TPEraseProcessor& processor = Processor();
    EXPECT_EQ(processor.SearchConditions, (Strings{L"*.~*", L".#*.*", L"*.tmp", L"*.bak"}));
    EXPECT_TRUE(processor.RecurseSubDir);
    EXPECT_FALSE(processor.UseRecycleBox);
    EXPECT_TRUE(processor.NoInquiryBox);
    EXPECT_EQ(ReadBytes(File()), SettingsText(L"*.~*;.#*.*;*.tmp;*.bak", "101"));
}

TEST_F(ConfigDialog, AFailedSaveIsShownKeepsTheDialogAndTheFileAndCanBeRetried)
{
    auto form = Open();
    Click(form->ckbRecurseSubDir->Handle());
    {
        FileHandle lock(CreateFileW(File().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock.Valid());
        BoxWatcher watcher(kTitle, L"OK");
        Click(form->btnSave->Handle());
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(Narrow(seen.text), Narrow(File() + L" に書き込めません."));
        EXPECT_EQ(seen.icon, TIconKind::Error);
        EXPECT_TRUE(form->Visible());
        // The values are in the processor all the same.
        EXPECT_TRUE(Processor().RecurseSubDir);
    }
    EXPECT_EQ(ReadBytes(File()), SettingsText(L"*.~*;.#*.*;*.tmp", "010"));
    Click(form->btnSave->Handle());
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(ReadBytes(File()), SettingsText(L"*.~*;.#*.*;*.tmp", "110"));
}

// Cancel, and Alt+F4 acting as it: the list and two boxes are dropped; the no-confirmation box
// has written through and stays in the processor, but not in the file.
TEST_F(ConfigDialog, CancelDropsTheEditsButNotTheNoConfirmationBox)
{
    struct Case {
        const char* what;
        void (*close)(T_frmConfig&);
    };
    const Case cases[] = {
        {"キャンセル(&C)", [](T_frmConfig& form) { Click(form.btnCancel->Handle()); }},
        {"Alt+F4",
         [](T_frmConfig& form) {
             form.lbxEraseCharSet->SetFocus();
             PressAltF4();
         }},
    };
    for (const Case& c : cases) {
        Settings(L"*.~*;.#*.*;*.tmp", "010");
        auto form = Open(false);
        ClickItem(form->lbxEraseCharSet->Handle(), 0);
        {
            BoxWatcher watcher(L"情報", L"OK");
            Click(form->btnDelChar->Handle());
        }
        Click(form->ckbRecurseSubDir->Handle());
        Click(form->ckbUseRecycleBox->Handle());
        Click(form->ckbNoInquiryBox->Handle());
        EXPECT_TRUE(Processor().NoInquiryBox) << c.what;
        c.close(*form);
        EXPECT_FALSE(form->Visible()) << c.what;
        const TPEraseProcessor& processor = Processor();
        EXPECT_EQ(processor.SearchConditions, (Strings{L"*.~*", L".#*.*", L"*.tmp"})) << c.what;
        EXPECT_FALSE(processor.RecurseSubDir) << c.what;
        EXPECT_TRUE(processor.UseRecycleBox) << c.what;
        EXPECT_TRUE(processor.NoInquiryBox) << c.what;
        EXPECT_EQ(ReadBytes(File()), SettingsText(L"*.~*;.#*.*;*.tmp", "010")) << c.what;
    }
}

TEST_F(ConfigDialog, ThisTimeOnlyCopiesWithoutSaving)
{
    auto form = Open(false);
    ClickItem(form->lbxEraseCharSet->Handle(), 2);
    {
        BoxWatcher watcher(L"情報", L"OK");
        Click(form->btnDelChar->Handle());
    }
    Click(form->ckbRecurseSubDir->Handle());
    Click(form->ckbUseRecycleBox->Handle());
    Click(form->btnApplyThisTime->Handle());
    EXPECT_FALSE(form->Visible());
    const TPEraseProcessor& processor = Processor();
    EXPECT_EQ(processor.SearchConditions, (Strings{L"*.~*", L".#*.*"}));
    EXPECT_TRUE(processor.RecurseSubDir);
    EXPECT_FALSE(processor.UseRecycleBox);
    EXPECT_FALSE(processor.NoInquiryBox);
    EXPECT_EQ(ReadBytes(File()), SettingsText(L"*.~*;.#*.*;*.tmp", "010"));
}

TEST_F(ConfigDialog, KeyboardFollowsTheTabOrderAndOnlyTheFocusedButtonTakesEnter)
{
    auto form = Open(false);
    ClickItem(form->lbxEraseCharSet->Handle(), 0);  // so that 削除(&D) takes part
    form->lbxEraseCharSet->SetFocus();
    const std::vector<HWND> order = {
        form->btnAddChar->Handle(),       form->btnDelChar->Handle(),     form->ckbRecurseSubDir->Handle(),
        form->btnSave->Handle(),          form->btnApplyThisTime->Handle(), form->btnCancel->Handle(),
        form->btnAbout->Handle(),         form->ckbUseRecycleBox->Handle(), form->ckbNoInquiryBox->Handle(),
        form->lbxEraseCharSet->Handle(),
    };
    for (size_t i = 0; i < order.size(); ++i) {
        PressKey(VK_TAB);
        EXPECT_EQ(Focused(), order[i]) << "Tab " << i + 1;
    }
    // Enter and Escape on the list do nothing.
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->lbxEraseCharSet->Count(), 3);
    // Enter on the focused button presses it.
    form->btnAddChar->SetFocus();
    {
        BoxWatcher watcher(kInputTitle, L"キャンセル");
        PressKey(VK_RETURN);
        EXPECT_TRUE(watcher.Seen().found);
    }
    // Access keys with Alt.
    {
        BoxWatcher watcher({{kInputTitle, L"OK", L"*.alt"}});
        PressAltKey(L'a');
        EXPECT_TRUE(watcher.Seen().found);
    }
    EXPECT_EQ(form->lbxEraseCharSet->Item(3), L"*.alt");
    PressAltKey(L'c');
    EXPECT_FALSE(form->Visible());
}

TEST_F(ConfigDialog, VersionInformationShowsTheAboutBox)
{
    auto form = Open();
    BoxWatcher watcher(L"VARNEL ポフッと削除 のバージョン情報", L"閉じる(&C)");
    Click(form->btnAbout->Handle());
    const SeenBox& seen = watcher.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.buttons, (Strings{L"閉じる(&C)", L"ユーザー登録ページへ(&R)", L"お問い合せフォームへ(&T)"}));
    // The memo holds the two appendix lines.
    EXPECT_NE(seen.field.find(L"\r\n"), std::wstring::npos);
    EXPECT_NE(seen.field.find(L"静的に含んでいます。"), std::wstring::npos);
    RECT frame = seen.frame;
    EXPECT_GE(frame.right - frame.left, form->Scale(500));
    EXPECT_TRUE(form->Visible());
}

}  // namespace
