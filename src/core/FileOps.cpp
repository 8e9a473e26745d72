#include "core/FileOps.h"

#include <shellapi.h>

#include "base/Handles.h"

std::wstring AbsolutePath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0) return path;
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        DWORD got = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (got == 0) return path;
        if (got < full.size()) {
            full.resize(got);
            return full;
        }
        full.resize(got);
    }
}

std::wstring ApiPath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
    if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

void ScanFolder(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& visit)
{
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileExW(ApiPath(folder + L"*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0) continue;
        visit(found);
    } while (FindNextFileW(find.Get(), &found));
}

bool IsFolderLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L'\\' + name;
}

std::wstring FinalPath(const std::wstring& path)
{
    FileHandle file(CreateFileW(ApiPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) return {};
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        DWORD got = GetFinalPathNameByHandleW(file.Get(), final.data(), static_cast<DWORD>(final.size()), 0);
        if (got == 0) return {};
        if (got < final.size()) {
            final.resize(got);
            return final;
        }
        final.resize(got + 1);
    }
}

namespace {

// Windows marks every link with the reparse-point attribute and never follows one when
// deleting; Wine shows a Unix link to a file as a plain file and follows it.
bool PlatformHasUnmarkedLinks()
{
    static const bool unmarked =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return unmarked;
}

}  // namespace

bool IsUnmarkedLink(const std::wstring& folder, const std::wstring& folderFinal, const std::wstring& name,
                    DWORD attributes)
{
    if (!PlatformHasUnmarkedLinks()) return false;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT) || folderFinal.empty()) return false;
    std::wstring final = FinalPath(folder + name);
    std::wstring expected = JoinPath(folderFinal, name);
    return !final.empty() && CompareStringOrdinal(final.c_str(), static_cast<int>(final.size()), expected.c_str(),
                                                  static_cast<int>(expected.size()), TRUE) != CSTR_EQUAL;
}

void DeleteEntry(const std::wstring& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return;
    DeleteFileW(ApiPath(path).c_str());
}

namespace {

// The short form of a long path, when it brings it under MAX_PATH; otherwise the empty text.
std::wstring ShortForm(const std::wstring& path)
{
    std::wstring longForm = ApiPath(path);
    std::wstring shortForm(longForm.size() + 1, L'\0');
    DWORD got = GetShortPathNameW(longForm.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (got == 0 || got >= shortForm.size()) return {};
    shortForm.resize(got);
    if (shortForm.rfind(L"\\\\?\\", 0) == 0) shortForm.erase(0, 4);
    if (shortForm.size() >= MAX_PATH || shortForm.rfind(L"UNC\\", 0) == 0) return {};
    return shortForm;
}

bool ShellDelete(const std::wstring& path, HWND owner)
{
    // A list of paths ended by an empty one: the path, then a second NUL.
    std::wstring from = path;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    return SHFileOperationW(&op) == 0;
}

}  // namespace

void RecycleEntry(const std::wstring& path, HWND owner)
{
    // The shell takes paths of at most MAX_PATH characters and not the "\\?\" form: a longer
    // path goes in its short form where that fits, else as it is.
    if (path.size() >= MAX_PATH) {
        std::wstring shortForm = ShortForm(path);
        if (!shortForm.empty() && ShellDelete(shortForm, owner)) return;
    }
    ShellDelete(path, owner);
}
