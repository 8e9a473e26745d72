#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <memory>

#include "support/BoxWatcher.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"
#include "base/Exception.h"
#include "base/Handles.h"
#include "ui/Animate.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

namespace {

// A small dialog: a list, two buttons (blue and the platform's), a check box and a cancel
// button, in that tab order; it counts what their handlers saw.
class Panel : public TForm {
public:
    Panel() : TForm({L"controls", TFormBorder::Dialog, false, 300, 200})
    {
        list = std::make_unique<TListBox>(*this, TBounds{8, 8, 120, 100}, akLeft | akTop);
        list->OnUserSelect = [this] { ++changes; };
        blue = std::make_unique<TButton>(*this, TBounds{140, 8, 75, 25}, akTop | akRight, L"青(&B)");
        blue->SetCaptionColor(kDialogButtonCaption);
        blue->OnClick = [this] { ++blueClicks; };
        plain = std::make_unique<TButton>(*this, TBounds{140, 40, 75, 25}, akTop | akRight, L"普通(&P)");
        plain->OnClick = [this] { ++plainClicks; };
        check = std::make_unique<TCheckBox>(*this, TBounds{8, 120, 200, kCheckBoxHeight}, akLeft | akTop, L"箱(&X)");
        check->OnClick = [this] { checkStates.push_back(check->Checked()); };
        cancel = std::make_unique<TButton>(*this, TBounds{140, 160, 75, 25}, akBottom, L"取消");
        cancel->SetCancel(true);
        cancel->OnClick = [this] { ++cancels; };
    }
    std::unique_ptr<TListBox> list;
    std::unique_ptr<TButton> blue, plain;
    std::unique_ptr<TCheckBox> check;
    std::unique_ptr<TButton> cancel;
    int changes = 0, blueClicks = 0, plainClicks = 0, cancels = 0;
    std::vector<bool> checkStates;
};

TEST(ListBox, EntriesSelectionAndUserChanges)
{
    Panel panel;
    panel.list->SetItems({L"*.~*", L".#*.*", L"*.tmp"});
    panel.list->Add(L"*.TMP");
    panel.list->Add(L"");
    EXPECT_EQ(panel.list->Items(), (std::vector<std::wstring>{L"*.~*", L".#*.*", L"*.tmp", L"*.TMP", L""}));
    EXPECT_EQ(panel.list->ItemIndex(), -1);
    panel.list->SetItemIndex(1);  // the program's choice: no notification
    EXPECT_EQ(panel.changes, 0);
    ClickItem(panel.list->Handle(), 2);
    EXPECT_EQ(panel.list->ItemIndex(), 2);
    EXPECT_EQ(panel.changes, 1);
    panel.list->DeleteSelected();
    EXPECT_EQ(panel.list->Items(), (std::vector<std::wstring>{L"*.~*", L".#*.*", L"*.TMP", L""}));
    EXPECT_EQ(panel.list->ItemIndex(), -1);
    panel.list->DeleteSelected();  // nothing selected: nothing removed
    EXPECT_EQ(panel.list->Count(), 4);
    panel.list->SetItems({});
    EXPECT_EQ(panel.list->Count(), 0);
}

TEST(CheckBox, NotifiesTheUsersChangesOnly)
{
    Panel panel;
    panel.check->SetChecked(true);
    EXPECT_TRUE(panel.check->Checked());
    EXPECT_TRUE(panel.checkStates.empty());
    Click(panel.check->Handle());
    Click(panel.check->Handle());
    EXPECT_EQ(panel.checkStates, (std::vector<bool>{false, true}));
}

TEST(Button, CaptionColourAlsoWhenDisabledFollowsThePlatform)
{
    Panel panel;
    panel.Show();
    EXPECT_GT(BluePixels(panel.blue->Handle()), 10);
    EXPECT_EQ(BluePixels(panel.plain->Handle()), 0);
    panel.blue->SetEnabled(false);
    EXPECT_EQ(BluePixels(panel.blue->Handle()), 0);
}

TEST(Button, EnterPressesTheFocusedButtonAndEscapeTheCancelRole)
{
    Panel panel;
    panel.Show();
    ASSERT_TRUE(WaitFor([&] { return Focused() == panel.list->Handle(); }));
    PressKey(VK_RETURN);  // on the list: no default button, nothing pressed
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), panel.blue->Handle());
    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    EXPECT_EQ(panel.blueClicks, 1);
    EXPECT_EQ(panel.plainClicks, 1);
    // Only the focused push button looks the default.
    EXPECT_EQ(GetWindowLongW(panel.plain->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(panel.blue->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(panel.cancels, 1);
    panel.cancel->SetEnabled(false);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(panel.cancels, 1);
    PressAltKey(L'b');
    EXPECT_EQ(panel.blueClicks, 2);
    PressAltKey(L'x');
    EXPECT_EQ(panel.checkStates, std::vector<bool>{true});
    EXPECT_TRUE(panel.Visible());
}

// The default button is known by its window: Enter presses it while the focus is off the push
// buttons, only push buttons count and are restyled, the form names it by the id it has now,
// and a default button that goes leaves no default behind.
TEST(Button, TheDefaultButtonIsNamedByItsIdAsItIsNowAndGoesWithIt)
{
    auto looksDefault = [](const TButton& button) {
        return (GetWindowLongW(button.Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    Panel panel;
    panel.Show();
    panel.plain->SetDefault(true);
    ASSERT_TRUE(WaitFor([&] { return Focused() == panel.list->Handle(); }));
    PressKey(VK_RETURN);
    EXPECT_EQ(panel.plainClicks, 1);
    EXPECT_TRUE(looksDefault(*panel.plain));
    EXPECT_FALSE(looksDefault(*panel.blue));
    // From a push button to the check box, which is none: the default button looks it again.
    panel.blue->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return looksDefault(*panel.blue) && !looksDefault(*panel.plain); }));
    panel.check->SetFocus();
    EXPECT_TRUE(WaitFor([&] { return looksDefault(*panel.plain) && !looksDefault(*panel.blue); }));
    EXPECT_EQ(GetWindowLongW(panel.check->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);

    int id = GetDlgCtrlID(panel.plain->Handle());
    EXPECT_EQ(SendMessageW(panel.Handle(), DM_GETDEFID, 0, 0), MAKELRESULT(id, DC_HASDEFID));
    panel.plain->SetCancel(true);
    EXPECT_EQ(SendMessageW(panel.Handle(), DM_GETDEFID, 0, 0), MAKELRESULT(IDCANCEL, DC_HASDEFID));

    panel.plain.reset();
    EXPECT_EQ(SendMessageW(panel.Handle(), DM_GETDEFID, 0, 0), 0);
    panel.list->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_EQ(panel.blueClicks + panel.cancels, 0);
    EXPECT_TRUE(panel.Visible());
}

TEST(Form, DisablingTheFocusedControlHandsTheFocusOn)
{
    Panel panel;
    panel.Show();
    panel.blue->SetFocus();
    panel.blue->SetEnabled(false);
    EXPECT_EQ(Focused(), panel.plain->Handle());
}

// A control anchored only at the bottom keeps its distance to the bottom and its size, and its
// centre keeps its fraction of the width.
TEST(Form, BottomAnchoredControlsSpreadInProportion)
{
    Panel panel;
    struct Case {
        int width, height;
        RECT cancel;  // 96-DPI pixels
    };
    const Case cases[] = {
        {300, 200, {140, 160, 215, 185}},
        {600, 200, {317, 160, 392, 185}},  // centre 177 of 300 becomes 354 of 600
        {300, 400, {140, 360, 215, 385}},
        {150, 100, {52, 60, 127, 85}},
    };
    for (const Case& c : cases) {
        panel.SetClientSize(c.width, c.height);
        RECT r = BoundsInParent(panel.cancel->Handle());
        EXPECT_EQ(r.left, panel.Scale(c.cancel.left)) << c.width << "x" << c.height;
        EXPECT_EQ(r.top, panel.Scale(c.cancel.top)) << c.width << "x" << c.height;
        EXPECT_EQ(r.right - r.left, panel.Scale(75));
        EXPECT_EQ(r.bottom - r.top, panel.Scale(25));
        // The list (left and top) stays.
        EXPECT_EQ(BoundsInParent(panel.list->Handle()).left, panel.Scale(8));
    }
}

// An animation whose player cannot make its windows (here: its parent is gone) says why, and its
// player thread has ended before the failure reaches the caller.
TEST(Animation, APlayerThatCannotStartIsReportedAfterItHasEnded)
{
    Panel form;
    HWND gone = TControl(form, {L"STATIC", L"", WS_VISIBLE, 0, {0, 0, 10, 10}}).Handle();
    auto threads = [] {
        int count = 0;
        FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
        THREADENTRY32 entry{sizeof(entry)};
        for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
            count += entry.th32OwnerProcessID == GetCurrentProcessId();
        return count;
    };
    int before = threads();
    try {
        TAnimate animation(form, gone, {0, 0, 100, 50}, {GetModuleHandleW(nullptr), MAKEINTRESOURCEW(100)}, 0, 23);
        FAIL() << "the player started on a parent that is gone";
    } catch (const EOSError& e) {
        EXPECT_NE(e.Message().find(L"アニメーション"), std::wstring::npos) << Narrow(e.Message());
    }
    EXPECT_EQ(threads(), before);
}

}  // namespace
