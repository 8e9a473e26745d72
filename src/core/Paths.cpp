#include "core/Paths.h"

#include <windows.h>

#include <algorithm>

#include "base/GrowingBuffer.h"

std::wstring AbsolutePath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0) return path;
    std::wstring full = CallWithGrowingBuffer(
        [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); });
    return full.empty() ? path : full;
}

std::wstring ApiPath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
    if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L'\\' + name;
}

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring WithoutNameEnds(const std::wstring& path)
{
    std::wstring out;
    out.reserve(path.size());
    for (size_t start = 0; start <= path.size();) {
        size_t end = std::min(path.find(L'\\', start), path.size());
        size_t last = end;
        while (last > start && (path[last - 1] == L'.' || path[last - 1] == L' ')) --last;
        // "." and ".." are names of their own, not names with ends.
        if (last == start) last = end;
        out.append(path, start, last - start);
        if (end < path.size()) out.push_back(L'\\');
        start = end + 1;
    }
    return out;
}
