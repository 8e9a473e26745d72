#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "base/Handles.h"
#include "core/ShellEntry.h"
#include "support/TestSupport.h"

namespace {

// The shell's own view of the folder an item names.
std::wstring ItemPath(IShellItem& item)
{
    TCoTaskString name;
    return SUCCEEDED(item.GetDisplayName(SIGDN_FILESYSPATH, name.Put())) ? name.Text() : std::wstring();
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

// The program's apartment (its lifetime object, which the test program holds) serves the shell.
class ShellEntry : public testing::Test {
protected:
    TempDir dir_;
};

// A shell item of a made-up shell: its file system path (what the shell reports), the name it
// was made from and the item it was made below.
class TFakeItem final : public IShellItem {
public:
    TFakeItem(std::wstring path, std::wstring name, IShellItem* parent) : path_(std::move(path)), name_(std::move(name))
    {
        // A reference of its own to the parent, held as long as the item lives.
        if (parent) parent->AddRef();
        parent_ = TComPtr<IShellItem>(parent);
    }
    virtual ~TFakeItem() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid != IID_IUnknown && iid != IID_IShellItem) return *object = nullptr, E_NOINTERFACE;
        AddRef();
        *object = static_cast<IShellItem*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE BindToHandler(IBindCtx*, REFGUID, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetParent(IShellItem** parent) override
    {
        if (!parent_) return E_FAIL;
        return parent_->QueryInterface(IID_PPV_ARGS(parent));
    }
    HRESULT STDMETHODCALLTYPE GetDisplayName(SIGDN form, LPWSTR* name) override
    {
        const std::wstring& text = form == SIGDN_FILESYSPATH ? path_ : name_;
        *name = static_cast<wchar_t*>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
        wcscpy(*name, text.c_str());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetAttributes(SFGAOF, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Compare(IShellItem* other, SICHINTF, int* order) override
    {
        *order = other == this || static_cast<TFakeItem*>(other)->path_ == path_ ? 0 : 1;
        return S_OK;
    }

private:
    std::wstring path_;
    std::wstring name_;
    TComPtr<IShellItem> parent_;
    ULONG references_ = 1;
};

// A made-up shell that parses the paths it is told, and makes each child at its parent's path
// and name, or where a detour says.
struct TFakeShell {
    std::vector<std::wstring> parses;
    std::map<std::wstring, std::wstring> detours;  // a child's honest path, and where it leads

    TShellNaming Naming()
    {
        return {
            [this](const std::wstring& path) -> TComPtr<IShellItem> {
                for (const std::wstring& parsed : parses)
                    if (parsed == path) return TComPtr<IShellItem>(new TFakeItem(path, path, nullptr));
                return nullptr;
            },
            [this](IShellItem& parent, const std::wstring& name) -> TComPtr<IShellItem> {
                std::wstring path = ItemPath(parent) + L"\\" + name;
                auto detour = detours.find(path);
                return TComPtr<IShellItem>(new TFakeItem(detour == detours.end() ? path : detour->second, name, &parent));
            },
        };
    }
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
        TCoTaskString name;
        ASSERT_TRUE(SUCCEEDED(item->GetDisplayName(SIGDN_PARENTRELATIVEPARSING, name.Put())));
        EXPECT_EQ(Narrow(name.Text()), "gone.~x");
    }
}

// Beyond MAX_PATH the item is built from the longest folder that parses as itself, one name at a
// time, and must in the end be the entry itself, whatever each step said.
TEST(LongShellItem, IsTheEntryItselfOrNothing)
{
    std::wstring top = L"C:\\work";
    std::wstring deep = top;
    std::vector<std::wstring> folders;
    while (deep.size() < 300) folders.push_back(deep += L"\\long folder name");
    std::wstring path = deep + L"\\gone.~x";
    // The longest folder under MAX_PATH, and one shorter.
    std::wstring longest;
    std::wstring shorter;
    for (const std::wstring& folder : folders)
        if (folder.size() < MAX_PATH) shorter = std::exchange(longest, folder);
    struct Case {
        const char* what;
        std::vector<std::wstring> parses;
        std::map<std::wstring, std::wstring> detours;
        bool made;
    };
    const Case cases[] = {
        {"every step honest", {longest}, {}, true},
        {"only a shorter folder parses", {shorter}, {}, true},
        {"no folder parses", {}, {}, false},
        {"the last name leads to another entry", {longest}, {{path, deep + L"\\other.~x"}}, false},
        {"a folder on the way leads elsewhere", {shorter}, {{longest, top + L"\\elsewhere"}}, false},
    };
    for (const Case& c : cases) {
        TFakeShell shell{c.parses, c.detours};
        TComPtr<IShellItem> item = ExactShellItem(path, shell.Naming());
        EXPECT_EQ(static_cast<bool>(item), c.made) << c.what;
        if (item) {
            EXPECT_EQ(Narrow(ItemPath(*item)), Narrow(path)) << c.what;
        }
    }
}

}  // namespace
