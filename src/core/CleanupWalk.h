#pragma once
// The cleanup run's walk: the target folder and, with RecurseSubDir, every folder below it,
// deepest first, each folder's matches removed condition by condition. It is core's own engine
// and knows no window: whoever runs it hands it what it needs from outside.
#include <functional>
#include <string>

class TPEraseProcessor;
class TRemover;

struct TWalkContext {
    // Lets the messages waiting for the program's windows through: at the start of the run, then
    // at a folder's start or between its entries once 16 ms have passed since the last time.
    std::function<void()> LetMessagesThrough;
    // Checks each entry against where its folder really is before it is removed: the link guard,
    // for a platform that hides links to files (see LinkGuard). Links to folders are never
    // entered either way.
    bool GuardLinks;
    TRemover& Remover;
};

// One run from folder (the processor's TargetFolder when folder is blank) with the processor's
// conditions and options, each read when a visit needs it. A blank target cleans nothing. Raises
// EListError for a selected condition beyond the list; what was removed until then stays removed.
// Returns how many matches stayed because their removal was refused (in use, read-only, refused
// by the recycle bin, a link the guard keeps); a matching folder that deleting outright leaves in
// place, and a link to a folder, which is never handed to a removal, do not count.
size_t WalkAndClean(const TPEraseProcessor& processor, const std::wstring& folder, const TWalkContext& context);
