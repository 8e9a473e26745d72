#pragma once
// Conversions at the edges of the program; inside, every text is UTF-16.
#include <string>
#include <string_view>

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

// text without the characters of codes 0 to 32 at both ends.
std::wstring Trim(std::wstring_view text);

// Replaces each "%s" or "%d" of pattern, in order, by the next argument.
std::wstring FormatText(std::wstring_view pattern, std::initializer_list<std::wstring_view> args);

// Whether two texts are equal when letter case is ignored, by the user locale's rules.
bool SameText(std::wstring_view a, std::wstring_view b);
