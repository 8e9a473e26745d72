#include <gtest/gtest.h>

#include "base/ComPtr.h"
#include "core/RecycleSink.h"
#include "support/TestSupport.h"

namespace {

// What the recycle bin lets the shell's file operation do (Windows has the operation, Wine has
// not): a delete goes ahead only when the shell would recycle the item, and an item counts as
// recycled only when the shell reports it in the bin.
TEST(RecycleSink, LetsOnlyARecyclingDeleteGoAndCountsOnlyAnItemInTheBin)
{
    TempDir dir;
    TComPtr<IShellItem> item;
    ASSERT_TRUE(SUCCEEDED(SHCreateItemFromParsingName(dir.Path().c_str(), nullptr, IID_PPV_ARGS(item.Put()))));
    const struct {
        const char* what;
        DWORD flags;
        bool goesAhead;
    } deletes[] = {
        {"recycle if possible", TSF_DELETE_RECYCLE_IF_POSSIBLE, true},
        {"for good", 0, false},
        {"for good, other flags", TSF_OVERWRITE_EXIST | TSF_NO_SECURITY, false},
    };
    for (const auto& d : deletes) {
        TRecycleOnly sink;
        EXPECT_EQ(SUCCEEDED(sink.PreDeleteItem(d.flags, item.Get())), d.goesAhead) << d.what;
    }
    const struct {
        const char* what;
        HRESULT result;
        IShellItem* inBin;
        bool recycled;
    } outcomes[] = {
        {"done, in the bin", S_OK, item.Get(), true},
        {"done, not in the bin", S_OK, nullptr, false},
        {"failed", E_FAIL, item.Get(), false},
    };
    for (const auto& o : outcomes) {
        TRecycleOnly sink;
        sink.PostDeleteItem(TSF_DELETE_RECYCLE_IF_POSSIBLE, item.Get(), o.result, o.inBin);
        EXPECT_EQ(sink.recycled, o.recycled) << o.what;
    }
}

}  // namespace
