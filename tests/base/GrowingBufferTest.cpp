#include <gtest/gtest.h>

#include <algorithm>

#include "base/GrowingBuffer.h"

namespace {

// System functions tell a text that does not fit in three ways; each text comes back whole.
TEST(GrowingBuffer, GivesTheWholeTextWhicheverWayTheFunctionSaysItWasCut)
{
    const std::wstring text(5000, L'x');
    auto write = [&](wchar_t* buffer, DWORD size, size_t count) {
        std::copy_n(text.begin(), count, buffer);
        buffer[std::min<size_t>(count, size - 1)] = L'\0';
    };
    struct Case {
        const char* what;
        DWORD reserve;
        std::function<DWORD(wchar_t*, DWORD)> fill;
    };
    const Case cases[] = {
        {"cut to the buffer's size (GetModuleFileName)", 0,
         [&](wchar_t* buffer, DWORD size) {
             DWORD n = std::min<DWORD>(size, static_cast<DWORD>(text.size()));
             write(buffer, size, n);
             return n;
         }},
        {"the size it needs (GetFullPathName)", 0,
         [&](wchar_t* buffer, DWORD size) {
             if (text.size() + 1 > size) return static_cast<DWORD>(text.size() + 1);
             write(buffer, size, text.size());
             return static_cast<DWORD>(text.size());
         }},
        {"cut one short of the buffer (GetPrivateProfileString)", 1,
         [&](wchar_t* buffer, DWORD size) {
             DWORD n = std::min<DWORD>(size - 1, static_cast<DWORD>(text.size()));
             write(buffer, size, n);
             return n;
         }},
    };
    for (const Case& c : cases) EXPECT_EQ(CallWithGrowingBuffer(c.fill, c.reserve, 16), text) << c.what;
    EXPECT_EQ(CallWithGrowingBuffer([](wchar_t*, DWORD) { return DWORD{0}; }), L"");
}

}  // namespace
