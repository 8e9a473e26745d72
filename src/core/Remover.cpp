#include "core/Remover.h"

#include "core/LinkGuard.h"
#include "core/Paths.h"

TPlatformRemover::TPlatformRemover(bool guardLinks, HWND shellOwner) : guardLinks_(guardLinks), bin_(shellOwner) {}

bool TPlatformRemover::Delete(const TMatchedEntry& entry)
{
    if (guardLinks_) return DeleteCheckedFile(entry.Path, entry.Attributes, entry.FolderFinal, entry.Name);
    // A folder refuses this and stays.
    return DeleteFileW(ApiPath(entry.Path).c_str());
}

bool TPlatformRemover::Recycle(const TMatchedEntry& entry)
{
    if (guardLinks_ && IsHiddenLink(entry.Path, entry.Attributes, entry.FolderFinal, entry.Name)) return false;
    return bin_.Recycle(entry.Path);
}
