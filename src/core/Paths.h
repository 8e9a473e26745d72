#pragma once
// Paths as a run uses them: absolute, of any length for the file API, joined, compared as the
// file system compares names, and read as the Win32 layer reads a name.
#include <string>

// The absolute path that path names, every name exactly as written: a relative path is taken
// against the current folder (of its drive, for "C:name"), "." and ".." go, '/' reads as '\', and
// a "\\?\" form of a drive or share path comes back in its plain form. Unlike the platform's
// full-path call, no name loses the dots or blanks that end it: "proj." never becomes its
// sibling "proj".
std::wstring ExactAbsolutePath(const std::wstring& path);

// The folder that a run's target text names, exactly: the text as given where that is an
// existing folder, otherwise the text without the blanks and control characters around it (a
// stray blank from a shortcut). Empty for a blank text.
std::wstring TargetFolderPath(const std::wstring& text);

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
