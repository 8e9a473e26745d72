#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include "base/ComPtr.h"
#include "base/Handles.h"
#include "support/BoxWatcher.h"
#include "support/TestSupport.h"

namespace {

using Paths = std::vector<std::wstring>;

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PofuttoErase";

std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH]{};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring InstallDir() { return KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\PofuttoErase"; }
std::wstring InstalledExe() { return InstallDir() + L"\\PofuttoErase.exe"; }
std::wstring Shortcut() { return KnownFolder(CSIDL_PROGRAMS) + L"\\ポフッと削除.lnk"; }
std::wstring SetupProgram() { return BuildDir() + L"\\PofuttoErase-setup.exe"; }

// A text value of the user's registry, or nullopt.
std::optional<std::wstring> RegText(const std::wstring& key, const wchar_t* value = nullptr)
{
    wchar_t data[2048]{};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

std::optional<DWORD> RegNumber(const std::wstring& key, const wchar_t* value)
{
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

bool KeyExists(const std::wstring& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

// The two entries on folders and on the background of an open folder.
struct Entry {
    std::wstring key;
    const wchar_t* caption;
    const wchar_t* keyword;
    const wchar_t* placeholder;
};
const Entry kEntries[] = {
    {L"Software\\Classes\\Directory\\shell\\PofuttoErase", L"ポフッと削除", L"RevorErase", L"%1"},
    {L"Software\\Classes\\Directory\\shell\\PofuttoEraseSelect", L"条件を選んでポフッと削除", L"others", L"%1"},
    {L"Software\\Classes\\Directory\\Background\\shell\\PofuttoErase", L"ポフッと削除", L"RevorErase", L"%V"},
    {L"Software\\Classes\\Directory\\Background\\shell\\PofuttoEraseSelect", L"条件を選んでポフッと削除", L"others",
     L"%V"},
};

// The FileVersion of a file's version resource, as "1.1.0.0".
std::wstring FileVersionOf(const std::wstring& file)
{
    DWORD handle = 0;
    std::vector<BYTE> data(GetFileVersionInfoSizeW(file.c_str(), &handle));
    if (data.empty() || !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) return {};
    return std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(fixed->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." + std::to_wstring(LOWORD(fixed->dwFileVersionLS));
}

// Where a shortcut leads: its target and arguments.
std::pair<std::wstring, std::wstring> ShortcutTarget(const std::wstring& link)
{
    CoInitialize(nullptr);
    std::pair<std::wstring, std::wstring> result;
    {
        TComPtr<IShellLinkW> shell;
        TComPtr<IPersistFile> file;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(shell.Put()))) &&
            SUCCEEDED(shell->QueryInterface(IID_PPV_ARGS(file.Put()))) && SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
            wchar_t path[MAX_PATH]{};
            wchar_t arguments[MAX_PATH]{};
            shell->GetPath(path, MAX_PATH, nullptr, 0);
            shell->GetArguments(arguments, MAX_PATH);
            result = {path, arguments};
        }
    }
    CoUninitialize();
    return result;
}

// Each test starts with nothing installed and leaves nothing behind.
class Installer : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Exists(SetupProgram())) << Narrow(SetupProgram()); }
    void TearDown() override
    {
        if (Exists(InstallDir() + L"\\Uninstall.exe")) Uninstall(L" /S /REMOVESETTINGS");
        RemoveTree(InstallDir());
    }

    // Wine's menu builder, started by the new shortcut, reads the program's icon meanwhile and so
    // holds the file: wait for it, as for the installer.
    static void Install()
    {
        ASSERT_EQ(RunProcess(SetupProgram(), L" /S"), 0);
        WaitForProcesses([](const std::wstring& name) { return name == L"winemenubuilder.exe"; });
    }
    // The uninstaller copies itself away to be able to remove itself (as "Un.exe" in a temporary
    // folder; "Un_A.exe" or "Au_.exe" in other NSIS versions) and ends at once: wait for the copy.
    static void Uninstall(const std::wstring& arguments)
    {
        ASSERT_EQ(RunProcess(InstallDir() + L"\\Uninstall.exe", arguments), 0);
        WaitForProcesses([](const std::wstring& name) { return name == L"Un.exe" || name == L"Un_A.exe" || name == L"Au_.exe"; });
        EXPECT_FALSE(KeyExists(kUninstallKey));
        EXPECT_FALSE(Exists(InstallDir() + L"\\Uninstall.exe"));
    }
    static void WriteSettings(const std::string& text) { WriteBytes(InstallDir() + L"\\PEConfig.ini", text); }

    TempDir dir_;
};

