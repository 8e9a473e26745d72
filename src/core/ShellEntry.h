#pragma once
// How the shell is told which entry to recycle, so that it names exactly the entry that matched
// and never another. The shell reads a path the Win32 way: a name that ends in a dot or a blank
// loses those ends ("a.bak " is read as its sibling "a.bak"), a device name is a device on
// Windows 10 ("nul.~1"), and only paths under MAX_PATH parse at all.
#include <windows.h>
#include <shobjidl.h>

#include <string>

#include "core/ComPtr.h"

// Whether the Win32 layer reads the absolute path as exactly these names.
bool Win32NamesExactly(const std::wstring& path);

// The shell item of the entry at the absolute path, of any length, or null where the shell
// cannot be made to name exactly that entry (the entry then stays where it is).
TComPtr<IShellItem> ExactShellItem(const std::wstring& path);

// The path to hand the shell's older call (SHFileOperation) for the entry: the path itself, or
// its short form where the path is too long for that call; empty where the path does not name
// exactly the entry.
std::wstring ExactShellPath(const std::wstring& path);
