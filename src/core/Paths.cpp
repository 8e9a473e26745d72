#include "core/Paths.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/GrowingBuffer.h"
#include "base/TextConvert.h"

namespace {

bool IsPathDelimiter(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// Whether path starts with a drive: "C:".
bool HasDrive(const std::wstring& path) { return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':'; }

// Where the name that starts at start ends: at the next separator, or at the end.
size_t NameEnd(const std::wstring& path, size_t start)
{
    return std::min(path.find_first_of(L"\\/", start), path.size());
}

// Where the root of an absolute path ends: after "C:", or after "\\server\share" (and so after
// "\\.\C:" and "\\?\C:").
size_t RootEnd(const std::wstring& path)
{
    if (HasDrive(path)) return 2;
    size_t server = NameEnd(path, 2);
    return server < path.size() ? NameEnd(path, server + 1) : server;
}

std::wstring CurrentFolder()
{
    return CallWithGrowingBuffer([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

// The current folder of a drive, which "C:" alone names; its root where it has none.
std::wstring DriveFolder(wchar_t drive)
{
    const wchar_t alone[] = {drive, L':', L'\0'};
    std::wstring folder = CallWithGrowingBuffer(
        [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(alone, size, buffer, nullptr); });
    return folder.empty() ? std::wstring{drive, L':', L'\\'} : folder;
}

// A device path ("\\?\..." or "\\.\...") of a drive or a share in its plain form, which names
// the same; any other keeps the "\\?\" form, which the platform reads exactly as written.
std::wstring PlainForm(const std::wstring& path)
{
    std::wstring rest = path.substr(4);
    if (HasDrive(rest) && rest.size() == 2) return rest + L'\\';
    if (HasDrive(rest) && rest[2] == L'\\') return rest;
    if (rest.size() >= 4 && CompareStringOrdinal(rest.c_str(), 4, L"UNC\\", 4, TRUE) == CSTR_EQUAL)
        return L"\\\\" + rest.substr(4);
    return L"\\\\?\\" + rest;
}

bool IsDevicePath(const std::wstring& path)
{
    return path.size() >= 4 && IsPathDelimiter(path[0]) && IsPathDelimiter(path[1]) && (path[2] == L'?' || path[2] == L'.') &&
           IsPathDelimiter(path[3]);
}

bool IsExistingFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(ApiPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring ExactAbsolutePath(const std::wstring& path)
{
    // The platform hands a "\\?\" path to the file system as it is: no name of it is read.
    if (path.rfind(L"\\\\?\\", 0) == 0) return PlainForm(path);
    std::wstring absolute = path;
    if (HasDrive(path) && (path.size() == 2 || !IsPathDelimiter(path[2]))) {
        absolute = DriveFolder(path[0]) + L'\\' + path.substr(2);
    } else if (!HasDrive(path) && !(path.size() >= 2 && IsPathDelimiter(path[0]) && IsPathDelimiter(path[1]))) {
        std::wstring current = CurrentFolder();
        // "\\name" stands below the current folder's root, "name" below the current folder.
        absolute = !path.empty() && IsPathDelimiter(path[0]) ? current.substr(0, RootEnd(current)) + path
                                                          : current + L'\\' + path;
    }

    size_t rootEnd = RootEnd(absolute);
    std::wstring out = absolute.substr(0, rootEnd);
    std::replace(out.begin(), out.end(), L'/', L'\\');
    std::vector<size_t> nameStarts;  // where each name kept so far starts in out
    for (size_t start = rootEnd; start < absolute.size();) {
        size_t end = NameEnd(absolute, start);
        std::wstring_view name(absolute.data() + start, end - start);
        if (name == L"..") {
            if (!nameStarts.empty()) {
                out.resize(nameStarts.back() - 1);
                nameStarts.pop_back();
            }
        } else if (!name.empty() && name != L".") {
            out += L'\\';
            nameStarts.push_back(out.size());
            out += name;
        }
        start = end + 1;
    }
    if (nameStarts.empty()) out += L'\\';  // a root: "C:\", "\\server\share\"
    return IsDevicePath(out) ? PlainForm(out) : out;
}

std::wstring TargetFolderPath(const std::wstring& text)
{
    std::wstring trimmed = Trim(text);
    if (trimmed.empty()) return {};
    if (trimmed.size() != text.size()) {
        std::wstring given = ExactAbsolutePath(text);
        if (IsExistingFolder(given)) return given;
    }
    return ExactAbsolutePath(trimmed);
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
