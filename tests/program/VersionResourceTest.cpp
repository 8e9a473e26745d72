#include <gtest/gtest.h>

#include <set>

#include "support/TestSupport.h"

namespace {

class VersionResource : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(ProgramPath().c_str(), &handle);
        ASSERT_GT(size, 0u);
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(ProgramPath().c_str(), 0, size, data_.data()));
    }

    // The value under a key, or nothing when the key is absent.
    std::optional<std::wstring> Value(const std::wstring& key)
    {
        void* value = nullptr;
        UINT length = 0;
        std::wstring path = L"\\StringFileInfo\\041103A4\\" + key;
        if (!VerQueryValueW(data_.data(), path.c_str(), &value, &length)) return std::nullopt;
        std::wstring text(static_cast<const wchar_t*>(value), length);
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return text;
    }

    std::vector<char> data_;
};

TEST_F(VersionResource, HasOneJapaneseTranslation)
{
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    auto* words = static_cast<const WORD*>(value);
    EXPECT_EQ(words[0], 0x0411);
    EXPECT_EQ(words[1], 932);
}

TEST_F(VersionResource, HoldsTheStringsTheAboutBoxReads)
{
    const std::pair<const wchar_t*, const wchar_t*> present[] = {
        {L"FileVersion", L"1.1.0.0"},
        {L"ProductVersion", L"1.0.0.0"},
        {L"ProductName", L"VARNEL ポフッと削除"},
        {L"CompanyName", L"VARNEL"},
        {L"LegalCopyright", L"Copyright (C) 2026 VARNEL"},
        {L"Comments", L""},
        {L"FileDescription", L""},
        {L"InternalName", L""},
        {L"LegalTrademarks", L""},
        {L"OriginalFilename", L""},
    };
    for (const auto& [key, expected] : present) {
        auto value = Value(key);
        ASSERT_TRUE(value.has_value()) << Narrow(key);
        EXPECT_EQ(Narrow(*value), Narrow(expected)) << Narrow(key);
    }
    EXPECT_FALSE(Value(L"PrivateBuild").has_value());
    EXPECT_FALSE(Value(L"SpecialBuild").has_value());
}

TEST_F(VersionResource, FixedInfoCarriesTheSameVersions)
{
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data_.data(), L"\\", &value, &length));
    auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
}

// The names of the DLLs the executable imports, read from its PE import table.
std::set<std::string> ImportedDlls(const std::string& image)
{
    auto at = [&](size_t offset) { return image.data() + offset; };
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0));
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(static_cast<size_t>(dos->e_lfanew)));
    auto sections = IMAGE_FIRST_SECTION(nt);
    // A 32-bit image (the installer from a 32-bit NSIS) has a shorter optional header.
    DWORD importRva = nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC
                          ? reinterpret_cast<const IMAGE_NT_HEADERS32*>(nt)->OptionalHeader
                                .DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress
                          : nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    auto toOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    std::set<std::string> names;
    for (auto d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(toOffset(importRva))); d->Name; ++d) {
        std::string name = at(toOffset(d->Name));
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        names.insert(name);
    }
    return names;
}

// An executable's manifest (its resource 1 of type RT_MANIFEST), or the empty text.
std::string ManifestOf(const std::wstring& exe)
{
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return {};
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    std::string manifest;
    if (found) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (data) manifest.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

// Whether the executable's manifest binds the common controls to version 6, which the system
// takes from its side-by-side store, never from the program's folder.
bool BindsCommonControls6(const std::wstring& exe)
{
    std::string manifest = ManifestOf(exe);
    return manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
           manifest.find("version=\"6.0.0.0\"") != std::string::npos;
}

TEST(Executable, Is64BitGui)
{
    std::string image = ReadBytes(ProgramPath());
    ASSERT_GT(image.size(), 1024u);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

// Run from a Downloads folder that holds a planted version.dll or uxtheme.dll, the program and
// its installer load none of it: before their own code runs they load only the system's known
// DLLs, which Windows always takes from System32, and the common controls through their
// manifest; what else they use loads later, from System32 alone.
TEST(Executable, BeforeAnyCodeRunsOnlyDllsTheSystemTakesFromSystem32)
{
    const std::set<std::string> known = {"advapi32.dll", "combase.dll", "comdlg32.dll", "gdi32.dll",
                                         "imm32.dll",    "kernel32.dll", "msvcrt.dll",  "ole32.dll",
                                         "oleaut32.dll", "rpcrt4.dll",   "sechost.dll", "shcore.dll",
                                         "shell32.dll",  "shlwapi.dll",  "user32.dll",  "ws2_32.dll"};
    std::vector<std::wstring> programs{ProgramPath()};
    std::wstring setup = BuildDir() + L"\\PofuttoErase-setup.exe";
    if (Exists(setup)) programs.push_back(setup);
    for (const std::wstring& program : programs) {
        std::set<std::string> imports = ImportedDlls(ReadBytes(program));
        EXPECT_TRUE(imports.count("kernel32.dll")) << Narrow(program) << ": no import table read";
        for (const std::string& dll : imports) {
            if (dll == "comctl32.dll") {
                EXPECT_TRUE(BindsCommonControls6(program)) << Narrow(program);
                continue;
            }
            EXPECT_TRUE(known.count(dll)) << Narrow(program) << " loads " << dll << " from wherever it stands";
        }
    }
}

// The version in its one place (CMakeLists.txt) is the one the program carries: FileVersion (which
// the about box shows) and the manifest's, as MAJOR.MINOR.PATCH.0.
TEST_F(VersionResource, IsTheProjectsVersion)
{
    const std::wstring expected = std::wstring(L"" POFUTTO_VERSION_TEXT) + L".0";
    EXPECT_EQ(Value(L"FileVersion"), expected);
    std::string text = ManifestOf(ProgramPath());
    EXPECT_NE(text.find("name=\"Varnel.PofuttoErase\" version=\"" + Narrow(expected) + "\""), std::string::npos) << text;
}

TEST(Executable, CarriesItsIconAndManifest)
{
    HMODULE module = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
    FreeLibrary(module);
    std::string text = ManifestOf(ProgramPath());
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find("asInvoker"), std::string::npos);
}

}  // namespace
