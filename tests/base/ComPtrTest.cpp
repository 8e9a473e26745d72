#include <gtest/gtest.h>

#include <utility>

#include "base/ComPtr.h"

namespace {

// An object that counts its references, and how many it had when the last one went.
class TCounted : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};

// Each reference is released exactly once: when the owner goes, when a call fills it anew, and
// never by an owner it was moved out of.
TEST(ComPtr, ReleasesEachReferenceExactlyOnce)
{
    TCounted first;
    TCounted second;
    {
        TComPtr<IUnknown> owner(&first);
        IUnknown** slot = owner.Put();
        EXPECT_EQ(first.references, 0u);
        EXPECT_EQ(*slot, nullptr);
        *slot = &second;  // as a call that makes an object fills it
        TComPtr<IUnknown> moved = std::move(owner);
        EXPECT_FALSE(owner);
        EXPECT_EQ(moved.Get(), &second);
        EXPECT_EQ(second.references, 1u);
    }
    EXPECT_EQ(second.references, 0u);
}

}  // namespace
