#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/TestSupport.h"

namespace {

// The DLLs an executable names in its import table, upper case: what the loader brings in before
// any of the program's code runs.
std::set<std::string> StaticImports(const std::wstring& exe)
{
    std::string data = ReadBytes(exe);
    std::vector<char> bytes(data.begin(), data.end());
    std::set<std::string> names;
    auto at = [&](size_t offset, size_t size) { return offset + size <= bytes.size() ? bytes.data() + offset : nullptr; };
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
    if (!dos) return names;
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(static_cast<size_t>(dos->e_lfanew), sizeof(IMAGE_NT_HEADERS64)));
    if (!nt || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) return names;
    auto* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return bytes.size();
    };
    DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (size_t offset = offsetOf(importRva);; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(offset, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
        if (!entry || entry->Name == 0) break;
        const char* name = at(offsetOf(entry->Name), 1);
        if (!name) break;
        std::string upper = name;
        std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return static_cast<char>(toupper(c)); });
        names.insert(upper);
    }
    return names;
}

// Whether the executable's manifest binds the common controls to version 6, which the system
// takes from its side-by-side store, never from the program's folder.
bool BindsCommonControls6(const std::wstring& exe)
{
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return false;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    std::string manifest;
    if (found) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (data) manifest.assign(data, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
           manifest.find("version=\"6.0.0.0\"") != std::string::npos;
}

// The DLLs Windows always loads from System32 (its known DLLs), whatever stands beside the
// program.
const std::set<std::string> kKnownDlls = {"ADVAPI32.DLL", "COMBASE.DLL", "COMDLG32.DLL", "GDI32.DLL",
                                          "IMM32.DLL",    "KERNEL32.DLL", "MSVCRT.DLL",  "OLE32.DLL",
                                          "OLEAUT32.DLL", "RPCRT4.DLL",   "SECHOST.DLL", "SHCORE.DLL",
                                          "SHELL32.DLL",  "SHLWAPI.DLL",  "USER32.DLL",  "WS2_32.DLL"};

// Run from a Downloads folder that holds a planted version.dll or uxtheme.dll, the program and
// its installer load none of it: before their own code runs they load only the system's known
// DLLs and the common controls through their manifest; what else they use loads later, from
// System32 alone.
TEST(DllLoading, BeforeAnyCodeRunsOnlyDllsTheSystemTakesFromSystem32)
{
    std::vector<std::wstring> programs{ProgramPath()};
    for (const wchar_t* installer : {L"PofuttoErase-setup.exe"}) {
        std::wstring path = BuildDir() + L"\\" + installer;
        if (Exists(path)) programs.push_back(path);
    }
    for (const std::wstring& program : programs) {
        std::set<std::string> imports = StaticImports(program);
        EXPECT_TRUE(imports.count("KERNEL32.DLL")) << Narrow(program) << ": no import table read";
        for (const std::string& dll : imports) {
            if (dll == "COMCTL32.DLL") {
                EXPECT_TRUE(BindsCommonControls6(program)) << Narrow(program);
                continue;
            }
            EXPECT_TRUE(kKnownDlls.count(dll)) << Narrow(program) << " loads " << dll << " from wherever it stands";
        }
    }
}

}  // namespace
