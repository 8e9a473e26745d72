#include <gtest/gtest.h>

#include <functional>

#include "core/PEraseClasses.h"
#include "dialogs/PEraseConfigForm.h"
#include "dialogs/PEraseSimpleExecForm.h"
#include "support/BoxWatcher.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"
#include "ui/Application.h"

namespace {

using TChange = TWindowStateLog::TChange;

// Every modal window of the program gives its owner back its input before it hides: hidden
// first, Windows would hand the activation to another program, and the dialog underneath would
// end up behind whatever the user had open. Wine keeps the activation in the program either
// way, so the order itself is what is checked.
TEST(ModalWindows, EnableTheirOwnerBeforeTheyHide)
{
    TestSettings settings;
    settings.Write(L"*.~*;.#*.*;*.tmp", "000");
    TPEraseProcessor& processor = settings.Processor();

    struct Case {
        const char* what;
        std::function<std::unique_ptr<TForm>()> owner;
        std::function<HWND(TForm&)> button;  // the button that opens the modal window
        BoxAnswer answer;
    };
    auto settingsDialog = [&] {
        auto form = std::make_unique<T_frmConfig>(processor);
        form->Show();
        ClickItem(form->lbxEraseCharSet->Handle(), 1);
        return std::unique_ptr<TForm>(std::move(form));
    };
    auto confirmAll = [&] {
        auto form = std::make_unique<T_frmSimpleExec>(processor, settings.Dir() / L"target");
        form->Show();
        return std::unique_ptr<TForm>(std::move(form));
    };
    const Case cases[] = {
        {"the message box of 削除(&D)", settingsDialog,
         [](TForm& f) { return static_cast<T_frmConfig&>(f).btnDelChar->Handle(); }, {L"情報", L"キャンセル"}},
        {"the input box of 追加(&A)", settingsDialog,
         [](TForm& f) { return static_cast<T_frmConfig&>(f).btnAddChar->Handle(); },
         {L"ファイル名の検索条件を入力してください。", L"キャンセル"}},
        {"the about box", settingsDialog, [](TForm& f) { return static_cast<T_frmConfig&>(f).btnAbout->Handle(); },
         {L"VARNEL ポフッと削除 のバージョン情報", L"閉じる(&C)"}},
        {"the settings dialog over the confirm-all dialog", confirmAll,
         [](TForm& f) { return static_cast<T_frmSimpleExec&>(f).btnConfig->Handle(); },
         {L"ポフッと削除する条件の設定", L"キャンセル(&C)"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TForm> owner = c.owner();
        TWindowStateLog log;
        BoxWatcher watcher({c.answer});
        Click(c.button(*owner));
        ASSERT_TRUE(watcher.Seen().found) << c.what;
        int disabled = log.Last(TChange::Disabled, owner->Handle());
        int enabled = log.Last(TChange::Enabled, owner->Handle());
        int hidden = log.Last(TChange::Hidden, nullptr, c.answer.caption);
        EXPECT_GE(disabled, 0) << c.what << ": the owner took input meanwhile";
        EXPECT_GT(enabled, disabled) << c.what << ": the owner was not enabled again";
        EXPECT_GE(hidden, 0) << c.what << ": never hidden";
        EXPECT_LT(enabled, hidden) << c.what << ": hidden while its owner was still disabled";
        EXPECT_TRUE(IsWindowEnabled(owner->Handle())) << c.what;
    }
}

}  // namespace
