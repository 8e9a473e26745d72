#include <gtest/gtest.h>

#include <thread>

#include "program/ProgramLifetime.h"
#include "support/BoxWatcher.h"
#include "support/LayoutCheck.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "ui/DeviceContext.h"
#include "ui/Form.h"
#include "ui/InputBox.h"
#include "ui/TextMeasure.h"
#include "ui/MessageBox.h"
#include "ui/TextWrap.h"

namespace {

// The program's font at 96 DPI in a screen DC, for measuring.
class FontDC {
public:
    FontDC() : fonts_(96), font_(screen_.Get(), fonts_.Get(false)) {}
    HDC Get() const { return screen_.Get(); }
    int Width(const std::wstring& text) const
    {
        SIZE size{};
        GetTextExtentPoint32W(Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    TClientDC screen_;
    TProgramFonts fonts_;
    TSelectObject font_;
};

TEST(WrapText, BreaksAtBlanksElseInsideWordsAndAtEveryLineBreak)
{
    FontDC dc;
    int abc = dc.Width(L"abc");
    struct Case {
        std::wstring text;
        int width;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {L"abc def", 10000, {L"abc def"}},
        {L"abc def", dc.Width(L"abc d"), {L"abc", L"def"}},
        {L"abc  def", dc.Width(L"abc d"), {L"abc ", L"def"}},
        {L"abcdef", abc, {L"abc", L"def"}},
        {L"a\rb\r\nc\nd", 10000, {L"a", L"b", L"c", L"d"}},
        {L"a\r\rb", 10000, {L"a", L"", L"b"}},
        {L"", 10000, {L""}},
        // Wider than the width, a single character still makes a line.
        {L"ab", 1, {L"a", L"b"}},
        // A surrogate pair stays whole.
        {L"\U00020BB7\U00020BB7", 1, {L"\U00020BB7", L"\U00020BB7"}},
        {L"削除削除削", dc.Width(L"削除"), {L"削除", L"削除", L"削"}},
    };
    for (const Case& c : cases) EXPECT_EQ(WrapText(dc.Get(), c.text, c.width), c.lines) << Narrow(c.text);
}

TEST(MessageDialog, KindsButtonsAndAnswers)
{
    struct Case {
        const char* what;
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        BoxAnswer answer;
        std::vector<std::wstring> shown;
        TModalResult result;
    };
    const Case cases[] = {
        {"error OK", TMsgDlgType::Error, TMsgDlgButtons::Ok, {L"エラー", L"OK"}, {L"OK"}, TModalResult::Ok},
        {"error Escape presses OK", TMsgDlgType::Error, TMsgDlgButtons::Ok, {L"エラー", L"", {}, VK_ESCAPE}, {L"OK"},
         TModalResult::Ok},
        {"error Enter", TMsgDlgType::Error, TMsgDlgButtons::Ok, {L"エラー", L"", {}, VK_RETURN}, {L"OK"},
         TModalResult::Ok},
        {"question OK", TMsgDlgType::Information, TMsgDlgButtons::OkCancel, {L"情報", L"OK"}, {L"OK", L"キャンセル"},
         TModalResult::Ok},
        {"question キャンセル", TMsgDlgType::Information, TMsgDlgButtons::OkCancel, {L"情報", L"キャンセル"},
         {L"OK", L"キャンセル"}, TModalResult::Cancel},
        {"question Escape", TMsgDlgType::Information, TMsgDlgButtons::OkCancel, {L"情報", L"", {}, VK_ESCAPE},
         {L"OK", L"キャンセル"}, TModalResult::Cancel},
        {"question Enter", TMsgDlgType::Information, TMsgDlgButtons::OkCancel, {L"情報", L"", {}, VK_RETURN},
         {L"OK", L"キャンセル"}, TModalResult::Ok},
        {"question close box", TMsgDlgType::Information, TMsgDlgButtons::OkCancel,
         {L"情報", L"", {}, 0, true}, {L"OK", L"キャンセル"}, TModalResult::Cancel},
    };
    for (const Case& c : cases) {
        BoxWatcher watcher({c.answer});
        TModalResult result = MessageDlg(L"本文 & そのまま", c.type, c.buttons);
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.found) << c.what;
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(seen.buttons, c.shown) << c.what;
        EXPECT_EQ(Narrow(seen.defaultButton), "OK") << c.what;
        EXPECT_EQ(Narrow(seen.text), "本文 & そのまま") << c.what;
        EXPECT_EQ(seen.icon, c.type == TMsgDlgType::Error ? TIconKind::Error : TIconKind::Information) << c.what;
    }
}

TEST(MessageDialog, ACaptionReplacesTheKindsTitle)
{
    BoxWatcher watcher(kApplicationTitle, L"OK");
    EXPECT_EQ(MessageDlg(L"失敗しました.", TMsgDlgType::Error, TMsgDlgButtons::Ok, kApplicationTitle),
              TModalResult::Ok);
    EXPECT_TRUE(watcher.Seen().found);
}

// The box stays inside the work area and centred on the screen, its text inside the box, on as
// many lines as the text needs.
TEST(MessageDialog, LongTextWrapsInsideTheBoxAndTheScreen)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int lineHeight = MeasureCaption(L"A").cy;
    struct Case {
        std::wstring text;
        int minLines;
        int maxLines;
    };
    const Case cases[] = {
        {L"短い", 1, 1},
        {L"一行目\r二行目", 2, 2},
        {std::wstring(255, L'a') + L" はすでに登録されています。", 3, 10},
        {std::wstring(255, L'W') + L"\r" + std::wstring(200, L'あ'), 4, 20},
    };
    for (const Case& c : cases) {
        BoxWatcher watcher(L"エラー", L"OK");
        MessageDlg(c.text, TMsgDlgType::Error);
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.text, c.text);
        EXPECT_GE(seen.frame.left, work.left);
        EXPECT_LE(seen.frame.right, work.right);
        EXPECT_GE(seen.frame.top, work.top);
        EXPECT_LE(seen.frame.bottom, work.bottom);
        EXPECT_NEAR((seen.frame.left + seen.frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
        EXPECT_NEAR((seen.frame.top + seen.frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        EXPECT_GT(seen.textBounds.left, seen.frame.left);
        EXPECT_LT(seen.textBounds.right, seen.frame.right);
        int lines = (seen.textBounds.bottom - seen.textBounds.top) / lineHeight;
        EXPECT_GE(lines, c.minLines) << Narrow(c.text);
        EXPECT_LE(lines, c.maxLines) << Narrow(c.text);
    }
}

TEST(MessageDialog, IsModalOverTheWindowThatAsks)
{
    TForm asker({L"asker", TFormBorder::Dialog, false, 200, 100});
    asker.Show();
    bool askerDisabled = false;
    BoxWatcher watcher(L"情報", L"OK");
    std::thread look([&] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !(box = FindShownWindow(L"情報")); ++i) Sleep(10);
        askerDisabled = box && !IsWindowEnabled(asker.Handle());
    });
    MessageDlg(L"本文", TMsgDlgType::Information);
    look.join();
    EXPECT_EQ(watcher.Seen().owner, asker.Handle());
    EXPECT_TRUE(askerDisabled);
    EXPECT_TRUE(IsWindowEnabled(asker.Handle()));
    EXPECT_EQ(GetActiveWindow(), asker.Handle());
}

// The system's icon is drawn for the box's DPI, also after the box moves to another scale.
TEST(MessageDialog, TheSystemIconComesAtTheBoxsScale)
{
    std::vector<int> sizes;
    BoxAnswer answer{L"エラー", L"OK"};
    answer.before = [&](HWND box) {
        HWND image = FindWindowExW(box, nullptr, L"Static", nullptr);
        while (image && !(GetWindowLongW(image, GWL_STYLE) & SS_ICON)) image = FindWindowExW(box, image, L"Static", nullptr);
        RECT client{};
        GetClientRect(box, &client);
        for (UINT dpi : kDpis) {
            SendDpiChanged(box, dpi, {client.right, client.bottom});
            sizes.push_back(IconWidth(reinterpret_cast<HICON>(SendMessageW(image, STM_GETICON, 0, 0))));
        }
    };
    BoxWatcher watcher({answer});
    MessageDlg(L"本文", TMsgDlgType::Error);
    ASSERT_TRUE(watcher.Seen().found);
    EXPECT_EQ(watcher.Seen().icon, TIconKind::Error);
    std::vector<int> expected;
    for (UINT dpi : kDpis) expected.push_back(MulDiv(32, static_cast<int>(dpi), 96));
    EXPECT_EQ(sizes, expected);
}

TEST(InputBox, AnswersAndTheField)
{
    struct Case {
        const char* what;
        BoxAnswer answer;
        bool accepted;
        std::wstring value;
    };
    const std::wstring typed300(300, L'x');
    const Case cases[] = {
        {"OK keeps the text", {L"入力", L"OK"}, true, L"*.tmp"},
        {"typed over the selection", {L"入力", L"OK", L" *.bak "}, true, L" *.bak "},
        {"Enter is OK", {L"入力", L"", L"*.x", VK_RETURN}, true, L"*.x"},
        {"at most 255 characters", {L"入力", L"OK", typed300}, true, std::wstring(255, L'x')},
        {"キャンセル", {L"入力", L"キャンセル", L"*.y"}, false, L"*.tmp"},
        {"Escape", {L"入力", L"", L"*.y", VK_ESCAPE}, false, L"*.tmp"},
        {"close box", {L"入力", L"", L"*.y", 0, true}, false, L"*.tmp"},
    };
    for (const Case& c : cases) {
        std::wstring value = L"*.tmp";
        BoxWatcher watcher({c.answer});
        bool accepted = InputQuery(L"入力", L"ワイルドカード（*・?）を使用することができます。", value);
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.found) << c.what;
        EXPECT_EQ(accepted, c.accepted) << c.what;
        EXPECT_EQ(Narrow(value), Narrow(c.value)) << c.what;
        // Opened with the caller's text, all of it selected.
        EXPECT_EQ(Narrow(seen.field), "*.tmp") << c.what;
        EXPECT_EQ(seen.selection, (std::pair<int, int>{0, 5})) << c.what;
        EXPECT_EQ(Narrow(seen.text), "ワイルドカード（*・?）を使用することができます。") << c.what;
        EXPECT_EQ(seen.buttons, (std::vector<std::wstring>{L"OK", L"キャンセル"})) << c.what;
        EXPECT_TRUE(seen.hasCloseBox) << c.what;
    }
}

}  // namespace
