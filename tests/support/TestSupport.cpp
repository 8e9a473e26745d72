#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include "base/Exception.h"
#include "base/Handles.h"
#include "base/TextConvert.h"
#include "core/PEraseClasses.h"
#include "core/Paths.h"
#include "ui/Application.h"

#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>

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

CurrentFolderScope::CurrentFolderScope(const std::wstring& folder)
{
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryW(folder.c_str());
}

CurrentFolderScope::~CurrentFolderScope() { SetCurrentDirectoryW(previous_.c_str()); }

namespace {

// The "\\?\" form of a path, each name kept exactly as written.
std::wstring Long(const std::wstring& path) { return ApiPath(ExactAbsolutePath(path)); }

// Calls visit for each entry of folder, without "." and "..".
void ForEachEntry(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& visit)
{
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(Long(folder + L"\\*").c_str(), &found));
    if (!find) return;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") visit(found);
    } while (FindNextFileW(find.Get(), &found));
}

bool IsLinkToFolder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

void RemoveTree(const std::wstring& path)
{
    // Without recursion: trees in tests can be thousands of levels deep.
    std::vector<std::pair<std::wstring, bool>> stack{{path, false}};
    while (!stack.empty()) {
        auto [current, expanded] = stack.back();
        stack.pop_back();
        DWORD attributes = GetFileAttributesW(Long(current).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) continue;
        SetFileAttributesW(Long(current).c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            DeleteFileW(Long(current).c_str());
        } else if (expanded || IsLinkToFolder(attributes)) {
            RemoveDirectoryW(Long(current).c_str());
        } else {
            stack.push_back({current, true});
            ForEachEntry(current, [&](const WIN32_FIND_DATAW& e) { stack.push_back({current + L"\\" + e.cFileName, false}); });
        }
    }
}

void MakeTree(const std::wstring& root, const std::vector<std::wstring>& paths)
{
    for (const std::wstring& relative : paths) {
        std::wstring full = root + L"\\" + relative;
        bool folder = full.back() == L'\\';
        if (folder) full.pop_back();
        MakeDirs(folder ? full : full.substr(0, full.find_last_of(L'\\')));
        if (!folder) WriteBytes(full, "x");
    }
}

std::vector<std::wstring> ListTree(const std::wstring& root)
{
    std::vector<std::wstring> out;
    std::vector<std::wstring> pending{L""};
    while (!pending.empty()) {
        std::wstring relative = pending.back();
        pending.pop_back();
        ForEachEntry(relative.empty() ? root : root + L"\\" + relative, [&](const WIN32_FIND_DATAW& e) {
            std::wstring path = relative.empty() ? e.cFileName : relative + L"\\" + e.cFileName;
            if (e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                out.push_back(path + L"\\");
                if (!IsLinkToFolder(e.dwFileAttributes)) pending.push_back(path);
            } else {
                out.push_back(path);
            }
        });
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool RunsUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

std::string UnixPath(const std::wstring& dosPath)
{
    using Fn = char*(CDECL*)(const wchar_t*);
    static auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!fn) return {};
    // The long form: a name keeps a final dot or blank.
    char* unix = fn(Long(dosPath).c_str());
    if (!unix) return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

std::wstring DosPath(const std::string& unixPath)
{
    using Fn = wchar_t*(CDECL*)(const char*);
    static auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!fn) return {};
    wchar_t* dos = fn(unixPath.c_str());
    if (!dos) return {};
    std::wstring out = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    return out;
}

bool MakeUnixSymlink(const std::wstring& target, const std::wstring& link)
{
    // The link does not exist yet: resolve its folder and add its name.
    size_t cut = link.find_last_of(L'\\');
    std::string unixLink = UnixPath(link.substr(0, cut)) + "/" + Narrow(link.substr(cut + 1));
    std::wstring arguments = L" -s \"" + FromUtf8(UnixPath(target)) + L"\" \"" + FromUtf8(unixLink) + L"\"";
    // Wine does not hand back a Unix program's exit code, nor always wait for it: look for the
    // result instead.
    RunProcess(L"Z:\\bin\\ln", arguments);
    return WaitFor([&] { return Exists(link); }, std::chrono::seconds(5));
}

namespace {

std::string GetEnvUtf8(const wchar_t* name)
{
    wchar_t buffer[4096];
    DWORD got = GetEnvironmentVariableW(name, buffer, 4096);
    return got > 0 && got < 4096 ? Narrow(buffer) : std::string();
}

std::string PercentDecode(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::wstring TrashFolder()
{
    std::string data = GetEnvUtf8(L"XDG_DATA_HOME");
    if (data.empty()) data = GetEnvUtf8(L"HOME") + "/.local/share";
    return DosPath(data + "/Trash");
}

}  // namespace

std::wstring TrashFilesFolder() { return TrashFolder() + L"\\files"; }

std::vector<TrashedEntry> TrashContents()
{
    std::vector<TrashedEntry> out;
    if (TrashFolder().empty()) return out;
    std::wstring info = TrashFolder() + L"\\info";
    ForEachEntry(info, [&](const WIN32_FIND_DATAW& e) {
        std::wstring name = e.cFileName;
        const std::wstring suffix = L".trashinfo";
        if (name.size() <= suffix.size() || name.substr(name.size() - suffix.size()) != suffix) return;
        std::string text = ReadBytes(info + L"\\" + name);
        size_t at = text.find("\nPath=");
        std::string path;
        if (at != std::string::npos) path = PercentDecode(text.substr(at + 6, text.find('\n', at + 6) - at - 6));
        out.push_back({name.substr(0, name.size() - suffix.size()), path});
    });
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.originalPath < b.originalPath; });
    return out;
}

