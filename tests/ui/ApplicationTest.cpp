#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "ui/Application.h"

namespace {

struct DisplayCase {
    std::wstring message;
    std::wstring shown;
};

TEST(ExceptionDisplay, AddsAFullStopUnlessTheTextEndsAtOrBelowIt)
{
    const DisplayCase cases[] = {
        {L"abc", L"abc."},     {L"abc.", L"abc."},   {L"abc!", L"abc!"},         {L"a ", L"a "},
        {L"a/", L"a/."},       {L"", L""},          {L"削除できません", L"削除できません."},
        {L"終了。", L"終了。."}, {L"(1)", L"(1)"},   {L"a-", L"a-"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(ExceptionDisplayText(c.message)), Narrow(c.shown));
}

}  // namespace
