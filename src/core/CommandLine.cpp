#include "core/CommandLine.h"

#include <windows.h>

#include "base/ExePath.h"

namespace {

bool IsSeparator(wchar_t c) { return c >= 1 && c <= 32; }

// Reads one word from pos; returns it without its quotes.
std::wstring NextWord(std::wstring_view line, size_t& pos)
{
    for (;;) {
        while (pos < line.size() && IsSeparator(line[pos])) ++pos;
        if (pos + 1 < line.size() && line[pos] == L'"' && line[pos + 1] == L'"')
            pos += 2;
        else
            break;
    }
    std::wstring word;
    while (pos < line.size() && line[pos] > 32) {
        if (line[pos] == L'"') {
            ++pos;
            while (pos < line.size() && line[pos] != L'"') word += line[pos++];
            if (pos < line.size()) ++pos;
        } else {
            word += line[pos++];
        }
    }
    return word;
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line)
{
    line = line.substr(0, line.find(L'\0'));
    size_t pos = 0;
    NextWord(line, pos);  // the program as it was invoked
    std::vector<std::wstring> args;
    for (;;) {
        std::wstring word = NextWord(line, pos);
        if (word.empty()) break;
        args.push_back(std::move(word));
    }
    return args;
}

int ParamCount() { return static_cast<int>(SplitCommandLine(GetCommandLineW()).size()); }

std::wstring ParamStr(int index)
{
    if (index == 0) return ExecutablePath();
    std::vector<std::wstring> args = SplitCommandLine(GetCommandLineW());
    if (index < 0 || static_cast<size_t>(index) > args.size()) return {};
    return args[static_cast<size_t>(index) - 1];
}
