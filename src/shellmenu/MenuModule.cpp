// The module's COM entry points: the class factory of each command, and whether the module may
// be unloaded. Explorer's surrogate process loads it through the package that declares it.
#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <new>

#include "FolderCommand.h"
#include "MenuClasses.h"

namespace {

const TFolderCommandKind kClean{&kCleanCommandId, kCleanCommandTitle, kCleanCommandKeyword};
const TFolderCommandKind kChoose{&kChooseCommandId, kChooseCommandTitle, kChooseCommandKeyword};

std::atomic<long> gLocks = 0;

class TCommandFactory final : public IClassFactory {
public:
    explicit constexpr TCommandFactory(const TFolderCommandKind& kind) : kind_(kind) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    // The factories live as long as the module.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* command = new (std::nothrow) TFolderCommand(kind_);
        if (!command) return E_OUTOFMEMORY;
        HRESULT result = command->QueryInterface(iid, object);
        command->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        lock ? ++gLocks : --gLocks;
        return S_OK;
    }

private:
    const TFolderCommandKind& kind_;
};

TCommandFactory gCleanFactory(kClean);
TCommandFactory gChooseFactory(kChoose);

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID id, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (id == kCleanCommandId) return gCleanFactory.QueryInterface(iid, object);
    if (id == kChooseCommandId) return gChooseFactory.QueryInterface(iid, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return gObjects == 0 && gLocks == 0 ? S_OK : S_FALSE; }
