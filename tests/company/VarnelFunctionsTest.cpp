#include <gtest/gtest.h>

#include "base/Exception.h"
#include "company/VarnelFunctions.h"
#include "support/TestSupport.h"

namespace {

const std::wstring kSpace = L"\u3000";  // the full-width space

TEST(TrimFullWidth, RemovesBlanksControlsAndFullWidthSpacesAtBothEnds)
{
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""},
        {L"   ", L""},
        {kSpace + kSpace, L""},
        {L" \t" + kSpace + L" \r\n" + kSpace, L""},
        {L"a" + kSpace + L"b", L"a" + kSpace + L"b"},
        {kSpace + L" a b " + kSpace + L"\t", L"a b"},
        {L"\u30E1@", L"\u30E1@"},
        {L"\u30E1@" + kSpace, L"\u30E1@"},
        {L"\x01" L"x\x1F", L"x"},
        {L"\U0001F600" + kSpace, L"\U0001F600"},
    };
    for (const auto& [text, trimmed] : cases) EXPECT_EQ(Narrow(TrimFullWidth(text)), Narrow(trimmed)) << Narrow(text);
}

TEST(IsBlankText, IsTrueOnlyForBlanksAndFullWidthSpaces)
{
    const std::pair<std::wstring, bool> cases[] = {
        {L"", true}, {L" ", true}, {kSpace, true}, {L" " + kSpace + L"\t", true},
        {L" a ", false}, {kSpace + L"x" + kSpace, false}, {L"\u30E1@", false},
    };
    for (const auto& [text, blank] : cases) EXPECT_EQ(IsBlankText(text), blank) << Narrow(text);
}

TEST(EndsWithText, MatchesWholeCharactersAtTheEnd)
{
    struct Case {
        std::wstring sub;
        std::wstring text;
        bool ends;
    };
    const Case cases[] = {
        {L"", L"abc", true},          {L"", L"", true},           {L"abcd", L"abc", false},
        {L"bc", L"abc", true},        {L"BC", L"abc", false},     {kSpace, L"a" + kSpace, true},
        {kSpace, L"\u30E1@", false},  {L"@", L"\u30E1@", true},   {std::wstring(1, wchar_t(0xDE00)), L"\U0001F600", false},
        {L"\U0001F600", L"x\U0001F600", true},
    };
    for (const auto& c : cases) EXPECT_EQ(EndsWithText(c.sub, c.text), c.ends) << Narrow(c.sub) << " / " << Narrow(c.text);
}

TEST(VersionInfoKey, KeyStringsInTheirFixedOrder)
{
    const wchar_t* expected[] = {L"Comments",     L"CompanyName",    L"FileDescription", L"FileVersion",
                                 L"InternalName", L"LegalCopyright", L"LegalTrademarks", L"OriginalFilename",
                                 L"PrivateBuild", L"ProductName",    L"ProductVersion",  L"SpecialBuild"};
    for (int i = 0; i < 12; ++i)
        EXPECT_STREQ(VersionInfoKeyString(static_cast<TVersionInfoKey>(i)), expected[i]) << i;
}

TEST(GetVersionInfoValue, ReadsTheProgramsOwnResource)
{
    const std::pair<TVersionInfoKey, std::wstring> cases[] = {
        {TVersionInfoKey::ProductName, L"VARNEL ポフッと削除"},
        {TVersionInfoKey::FileVersion, L"1.1.0.0"},
        {TVersionInfoKey::ProductVersion, L"1.0.0.0"},
        {TVersionInfoKey::CompanyName, L"VARNEL"},
        {TVersionInfoKey::LegalCopyright, L"Copyright (C) 2026 VARNEL"},
        {TVersionInfoKey::Comments, L""},
        {TVersionInfoKey::PrivateBuild, L""},
        {TVersionInfoKey::SpecialBuild, L""},
    };
    for (const auto& [key, value] : cases)
        EXPECT_EQ(Narrow(GetVersionInfoValue(ProgramPath(), key)), Narrow(value)) << Narrow(VersionInfoKeyString(key));
}

TEST(GetVersionInfoValue, WithoutAResourceEveryKeyIsEmpty)
{
    for (const std::wstring& file : {VersionModule(L"none"), BuildDir() + L"\\no such file.exe"})
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(GetVersionInfoValue(file, static_cast<TVersionInfoKey>(i)), L"") << Narrow(file) << " " << i;
}

TEST(GetVersionInfoValue, OnlyTheBlockOfTheFirstTranslation)
{
    EXPECT_EQ(Narrow(GetVersionInfoValue(VersionModule(L"english"), TVersionInfoKey::ProductName)), "English Product");
    EXPECT_EQ(GetVersionInfoValue(VersionModule(L"english"), TVersionInfoKey::CompanyName), L"");
}

TEST(GetVersionInfoValue, TrimsBlanksAndTheTerminatingNul)
{
    EXPECT_EQ(Narrow(GetVersionInfoValue(VersionModule(L"blanks"), TVersionInfoKey::FileVersion)), "1.1.0.0");
    EXPECT_EQ(GetVersionInfoValue(VersionModule(L"blanks"), TVersionInfoKey::Comments), L"");
}

TEST(GetVersionInfoValue, NoTranslationTableFailsForEveryKey)
{
    for (int i = 0; i < 12; ++i) {
        try {
            GetVersionInfoValue(VersionModule(L"notranslation"), static_cast<TVersionInfoKey>(i));
            ADD_FAILURE() << "no error for key " << i;
        } catch (const Exception& e) {
            EXPECT_EQ(Narrow(e.Message()), "情報の取得に失敗しました");
            EXPECT_EQ(e.ClassName(), L"Exception");
        }
    }
}

}  // namespace
