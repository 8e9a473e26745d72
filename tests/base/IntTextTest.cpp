#include <gtest/gtest.h>

#include "base/IntText.h"
#include "support/TestSupport.h"

namespace {

struct IntCase {
    std::wstring text;
    std::optional<int32_t> number;
};

const IntCase kCases[] = {
    {L"1", 1},
    {L"0", 0},
    {L"-0", 0},
    {L"42", 42},
    {L"+7", 7},
    {L"-3", -3},
    {L"  5", 5},
    {L"2147483647", INT32_MAX},
    {L"-2147483648", INT32_MIN},
    {L"2147483648", std::nullopt},
    {L"-2147483649", std::nullopt},
    {L"99999999999999999999", std::nullopt},
    {L"$10", 16},
    {L"$ff", 255},
    {L"0x1F", 31},
    {L"0X1f", 31},
    {L"-0x10", -16},
    {L"$FFFFFFFF", -1},
    {L"0x00000000", 0},
    {L"$123456789", std::nullopt},
    {L"0x", std::nullopt},
    {L"$", std::nullopt},
    {L"0xG", std::nullopt},
    {L"x10", std::nullopt},
    {L"12abc", std::nullopt},
    {L"1 ", std::nullopt},
    {L"1.0", std::nullopt},
    {L"true", std::nullopt},
    {L"yes", std::nullopt},
    {L"", std::nullopt},
    {L"+", std::nullopt},
    {L"-", std::nullopt},
    {L"--1", std::nullopt},
    {L"\uFF11", std::nullopt},  // full-width digit one
};

TEST(IntText, ParsesStoredNumbers)
{
    for (const auto& c : kCases) EXPECT_EQ(ParseInt(c.text), c.number) << Narrow(c.text);
}

}  // namespace
