#include <gtest/gtest.h>

#include "core/NameMatch.h"
#include "support/TestSupport.h"

namespace {

struct MatchCase {
    std::wstring condition;
    std::wstring name;
    bool matches;
};

const MatchCase kMatchCases[] = {
    // The default conditions.
    {L"*.~*", L"main.~cpp", true},
    {L"*.~*", L"main.cpp~", false},
    {L"*.~*", L".~lock", true},
    {L"*.~*", L"a.b.~c", true},
    {L"*.~*", L"~a", false},
    {L".#*.*", L".#main.cpp", true},
    {L".#*.*", L".#Makefile", true},
    {L".#*.*", L"x.#main.cpp", false},
    {L".#*.*", L".#", true},
    // "*.*" and the dot at the end.
    {L"*.*", L"Makefile", true},
    {L"*.*", L"a.b", true},
    {L"*.*", L".hidden", true},
    {L"*", L"anything", true},
    {L"*.*", L".", false},
    {L"*.*", L"..", false},
    {L"*", L".", false},
    {L"a.*", L"a", true},
    {L"a.**", L"a", true},
    {L"a.*x", L"a", false},
    {L"a.", L"a", false},
    // '?' is exactly one character.
    {L"?.txt", L"a.txt", true},
    {L"?.txt", L".txt", false},
    {L"?.txt", L"ab.txt", false},
    {L"??", L"表示", true},
    {L"?", L"\U0001F600", true},  // a surrogate pair is one character
    {L"??", L"\U0001F600", false},
    // Letters without regard to case, other differences count.
    {L"*.BAK", L"x.bak", true},
    {L"*.bak", L"X.BaK", true},
    {L"*.ＢＡＫ", L"x.ｂａｋ", true},
    {L"*.bak", L"x.ｂａｋ", false},
    {L"*.ä", L"x.Ä", true},
    // Long names only: no 8.3 alias matching.
    {L"*.tmp", L"x.tmpl", false},
    {L"*.tmp", L"x.tmp", true},
    {L"*~1*", L"verylongname.txt", false},
    {L"*.htm", L"page.html", false},
    // Japanese names and conditions.
    {L"*.バックアップ", L"設計書.バックアップ", true},
    {L"設計*", L"設計書.doc", true},
    {L"設計*", L"仕様書.doc", false},
    {L"*\u30E1@*", L"a\u30E1@b", true},
    // Backtracking.
    {L"*a*b*c", L"xaybzc", true},
    {L"*a*b*c", L"xaybz", false},
    {L"a*a*a", L"aaaa", true},
    {L"*.~*.~*", L"a.~b.~c", true},
    // Conditions that match nothing.
    {L"", L"", false},
    {L"", L"a", false},
    {L"..\\*", L"a", false},
    {L"sub\\*.~*", L"x.~y", false},
    {L"C:*", L"C:x", false},
    {L"a/b", L"a", false},
};

TEST(NameMatch, MatchesLongNamesByTheProgramsRules)
{
    for (const auto& c : kMatchCases)
        EXPECT_EQ(MatchesCondition(c.condition, c.name), c.matches)
            << Narrow(c.condition) << " vs " << Narrow(c.name);
}

}  // namespace
