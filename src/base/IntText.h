#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// A whole number as the settings file stores it: leading spaces, an optional sign, then
// decimal digits (fitting 32 bits, signed) or at most eight hexadecimal digits after "$",
// "0x" or "0X"; nothing may follow. Anything else gives no number.
std::optional<int32_t> ParseInt(std::wstring_view text);
