#include "base/ExePath.h"

#include <windows.h>

std::wstring ExecutablePath()
{
    std::wstring path(MAX_PATH + 1, L'\0');
    for (;;) {
        DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got < path.size()) {
            path.resize(got);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
