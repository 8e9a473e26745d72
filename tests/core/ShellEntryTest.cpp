#include <gtest/gtest.h>

#include "base/Handles.h"
#include "core/ShellEntry.h"
#include "support/TestSupport.h"

namespace {

// The shell's own view of the folder an item names.
std::wstring ItemPath(IShellItem& item)
{
    wchar_t* name = nullptr;
    if (FAILED(item.GetDisplayName(SIGDN_FILESYSPATH, &name))) return {};
    std::wstring out = name;
    CoTaskMemFree(name);
    return out;
}

bool SameFile(const std::wstring& a, const std::wstring& b)
{
    auto open = [](const std::wstring& path) {
        return FileHandle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, 7, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    };
    FileHandle x = open(a);
    FileHandle y = open(b);
    BY_HANDLE_FILE_INFORMATION p{};
    BY_HANDLE_FILE_INFORMATION q{};
    return x && y && GetFileInformationByHandle(x.Get(), &p) && GetFileInformationByHandle(y.Get(), &q) &&
           p.nFileIndexLow == q.nFileIndexLow && p.nFileIndexHigh == q.nFileIndexHigh &&
           p.dwVolumeSerialNumber == q.dwVolumeSerialNumber;
}

class ShellEntry : public testing::Test {
protected:
    void SetUp() override { com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void TearDown() override
    {
        if (com_) CoUninitialize();
    }
    TempDir dir_;
    bool com_ = false;
};

TEST(Win32Names, AreExactUnlessTheWin32LayerRewritesThem)
{
    const struct {
        const wchar_t* path;
        bool exact;
    } cases[] = {
        {L"C:\\work\\a.bak", true},
        {L"C:\\work\\設計書.~doc", true},
        {L"C:\\work\\a.bak ", false},
        {L"C:\\work\\a.", false},
        {L"C:\\work.\\a", false},
        {L"C:\\work \\a", false},
        {L"C:\\work\\.\\a", false},
        {L"C:\\work\\..\\a", false},
        {L"C:\\work/a", false},
    };
    for (const auto& c : cases) EXPECT_EQ(Win32NamesExactly(c.path), c.exact) << Narrow(c.path);
    std::wstring deep = L"C:";
    while (deep.size() < 600) deep += L"\\フォルダ";
    EXPECT_TRUE(Win32NamesExactly(deep + L"\\a.bak"));
    EXPECT_FALSE(Win32NamesExactly(deep + L"\\a.bak."));
}

// The shell is handed exactly the entry that matched, or nothing: a name the Win32 layer reads
// as its sibling never reaches the shell, which would take the sibling instead.
TEST_F(ShellEntry, TheShellNamesExactlyTheEntryOrNothing)
{
    MakeTree(dir_.Path(), {L"a.bak ", L"a.bak", L"b.~x.", L"b.~x", L"nul.~1", L"CON.~bak", L"plain.~x"});
    for (const wchar_t* name : {L"a.bak ", L"b.~x."}) {
        std::wstring path = dir_ / name;
        EXPECT_FALSE(ExactShellItem(path)) << Narrow(name);
        EXPECT_EQ(ExactShellPath(path), L"") << Narrow(name);
    }
    for (const wchar_t* name : {L"a.bak", L"b.~x", L"plain.~x", L"nul.~1", L"CON.~bak"}) {
        std::wstring path = dir_ / name;
        // A device name is one only where the platform reads it so (Windows 10, Wine): then
        // neither is there.
        bool device = !Win32NamesExactly(path);
        TComPtr<IShellItem> item = ExactShellItem(path);
        if (device) {
            EXPECT_FALSE(item) << Narrow(name);
            EXPECT_EQ(ExactShellPath(path), L"") << Narrow(name);
            continue;
        }
        ASSERT_TRUE(item) << Narrow(name);
        EXPECT_EQ(Narrow(ItemPath(*item)), Narrow(path));
        EXPECT_EQ(ExactShellPath(path), path);
    }
}

// A path too long for the shell's parser goes as the same entry or not at all: through its short
// form (another name of the same entry) to the older call, and one exact name at a time to the
// item.
TEST_F(ShellEntry, ALongPathNamesTheSameEntryOrNothing)
{
    std::wstring deep;
    while ((dir_.Path() + deep).size() < 400) deep += L"\\長いフォルダの名前です";
    MakeTree(dir_.Path(), {deep.substr(1) + L"\\gone.~x"});
    std::wstring path = dir_.Path() + deep + L"\\gone.~x";
    std::wstring handed = ExactShellPath(path);
    EXPECT_TRUE(handed == path || (handed.size() < MAX_PATH && SameFile(L"\\\\?\\" + handed, L"\\\\?\\" + path)))
        << Narrow(handed);
    EXPECT_EQ(ExactShellPath(dir_.Path() + deep + L"\\gone.~x."), L"");
    // Wine's shell makes a child from its name below the desktop instead of below the folder it is
    // given; the check of each step's parent refuses that, and so Wine gets no item here.
    if (TComPtr<IShellItem> item = ExactShellItem(path)) {
        wchar_t* name = nullptr;
        ASSERT_TRUE(SUCCEEDED(item->GetDisplayName(SIGDN_PARENTRELATIVEPARSING, &name)));
        EXPECT_EQ(Narrow(name), "gone.~x");
        CoTaskMemFree(name);
    }
}

}  // namespace
