// The floor for the benchmark: the least a cleanup can do on this machine. Enumerates each
// folder once with the raw API and deletes the files matching the two default conditions
// ("*.~*": the name holds ".~"; ".#*.*": it starts with ".#"). No window, no checks.
#include <windows.h>

#include <string>

static void Clean(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Clean(path);
        } else if (name.find(L".~") != std::wstring::npos || name.rfind(L".#", 0) == 0) {
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    wchar_t full[MAX_PATH];
    GetFullPathNameW(argv[1], MAX_PATH, full, nullptr);
    Clean(full);
    return 0;
}
