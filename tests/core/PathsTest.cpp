#include <gtest/gtest.h>

#include "core/Paths.h"
#include "support/TestSupport.h"

namespace {

TEST(NameEnds, AreTheDotsAndBlanksThatEndEachName)
{
    const struct {
        const wchar_t* path;
        const wchar_t* without;
    } cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a\\b.txt"},
        {L"C:\\a.\\b. ", L"C:\\a\\b"},
        {L"\\\\?\\C:\\odd.~3.\\in.~4 ", L"\\\\?\\C:\\odd.~3\\in.~4"},
        {L"C:\\a\\.\\..\\b", L"C:\\a\\.\\..\\b"},
        {L"C:\\a.b\\c d", L"C:\\a.b\\c d"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(WithoutNameEnds(c.path)), Narrow(c.without)) << Narrow(c.path);
}

}  // namespace
