#include "core/FileOps.h"

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

bool PlatformHidesFileLinks()
{
    static const bool hides = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return hides;
}

namespace {

// The final path of an open file or folder, or the empty text.
std::wstring FinalPathOf(HANDLE file)
{
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        DWORD got = GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()), 0);
        if (got == 0) return {};
        if (got < final.size()) {
            final.resize(got);
            return final;
        }
        final.resize(got + 1);
    }
}

// Whether an open file resolves somewhere else than folderFinal\name.
bool LeadsElsewhere(HANDLE file, const std::wstring& folderFinal, const std::wstring& name)
{
    if (folderFinal.empty()) return false;
    std::wstring final = FinalPathOf(file);
    std::wstring expected = JoinPath(folderFinal, name);
    return !final.empty() && CompareStringOrdinal(final.c_str(), static_cast<int>(final.size()), expected.c_str(),
                                                  static_cast<int>(expected.size()), TRUE) != CSTR_EQUAL;
}

HANDLE OpenEntry(const std::wstring& path, DWORD access)
{
    return CreateFileW(ApiPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

}  // namespace

std::wstring FinalPath(const std::wstring& path)
{
    FileHandle file(OpenEntry(path, FILE_READ_ATTRIBUTES));
    return file ? FinalPathOf(file.Get()) : std::wstring();
}

bool IsHiddenLink(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                  const std::wstring& name)
{
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) || !PlatformHidesFileLinks()) return false;
    FileHandle file(OpenEntry(path, FILE_READ_ATTRIBUTES));
    return file && LeadsElsewhere(file.Get(), folderFinal, name);
}

void DeleteEntry(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal, const std::wstring& name)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return;
    if (!PlatformHidesFileLinks()) {
        DeleteFileW(ApiPath(path).c_str());
        return;
    }
    FileHandle file(OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES));
    if (!file || LeadsElsewhere(file.Get(), folderFinal, name)) return;
    // As DeleteFileW does: a read-only file refuses this and stays.
    FILE_DISPOSITION_INFO dispose{TRUE};
    SetFileInformationByHandle(file.Get(), FileDispositionInfo, &dispose, sizeof(dispose));
}

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
