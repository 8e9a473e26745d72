#include "core/NameMatch.h"

#include <windows.h>

namespace {

size_t CharLength(std::wstring_view text, size_t pos)
{
    return (pos + 1 < text.size() && IS_HIGH_SURROGATE(text[pos]) && IS_LOW_SURROGATE(text[pos + 1])) ? 2 : 1;
}

// Whether what is left of the pattern matches the end of a name: only '*', or a '.' followed
// by at least one '*' and nothing else.
bool MatchesAtEnd(std::wstring_view pattern, size_t p)
{
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    if (p == pattern.size()) return true;
    if (pattern[p] != L'.' || p + 1 == pattern.size()) return false;
    for (size_t i = p + 1; i < pattern.size(); ++i)
        if (pattern[i] != L'*') return false;
    return true;
}

}  // namespace

void FoldCaseInto(std::wstring_view name, std::wstring& out)
{
    // Most names are plain ASCII: fold those here instead of asking the locale services.
    out.assign(name);
    bool ascii = true;
    for (wchar_t& c : out) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        else if (c >= 0x80) ascii = false;
    }
    if (ascii) return;
    int n = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.data(), static_cast<int>(name.size()),
                          out.data(), static_cast<int>(out.size()), nullptr, nullptr, 0);
    if (n <= 0)
        out.assign(name);
    else
        out.resize(static_cast<size_t>(n));
}

std::wstring FoldCase(std::wstring_view name)
{
    std::wstring out;
    FoldCaseInto(name, out);
    return out;
}

TNameMatcher::TNameMatcher(std::wstring_view condition)
    : pattern_(FoldCase(condition)),
      usable_(!condition.empty() && condition.find_first_of(L"\\/:") == std::wstring_view::npos)
{
}

bool TNameMatcher::Matches(std::wstring_view name) const
{
    if (!usable_ || name == L"." || name == L"..") return false;
    const std::wstring_view pattern = pattern_;
    size_t p = 0;
    size_t n = 0;
    size_t star = std::wstring_view::npos;  // pattern position after the last '*'
    size_t mark = 0;                        // name position that '*' has reached
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            star = ++p;
            mark = n;
        } else if (p < pattern.size() && pattern[p] == L'?') {
            ++p;
            n += CharLength(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (star != std::wstring_view::npos) {
            // Let the last '*' take one more character and try again from there.
            mark += CharLength(name, mark);
            n = mark;
            p = star;
        } else {
            return false;
        }
    }
    return MatchesAtEnd(pattern, p);
}

bool MatchesCondition(std::wstring_view condition, std::wstring_view name)
{
    return TNameMatcher(condition).Matches(FoldCase(name));
}
