#include "FolderCommand.h"

#include <shlwapi.h>

#include <new>

#include "base/ComPtr.h"
#include "base/GrowingBuffer.h"
#include "base/Handles.h"

std::atomic<long> gObjects = 0;

namespace {

HMODULE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

// A folder of the file system, as the shell tells it of an item: a zip file, which the shell
// shows as a folder too, is a stream.
bool IsFileSystemFolder(IShellItem& item)
{
    SFGAOF attributes = 0;
    if (FAILED(item.GetAttributes(SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_STREAM, &attributes))) return false;
    return (attributes & SFGAO_FOLDER) && (attributes & SFGAO_FILESYSTEM) && !(attributes & SFGAO_STREAM);
}

// Every exception stops here: none may cross into Explorer.
template <typename Call>
HRESULT Guarded(Call call) noexcept
{
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace

std::vector<std::wstring> SelectedFolders(IShellItemArray* items)
{
    DWORD count = 0;
    if (!items || FAILED(items->GetCount(&count)) || count == 0 || count > kMostFolders) return {};
    std::vector<std::wstring> folders;
    for (DWORD i = 0; i < count; ++i) {
        TComPtr<IShellItem> item;
        TCoTaskString path;
        if (FAILED(items->GetItemAt(i, item.Put())) || !IsFileSystemFolder(*item) ||
            FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, path.Put())) || path.Text().empty())
            return {};
        folders.push_back(path.Text());
    }
    return folders;
}

std::wstring ProgramBesideModule()
{
    std::wstring module = CallWithGrowingBuffer(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(ThisModule(), buffer, size); });
    return module.substr(0, module.find_last_of(L'\\') + 1) + L"PofuttoErase.exe";
}

TFolderCommand::TFolderCommand(const TFolderCommandKind& kind) : kind_(kind) { ++gObjects; }

TFolderCommand::~TFolderCommand() { --gObjects; }

HRESULT TFolderCommand::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IExplorerCommand) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IExplorerCommand*>(this);
    AddRef();
    return S_OK;
}

ULONG TFolderCommand::AddRef() { return ++references_; }

ULONG TFolderCommand::Release()
{
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT TFolderCommand::GetTitle(IShellItemArray*, LPWSTR* name) { return SHStrDupW(kind_.Title, name); }

HRESULT TFolderCommand::GetIcon(IShellItemArray*, LPWSTR* icon)
{
    return Guarded([&] { return SHStrDupW((ProgramBesideModule() + L",0").c_str(), icon); });
}

HRESULT TFolderCommand::GetToolTip(IShellItemArray*, LPWSTR* tip)
{
    if (tip) *tip = nullptr;
    return E_NOTIMPL;
}

HRESULT TFolderCommand::GetCanonicalName(GUID* name)
{
    if (!name) return E_POINTER;
    *name = *kind_.Id;
    return S_OK;
}

// Shown for one folder, or a few, of the file system (a folder's background hands its folder);
// hidden for a file, for anything that is not a folder of the file system, and for more folders
// than the classic entry takes.
HRESULT TFolderCommand::GetState(IShellItemArray* items, BOOL, EXPCMDSTATE* state)
{
    if (!state) return E_POINTER;
    return Guarded([&] {
        *state = SelectedFolders(items).empty() ? ECS_HIDDEN : ECS_ENABLED;
        return S_OK;
    });
}

// One start of the program for each folder, as the classic entry does, with the same keyword and
// folder; nothing is waited for, so Explorer goes on at once.
HRESULT TFolderCommand::Invoke(IShellItemArray* items, IBindCtx*)
{
    return Guarded([&] {
        std::vector<std::wstring> folders = SelectedFolders(items);
        if (folders.empty()) return E_INVALIDARG;
        std::wstring program = ProgramBesideModule();
        HRESULT result = S_OK;
        for (const std::wstring& folder : folders) {
            std::wstring commandLine = L"\"" + program + L"\" " + kind_.Keyword + L" \"" + folder + L"\"";
            STARTUPINFOW startup{sizeof(startup)};
            PROCESS_INFORMATION started{};
            if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &started)) {
                result = HRESULT_FROM_WIN32(GetLastError());
                continue;
            }
            // Nothing is waited for: the handles go at once.
            KernelHandle process(started.hProcess);
            KernelHandle thread(started.hThread);
        }
        return result;
    });
}

HRESULT TFolderCommand::GetFlags(EXPCMDFLAGS* flags)
{
    if (!flags) return E_POINTER;
    *flags = ECF_DEFAULT;
    return S_OK;
}

HRESULT TFolderCommand::EnumSubCommands(IEnumExplorerCommand** commands)
{
    if (commands) *commands = nullptr;
    return E_NOTIMPL;
}
