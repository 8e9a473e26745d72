#include "base/ExePath.h"

#include <windows.h>

#include "base/GrowingBuffer.h"

std::wstring ExecutablePath()
{
    // A path that does not fit is cut to the buffer's size.
    return CallWithGrowingBuffer([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}
