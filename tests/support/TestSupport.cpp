#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Handles.h"
#include "ui/TextConvert.h"

TempDir::TempDir()
{
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(base) + L"pe-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create temp dir");
    }
}

TempDir::~TempDir() { RemoveTree(path_); }

void RemoveTree(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW found;
        FindHandle find(FindFirstFileW((path + L"\\*").c_str(), &found));
        if (find) {
            do {
                std::wstring name = found.cFileName;
                if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
            } while (FindNextFileW(find.Get(), &found));
        }
    }
    RemoveDirectoryW(path.c_str());
}

void MakeDirs(const std::wstring& path)
{
    size_t pos = path.find(L'\\', 3);
    while (pos != std::wstring::npos) {
        CreateDirectoryW(path.substr(0, pos).c_str(), nullptr);
        pos = path.find(L'\\', pos + 1);
    }
    CreateDirectoryW(path.c_str(), nullptr);
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    ASSERT_TRUE(file.Valid()) << "cannot create " << Narrow(path);
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string ReadBytes(const std::wstring& path)
{
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring BuildDir()
{
    wchar_t self[MAX_PATH + 1];
    GetModuleFileNameW(nullptr, self, MAX_PATH + 1);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring ProgramPath() { return BuildDir() + L"\\PofuttoErase.exe"; }

int RunProcess(const std::wstring& exe, const std::wstring& arguments, std::chrono::milliseconds timeout)
{
    std::wstring commandLine = L"\"" + exe + L"\"" + arguments;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return -2;
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);
    if (WaitForSingleObject(process.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 99);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    return static_cast<int>(code);
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

std::string Narrow(const std::wstring& text) { return ToUtf8(text); }

std::string Sjis(const std::wstring& text)
{
    int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}
