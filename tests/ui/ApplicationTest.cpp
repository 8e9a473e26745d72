#include <gtest/gtest.h>

#include <stdexcept>

#include "program/ProgramLifetime.h"
#include "support/BoxWatcher.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

constexpr const wchar_t* kTitle = kApplicationTitle;
constexpr UINT kThrow = WM_APP + 10;
constexpr UINT kCount = WM_APP + 11;

// What a form had handled when it was destroyed.
struct Fate {
    bool destroyed = false;
    int counted = 0;
};

// A form whose handlers can be made to throw, counting what it handled.
class ProbeForm : public TForm {
public:
    explicit ProbeForm(Fate* fate = nullptr) : TForm({L"probe", TFormBorder::Dialog, false, 200, 100}), fate_(fate) {}
    ~ProbeForm() override
    {
        if (fate_) *fate_ = {true, counted};
    }

    int counted = 0;
    int shown = 0;
    bool throwOnShow = false;

protected:
    void FormShow() override
    {
        ++shown;
        if (throwOnShow) throw Exception(L"表示に失敗しました");
    }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == kThrow) {
            if (wParam) throw std::runtime_error("runtime failure");
            throw Exception(L"ハンドラで失敗しました");
        }
        if (msg == kCount) {
            ++counted;
            return 0;
        }
        return TForm::WndProc(msg, wParam, lParam);
    }

private:
    Fate* fate_;
};

// Each test starts with a fresh application object.
class App : public testing::Test {
protected:
    void SetUp() override
    {
        FinalizeApplication();
        StartApplication();
    }
    void TearDown() override
    {
        FinalizeApplication();
        StartApplication();
    }
};

TEST(ExceptionDisplay, AddsAFullStopUnlessTheTextEndsAtOrBelowIt)
{
    struct Case {
        std::wstring message;
        std::wstring shown;
    };
    const Case cases[] = {
        {L"abc", L"abc."},     {L"abc.", L"abc."},   {L"abc!", L"abc!"},         {L"a ", L"a "},
        {L"a/", L"a/."},       {L"", L""},          {L"削除できません", L"削除できません."},
        {L"終了。", L"終了。."}, {L"(1)", L"(1)"},   {L"a-", L"a-"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(ExceptionDisplayText(c.message)), Narrow(c.shown));
}

TEST_F(App, HandlerExceptionIsShownInTheDefaultBox)
{
    ProbeForm form;
    struct Case {
        WPARAM runtime;
        std::wstring text;
    };
    for (const Case& c : {Case{0, L"ハンドラで失敗しました."}, Case{1, L"runtime failure."}}) {
        BoxWatcher watcher(kTitle, L"OK");
        SendMessageW(form.Handle(), kThrow, c.runtime, 0);
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(Narrow(seen.text), Narrow(c.text));
        EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
        EXPECT_EQ(seen.icon, TIconKind::Error);
    }
    // The window survived its handler's failure.
    EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST_F(App, OnExceptionReplacesTheDefaultBox)
{
    std::wstring caught;
    Application().OnException = [&](const std::exception& e) { caught = ExceptionText(e); };
    ProbeForm form;
    SendMessageW(form.Handle(), kThrow, 0, 0);
    EXPECT_EQ(Narrow(caught), Narrow(L"ハンドラで失敗しました"));
}

// Where the display itself cannot be shown (no window of ours can be made: a start that failed
// there), the system's own box says the error, under the title and with the error icon.
TEST_F(App, AnErrorTheDisplayCannotShowIsSaidInTheSystemsBox)
{
    Application().OnException = [](const std::exception&) { throw Exception(L"表示できません"); };
    ProbeForm form;
    std::wstring boxClass;
    std::wstring text;
    BoxAnswer answer{kTitle, L"OK"};
    answer.before = [&](HWND box) {
        boxClass.resize(16);
        boxClass.resize(static_cast<size_t>(GetClassNameW(box, boxClass.data(), 16)));
        // The system box's text stands in its control 0xFFFF.
        text = WindowText(GetDlgItem(box, 0xFFFF));
    };
    BoxWatcher watcher({answer});
    SendMessageW(form.Handle(), kThrow, 0, 0);
    const SeenBox& seen = watcher.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(Narrow(boxClass), "#32770");
    EXPECT_EQ(Narrow(text), Narrow(L"ハンドラで失敗しました."));
    EXPECT_EQ(seen.icon, TIconKind::Error);
}

TEST_F(App, RunReturnsAtOnceWithoutAMainForm)
{
    EXPECT_EQ(Application().MainForm(), nullptr);
    auto start = std::chrono::steady_clock::now();
    Application().Run();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(App, FirstCreatedFormIsTheMainFormAndClosingItEndsRun)
{
    ProbeForm& first = Application().CreateForm<ProbeForm>();
    ProbeForm& second = Application().CreateForm<ProbeForm>();
    EXPECT_EQ(Application().MainForm(), &first);
    PostMessageW(second.Handle(), WM_CLOSE, 0, 0);
    PostMessageW(first.Handle(), kCount, 0, 0);
    PostMessageW(first.Handle(), WM_CLOSE, 0, 0);
    Application().Run();
    EXPECT_EQ(first.counted, 1);
    EXPECT_EQ(first.shown, 1);
    EXPECT_FALSE(second.Visible());
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(App, FormsAreOwnedByTheApplicationWindowAndCentred)
{
    ProbeForm form;
    EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), Application().Handle());
    form.Show();
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, form.Scale(200));
    EXPECT_EQ(client.bottom, form.Scale(100));
    wchar_t title[64]{};
    GetWindowTextW(Application().Handle(), title, 64);
    EXPECT_EQ(Narrow(title), Narrow(kTitle));
}

TEST_F(App, ProcessMessagesHandlesWhatIsWaitingAndReturns)
{
    ProbeForm form;
    for (int i = 0; i < 3; ++i) PostMessageW(form.Handle(), kCount, 0, 0);
    Application().ProcessMessages();
    EXPECT_EQ(form.counted, 3);
    Application().ProcessMessages();
    EXPECT_EQ(form.counted, 3);
}

TEST_F(App, ReleaseDestroysTheFormAfterTheWaitingMessages)
{
    Fate fate;
    ProbeForm& form = Application().CreateForm<ProbeForm>(&fate);
    PostMessageW(form.Handle(), kCount, 0, 0);
    form.Release();
    EXPECT_FALSE(fate.destroyed);
    EXPECT_TRUE(WaitFor([&] { return fate.destroyed; }));
    EXPECT_EQ(fate.counted, 1);
    EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(App, ShowHandlerFailureIsShownAndTheFormStillOpens)
{
    std::wstring caught;
    Application().OnException = [&](const std::exception& e) { caught = ExceptionText(e); };
    ProbeForm form;
    form.throwOnShow = true;
    form.Show();
    EXPECT_EQ(Narrow(caught), Narrow(L"表示に失敗しました"));
    EXPECT_TRUE(form.Visible());
}

}  // namespace
