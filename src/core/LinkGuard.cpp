#include "core/LinkGuard.h"

#include <algorithm>
#include <vector>

#include "base/GrowingBuffer.h"
#include "base/Handles.h"
#include "core/FolderScan.h"
#include "core/Paths.h"

bool PlatformHidesFileLinks()
{
    // The platform that shows a Unix link to a file as a plain file (Wine) reaches the Unix files
    // behind its drives as "\\?\unix\"; Windows has no such name. Asked of the file system, not
    // of an export, which some builds of Wine hide.
    static const bool hides = GetFileAttributesW(L"\\\\?\\unix\\") != INVALID_FILE_ATTRIBUTES;
    return hides;
}

namespace {

// The final path of an open file or folder, or the empty text.
std::wstring FinalPathOf(HANDLE file)
{
    return CallWithGrowingBuffer([file](wchar_t* buffer, DWORD size) {
        return GetFinalPathNameByHandleW(file, buffer, size, 0);
    });
}

HANDLE OpenEntry(const std::wstring& path, DWORD access)
{
    return CreateFileW(ApiPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool SameFile(HANDLE a, HANDLE b)
{
    BY_HANDLE_FILE_INFORMATION x{};
    BY_HANDLE_FILE_INFORMATION y{};
    return GetFileInformationByHandle(a, &x) && GetFileInformationByHandle(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
           x.nFileIndexLow == y.nFileIndexLow;
}

// Calls visit with every other existing path that differs from path (a final path, "\\?\..." with
// no name ends below its root) only where path's names end in dots or blanks: at each such name,
// every entry of its folder that is the same without those ends.
void ForEachLookAlike(const std::wstring& path, const std::function<void(const std::wstring&)>& visit)
{
    // The root stays as it is: "\\?\C:" or "\\?\UNC\server\share".
    bool unc = path.rfind(L"\\\\?\\UNC\\", 0) == 0;
    size_t rootEnd = path.find(L'\\', 4);
    for (int skip = unc ? 2 : 0; skip > 0 && rootEnd != std::wstring::npos; --skip) rootEnd = path.find(L'\\', rootEnd + 1);
    if (rootEnd == std::wstring::npos) return;
    std::vector<std::wstring> made{path.substr(0, rootEnd)};
    for (size_t start = rootEnd + 1; start <= path.size();) {
        size_t end = std::min(path.find(L'\\', start), path.size());
        std::wstring name = path.substr(start, end - start);
        std::wstring plain = WithoutNameEnds(name);
        std::vector<std::wstring> next;
        for (const std::wstring& folder : made) {
            if (plain == name) {
                next.push_back(folder + L'\\' + name);
                continue;
            }
            ScanFolder(folder + L'\\', [&](const WIN32_FIND_DATAW& entry) {
                if (SamePath(WithoutNameEnds(entry.cFileName), plain)) next.push_back(folder + L'\\' + entry.cFileName);
            });
        }
        made = std::move(next);
        start = end + 1;
    }
    for (const std::wstring& lookAlike : made)
        if (lookAlike != path) visit(lookAlike);
}

// Whether an open file resolves somewhere else than folderFinal\name. Where the platform's final
// path drops or shortens the dots and blanks that end names (Wine shows "work.." as "work." inside
// a path and as "work" at its end), a path that differs only there may still be another file: the
// entry is itself when none of its look-alikes is the file opened.
bool LeadsElsewhere(HANDLE file, const std::wstring& folderFinal, const std::wstring& name)
{
    if (folderFinal.empty()) return false;
    std::wstring resolved = FinalPathOf(file);
    std::wstring expected = JoinPath(folderFinal, name);
    if (resolved.empty() || SamePath(resolved, expected)) return false;
    if (!SamePath(WithoutNameEnds(resolved), WithoutNameEnds(expected))) return true;
    bool elsewhere = false;
    ForEachLookAlike(expected, [&](const std::wstring& lookAlike) {
        FileHandle other(OpenEntry(lookAlike, FILE_READ_ATTRIBUTES));
        DWORD error = other ? ERROR_SUCCESS : GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        // One that is there but cannot be told apart counts as the file opened.
        elsewhere = elsewhere || (other ? SameFile(file, other.Get()) : !missing);
    });
    return elsewhere;
}

}  // namespace

std::wstring FinalPath(const std::wstring& path)
{
    FileHandle file(OpenEntry(path, FILE_READ_ATTRIBUTES));
    std::wstring resolved = file ? FinalPathOf(file.Get()) : std::wstring();
    // Where the platform's final path drops the dots and blanks that end names (Wine does), a
    // path that resolves to itself keeps them: its entries' final paths do.
    std::wstring exact = ApiPath(path);
    return !resolved.empty() && SamePath(WithoutNameEnds(resolved), WithoutNameEnds(exact)) ? exact : resolved;
}

bool IsHiddenLink(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                  const std::wstring& name)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    FileHandle file(OpenEntry(path, FILE_READ_ATTRIBUTES));
    return file && LeadsElsewhere(file.Get(), folderFinal, name);
}

bool DeleteCheckedFile(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                       const std::wstring& name)
{
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    FileHandle file(OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES));
    if (!file || LeadsElsewhere(file.Get(), folderFinal, name)) return false;
    // As DeleteFileW does: a read-only file refuses this and stays.
    FILE_DISPOSITION_INFO dispose{TRUE};
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &dispose, sizeof(dispose));
}
