#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "base/ComPtr.h"
#include "support/BoxWatcher.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"

namespace {

// The module's two commands as Explorer reaches them: the module loaded from a folder where the
// program stands beside it, each command made through the module's class factory.
class FolderCommands : public testing::Test {
protected:
    void SetUp() override
    {
        for (const wchar_t* file : {L"PofuttoErase.exe", L"PofuttoEraseMenu.dll"})
            ASSERT_TRUE(CopyFileW((BuildDir() + L"\\" + file).c_str(), (dir_ / file).c_str(), FALSE));
        module_ = LoadLibraryW((dir_ / L"PofuttoEraseMenu.dll").c_str());
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override
    {
        clean_.Reset();
        choose_.Reset();
        if (module_) FreeLibrary(module_);
    }

    // The command of a class id, as COM would make it.
    TComPtr<IExplorerCommand> Command(const wchar_t* classId)
    {
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
        CLSID id{};
        CLSIDFromString(classId, &id);
        TComPtr<IClassFactory> factory;
        TComPtr<IExplorerCommand> command;
        if (get && SUCCEEDED(get(id, IID_PPV_ARGS(factory.Put()))))
            factory->CreateInstance(nullptr, IID_PPV_ARGS(command.Put()));
        return command;
    }
    // The shell's items for paths, as a selection.
    static TComPtr<IShellItemArray> Selection(const std::vector<std::wstring>& paths)
    {
        std::vector<PIDLIST_ABSOLUTE> lists;
        for (const std::wstring& path : paths) {
            PIDLIST_ABSOLUTE list = nullptr;
            if (SUCCEEDED(SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr))) lists.push_back(list);
        }
        TComPtr<IShellItemArray> items;
        if (lists.size() == paths.size())
            SHCreateShellItemArrayFromIDLists(static_cast<UINT>(lists.size()),
                                              const_cast<PCIDLIST_ABSOLUTE_ARRAY>(lists.data()), items.Put());
        for (PIDLIST_ABSOLUTE list : lists) CoTaskMemFree(list);
        return items;
    }
    static std::wstring Text(HRESULT (IExplorerCommand::*get)(IShellItemArray*, LPWSTR*), IExplorerCommand& command)
    {
        TCoTaskString text;
        return SUCCEEDED((command.*get)(nullptr, text.Put())) ? text.Text() : L"(failed)";
    }
    static EXPCMDSTATE State(IExplorerCommand& command, IShellItemArray* items)
    {
        EXPCMDSTATE state = ECS_DISABLED;
        EXPECT_EQ(command.GetState(items, TRUE, &state), S_OK);
        return state;
    }
    std::wstring Folder(const std::wstring& name) const { return dir_ / name; }

    static constexpr wchar_t kClean[] = L"{49059f0e-95fb-4bb9-97af-a565b20341a1}";
    static constexpr wchar_t kChoose[] = L"{0bfafc4a-d49e-4e0e-9686-c1839933b528}";

