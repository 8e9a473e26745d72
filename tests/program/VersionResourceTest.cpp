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
    auto toOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    std::set<std::string> names;
    DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(toOffset(importRva))); d->Name; ++d) {
        std::string name = at(toOffset(d->Name));
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        names.insert(name);
    }
    return names;
}

TEST(Executable, Is64BitGuiAndImportsSystemDllsOnly)
{
    std::string image = ReadBytes(ProgramPath());
    ASSERT_GT(image.size(), 1024u);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll",  "comctl32.dll",
                                          "shell32.dll",  "version.dll", "ole32.dll", "advapi32.dll",
                                          "msvcrt.dll",   "shlwapi.dll", "uxtheme.dll"};
    for (const std::string& dll : ImportedDlls(image)) EXPECT_TRUE(system.count(dll)) << dll;
}

TEST(Executable, CarriesItsIconAndManifest)
{
    HMODULE module = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                     SizeofResource(module, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find("asInvoker"), std::string::npos);
    FreeLibrary(module);
}

}  // namespace
