#include "core/FolderScan.h"

#include "base/Handles.h"
#include "core/Paths.h"

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

bool IsFolderLink(DWORD attributes, DWORD reparseTag)
{
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    // A tag the platform does not tell (Wine shows a Unix link so) counts as a link.
    return reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag);
}
