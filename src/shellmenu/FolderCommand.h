#pragma once
// One command of Windows 11's first context menu of a folder and of a folder's background: its
// caption and icon, when it shows, and what it does, which is what the classic entry of the same
// name does: start the PofuttoErase.exe that stands beside this module with its keyword and the
// folder. Explorer asks it through COM, in its package's surrogate process.
#include <windows.h>
#include <shobjidl.h>

#include <atomic>
#include <string>
#include <vector>

struct TFolderCommandKind {
    const GUID* Id;
    const wchar_t* Title;
    const wchar_t* Keyword;
};

class TFolderCommand final : public IExplorerCommand {
public:
    explicit TFolderCommand(const TFolderCommandKind& kind);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IExplorerCommand
    HRESULT STDMETHODCALLTYPE GetTitle(IShellItemArray* items, LPWSTR* name) override;
    HRESULT STDMETHODCALLTYPE GetIcon(IShellItemArray* items, LPWSTR* icon) override;
    HRESULT STDMETHODCALLTYPE GetToolTip(IShellItemArray* items, LPWSTR* tip) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalName(GUID* name) override;
    HRESULT STDMETHODCALLTYPE GetState(IShellItemArray* items, BOOL okToBeSlow, EXPCMDSTATE* state) override;
    HRESULT STDMETHODCALLTYPE Invoke(IShellItemArray* items, IBindCtx* context) override;
    HRESULT STDMETHODCALLTYPE GetFlags(EXPCMDFLAGS* flags) override;
    HRESULT STDMETHODCALLTYPE EnumSubCommands(IEnumExplorerCommand** commands) override;

private:
    ~TFolderCommand();

    const TFolderCommandKind& kind_;
    std::atomic<ULONG> references_ = 1;
};

// The most folders one command starts the program for: Explorer's own limit for the classic
// entries, which start it once for each.
constexpr DWORD kMostFolders = 15;

// The folders a selection names, each a folder of the file system; none where anything else is
// among them or there are more than kMostFolders.
std::vector<std::wstring> SelectedFolders(IShellItemArray* items);

// The program that stands beside this module.
std::wstring ProgramBesideModule();

// How many objects of this module live, for DllCanUnloadNow.
extern std::atomic<long> gObjects;
