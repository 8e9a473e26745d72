#include "base/CodePage.h"

#include <string_view>

std::wstring FirstCharacterOutside(const std::wstring& text, UINT codePage, TToBytes toBytes)
{
    for (size_t i = 0; i < text.size();) {
        int length = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]) ? 2 : 1;
        std::wstring_view character(text.data() + i, static_cast<size_t>(length));
        // Room for a character of any code page, ISO-2022's shifts in and out included.
        char bytes[16];
        int byteCount = toBytes(codePage, 0, character.data(), length, bytes, sizeof(bytes), nullptr, nullptr);
        wchar_t back[4];
        int backCount = byteCount > 0 ? MultiByteToWideChar(codePage, 0, bytes, byteCount, back, 4) : 0;
        if (std::wstring_view(back, static_cast<size_t>(backCount)) != character) return std::wstring(character);
        i += static_cast<size_t>(length);
    }
    return {};
}
