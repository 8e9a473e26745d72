#pragma once
// The program's command line, split by its own rules (not those of CommandLineToArgvW).
#include <string>
#include <string_view>
#include <vector>

// The arguments after the program word: blanks (codes 1 to 32) separate words, an empty pair
// of quotes where a word starts is skipped, a quoted stretch may hold blanks and touching
// stretches form one argument; the count stops at the first word that comes out empty.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

// The number of arguments on the process's command line.
int ParamCount();
// Argument index: 0 is the executable's full path; past the last argument, the empty text.
std::wstring ParamStr(int index);
