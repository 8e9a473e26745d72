#include <gtest/gtest.h>

#include "core/CommandLine.h"
#include "support/TestSupport.h"

namespace {

struct SplitCase {
    const char* what;
    std::wstring line;
    std::vector<std::wstring> args;
};

const SplitCase kSplitCases[] = {
    {"program only", L"C:\\PofuttoErase.exe", {}},
    {"quoted program with blanks", L"\"C:\\Program Files\\PofuttoErase.exe\" RevorErase C:\\x",
     {L"RevorErase", L"C:\\x"}},
    {"quoted folder with blanks", L"p RevorErase \"C:\\my work\\proj\"", {L"RevorErase", L"C:\\my work\\proj"}},
    {"touching quoted and unquoted", L"p a\"b c\"d \"e\"f", {L"ab cd", L"ef"}},
    {"empty pair where a word starts", L"p RevorErase \"\" C:\\x", {L"RevorErase", L"C:\\x"}},
    {"several empty pairs", L"p \"\"\"\" \"\"  a", {L"a"}},
    {"empty pair glued to a word", L"p \"\"abc", {L"abc"}},
    {"empty pair inside a word adds nothing", L"p ab\"\"cd", {L"abcd"}},
    {"unclosed quote runs to the end", L"p a \"b c", {L"a", L"b c"}},
    {"lone unclosed quote ends the count", L"p a \"", {L"a"}},
    {"tabs and other controls separate", L"p\ta\x01" L"b\r\nc", {L"a", L"b", L"c"}},
    {"leading and trailing blanks", L"   p   a   b   ", {L"a", L"b"}},
    {"quoted blanks are an argument", L"p a \"   \"", {L"a", L"   "}},
    {"Japanese text", L"p others \"C:\\作業 フォルダ\\表示\"", {L"others", L"C:\\作業 フォルダ\\表示"}},
    {"full-width space is not a separator", L"p a\u3000b", {L"a\u3000b"}},
    {"katakana then @", L"p \u30E1@ x", {L"\u30E1@", L"x"}},
    {"third argument kept", L"p RevorErase C:\\x extra", {L"RevorErase", L"C:\\x", L"extra"}},
    {"empty line", L"", {}},
};

TEST(CommandLine, SplitsByTheProgramsRules)
{
    for (const auto& c : kSplitCases) {
        auto got = SplitCommandLine(c.line);
        ASSERT_EQ(got.size(), c.args.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(Narrow(got[i]), Narrow(c.args[i])) << c.what;
    }
}

TEST(CommandLine, ArgumentZeroIsTheExecutable)
{
    EXPECT_EQ(Narrow(ParamStr(0)), Narrow(BuildDir() + L"\\core_tests.exe"));
    EXPECT_EQ(ParamStr(ParamCount() + 1), L"");
}

}  // namespace
