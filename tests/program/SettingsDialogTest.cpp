#include <optional>
#include <utility>
#include <vector>

#include "base/TextConvert.h"
#include "program/ProgramCopy.h"
#include "support/DialogDriver.h"

namespace {

// The program in a fresh folder, where it keeps its settings file.
class SettingsDialog : public ProgramCopy {
protected:
    // Adds a condition in the settings dialog, ticks no-confirmation and saves; a refused save
    // would keep the dialog open behind its error box, and the program would not end.
    void SaveCondition(const std::wstring& condition)
    {
        StartedProcess program(Exe(), L"");
        HWND dialog = WaitForShownWindow(kSettingsDialog, program.Id());
        ASSERT_NE(dialog, nullptr);
        {
            BoxWatcher watcher({{L"ファイル名の検索条件を入力してください。", L"OK", condition}}, program.Id());
            Press(dialog, L"追加(&A)");
            ASSERT_TRUE(watcher.Seen().found);
        }
        Press(dialog, L"確認せずにポフッと削除する(慣れた人向け)");
        Press(dialog, L"保存(&S)");
        EXPECT_EQ(program.Wait(std::chrono::seconds(10)), 0);
    }
};

// No argument, or exactly one whatever it says: the settings dialog is the only window, and
// closing it ends the program.
TEST_F(SettingsDialog, OpensAloneWithoutAFolderAndClosingItEnds)
{
    for (const wchar_t* arguments : {L"", L" RevorErase", L" others", L" unknown", L" \"\" RevorErase"}) {
        StartedProcess program(Exe(), arguments);
        HWND dialog = WaitForShownWindow(kSettingsDialog, program.Id());
        ASSERT_NE(dialog, nullptr) << Narrow(arguments);
        EXPECT_EQ(ShownWindows(program.Id()), std::vector<HWND>{dialog}) << Narrow(arguments);
        Press(dialog, L"キャンセル(&C)");
        EXPECT_EQ(program.Wait(), 0) << Narrow(arguments);
        EXPECT_FALSE(Exists(SettingsFile())) << Narrow(arguments);
    }
}

// A condition added and saved in the dialog is in the settings file, and the next cleanup
// uses it.
TEST_F(SettingsDialog, ASavedConditionIsUsedByTheNextCleanup)
{
    SaveCondition(L"  *.bak  ");
    std::string saved = ReadBytes(SettingsFile());
    EXPECT_NE(saved.find("SearchCondition=*.~*;.#*.*;*.bak\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("NoInquiryBox=1\r\n"), std::string::npos) << saved;

    MakeTree(Work(), {L"a.bak", L"keep.txt", L"b.~x"});
    EXPECT_EQ(RunProcess(Exe(), L" RevorErase \"" + Work() + L"\""), 0);
    EXPECT_EQ(ListTree(Work()), std::vector<std::wstring>{L"keep.txt"});
}

// On a system whose ANSI code page is UTF-8 ("Use Unicode UTF-8 for worldwide language support")
// any condition is saved, as UTF-8, and the next cleanup reads it back and uses it. Run under that
// code page by its own test (Wine takes it from a locale without an ANSI code page of its own).
TEST_F(SettingsDialog, UnderUtf8AnyConditionIsSavedAndUsedByTheNextCleanup)
{
    if (GetACP() != CP_UTF8) GTEST_SKIP() << "the system's ANSI code page is " << GetACP() << ", not UTF-8";
    SaveCondition(L"*.한글😀");
    std::string saved = ReadBytes(SettingsFile());
    EXPECT_NE(saved.find(ToUtf8(L"SearchCondition=*.~*;.#*.*;*.한글😀\r\n")), std::string::npos) << saved;

    MakeTree(Work(), {L"a.한글😀", L"keep.한글", L"b.~x"});
    EXPECT_EQ(RunProcess(Exe(), L" RevorErase \"" + Work() + L"\""), 0);
    EXPECT_EQ(ListTree(Work()), std::vector<std::wstring>{L"keep.한글"});
}

// Visual styles on for the programs started meanwhile: the platform's light theme. Each value
// is put back as it was afterwards, absent ones removed: the tests after this one share the
// prefix, and Wine writes a theme key it finds missing anew, active.
class VisualStyles {
public:
    VisualStyles()
    {
        Set(L"ThemeActive", L"1");
        Set(L"DllName", L"C:\\windows\\resources\\themes\\light\\light.msstyles");
        Set(L"ColorName", L"Blue");
        Set(L"SizeName", L"NormalSize");
    }
    ~VisualStyles()
    {
        for (const auto& [name, before] : before_) {
            if (before) {
                Write(name, *before);
            } else {
                RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, name.c_str());
            }
        }
    }
    VisualStyles(const VisualStyles&) = delete;
    VisualStyles& operator=(const VisualStyles&) = delete;

private:
    static constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    static void Write(const std::wstring& name, const std::wstring& value)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name.c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    void Set(const wchar_t* name, const std::wstring& value)
    {
        wchar_t old[MAX_PATH]{};
        DWORD size = sizeof(old);
        bool had = RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS;
        before_.emplace_back(name, had ? std::optional<std::wstring>(old) : std::nullopt);
        Write(name, value);
    }

    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> before_;
};

// The push buttons draw their captions in blue, with visual styles on too; a disabled one as
// the platform draws a disabled caption.
TEST_F(SettingsDialog, ButtonCaptionsAreBlueWithVisualStylesOn)
{
    ASSERT_TRUE(Exists(L"C:\\windows\\resources\\themes\\light\\light.msstyles"));
    VisualStyles styles;
    StartedProcess program(Exe(), L"");
    HWND dialog = WaitForShownWindow(kSettingsDialog, program.Id());
    ASSERT_NE(dialog, nullptr);
    // In a new prefix the theme arrives after the first paint, and every button is drawn again:
    // each is looked at until it shows its caption, not once.
    for (const wchar_t* enabled : {L"追加(&A)", L"キャンセル(&C)", L"保存(&S)", L"バージョン情報(&V)"})
        EXPECT_TRUE(WaitFor([&] { return BluePixels(FindChild(dialog, L"Button", enabled)) > 10; })) << Narrow(enabled);
    EXPECT_EQ(BluePixels(FindChild(dialog, L"Button", L"削除(&D)")), 0);
    EXPECT_EQ(BluePixels(FindChild(dialog, L"Button", L"今回だけこの設定で削除(&T)")), 0);
    Press(dialog, L"キャンセル(&C)");
    EXPECT_EQ(program.Wait(), 0);
}

}  // namespace
