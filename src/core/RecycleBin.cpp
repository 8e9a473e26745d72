#include "core/RecycleBin.h"

#include <shellapi.h>
#include <shobjidl.h>

#include "core/ComPtr.h"
#include "core/ShellEntry.h"

namespace {

constexpr DWORD kFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;

// Lets a delete go ahead only when the shell says it will recycle the item; any other delete
// is refused, so the item stays. Lives on the caller's stack: made before the operation that
// holds it, and so gone only after that operation has let it go.
class TRecycleOnly : public IFileOperationProgressSink {
public:
    bool recycled = false;

    HRESULT STDMETHODCALLTYPE PreDeleteItem(DWORD flags, IShellItem*) override
    {
        return (flags & TSF_DELETE_RECYCLE_IF_POSSIBLE) ? S_OK : E_ABORT;
    }
    HRESULT STDMETHODCALLTYPE PostDeleteItem(DWORD, IShellItem*, HRESULT result, IShellItem* inBin) override
    {
        recycled = SUCCEEDED(result) && inBin;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IFileOperationProgressSink) {
            *object = static_cast<IFileOperationProgressSink*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE StartOperations() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FinishOperations(HRESULT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreRenameItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostRenameItem(DWORD, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PreMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE PreNewItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostNewItem(DWORD, IShellItem*, LPCWSTR, LPCWSTR, DWORD, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE UpdateProgress(UINT, UINT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResetTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PauseTimer() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResumeTimer() override { return S_OK; }
};

// A file operation that recycles and asks nothing, or null with the reason in result.
TComPtr<IFileOperation> NewFileOperation(HWND owner, HRESULT& result)
{
    IFileOperation* made = nullptr;
    result = CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&made));
    if (FAILED(result)) return nullptr;
    TComPtr<IFileOperation> operation(made);
    result = operation->SetOperationFlags(kFlags | FOFX_RECYCLEONDELETE);
    if (FAILED(result)) return nullptr;
    operation->SetOwnerWindow(owner);
    return operation;
}

bool RecycleByFileOperation(const std::wstring& path, HWND owner)
{
    TRecycleOnly sink;
    TComPtr<IShellItem> item = ExactShellItem(path);
    if (!item) return false;
    HRESULT result = S_OK;
    TComPtr<IFileOperation> operation = NewFileOperation(owner, result);
    if (!operation || FAILED(operation->DeleteItem(item.get(), &sink))) return false;
    operation->PerformOperations();
    return sink.recycled;
}

bool RecycleByShell(const std::wstring& path, HWND owner)
{
    std::wstring exact = ExactShellPath(path);
    if (exact.empty()) return false;
    // A list of paths ended by an empty one: the path, then a second NUL.
    std::wstring from = exact;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = kFlags;
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace

TRecycleBin::TRecycleBin(HWND owner) : owner_(owner) {}

TRecycleBin::TWay TRecycleBin::Decide()
{
    HRESULT result = S_OK;
    if (NewFileOperation(owner_, result)) return TWay::FileOperation;
    if (result != E_NOTIMPL) return TWay::None;
    // The bin answers a query only while it can take items (under Wine: while its trash folder
    // exists or can be made).
    SHQUERYRBINFO info{sizeof(info)};
    return SUCCEEDED(SHQueryRecycleBinW(nullptr, &info)) ? TWay::ShellWhileTheBinAnswers : TWay::None;
}

bool TRecycleBin::Recycle(const std::wstring& path)
{
    if (way_ == TWay::Undecided) way_ = Decide();
    switch (way_) {
    case TWay::FileOperation: return RecycleByFileOperation(path, owner_);
    case TWay::ShellWhileTheBinAnswers: return RecycleByShell(path, owner_);
    default: return false;
    }
}
