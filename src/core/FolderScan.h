#pragma once
// One enumeration of a folder, and what its find data says of a folder entry.
#include <windows.h>

#include <functional>
#include <string>

// Calls visit for every entry of folder (given with its trailing '\') except "." and "..",
// in the file system's order; one enumeration. A folder that cannot be read yields nothing.
void ScanFolder(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& visit);

// Whether a folder entry is a link to a folder elsewhere (a junction, a symbolic link, a mount
// point: a reparse point that stands for another name): never entered, never removed. Other
// reparse points are folders of their own, such as the placeholders of a cloud drive (OneDrive
// keeps Desktop and Documents so), and are entered. reparseTag: the find data's dwReserved0.
bool IsFolderLink(DWORD attributes, DWORD reparseTag);
