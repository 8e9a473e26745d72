#pragma once
// The single-text form in which the condition list is stored: items joined by a delimiter,
// an item quoted with double quotes where it holds a blank, a control character, a quote or
// the delimiter.
#include <string>
#include <string_view>
#include <vector>

using TStringList = std::vector<std::wstring>;

constexpr wchar_t kListDelimiter = L';';
constexpr wchar_t kListQuote = L'"';

std::wstring ListToText(const TStringList& items, wchar_t delimiter = kListDelimiter);
TStringList TextToList(std::wstring_view text, wchar_t delimiter = kListDelimiter);
