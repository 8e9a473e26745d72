#pragma once
// The file-system side of a run: absolute paths, one enumeration of a folder, and the two
// ways to remove an entry. Paths of any length work: the API gets the "\\?\" form.
#include <windows.h>

#include <functional>
#include <string>

// The absolute form of a path, against the current folder when it is relative.
std::wstring AbsolutePath(const std::wstring& path);

// The form of an absolute path that the file API takes at any length ("\\?\C:\..." or
// "\\?\UNC\server\share\...").
std::wstring ApiPath(const std::wstring& path);

// Calls visit for every entry of folder (given with its trailing '\') except "." and "..",
// in the file system's order; one enumeration. A folder that cannot be read yields nothing.
void ScanFolder(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& visit);

// Whether the entry is a link to a folder (a junction or a symbolic link): never entered,
// never removed.
bool IsFolderLink(DWORD attributes);

// A folder path and a name with one '\' between.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The path the file system resolves an existing path to, or the empty text.
std::wstring FinalPath(const std::wstring& path);

// Whether a file entry of folder (whose final path is folderFinal) is a link that the platform
// does not mark as one, so that removing it would reach its target instead (Wine shows a Unix
// link to a file as a plain file and follows it when deleting or recycling).
bool IsUnmarkedLink(const std::wstring& folder, const std::wstring& folderFinal, const std::wstring& name,
                    DWORD attributes);

// Deletes one file (never a folder). The result is not reported.
void DeleteEntry(const std::wstring& path, DWORD attributes);

// Moves one entry, a file or a folder with all it holds, to the recycle bin. The result is
// not reported.
void RecycleEntry(const std::wstring& path, HWND owner);
