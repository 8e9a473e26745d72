#pragma once
// Helpers for tests that run against the real Win32 API under Wine.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "ui/Layout.h"

// A fresh folder under the temporary folder, removed with everything in it afterwards
// (links are removed, never followed).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return path_; }
    // Path of a name inside the folder ("a\\b.txt").
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

private:
    std::wstring path_;
};

// The process's current folder set to a folder for the scope's life, and then set back.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(const std::wstring& folder);
    ~CurrentFolderScope();
    CurrentFolderScope(const CurrentFolderScope&) = delete;
    CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

private:
    std::wstring previous_;
};

void RemoveTree(const std::wstring& path);
void MakeDirs(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);

// The folder of the running test program, where PofuttoErase.exe is built too.
std::wstring BuildDir();
// A small module of the build that carries a crafted version resource (tests/company/versions):
// "v2345", "none", ...
std::wstring VersionModule(const wchar_t* name);
std::wstring ProgramPath();

// Environment variables a started program gets on top of (or instead of) this one's.
using Environment = std::vector<std::pair<std::wstring, std::wstring>>;

// Starts a program with a raw command-line tail, waits for it and returns its exit code
// (or -1 when it did not end within the timeout; it is then killed).
int RunProcess(const std::wstring& exe, const std::wstring& arguments,
               std::chrono::milliseconds timeout = std::chrono::seconds(60), const Environment& environment = {});

// A program started with a raw command-line tail and left running; killed at the end if it
// has not ended by itself.
class StartedProcess {
public:
    StartedProcess(const std::wstring& exe, const std::wstring& arguments, const Environment& environment = {});
    ~StartedProcess();
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    DWORD Id() const { return id_; }
    // Waits for it to end; its exit code, or -1 when it did not end within the timeout.
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(30));

private:
    KernelHandle process_;
    DWORD id_ = 0;
};

// Waits (bounded) for every process of this session whose image name satisfies match to end.
void WaitForProcesses(const std::function<bool(const std::wstring& name)>& match,
                      std::chrono::milliseconds timeout = std::chrono::seconds(30));

// Polls condition until it holds or the timeout passes, handling messages meanwhile.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Builds a tree under root from relative paths: a path ending in '\\' is a folder, any
// other a file (its folders made as needed). Paths of any length are fine.
void MakeTree(const std::wstring& root, const std::vector<std::wstring>& paths);
// Every entry below root as a sorted list of relative paths, folders ending in '\\'; links
// to folders are listed, not entered.
std::vector<std::wstring> ListTree(const std::wstring& root);

// Whether the tests run under Wine, whose Unix side some of them use (the freedesktop trash that
// stands for the recycle bin, Unix links, Unix tools).
bool RunsUnderWine();
#define SKIP_WITHOUT_WINE(what) \
    if (!RunsUnderWine()) GTEST_SKIP() << "needs Wine: " << (what)

// Wine's view of a path on the Unix side, and back ("" when it has none).
std::string UnixPath(const std::wstring& dosPath);
std::wstring DosPath(const std::string& unixPath);
// Makes a Unix symbolic link (Wine shows one to a folder as a folder reparse point).
bool MakeUnixSymlink(const std::wstring& target, const std::wstring& link);

// What the recycle bin (the freedesktop trash of this test's home) holds.
struct TrashedEntry {
    std::wstring name;          // its name in the trash
    std::string originalPath;   // the Unix path it came from
};
std::vector<TrashedEntry> TrashContents();
// The original paths of what the recycle bin holds, relative to root where they were below it
// ("sub/a.txt"), sorted.
std::vector<std::wstring> TrashedBelow(const std::wstring& root);
std::wstring TrashFilesFolder();
void EmptyTrash();

// A settings file as the program keeps it, in the system's ANSI code page (932 on a Japanese
// system): the conditions in their stored form and the three flags RecurseSubDir, UseRecycleBox,
// NoInquiryBox as three digits ("101").
std::string SettingsText(const std::wstring& conditions, const char* flags);

class TPEraseProcessor;

// A settings file in a fresh folder and a processor that reads it, as the program keeps them:
// what the dialog and run tests hand the forms and runs they test. The processor is the same
// object throughout; each Write reads the file into it again.
class TestSettings {
public:
    // The file's name in the folder ("PEConfig.ini", or ".\\PEConfig.ini" as the program forms
    // the path); it starts with the default conditions and every option off.
    explicit TestSettings(const std::wstring& fileName = L"PEConfig.ini");
    ~TestSettings();
    TestSettings(const TestSettings&) = delete;
    TestSettings& operator=(const TestSettings&) = delete;

    // Writes the file (see SettingsText) and reads it into the processor.
    void Write(const std::wstring& conditions, const char* flags);
    TPEraseProcessor& Processor() const { return *processor_; }
    const TempDir& Dir() const { return dir_; }
    const std::wstring& File() const { return file_; }

private:
    TempDir dir_;
    std::wstring file_;
    std::unique_ptr<TPEraseProcessor> processor_;
};

// A text as bytes of the system's ANSI code page, as the profile API writes it, and back.
std::string AnsiBytes(const std::wstring& text);
std::wstring FromAnsiBytes(const std::string& bytes);
// Whether the system's ANSI code page holds the text, so that a settings file can: Japanese text
// needs a Japanese system (932), as the tests under Wine have; an English Windows (1252) has not.
bool AnsiCodePageHolds(const std::wstring& text);
#define SKIP_UNLESS_ANSI_HOLDS(text)                                                                  \
    if (!AnsiCodePageHolds(text))                                                                     \
    GTEST_SKIP() << "the system's ANSI code page " << GetACP() << " cannot hold " << Narrow(text) \
                 << " (a Japanese system's 932 can)"

// The text as UTF-8 for readable assertion messages.
std::string Narrow(const std::wstring& text);

// Bounds in assertion messages: "left,top widthxheight".
void PrintTo(const TBounds& bounds, std::ostream* out);
