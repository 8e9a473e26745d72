#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "support/TestSupport.h"

namespace {

// WideCharToMultiByte as Microsoft documents it, where Wine is lenient: UTF-8 and GB18030 take
// only the flags 0 or WC_ERR_INVALID_CHARS, UTF-7, ISO-2022, ISCII and Symbol no flags at all
// (ERROR_INVALID_FLAGS otherwise), and UTF-7 and UTF-8 neither a default character nor a
// used-default answer (ERROR_INVALID_PARAMETER otherwise).
int WINAPI DocumentedToBytes(UINT codePage, DWORD flags, LPCWCH text, int length, LPSTR bytes, int size,
                             LPCCH defaultChar, LPBOOL usedDefault)
{
    bool someFlags = codePage == CP_UTF8 || codePage == 54936;
    bool noFlags = codePage == 42 || codePage == CP_UTF7 || codePage == 50220 || codePage == 50221 ||
                   codePage == 50222 || codePage == 50225 || codePage == 50227 || codePage == 50229 ||
                   (codePage >= 57002 && codePage <= 57011);
    if ((someFlags && (flags & ~WC_ERR_INVALID_CHARS)) || (noFlags && flags)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    if ((codePage == CP_UTF8 || codePage == CP_UTF7) && (defaultChar || usedDefault)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return WideCharToMultiByte(codePage, flags, text, length, bytes, size, defaultChar, usedDefault);
}

TEST(CodePage, HoldsATextExactlyOrNamesItsFirstCharacterOutside)
{
    const struct {
        UINT codePage;
        std::wstring text;
        std::wstring outside;
    } cases[] = {
        // UTF-8, the ANSI code page of a system with "Use Unicode UTF-8 for worldwide language
        // support" on: everything but a lone surrogate.
        {CP_UTF8, L"*.バックアップ;表*.～*;*.한글", L""},
        {CP_UTF8, L"a\U0001F600b", L""},
        {CP_UTF8, L"a\xD800z", L"\xD800"},
        {CP_UTF8, L"a\xDC00", L"\xDC00"},
        {932, L"*.バックアップ;表*.～*", L""},
        {932, L"*.한글", L"한"},
        {932, L"\U0001F600*", L"\U0001F600"},
        {1252, L"café", L""},
        // A best fit ("a" for "ā") is not the character.
        {1252, L"x\x0101", L"\x0101"},
        {1252, L"*.バ", L"バ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(FirstCharacterOutside(c.text, c.codePage, DocumentedToBytes)), Narrow(c.outside))
            << c.codePage << " " << Narrow(c.text);
}

// The code pages that take no flags at all, where the system has them.
TEST(CodePage, IsAskedAsCodePagesWithoutFlagsTakeIt)
{
    for (UINT codePage : std::initializer_list<UINT>{50220, 50221, 50222, CP_UTF7}) {
        if (!IsValidCodePage(codePage)) continue;
        EXPECT_EQ(Narrow(FirstCharacterOutside(L"abc", codePage, DocumentedToBytes)), "") << codePage;
    }
}

}  // namespace
