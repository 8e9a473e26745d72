#pragma once
// How a run removes an entry it matched: deleted for good, or moved to the recycle bin. A test
// hands the run a remover of its own.
#include <windows.h>

#include <string>

#include "core/RecycleBin.h"

// An entry a run has matched, as its folder's enumeration showed it.
struct TMatchedEntry {
    std::wstring Path;         // absolute
    std::wstring Name;
    DWORD Attributes;
    std::wstring FolderFinal;  // where the file system resolves its folder to; empty without the link guard
};

class TRemover {
public:
    // Each true when the entry has gone.
    virtual bool Delete(const TMatchedEntry& entry) = 0;
    virtual bool Recycle(const TMatchedEntry& entry) = 0;

protected:
    ~TRemover() = default;
};

// The platform's removal: a file deleted (a folder never is), or an entry recycled whole, never
// deleted for good. With the link guard every entry is checked to be itself first (see
// LinkGuard), and a link stays.
class TPlatformRemover : public TRemover {
public:
    // shellOwner: the window that would own any question of the shell's (none is asked).
    TPlatformRemover(bool guardLinks, HWND shellOwner);

    bool Delete(const TMatchedEntry& entry) override;
    bool Recycle(const TMatchedEntry& entry) override;

private:
    bool guardLinks_;
    TRecycleBin bin_;
};
