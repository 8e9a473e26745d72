#include <gtest/gtest.h>

#include "core/ListText.h"
#include "support/TestSupport.h"

namespace {

struct WriteCase {
    const char* what;
    TStringList items;
    std::wstring text;
};

const WriteCase kWriteCases[] = {
    {"empty list", {}, L""},
    {"one empty item", {L""}, L"\"\""},
    {"default list", {L"*.~*", L".#*.*"}, L"*.~*;.#*.*"},
    {"item with a blank", {L"a b"}, L"\"a b\""},
    {"item with the delimiter", {L"x", L"a;b", L"y"}, L"x;\"a;b\";y"},
    {"quotes are doubled", {L"x", L"say \"hi\"", L"y"}, L"x;\"say \"\"hi\"\"\";y"},
    {"control character quotes", {L"a\tb", L"c"}, L"\"a\tb\";c"},
    {"empty item among others", {L"a", L"", L"b"}, L"a;;b"},
    {"two empty items", {L"", L""}, L";"},
    {"Japanese, no quoting", {L"*.バックアップ", L"表*"}, L"*.バックアップ;表*"},
    {"full-width space does not quote", {L"a\u3000b"}, L"a\u3000b"},
    {"katakana then @ stays one item", {L"\u30E1@"}, L"\u30E1@"},
};

TEST(ListText, WritesTheSingleTextForm)
{
    for (const auto& c : kWriteCases) EXPECT_EQ(Narrow(ListToText(c.items)), Narrow(c.text)) << c.what;
}

struct ReadCase {
    const char* what;
    std::wstring text;
    TStringList items;
};

const ReadCase kReadCases[] = {
    {"empty text", L"", {}},
    {"only blanks", L"   \t ", {}},
    {"empty quote pair", L"\"\"", {L""}},
    {"default", L"*.~*;.#*.*", {L"*.~*", L".#*.*"}},
    {"blanks separate like ;", L"*.bak *.tmp\t*.~*", {L"*.bak", L"*.tmp", L"*.~*"}},
    {"two ; in a row", L"a;;b", {L"a", L"", L"b"}},
    {"leading ;", L";a", {L"", L"a"}},
    {"trailing ;", L"a;", {L"a", L""}},
    {"trailing ; then blank", L"a; ", {L"a"}},
    {"blanks around ;", L"a ; b", {L"a", L"b"}},
    {"quoted with blank", L"x;\"a b\";y", {L"x", L"a b", L"y"}},
    {"doubled quotes", L"\"say \"\"hi\"\"\"", {L"say \"hi\""}},
    {"text after closing quote starts a new item", L"\"a\"b;c", {L"a", L"b", L"c"}},
    {"quote inside an unquoted item stays", L"a\"b", {L"a\"b"}},
    {"unclosed quote keeps the whole rest", L"x;\"abc", {L"x", L"abc"}},
    {"unclosed quote with blanks", L"\"a b ;c", {L"a b ;c"}},
    {"Japanese", L"*.バックアップ;表*", {L"*.バックアップ", L"表*"}},
    {"full-width space is not a separator", L"a\u3000b;c", {L"a\u3000b", L"c"}},
    {"one lone ;", L";", {L"", L""}},
};

TEST(ListText, ReadsTheSingleTextForm)
{
    for (const auto& c : kReadCases) {
        TStringList got = TextToList(c.text);
        ASSERT_EQ(got.size(), c.items.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(Narrow(got[i]), Narrow(c.items[i])) << c.what << " #" << i;
    }
}

TEST(ListText, EveryWrittenListReadsBackWhenQuotedItemsAreInside)
{
    const TStringList lists[] = {
        {L"a", L"b c", L"d"},       {L"a", L"", L"b"},        {L"x", L"\"", L"y"},
        {L"1", L";;", L"\"q\"", L"2"}, {L"*.~*", L".#*.*"}, {L""},
        {L"x", L"a b"},            {L"", L"a"},               {L"a", L""},
    };
    for (const auto& items : lists) {
        std::wstring text = ListToText(items);
        EXPECT_EQ(TextToList(text), items) << Narrow(text);
    }
}

}  // namespace