TEST_F(Installer, InstallsForTheUserWithItsShortcutAndFolderEntries)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_TRUE(ReadBytes(InstalledExe()) == ReadBytes(ProgramPath()));
    EXPECT_TRUE(Exists(InstallDir() + L"\\Uninstall.exe"));
    EXPECT_FALSE(Exists(InstallDir() + L"\\PEConfig.ini"));
    // The Start-menu shortcut opens the settings dialog: the program without arguments.
    auto [target, arguments] = ShortcutTarget(Shortcut());
    EXPECT_TRUE(_wcsicmp(target.c_str(), InstalledExe().c_str()) == 0) << Narrow(target);
    EXPECT_EQ(arguments, L"");

    for (const Entry& entry : kEntries) {
        EXPECT_EQ(RegText(entry.key), std::optional<std::wstring>(entry.caption)) << Narrow(entry.key);
        EXPECT_EQ(RegText(entry.key, L"Icon"), InstalledExe() + L",0") << Narrow(entry.key);
        std::wstring command = L"\"" + InstalledExe() + L"\" " + entry.keyword + L" \"" + entry.placeholder + L"\"";
        EXPECT_EQ(RegText(entry.key + L"\\command"), command) << Narrow(entry.key);
    }

    const std::wstring uninstall = kUninstallKey;
    EXPECT_EQ(RegText(uninstall, L"DisplayName"), L"VARNEL ポフッと削除");
    // The version comes from the program's own version resource.
    EXPECT_EQ(RegText(uninstall, L"DisplayVersion"), FileVersionOf(InstalledExe()));
    EXPECT_EQ(RegText(uninstall, L"DisplayVersion"), L"1.1.0.0");
    EXPECT_EQ(RegText(uninstall, L"DisplayVersion"), std::wstring(L"" POFUTTO_VERSION_TEXT) + L".0");
    EXPECT_EQ(RegText(uninstall, L"Publisher"), L"VARNEL");
    EXPECT_EQ(RegText(uninstall, L"DisplayIcon"), InstalledExe() + L",0");
    EXPECT_EQ(RegText(uninstall, L"InstallLocation"), InstallDir());
    EXPECT_EQ(RegText(uninstall, L"UninstallString"), L"\"" + InstallDir() + L"\\Uninstall.exe\"");
    EXPECT_EQ(RegText(uninstall, L"QuietUninstallString"), L"\"" + InstallDir() + L"\\Uninstall.exe\" /S");
    std::optional<DWORD> size = RegNumber(uninstall, L"EstimatedSize");
    ASSERT_TRUE(size.has_value());
    size_t bytes = ReadBytes(InstalledExe()).size() + ReadBytes(InstallDir() + L"\\Uninstall.exe").size();
    EXPECT_NEAR(static_cast<double>(*size), static_cast<double>(bytes) / 1024, 8.0);
}

// The registered command lines, with a folder that has blanks in its path, clean it: all
// conditions at once (no confirmation here), or open the choose-condition dialog.
TEST_F(Installer, RegisteredCommandsCleanAFolderWithBlanks)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    WriteSettings("[Config]\r\nSearchCondition=*.~*;.#*.*\r\nRecurseSubDir=1\r\nUseRecycleBox=0\r\nNoInquiryBox=1\r\n");
    for (const Entry& entry : kEntries) {
        std::wstring folder = dir_ / L"a folder with blanks";
        MakeTree(folder, {L"keep.txt", L"a.~cpp", L"sub dir\\.#lock.txt"});
        std::wstring command = *RegText(entry.key + L"\\command");
        command.replace(command.find(entry.placeholder), 2, folder);
        StartedProcess program(InstalledExe(), command.substr(command.find(L"\" ") + 1));
        if (std::wstring(entry.keyword) == L"RevorErase") {
            EXPECT_EQ(program.Wait(), 0) << Narrow(entry.key);
            EXPECT_EQ(ListTree(folder), (Paths{L"keep.txt", L"sub dir\\"})) << Narrow(entry.key);
        } else {
            HWND dialog = WaitForShownWindow(L"条件を選択してファイルをポフッと削除", program.Id());
            ASSERT_NE(dialog, nullptr) << Narrow(entry.key);
            PostMessageW(FindChild(dialog, L"Button", L"キャンセル(&C)"), BM_CLICK, 0, 0);
            EXPECT_EQ(program.Wait(), 0) << Narrow(entry.key);
        }
        RemoveTree(folder);
    }
}

TEST_F(Installer, InstallingAgainUpgradesTheProgramAndKeepsTheSettings)
{
    ASSERT_NO_FATAL_FAILURE(Install());
    const std::string settings = "[Config]\r\nSearchCondition=*.bak\r\nRecurseSubDir=1\r\nUseRecycleBox=1\r\nNoInquiryBox=0\r\n";
    WriteSettings(settings);
    WriteBytes(InstalledExe(), "an older program");
    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_TRUE(ReadBytes(InstalledExe()) == ReadBytes(ProgramPath()));
    EXPECT_EQ(ReadBytes(InstallDir() + L"\\PEConfig.ini"), settings);
}

TEST_F(Installer, UninstallRemovesWhatItAddedAndTheSettingsOnlyWhenAsked)
{
    struct Case {
        const wchar_t* arguments;
        bool settings;       // a settings file exists
        bool settingsKept;
    };
    for (const Case& c : {Case{L" /S", true, true}, Case{L" /S /REMOVESETTINGS", true, false}, Case{L" /S", false, false}}) {
        ASSERT_NO_FATAL_FAILURE(Install());
        if (c.settings) WriteSettings("[Config]\r\nSearchCondition=*.bak\r\n");
        Uninstall(c.arguments);
        const std::string what = Narrow(c.arguments) + (c.settings ? " with settings" : " without settings");
        EXPECT_FALSE(Exists(InstalledExe())) << what;
        EXPECT_FALSE(Exists(InstallDir() + L"\\Uninstall.exe")) << what;
        EXPECT_FALSE(Exists(Shortcut())) << what;
        for (const Entry& entry : kEntries) EXPECT_FALSE(KeyExists(entry.key)) << what << Narrow(entry.key);
        EXPECT_FALSE(KeyExists(kUninstallKey)) << what;
        EXPECT_EQ(Exists(InstallDir() + L"\\PEConfig.ini"), c.settingsKept) << what;
        // The folder goes with its last file.
        EXPECT_EQ(Exists(InstallDir()), c.settingsKept) << what;
        RemoveTree(InstallDir());
    }
}

}  // namespace
