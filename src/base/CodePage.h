#pragma once
// Whether a code page holds a text exactly, as the settings file must when the platform keeps it
// in the system's ANSI code page.
#include <windows.h>

#include <string>

// The platform's conversion to a code page's bytes, or a stand-in for it.
using TToBytes = decltype(&WideCharToMultiByte);

// The first character (a surrogate pair counts as one) of text that codePage cannot hold exactly,
// or the empty text when it holds all of text. Asked in the one form of the conversion that every
// code page takes: no flags and no default character. UTF-8 (the system's ANSI code page where
// "Use Unicode UTF-8 for worldwide language support" is on) refuses the best-fit flag and the
// used-default answer, and so do UTF-7, ISO-2022, ISCII and Symbol; a character counts as held
// when its bytes read back as that very character instead.
std::wstring FirstCharacterOutside(const std::wstring& text, UINT codePage, TToBytes toBytes = WideCharToMultiByte);