    TempDir dir_;
    HMODULE module_ = nullptr;
    TComPtr<IExplorerCommand> clean_;
    TComPtr<IExplorerCommand> choose_;
};

// The captions of the classic entries, the program's own icon, and each class its own name.
TEST_F(FolderCommands, CarryTheClassicEntriesCaptionsAndTheProgramsIcon)
{
    clean_ = Command(kClean);
    choose_ = Command(kChoose);
    ASSERT_TRUE(clean_ && choose_);
    EXPECT_EQ(Narrow(Text(&IExplorerCommand::GetTitle, *clean_)), "ポフッと削除");
    EXPECT_EQ(Narrow(Text(&IExplorerCommand::GetTitle, *choose_)), "条件を選んでポフッと削除");
    for (IExplorerCommand* command : {clean_.Get(), choose_.Get()}) {
        EXPECT_EQ(Narrow(Text(&IExplorerCommand::GetIcon, *command)), Narrow(dir_ / L"PofuttoErase.exe,0"));
        EXPCMDFLAGS flags = ~0u;
        EXPECT_EQ(command->GetFlags(&flags), S_OK);
        EXPECT_EQ(flags, static_cast<EXPCMDFLAGS>(ECF_DEFAULT));
    }
    GUID name{};
    ASSERT_EQ(clean_->GetCanonicalName(&name), S_OK);
    CLSID expected{};
    CLSIDFromString(kClean, &expected);
    EXPECT_TRUE(IsEqualGUID(name, expected));
    // Neither another class nor another interface.
    EXPECT_FALSE(Command(L"{00000000-0000-0000-0000-000000000001}"));
}

// Shown for a folder, the background of one (Explorer hands the folder), and several folders;
// hidden for a file, a file among folders, nothing, or more folders than the classic entries take.
TEST_F(FolderCommands, ShowForFoldersOnly)
{
    MakeTree(dir_.Path(), {L"a\\x.~x", L"b\\", L"file.txt"});
    std::vector<std::wstring> many;
    for (int i = 0; i < 16; ++i) {
        many.push_back(Folder(L"many" + std::to_wstring(i)));
        MakeDirs(many.back());
    }
    clean_ = Command(kClean);
    ASSERT_TRUE(clean_);
    const struct {
        const char* what;
        std::vector<std::wstring> paths;
        EXPCMDSTATE state;
    } cases[] = {
        {"a folder, or its background", {Folder(L"a")}, ECS_ENABLED},
        {"two folders", {Folder(L"a"), Folder(L"b")}, ECS_ENABLED},
        {"a file", {Folder(L"file.txt")}, ECS_HIDDEN},
        {"a folder and a file", {Folder(L"a"), Folder(L"file.txt")}, ECS_HIDDEN},
        {"fifteen folders", std::vector<std::wstring>(many.begin(), many.begin() + 15), ECS_ENABLED},
        {"sixteen folders", many, ECS_HIDDEN},
    };
    for (const auto& c : cases) {
        TComPtr<IShellItemArray> items = Selection(c.paths);
        ASSERT_TRUE(items) << c.what;
        EXPECT_EQ(State(*clean_, items.Get()), c.state) << c.what;
    }
    EXPECT_EQ(State(*clean_, nullptr), ECS_HIDDEN);
}

// Invoked, a command starts the program beside it once for each folder, with its keyword and the
// folder: "ポフッと削除" cleans each folder (confirmation off here), "条件を選んで…" opens the
// choose-condition dialog, whose pick cleans the folder it was handed.
TEST_F(FolderCommands, InvokeStartsTheProgramOnEachFolderWithTheEntrysKeyword)
{
    MakeTree(dir_.Path(), {L"a\\x.~x", L"a\\keep.txt", L"b c\\y.~x", L"d\\z.~x"});
    WriteBytes(dir_ / L"PEConfig.ini", SettingsText(L"*.~*", "001"));
    clean_ = Command(kClean);
    choose_ = Command(kChoose);
    ASSERT_TRUE(clean_ && choose_);
    TComPtr<IShellItemArray> two = Selection({Folder(L"a"), Folder(L"b c")});
    ASSERT_TRUE(two);
    EXPECT_EQ(clean_->Invoke(two.Get(), nullptr), S_OK);
    EXPECT_TRUE(WaitFor([&] { return !Exists(Folder(L"a\\x.~x")) && !Exists(Folder(L"b c\\y.~x")); },
                        std::chrono::seconds(30)));
    EXPECT_TRUE(Exists(Folder(L"a\\keep.txt")));
    EXPECT_TRUE(Exists(Folder(L"d\\z.~x")));

    TComPtr<IShellItemArray> one = Selection({Folder(L"d")});
    ASSERT_TRUE(one);
    EXPECT_EQ(choose_->Invoke(one.Get(), nullptr), S_OK);
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = FindWindowW(nullptr, L"条件を選択してファイルをポフッと削除");
        return dialog && IsWindowVisible(dialog);
    }, std::chrono::seconds(30));
    ASSERT_NE(dialog, nullptr);
    HWND conditions = FindWindowExW(dialog, nullptr, L"ComboBox", nullptr);
    SendMessageW(conditions, CB_SETCURSEL, 0, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(conditions), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(conditions));
    PostMessageW(FindChild(dialog, L"Button", L"&OK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !Exists(Folder(L"d\\z.~x")); }, std::chrono::seconds(30)));
    WaitForProcesses([](const std::wstring& name) { return name == L"PofuttoErase.exe"; });
}

}  // namespace
