#include "core/FileOps.h"

#include <shellapi.h>

#include "ui/Handles.h"

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

void DeleteEntry(const std::wstring& path, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return;
    DeleteFileW(ApiPath(path).c_str());
}

namespace {

// The shell's file operations take paths of at most MAX_PATH characters without the "\\?\"
// form; a longer path is tried in its short form, then as it is.
std::wstring ShellPath(const std::wstring& path)
{
    if (path.size() < MAX_PATH) return path;
    std::wstring longForm = ApiPath(path);
    std::wstring shortForm(longForm.size() + 1, L'\0');
    DWORD got = GetShortPathNameW(longForm.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
    if (got > 0 && got < shortForm.size()) {
        shortForm.resize(got);
        std::wstring plain = shortForm.rfind(L"\\\\?\\", 0) == 0 ? shortForm.substr(4) : shortForm;
        if (plain.size() < MAX_PATH && plain.rfind(L"UNC\\", 0) != 0) return plain;
    }
    return longForm;
}

}  // namespace

void RecycleEntry(const std::wstring& path, HWND owner)
{
    // A list of paths ended by an empty one: the path, then a second NUL.
    std::wstring from = ShellPath(path);
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    SHFileOperationW(&op);
}
