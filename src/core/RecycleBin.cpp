#include "core/RecycleBin.h"

#include <shellapi.h>
#include <shobjidl.h>

#include "base/ComPtr.h"
#include "core/RecycleSink.h"
#include "core/ShellEntry.h"

namespace {

constexpr DWORD kFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;

// A file operation that recycles and asks nothing, or null with the reason in result.
TComPtr<IFileOperation> NewFileOperation(HWND owner, HRESULT& result)
{
    TComPtr<IFileOperation> operation;
    result = CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_PPV_ARGS(operation.Put()));
    if (FAILED(result)) return nullptr;
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
    if (!operation || FAILED(operation->DeleteItem(item.Get(), &sink))) return false;
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

// The bin answers a query only while it can take items (under Wine: while its trash folder exists
// or can be made).
bool BinAnswers()
{
    SHQUERYRBINFO info{sizeof(info)};
    return SUCCEEDED(SHQueryRecycleBinW(nullptr, &info));
}

}  // namespace

TRecycleBin::TRecycleBin(HWND owner) : owner_(owner) {}

TRecycleBin::TWay TRecycleBin::Decide()
{
    HRESULT result = S_OK;
    if (NewFileOperation(owner_, result)) return TWay::FileOperation;
    if (result != E_NOTIMPL) return TWay::None;
    return BinAnswers() ? TWay::ShellCallOnceTheBinHasAnswered : TWay::None;
}

bool TRecycleBin::Recycle(const std::wstring& path)
{
    if (way_ == TWay::Undecided) way_ = Decide();
    switch (way_) {
    case TWay::FileOperation: return RecycleByFileOperation(path, owner_);
    case TWay::ShellCallOnceTheBinHasAnswered: return RecycleByShell(path, owner_);
    default: return false;
    }
}
