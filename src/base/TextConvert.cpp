#include "base/TextConvert.h"

#include <windows.h>

std::string ToUtf8(std::wstring_view text)
{
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring FromUtf8(std::string_view text)
{
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::wstring FormatText(std::wstring_view pattern, std::initializer_list<std::wstring_view> args)
{
    std::wstring out;
    auto next = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        bool placeholder = pattern[i] == L'%' && i + 1 < pattern.size() &&
                           (pattern[i + 1] == L's' || pattern[i + 1] == L'd');
        if (placeholder && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::wstring Trim(std::wstring_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && text[first] <= 32) ++first;
    while (last > first && text[last - 1] <= 32) --last;
    return std::wstring(text.substr(first, last - first));
}

bool SameText(std::wstring_view a, std::wstring_view b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}
