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

// Whether a folder entry is a link to a folder elsewhere (a junction, a symbolic link, a mount
// point: a reparse point that stands for another name): never entered, never removed. Other
// reparse points are folders of their own, such as the placeholders of a cloud drive (OneDrive
// keeps Desktop and Documents so), and are entered. reparseTag: the find data's dwReserved0.
bool IsFolderLink(DWORD attributes, DWORD reparseTag);

// A folder path and a name with one '\' between.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// Whether the platform shows a link to a file as a plain file and follows it when removing
// (Wine does with a Unix link; Windows marks every link with the reparse-point attribute and
// removes the link itself).
bool PlatformHidesFileLinks();

// Whether two paths name the same place as the file system compares names: ordinal, ignoring
// letter case.
bool SamePath(const std::wstring& a, const std::wstring& b);

// A path with the dots and blanks that end its names dropped, as the Win32 layer reads a name
// (and as Wine's final paths show every name).
std::wstring WithoutNameEnds(const std::wstring& path);

// The path the file system resolves an existing path to, or the empty text.
std::wstring FinalPath(const std::wstring& path);

// Whether an entry of a folder is a link to a file that the platform hides: its final path is
// not folderFinal (its folder's final path) followed by its name. False for a folder, and where
// the platform hides no links.
bool IsHiddenLink(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                  const std::wstring& name);

// Deletes one file (never a folder) for good; the result is not reported. Where the platform
// hides links, the file is opened once, checked to be where its folder says (as IsHiddenLink)
// and deleted through that same handle, so a link's target is never reached.
void DeleteEntry(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                 const std::wstring& name);
