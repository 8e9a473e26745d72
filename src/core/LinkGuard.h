#pragma once
// The link guard, which only a platform that hides links to files needs (Wine shows a Unix link
// to a file as a plain file, and removing it removes its target): each entry is checked to be
// where its folder says before it is removed. Where links are not hidden (Windows marks every
// link as a reparse point and removes the link itself) the run leaves the guard off.
#include <windows.h>

#include <string>

// Whether the platform shows a link to a file as a plain file and follows it when removing.
bool PlatformHidesFileLinks();

// The path the file system resolves an existing absolute path to ("\\?\..."), names exactly as
// the path writes them where it resolves to itself; the empty text where nothing is there.
std::wstring FinalPath(const std::wstring& path);

// Whether a file entry of a folder is a link: its final path is not folderFinal (its folder's
// final path) followed by its name. A name that ends in dots or blanks, which the platform's
// final path drops, is itself unless one of the entries it could be taken for is the file
// opened. False for a folder.
bool IsHiddenLink(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                  const std::wstring& name);

// Deletes one file (never a folder) for good once it has been checked as IsHiddenLink checks it,
// through the handle that checked it, so a link's target is never reached. True when it goes.
bool DeleteCheckedFile(const std::wstring& path, DWORD attributes, const std::wstring& folderFinal,
                       const std::wstring& name);
