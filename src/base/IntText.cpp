#include "base/IntText.h"

namespace {

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

}  // namespace

std::optional<int32_t> ParseInt(std::wstring_view text)
{
    size_t pos = 0;
    while (pos < text.size() && text[pos] == L' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) negative = text[pos++] == L'-';

    bool hex = false;
    if (pos < text.size() && text[pos] == L'$') {
        hex = true;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == L'0' && (text[pos + 1] == L'x' || text[pos + 1] == L'X')) {
        hex = true;
        pos += 2;
    }

    std::wstring_view digits = text.substr(pos);
    if (digits.empty()) return std::nullopt;
    int64_t value = 0;
    if (hex) {
        if (digits.size() > 8) return std::nullopt;
        for (wchar_t c : digits) {
            int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + d;
        }
        // Eight hex digits fill all 32 bits: $FFFFFFFF is -1.
        auto bits = static_cast<uint32_t>(value);
        if (negative) bits = 0u - bits;
        return static_cast<int32_t>(bits);
    }
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(value);
}
