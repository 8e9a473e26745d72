#include "base/GrowingBuffer.h"

#include <algorithm>

std::wstring CallWithGrowingBuffer(const std::function<DWORD(wchar_t* buffer, DWORD size)>& fill, DWORD reserve,
                                   DWORD firstSize)
{
    std::wstring buffer(firstSize, L'\0');
    for (;;) {
        auto size = static_cast<DWORD>(buffer.size());
        DWORD got = fill(buffer.data(), size);
        if (got + reserve < size) {
            buffer.resize(got);
            return buffer;
        }
        buffer.resize(std::max<size_t>(buffer.size() * 2, static_cast<size_t>(got) + 1));
    }
}
