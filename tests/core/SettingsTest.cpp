#include <gtest/gtest.h>

#include <iostream>

#include "base/Exception.h"
#include "base/Handles.h"
#include "core/PEraseClasses.h"
#include "support/TestSupport.h"

namespace {

// A settings file in a fresh folder, read and written through a real processor.
class Settings : public testing::Test {
protected:
    std::wstring File() const { return dir_ / L".\\PEConfig.ini"; }
    // The file in the system's ANSI code page, as the profile API reads and writes it.
    void WriteFile(const std::wstring& text) { WriteBytes(File(), AnsiBytes(text)); }
    std::wstring FileText() const { return FromAnsiBytes(ReadBytes(File())); }

    TempDir dir_;
};

// What the platform writes for a new file: the section, then the keys in order.
std::wstring NewFile(const std::wstring& conditions, const char* flags = "000")
{
    return std::wstring(L"[Config]\r\nSearchCondition=") + conditions + L"\r\nRecurseSubDir=" +
           wchar_t(flags[0]) + L"\r\nUseRecycleBox=" + wchar_t(flags[1]) + L"\r\nNoInquiryBox=" +
           wchar_t(flags[2]) + L"\r\n";
}

// A condition that the system's ANSI code page cannot hold: Korean for a Japanese or an English
// system; under UTF-8, which holds every character, a lone surrogate, which no code page holds.
std::wstring OutsideTheCodePage() { return AnsiCodePageHolds(L"한") ? L"\xD800" : L"한"; }

// Wine's writer puts one blank line before a section; Windows does not.
std::wstring WithoutLeadingBlankLine(std::wstring text)
{
    if (text.rfind(L"\r\n", 0) == 0) text.erase(0, 2);
    return text;
}

TEST(SettingsPath, IsTheExecutableFolderWithADotSegment)
{
    EXPECT_EQ(SettingsPathFor(L"C:\\Tools\\PofuttoErase.exe"), L"C:\\Tools\\.\\PEConfig.ini");
    EXPECT_EQ(SettingsPathFor(L"C:\\PofuttoErase.exe"), L"C:\\.\\PEConfig.ini");
    EXPECT_EQ(SettingsPathFor(L"D:\\ツール\\削除\\PofuttoErase.exe"), L"D:\\ツール\\削除\\.\\PEConfig.ini");
}

TEST_F(Settings, DefaultsWithoutAFileAndReadingCreatesNone)
{
    TPEraseProcessor processor(File());
    EXPECT_EQ(processor.SearchConditions, (TStringList{L"*.~*", L".#*.*"}));
    EXPECT_FALSE(processor.RecurseSubDir);
    EXPECT_FALSE(processor.UseRecycleBox);
    EXPECT_FALSE(processor.NoInquiryBox);
    EXPECT_FALSE(processor.UseAllConditions);
    EXPECT_EQ(processor.ConditionIndex, 0);
    EXPECT_EQ(processor.TargetFolder, L"");
    EXPECT_FALSE(Exists(File()));
}

// A missing section gives every default; a [Config] that lacks a key gives that key's default and
// the stored value of every other.
TEST_F(Settings, DefaultsForMissingSectionOrKeys)
{
    struct Case {
        const wchar_t* text;
        TStringList conditions;
        bool recurse, recycle, noInquiry;
    } const cases[] = {
        {L"[Other]\r\nSearchCondition=*.x\r\nRecurseSubDir=1\r\n", {L"*.~*", L".#*.*"}, false, false, false},
        {L"[Config]\r\nRecurseSubDir=1\r\nUseRecycleBox=1\r\nNoInquiryBox=1\r\n", {L"*.~*", L".#*.*"}, true, true, true},
        {L"[Config]\r\nSearchCondition=*.x\r\nUseRecycleBox=1\r\nNoInquiryBox=1\r\n", {L"*.x"}, false, true, true},
        {L"[Config]\r\nSearchCondition=*.x\r\nRecurseSubDir=1\r\nNoInquiryBox=1\r\n", {L"*.x"}, true, false, true},
        {L"[Config]\r\nSearchCondition=*.x\r\nRecurseSubDir=1\r\nUseRecycleBox=1\r\n", {L"*.x"}, true, true, false},
    };
    for (const Case& c : cases) {
        WriteFile(c.text);
        TPEraseProcessor processor(File());
        EXPECT_EQ(processor.SearchConditions, c.conditions) << Narrow(c.text);
        EXPECT_EQ(processor.RecurseSubDir, c.recurse) << Narrow(c.text);
        EXPECT_EQ(processor.UseRecycleBox, c.recycle) << Narrow(c.text);
        EXPECT_EQ(processor.NoInquiryBox, c.noInquiry) << Narrow(c.text);
    }
}

TEST_F(Settings, SavingTheDefaultsWritesTheDescribedFile)
{
    TPEraseProcessor processor(File());
    processor.SaveSettings();
    EXPECT_EQ(Narrow(WithoutLeadingBlankLine(FileText())), Narrow(NewFile(L"*.~*;.#*.*")));
}

TEST_F(Settings, SavesFlagsAsOneAndZero)
{
    TPEraseProcessor processor(File());
    processor.RecurseSubDir = true;
    processor.NoInquiryBox = true;
    processor.SaveSettings();
    EXPECT_EQ(Narrow(WithoutLeadingBlankLine(FileText())), Narrow(NewFile(L"*.~*;.#*.*", "101")));
}

TEST_F(Settings, ListsRoundTripThroughTheFileByteForByte)
{
    struct Case {
        TStringList items;
        std::wstring stored;
    };
    const Case cases[] = {
        {{}, L""},
        {{L""}, L"\"\""},
        {{L"a b"}, L"\"a b\""},
        {{L"\"q\""}, L"\"\"\"q\"\"\""},
        {{L"x", L"a b", L"y"}, L"x;\"a b\";y"},
        {{L"a b", L"c d"}, L"\"a b\";\"c d\""},
        {{L"a", L"", L"b"}, L"a;;b"},
        {{L"x", L"say \"hi\"", L"a;b"}, L"x;\"say \"\"hi\"\"\";\"a;b\""},
        // Where the system's code page holds Japanese (932).
        {{L"*.バックアップ", L"表*.～*", L"ソ*"}, L"*.バックアップ;表*.～*;ソ*"},
        {{L"", L"a"}, L";a"},
        {{L"a", L""}, L"a;"},
    };
    for (const auto& c : cases) {
        if (!AnsiCodePageHolds(c.stored)) {
            std::cout << "  (" << Narrow(c.stored) << " left out: the code page " << GetACP() << " cannot hold it)\n";
            continue;
        }
        {
            TPEraseProcessor writer(File());
            writer.SearchConditions = c.items;
            writer.SaveSettings();
        }
        EXPECT_EQ(ReadBytes(File()).find(AnsiBytes(L"\r\nSearchCondition=" + c.stored + L"\r\n")) != std::string::npos,
                  true)
            << Narrow(c.stored) << " in " << Narrow(FileText());
        TPEraseProcessor reader(File());
        EXPECT_EQ(reader.SearchConditions, c.items) << Narrow(c.stored);
    }
}

TEST_F(Settings, ReadsHandEditedValues)
{
    struct Case {
        std::wstring value;
        TStringList items;
    };
    const Case cases[] = {
        {L"", {}},
        {L"*.bak *.tmp", {L"*.bak", L"*.tmp"}},
        {L"  *.bak ;  *.tmp  ", {L"*.bak", L"*.tmp"}},
        {L"\"a b\"", {L"a b"}},
        {L"'a b'", {L"'a", L"b'"}},
        {L"\"a b\";\"c\"", {L"a b", L"c"}},
    };
    for (const auto& c : cases) {
        WriteFile(L"[Config]\r\nSearchCondition=" + c.value + L"\r\n");
        TPEraseProcessor reader(File());
        EXPECT_EQ(reader.SearchConditions, c.items) << Narrow(c.value);
    }
}

TEST_F(Settings, ReadsFlags)
{
    struct Case {
        std::wstring value;
        bool on;
    };
    const Case cases[] = {
        {L"1", true},   {L"0", false},     {L"2", true},      {L"-1", true},      {L"0x10", true},
        {L"$1", true},  {L"0x0", false},   {L"true", false},  {L"", false},       {L"1a", false},
        {L"on", false}, {L"2147483648", false}, {L" 1 ", true}, {L"\"1\"", true},
    };
    for (const auto& c : cases) {
        WriteFile(L"[Config]\r\nRecurseSubDir=" + c.value + L"\r\nUseRecycleBox=" + c.value + L"\r\nNoInquiryBox=" +
                  c.value + L"\r\n");
        TPEraseProcessor reader(File());
        EXPECT_EQ(reader.RecurseSubDir, c.on) << Narrow(c.value);
        EXPECT_EQ(reader.UseRecycleBox, c.on) << Narrow(c.value);
        EXPECT_EQ(reader.NoInquiryBox, c.on) << Narrow(c.value);
    }
}

TEST_F(Settings, LongListsReadBackWhole)
{
    TStringList items;
    // Japanese where the system's code page holds it (932), else plain letters.
    std::wstring word = AnsiCodePageHolds(L"条件") ? L"条件" : L"cond";
    for (int i = 0; i < 700; ++i) items.push_back(L"*." + word + std::to_wstring(i));
    {
        TPEraseProcessor writer(File());
        writer.SearchConditions = items;
        writer.SaveSettings();
    }
    ASSERT_GT(ListToText(items).size(), 5000u);
    TPEraseProcessor reader(File());
    EXPECT_EQ(reader.SearchConditions, items);
}

TEST_F(Settings, SavingKeepsOtherSectionsAndLines)
{
    WriteFile(L"; comment\r\n[Other]\r\nKey=Value\r\n[Config]\r\nRecurseSubDir=1\r\nExtra=keep\r\n");
    TPEraseProcessor processor(File());
    ASSERT_TRUE(processor.RecurseSubDir);
    processor.SaveSettings();
    std::wstring text = FileText();
    EXPECT_NE(text.find(L"; comment\r\n"), std::wstring::npos) << Narrow(text);
    EXPECT_NE(text.find(L"[Other]\r\nKey=Value\r\n"), std::wstring::npos) << Narrow(text);
    EXPECT_NE(text.find(L"RecurseSubDir=1\r\nExtra=keep\r\n"), std::wstring::npos) << Narrow(text);
}

TEST_F(Settings, ConditionOutsideTheCodePageIsRefusedNotTurnedIntoQuestionMarks)
{
    WriteFile(L"[Config]\r\nSearchCondition=*.old\r\n");
    std::string before = ReadBytes(File());
    TPEraseProcessor processor(File());
    const std::wstring outside = OutsideTheCodePage();
    processor.SearchConditions = {L"*.~*", L"*." + outside + L"x"};
    try {
        processor.SaveSettings();
        FAIL() << "saved a condition the file cannot hold";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(Narrow(e.Message()), Narrow(L"\"" + outside + L"\" は設定ファイルに保存できない文字のため、" + File() +
                                              L" に書き込めません"));
    }
    EXPECT_EQ(ReadBytes(File()), before);
    EXPECT_EQ(processor.SearchConditions, (TStringList{L"*.~*", L"*." + outside + L"x"}));
}

// Only a file that starts with FF FE (UTF-16 LE) is a Unicode settings file to the platform; one
// saved as UTF-8 with a mark, or as UTF-16 BE, is ANSI on Windows (Wine reads all three): there a
// condition its code page cannot hold is refused, never stored as '?'.
TEST_F(Settings, OnlyAUtf16LEFileStoresAnyCondition)
{
    struct Case {
        const char* what;
        std::string head;
        bool stores;
    };
    const Case cases[] = {
        {"UTF-16 LE", "\xFF\xFE", true},
        {"UTF-8 with a mark", "\xEF\xBB\xBF", false},
        {"UTF-16 BE", "\xFE\xFF", false},
        {"no mark", "", false},
    };
    for (const Case& c : cases) {
        WriteBytes(File(), c.head);
        TPEraseProcessor writer(File());
        writer.SearchConditions = {L"*.한글", L"😀*", L"*." + OutsideTheCodePage()};
        if (c.stores) {
            writer.SaveSettings();
            TPEraseProcessor reader(File());
            EXPECT_EQ(reader.SearchConditions, writer.SearchConditions) << c.what;
        } else {
            EXPECT_THROW(writer.SaveSettings(), EIniFileException) << c.what;
            EXPECT_EQ(ReadBytes(File()), c.head) << c.what;
        }
    }
}

// Saving must fail with the path in the message, leave the file as it was and keep the
// fields in memory.
void ExpectSaveFails(TPEraseProcessor& processor)
{
    processor.SearchConditions = {L"*.new"};
    processor.RecurseSubDir = true;
    try {
        processor.SaveSettings();
        ADD_FAILURE() << "saving succeeded";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(Narrow(e.Message()), Narrow(processor.SettingsFileName + L" に書き込めません"));
    }
    EXPECT_EQ(processor.SearchConditions, TStringList{L"*.new"});
    EXPECT_TRUE(processor.RecurseSubDir);
}

TEST_F(Settings, WriteFailureWhileAnotherProgramHoldsTheFile)
{
    WriteFile(L"[Config]\r\nSearchCondition=*.old\r\nRecurseSubDir=0\r\n");
    std::string before = ReadBytes(File());
    TPEraseProcessor processor(File());
    {
        FileHandle lock(CreateFileW(File().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock.Valid());
        ExpectSaveFails(processor);
    }
    EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(Settings, WriteFailureOnAReadOnlyFile)
{
    WriteFile(L"[Config]\r\nSearchCondition=*.old\r\n");
    std::string before = ReadBytes(File());
    SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY);
    {
        FileHandle probe(CreateFileW(File().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        if (probe.Valid()) {
            SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);
            GTEST_SKIP() << "this system lets the read-only file be written (Wine run as root)";
        }
    }
    TPEraseProcessor processor(File());
    ExpectSaveFails(processor);
    SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(File()), before);
}

TEST_F(Settings, WriteFailureWhenAFolderHasTheFilesName)
{
    MakeDirs(dir_ / L"PEConfig.ini");
    TPEraseProcessor processor(File());
    EXPECT_EQ(processor.SearchConditions, (TStringList{L"*.~*", L".#*.*"}));
    ExpectSaveFails(processor);
}

TEST_F(Settings, WriteFailureInAMissingFolder)
{
    std::wstring file = dir_ / L"missing\\.\\PEConfig.ini";
    TPEraseProcessor processor(file);
    try {
        processor.SaveSettings();
        ADD_FAILURE() << "saving into a missing folder succeeded";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(Narrow(e.Message()), Narrow(file + L" に書き込めません"));
    }
    EXPECT_FALSE(Exists(dir_ / L"missing"));
}

TEST(SelectCondition, IgnoresLetterCaseOnly)
{
    TempDir dir;
    TPEraseProcessor processor(dir / L"PEConfig.ini");
    processor.SearchConditions = {L"*.BAK", L"*.bak", L"*.ｔｍｐ", L"*.～*", L"*.ＡＢＣ"};
    struct Case {
        std::wstring text;
        int index;
    };
    const Case cases[] = {
        {L"*.bak", 0},   {L"*.BAK", 0},  {L"*.Bak", 0},    {L"*.tmp", -1}, {L"*.ｔｍｐ", 2},
        {L"*.ＴＭＰ", 2}, {L"*.~*", -1},  {L"*.abc", -1},   {L"*.ａｂｃ", 4}, {L"", -1},
        {L"*.bak ", -1},
    };
    for (const auto& c : cases) {
        processor.UseAllConditions = true;
        processor.SelectCondition(c.text);
        EXPECT_EQ(processor.ConditionIndex, c.index) << Narrow(c.text);
        EXPECT_FALSE(processor.UseAllConditions);
    }
}

TEST(Setters, StoreTheirArgumentOnly)
{
    TempDir dir;
    TPEraseProcessor processor(dir / L"PEConfig.ini");
    processor.SetRecurseSubDir(true);
    processor.SetUseAllConditions(true);
    processor.SetTargetFolder(L"C:\\x");
    EXPECT_TRUE(processor.RecurseSubDir);
    EXPECT_TRUE(processor.UseAllConditions);
    EXPECT_EQ(processor.TargetFolder, L"C:\\x");
    EXPECT_EQ(processor.ConditionIndex, 0);
    EXPECT_FALSE(Exists(dir / L"PEConfig.ini"));
}

}  // namespace
