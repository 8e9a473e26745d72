#pragma once
// How the shell is told which entry to recycle, so that it names exactly the entry that matched
// and never another. The shell reads a path the Win32 way: a name that ends in a dot or a blank
// loses those ends ("a.bak " is read as its sibling "a.bak"), a device name is a device on
// Windows 10 ("nul.~1"), and only paths under MAX_PATH parse at all.
#include <windows.h>
#include <shobjidl.h>

#include <functional>
#include <string>

#include "base/ComPtr.h"

// Whether the Win32 layer reads the absolute path as exactly these names.
bool Win32NamesExactly(const std::wstring& path);

// How the shell makes items: from a whole path (one under MAX_PATH), and a folder's child from
// its name. Null where it makes none.
struct TShellNaming {
    std::function<TComPtr<IShellItem>(const std::wstring& path)> Parse;
    std::function<TComPtr<IShellItem>(IShellItem& parent, const std::wstring& name)> Child;
};
// The platform shell's.
const TShellNaming& PlatformShellNaming();

// The shell item of the entry at the absolute path, of any length, or null where the shell
// cannot be made to name exactly that entry (the entry then stays where it is): the item's file
// system path is the entry's. A path too long to parse goes from the longest folder above it
// that parses as itself, one exact name at a time.
TComPtr<IShellItem> ExactShellItem(const std::wstring& path, const TShellNaming& naming = PlatformShellNaming());

// The path to hand the shell's older call (SHFileOperation) for the entry: the path itself, or
// its short form where the path is too long for that call; empty where the path does not name
// exactly the entry.
std::wstring ExactShellPath(const std::wstring& path);
