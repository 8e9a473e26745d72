#pragma once
// Calling a system function that writes its text into the caller's buffer, whatever the text's
// length: with a larger buffer until the whole text fits.
#include <windows.h>

#include <functional>
#include <string>

// fill(buffer, size) writes at most size characters (the ending NUL included) and returns how
// many it wrote without the NUL, 0 for nothing or a failure, or, where the function says so, how
// many it needs. A count of size - reserve or more means the text may have been cut (reserve:
// how many characters short of size the function stops when it cuts, 0 where it says
// size or more); the call is then made again with a buffer twice as large, or as large as it
// needs. The text written.
std::wstring CallWithGrowingBuffer(const std::function<DWORD(wchar_t* buffer, DWORD size)>& fill, DWORD reserve = 0,
                                   DWORD firstSize = MAX_PATH + 1);
