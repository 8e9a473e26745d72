#include <gtest/gtest.h>

#include <thread>

#include "base/Exception.h"
#include "support/LayoutCheck.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/Window.h"

namespace {

// A form with a stretching box, a right-anchored button and a cancel button.
class Sample : public TForm {
public:
    Sample() : TForm({L"sample", TFormBorder::Dialog, false, 500, 220})
    {
        memo = std::make_unique<TMemo>(*this, TBounds{12, 108, 475, 99}, akLeft | akTop | akRight | akBottom);
        action = std::make_unique<TButton>(*this, TBounds{340, 40, 147, 25}, akTop | akRight, L"実行(&R)");
        action->OnClick = [this] { ++actions; };
        cancel = std::make_unique<TButton>(*this, TBounds{340, 8, 147, 25}, akTop | akRight, L"閉じる(&C)");
        cancel->SetCancel(true);
        cancel->OnClick = [this] { Close(); };
    }
    std::unique_ptr<TMemo> memo;
    std::unique_ptr<TButton> action;
    std::unique_ptr<TButton> cancel;
    int actions = 0;
};

TEST(Forms, ButtonClickRunsItsHandler)
{
    Sample form;
    SendMessageW(form.action->Handle(), BM_CLICK, 0, 0);
    SendMessageW(form.action->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.actions, 2);
}

TEST(Forms, AnchorsFollowTheClientSize)
{
    Sample form;
    form.SetClientSize(600, 300);
    SIZE size = form.ClientSize96();
    EXPECT_EQ(size.cx, 600);
    EXPECT_EQ(size.cy, 300);
    RECT button = BoundsInParent(form.action->Handle());
    EXPECT_EQ(button.left, form.Scale(440));
    EXPECT_EQ(button.right - button.left, form.Scale(147));
    RECT memo = BoundsInParent(form.memo->Handle());
    EXPECT_EQ(memo.left, form.Scale(12));
    EXPECT_EQ(memo.right - memo.left, form.Scale(575));
    EXPECT_EQ(memo.bottom, form.Scale(287));
    form.action->SetBounds({340, 72, 147, 25});
    EXPECT_EQ(BoundsInParent(form.action->Handle()).top, form.Scale(72));
    EXPECT_EQ(BoundsInParent(form.action->Handle()).left, form.Scale(440));
}

TEST(Forms, ModalShowDisablesTheOthersAndEscapePressesCancel)
{
    Sample owner;
    owner.Show();
    Sample dialog;
    bool ownerDisabledMeanwhile = false;
    // Another thread looks at the owner while the dialog is up, then presses Escape.
    std::thread presser([&] {
        WaitFor([&] { return dialog.Visible(); }, std::chrono::seconds(5));
        ownerDisabledMeanwhile = !IsWindowEnabled(owner.Handle());
        PostMessageW(dialog.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    dialog.ShowModal();
    presser.join();
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.Modal());
}

TEST(Forms, CloseBoxEndsTheModalShow)
{
    Sample dialog;
    std::thread closer([&] {
        WaitFor([&] { return dialog.Visible(); }, std::chrono::seconds(5));
        PostMessageW(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    dialog.ShowModal();
    closer.join();
    EXPECT_FALSE(dialog.Visible());
}

// A child leaves the form's layout when it is destroyed, whatever made it, so a later layout
// or DPI change never reaches a window that is gone.
TEST(Forms, AChildLeavesTheLayoutWhenDestroyed)
{
    Sample form;
    auto label = std::make_unique<TLabel>(form, nullptr, 10, 10, L"ラベル");
    HWND labelHandle = label->Handle();
    auto control = std::make_unique<TControl>(form, TControlArgs{L"STATIC", L"x", WS_VISIBLE, 0, {10, 30, 50, 12}});
    HWND raw = control->Handle();
    HWND button = form.action->Handle();
    for (HWND child : {labelHandle, raw, button}) EXPECT_NE(form.ControlBounds(child), TBounds{});
    label.reset();
    DestroyWindow(raw);  // behind its object's back
    form.action.reset();
    for (HWND child : {labelHandle, raw, button}) EXPECT_EQ(form.ControlBounds(child), TBounds{});
    EXPECT_EQ(GetDlgItem(form.Handle(), IDCANCEL), form.cancel->Handle());
    EXPECT_EQ(form.Controls(), (std::vector<TControl*>{form.memo.get(), form.cancel.get()}));
    form.SetClientSize(600, 300);
    EXPECT_EQ(BoundsInParent(form.cancel->Handle()).left, form.Scale(440));
}

// A system call that fails is reported with the system's own text for its error.
TEST(Forms, AControlThatCannotBeCreatedIsReportedWithTheSystemsReason)
{
    Sample form;
    try {
        TControl(form, {L"NoSuchWindowClass", L"", WS_VISIBLE, 0, {0, 0, 10, 10}});
        FAIL() << "no exception";
    } catch (const EOSError& e) {
        // Windows says ERROR_CANNOT_FIND_WND_CLASS, Wine ERROR_CLASS_DOES_NOT_EXIST.
        EXPECT_TRUE(e.Code() == ERROR_CANNOT_FIND_WND_CLASS || e.Code() == ERROR_CLASS_DOES_NOT_EXIST) << e.Code();
        std::wstring reason = SystemErrorText(e.Code());
        EXPECT_FALSE(reason.empty());
        EXPECT_NE(reason.back(), L'\n');
        EXPECT_NE(e.Message().find(L"NoSuchWindowClass"), std::wstring::npos) << Narrow(e.Message());
        EXPECT_NE(e.Message().find(reason), std::wstring::npos) << Narrow(e.Message());
    }
}

// The title bar and the task bar draw a form's icons at the system's sizes for its DPI: each
// icon is made at its size, not one image for both. A dialog frame shows none in its title bar;
// the main form has its big icon on the task bar.
TEST(Forms, IconsComeAtTheSystemsSizesForTheFormsDpi)
{
    TForm sizeable({L"sizeable", TFormBorder::Sizeable, false, 200, 100});
    TForm mainDialog({L"main", TFormBorder::Dialog, false, 200, 100});
    mainDialog.BecomeMainForm([] {});
    auto icon = [](const TForm& form, WPARAM which) {
        return IconWidth(reinterpret_cast<HICON>(SendMessageW(form.Handle(), WM_GETICON, which, 0)));
    };
    for (UINT dpi : kDpis) {
        for (TForm* form : {&sizeable, &mainDialog}) SendDpiChanged(form->Handle(), dpi, {200, 100});
        int big = GetSystemMetricsForDpi(SM_CXICON, dpi);
        int small = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
        EXPECT_EQ(icon(sizeable, ICON_BIG), big) << dpi;
        EXPECT_EQ(icon(sizeable, ICON_SMALL), small) << dpi;
        EXPECT_EQ(icon(mainDialog, ICON_BIG), big) << dpi;
        EXPECT_EQ(icon(mainDialog, ICON_SMALL), 0) << dpi;
    }
}

}  // namespace
