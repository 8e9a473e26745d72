#pragma once
// Breaking a text into the lines that fit a width, as the message box and wrapped labels show
// it.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// The lines of text in the font selected into dc, each at most width pixels wide where a
// single character allows. A carriage return, a line feed or the pair starts a new line. A
// line breaks after its last blank that fits, else inside the word (Japanese text has no
// blanks to break at), never inside a surrogate pair; the blank at a break is dropped.
std::vector<std::wstring> WrapText(HDC dc, std::wstring_view text, int width);
