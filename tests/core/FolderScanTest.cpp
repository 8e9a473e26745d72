#include <gtest/gtest.h>

#include "core/FolderScan.h"
#include "support/TestSupport.h"

namespace {

// Which folders a run enters, by what the find data says of them: a reparse point that stands
// for another name is a link and stays shut; any other is a folder of its own (a cloud drive's
// placeholder, a deduplicated or compressed folder) and is cleaned like one.
TEST(FolderLinks, AreTheReparsePointsThatStandForAnotherName)
{
    constexpr DWORD kFolder = FILE_ATTRIBUTE_DIRECTORY;
    constexpr DWORD kReparse = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    const struct {
        const char* what;
        DWORD attributes;
        DWORD tag;
        bool link;
    } cases[] = {
        {"a plain folder", kFolder, 0, false},
        {"a junction or mount point", kReparse, IO_REPARSE_TAG_MOUNT_POINT, true},
        {"a symbolic link", kReparse, IO_REPARSE_TAG_SYMLINK, true},
        {"a OneDrive placeholder", kReparse, 0x9000701A, false},
        {"a cloud files folder", kReparse, IO_REPARSE_TAG_CLOUD, false},
        {"a deduplicated folder", kReparse, IO_REPARSE_TAG_DEDUP, false},
        {"a link whose tag is not told (Wine's Unix link)", kReparse, 0, true},
        {"a file link", FILE_ATTRIBUTE_REPARSE_POINT, IO_REPARSE_TAG_SYMLINK, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsFolderLink(c.attributes, c.tag), c.link) << c.what;
}

}  // namespace
