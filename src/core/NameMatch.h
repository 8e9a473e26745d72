#pragma once
// How a run decides that an entry's long name matches a condition. The platform's own
// pattern matching also matches 8.3 short aliases (so "*.tmp" would take "x.tmpl"); this
// matcher sees the long name only.
//
// '*' matches any run of characters (none included), '?' exactly one character, letters match
// without regard to case, and a '.' followed only by '*' up to the end of the pattern also
// matches at the end of the name ("*.*" matches every name, ".#*.*" matches ".#Makefile").
// An empty condition, or one holding '\', '/' or ':', matches nothing; "." and ".." are never
// matched.
#include <string>
#include <string_view>

class TNameMatcher {
public:
    explicit TNameMatcher(std::wstring_view condition);

    // upperName is the entry's name as FoldCase gives it.
    bool Matches(std::wstring_view upperName) const;

private:
    std::wstring pattern_;
    bool usable_;
};

// The name in the case folding used for matching.
std::wstring FoldCase(std::wstring_view name);
// The same into out, whose storage is reused: a run folds every name it sees.
void FoldCaseInto(std::wstring_view name, std::wstring& out);

// Convenience for a single test of one name.
bool MatchesCondition(std::wstring_view condition, std::wstring_view name);
