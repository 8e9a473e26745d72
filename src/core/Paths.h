#pragma once
// Paths as a run uses them: absolute, of any length for the file API, joined, compared as the
// file system compares names, and read as the Win32 layer reads a name.
#include <string>

// The absolute form of a path, against the current folder when it is relative.
std::wstring AbsolutePath(const std::wstring& path);

// The form of an absolute path that the file API takes at any length ("\\?\C:\..." or
// "\\?\UNC\server\share\...").
std::wstring ApiPath(const std::wstring& path);

// A folder path and a name with one '\' between.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// Whether two paths name the same place as the file system compares names: ordinal, ignoring
// letter case.
bool SamePath(const std::wstring& a, const std::wstring& b);

// A path with the dots and blanks that end its names dropped, as the Win32 layer reads a name
// (and as Wine's final paths show every name).
std::wstring WithoutNameEnds(const std::wstring& path);
