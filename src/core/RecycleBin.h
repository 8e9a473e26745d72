#pragma once
// The recycle bin as a run uses it: an entry goes there whole, or stays where it is. The
// platform's own call (SHFileOperation with FOF_ALLOWUNDO) deletes for good, without a word, what
// the bin cannot take: a drive without a bin, an item too large for it, an unusable trash under
// Wine. This never does.
#include <windows.h>

#include <string>

// It relies on the calling thread's COM apartment (the program keeps one for its life); without
// one nothing reaches the bin and every entry stays.
class TRecycleBin {
public:
    // Owner: the window that would own any window of the shell's (none is shown).
    explicit TRecycleBin(HWND owner);
    TRecycleBin(const TRecycleBin&) = delete;
    TRecycleBin& operator=(const TRecycleBin&) = delete;

    // Moves one entry (its absolute path), a file or a folder with all it holds, to the recycle
    // bin: exactly that entry, whatever its name and length, or nothing. False when it stays
    // where it is.
    [[nodiscard]] bool Recycle(const std::wstring& path);

private:
    // How entries reach the bin here, decided at the first entry a run recycles.
    enum class TWay {
        Undecided,
        // The shell's file operation, whose progress sink refuses every delete that would not
        // recycle (Windows).
        FileOperation,
        // Where that operation is not implemented (Wine): the shell's older call, once the bin
        // has answered, at that first entry, that it takes items; without a bin that call would
        // delete for good. (Wine keeps that answer for the process, and its call leaves an entry
        // in place when the trash stops taking items.)
        ShellCallOnceTheBinHasAnswered,
        // No way that keeps the entries: they stay.
        None,
    };
    TWay Decide();

    HWND owner_;
    TWay way_ = TWay::Undecided;
};