std::vector<std::wstring> TrashedBelow(const std::wstring& root)
{
    std::string prefix = UnixPath(root) + "/";
    std::vector<std::wstring> out;
    for (const auto& entry : TrashContents()) {
        const std::string& path = entry.originalPath;
        out.push_back(FromUtf8(path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path));
    }
    std::sort(out.begin(), out.end());
    return out;
}

void EmptyTrash()
{
    // Without Wine there is no such folder: never a path made from an empty one.
    if (TrashFolder().empty()) return;
    // Keep the folders themselves: Wine sets up the trash once per process.
    for (const wchar_t* part : {L"\\files", L"\\info"}) {
        std::wstring folder = TrashFolder() + part;
        ForEachEntry(folder, [&](const WIN32_FIND_DATAW& e) { RemoveTree(folder + L"\\" + e.cFileName); });
    }
}

void MakeDirs(const std::wstring& path)
{
    size_t pos = path.find(L'\\', 3);
    while (pos != std::wstring::npos) {
        CreateDirectoryW(Long(path.substr(0, pos)).c_str(), nullptr);
        pos = path.find(L'\\', pos + 1);
    }
    CreateDirectoryW(Long(path).c_str(), nullptr);
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    FileHandle file(CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    ASSERT_TRUE(file.Valid()) << "cannot create " << Narrow(path);
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string ReadBytes(const std::wstring& path)
{
    FileHandle file(CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring BuildDir()
{
    wchar_t self[MAX_PATH + 1];
    GetModuleFileNameW(nullptr, self, MAX_PATH + 1);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring VersionModule(const wchar_t* name) { return BuildDir() + L"\\version_" + name + L".dll"; }

std::wstring ProgramPath() { return BuildDir() + L"\\PofuttoErase.exe"; }

namespace {

// This process's environment block with the given variables set: "NAME=value" strings, each
// ended by a NUL, and one more NUL at the end.
std::wstring EnvironmentBlock(const Environment& overrides)
{
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
        std::wstring_view text(entry);
        bool replaced = std::any_of(overrides.begin(), overrides.end(), [&](const auto& o) {
            return text.size() > o.first.size() && text[o.first.size()] == L'=' &&
                   CompareStringOrdinal(text.data(), static_cast<int>(o.first.size()), o.first.c_str(),
                                        static_cast<int>(o.first.size()), TRUE) == CSTR_EQUAL;
        });
        if (!replaced) block.append(text).push_back(L'\0');
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : overrides) block.append(name + L"=" + value).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

// Starts exe. Under load Wine now and then refuses an image that is still being closed (by a
// copy just made, or a process of it that has just left) with a sharing violation, and, rarely,
// loses a new process before it has finished starting (an internal error, which CreateProcess
// reports for a start that never completed): those two errors alone are tried again, for up to
// a second, and each retry is logged. Any other is logged once.
bool Launch(const std::wstring& exe, const std::wstring& arguments, PROCESS_INFORMATION& info,
            const Environment& environment = {})
{
    std::wstring block = environment.empty() ? std::wstring() : EnvironmentBlock(environment);
    for (int attempt = 0;; ++attempt) {
        std::wstring commandLine = L"\"" + exe + L"\"" + arguments;
        STARTUPINFOW startup{sizeof(startup)};
        if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                           block.empty() ? nullptr : block.data(), nullptr, &startup, &info))
            return true;
        DWORD error = GetLastError();
        bool retry = (error == ERROR_SHARING_VIOLATION || error == ERROR_INTERNAL_ERROR) && attempt < 20;
        fprintf(stderr, "starting %s failed (%lu: %s)%s\n", Narrow(exe).c_str(), error,
                Narrow(SystemErrorText(error)).c_str(), retry ? ", trying again" : "");
        if (!retry) return false;
        Sleep(50);
    }
}

}  // namespace

int RunProcess(const std::wstring& exe, const std::wstring& arguments, std::chrono::milliseconds timeout,
               const Environment& environment)
{
    PROCESS_INFORMATION info{};
    if (!Launch(exe, arguments, info, environment)) return -2;
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

StartedProcess::StartedProcess(const std::wstring& exe, const std::wstring& arguments, const Environment& environment)
{
    PROCESS_INFORMATION info{};
    if (!Launch(exe, arguments, info, environment)) return;
    KernelHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
}

StartedProcess::~StartedProcess()
{
    if (!process_) return;
    if (WaitForSingleObject(process_.Get(), 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

int StartedProcess::Wait(std::chrono::milliseconds timeout)
{
    if (!process_ || WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<int>(code);
}

void WaitForProcesses(const std::function<bool(const std::wstring& name)>& match, std::chrono::milliseconds timeout)
{
    std::vector<KernelHandle> running;
    FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));  // invalid is INVALID_HANDLE_VALUE
    PROCESSENTRY32W entry{sizeof(entry)};
    for (BOOL more = snapshot && Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (!match(entry.szExeFile)) continue;
        if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID)) running.emplace_back(process);
    }
    for (const KernelHandle& process : running)
        EXPECT_EQ(WaitForSingleObject(process.Get(), static_cast<DWORD>(timeout.count())), WAIT_OBJECT_0);
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

std::string SettingsText(const std::wstring& conditions, const char* flags)
{
    return AnsiBytes(L"[Config]\r\nSearchCondition=" + conditions + L"\r\nRecurseSubDir=" + wchar_t(flags[0]) +
                     L"\r\nUseRecycleBox=" + wchar_t(flags[1]) + L"\r\nNoInquiryBox=" + wchar_t(flags[2]) + L"\r\n");
}

std::string Narrow(const std::wstring& text) { return ToUtf8(text); }

std::string AnsiBytes(const std::wstring& text)
{
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring FromAnsiBytes(const std::string& bytes)
{
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                        text.data(), static_cast<int>(text.size()))));
    return text;
}

bool AnsiCodePageHolds(const std::wstring& text)
{
    // Asked as every code page takes it, UTF-8 included: the bytes read back as the text.
    return FromAnsiBytes(AnsiBytes(text)) == text;
}

void PrintTo(const TBounds& bounds, std::ostream* out)
{
    *out << bounds.Left << "," << bounds.Top << " " << bounds.Width << "x" << bounds.Height;
}

TestSettings::TestSettings(const std::wstring& fileName)
    : file_(dir_ / fileName), processor_(std::make_unique<TPEraseProcessor>(file_))
{
}

TestSettings::~TestSettings() = default;

void TestSettings::Write(const std::wstring& conditions, const char* flags)
{
    WriteBytes(file_, SettingsText(conditions, flags));
    processor_->LoadSettings();
}
