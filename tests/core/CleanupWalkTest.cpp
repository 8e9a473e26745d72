#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <thread>

#include "core/CleanupWalk.h"
#include "core/LinkGuard.h"
#include "core/PEraseClasses.h"
#include "core/Remover.h"
#include "support/TestSupport.h"

namespace {

using Paths = std::vector<std::wstring>;

// A remover that removes nothing: it notes each entry it is handed, in order, and says it has
// gone unless its name is among those that stay.
class TRecordingRemover : public TRemover {
public:
    explicit TRecordingRemover(Paths staying = {}) : staying_(std::move(staying)) {}
    bool Delete(const TMatchedEntry& entry) override { return Take(entry); }
    bool Recycle(const TMatchedEntry& entry) override { return Take(entry); }

    Paths handed;

private:
    bool Take(const TMatchedEntry& entry)
    {
        handed.push_back(entry.Name);
        return std::find(staying_.begin(), staying_.end(), entry.Name) == staying_.end();
    }
    Paths staying_;
};

// The walk on its own: a processor over a settings file in a fresh folder and a tree "t" there.
class Walk : public testing::Test {
protected:
    std::wstring Root() const { return settings_.Dir() / L"t"; }
    TPEraseProcessor& Processor()
    {
        TPEraseProcessor& processor = settings_.Processor();
        processor.SetUseAllConditions(true);
        processor.SetTargetFolder(Root());
        return processor;
    }

    TestSettings settings_;
};

// The walk needs no window: on a thread that has none, with the platform's removal and no one
// to let messages through to, it cleans the tree and makes no window.
TEST_F(Walk, CleansATreeWithoutAnyWindow)
{
    MakeTree(Root(), {L"keep.txt", L"a.~cpp", L"sub\\b.~h", L"sub\\keep.c", L"sub\\deep\\.#c.x"});
    TPEraseProcessor& processor = Processor();
    processor.SearchConditions = {L"*.~*", L".#*.*"};
    processor.SetRecurseSubDir(true);
    int windows = -1;
    std::thread alone([&] {
        bool guard = PlatformHidesFileLinks();
        TPlatformRemover remover(guard, nullptr);
        WalkAndClean(processor, L"", {nullptr, guard, remover});
        windows = 0;
        EnumThreadWindows(
            GetCurrentThreadId(), [](HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; },
            reinterpret_cast<LPARAM>(&windows));
    });
    alone.join();
    EXPECT_EQ(windows, 0);
    EXPECT_EQ(ListTree(Root()), (Paths{L"keep.txt", L"sub\\", L"sub\\deep\\", L"sub\\keep.c"}));
}

// Condition by condition, each in enumeration order: an entry that one condition removed is not
// tried again, and one that cannot be removed is tried again by every later condition that
// matches it.
TEST_F(Walk, TriesAnEntryAgainForEveryLaterConditionThatMatchesIt)
{
    MakeTree(Root(), {L"held.bak", L"gone.bak", L"zed", L"keep.txt"});
    TPEraseProcessor& processor = Processor();
    processor.SearchConditions = {L"*.bak", L"z*", L"*.b*"};
    for (bool recycle : {false, true}) {
        processor.UseRecycleBox = recycle;
        TRecordingRemover remover({L"held.bak"});
        WalkAndClean(processor, L"", {nullptr, false, remover});
        std::map<std::wstring, int> tries;
        for (const std::wstring& name : remover.handed) ++tries[name];
        EXPECT_EQ(tries, (std::map<std::wstring, int>{{L"gone.bak", 1}, {L"held.bak", 2}, {L"zed", 1}})) << recycle;
        // The second try of the one that stays belongs to the third condition's pass.
        ASSERT_EQ(remover.handed.size(), 4u);
        EXPECT_EQ(remover.handed[2], L"zed");
        EXPECT_EQ(remover.handed[3], L"held.bak");
    }
}

// The walk tells how many matches stayed because their removal was refused; a matching folder
// that deleting outright leaves in place is meant to stay, and does not count.
TEST_F(Walk, CountsTheMatchesThatStay)
{
    MakeTree(Root(), {L"a.~x", L"held.~x", L"old.~dir\\", L"keep.txt"});
    TPEraseProcessor& processor = Processor();
    processor.SearchConditions = {L"*.~*"};
    const struct {
        bool recycle;
        Paths staying;
        size_t left;
    } cases[] = {
        {false, {}, 0},
        {false, {L"held.~x"}, 1},
        {false, {L"held.~x", L"old.~dir"}, 1},
        {true, {}, 0},
        {true, {L"held.~x", L"old.~dir"}, 2},
    };
    for (const auto& c : cases) {
        processor.UseRecycleBox = c.recycle;
        // The folder refuses to be deleted, as the platform's file deletion does.
        Paths staying = c.staying;
        if (!c.recycle) staying.push_back(L"old.~dir");
        TRecordingRemover remover(staying);
        EXPECT_EQ(WalkAndClean(processor, L"", {nullptr, false, remover}), c.left) << c.recycle << c.staying.size();
    }
}

// As the walk runs on Windows, where no link to a file is hidden and the guard is off: the check
// of folder links alone keeps it out of a link to a folder elsewhere, which is neither entered
// nor handed to a removal, whatever its name matches.
TEST_F(Walk, WithoutTheLinkGuardALinkToAFolderIsNeitherEnteredNorRemoved)
{
    SKIP_WITHOUT_WINE("a Unix link to a folder stands for a junction");
    MakeTree(Root(), {L"a.~x", L"sub\\b.~x"});
    std::wstring elsewhere = settings_.Dir() / L"elsewhere";
    MakeTree(elsewhere, {L"precious.~x", L"inner\\also.~x"});
    ASSERT_TRUE(MakeUnixSymlink(elsewhere, Root() + L"\\linked.~x"));
    TPEraseProcessor& processor = Processor();
    processor.SearchConditions = {L"*.~x"};
    processor.SetRecurseSubDir(true);
    {
        TRecordingRemover remover;
        processor.UseRecycleBox = true;
        WalkAndClean(processor, L"", {nullptr, false, remover});
        std::sort(remover.handed.begin(), remover.handed.end());
        EXPECT_EQ(remover.handed, (Paths{L"a.~x", L"b.~x"}));
    }
    TPlatformRemover remover(false, nullptr);
    processor.UseRecycleBox = false;
    WalkAndClean(processor, L"", {nullptr, false, remover});
    EXPECT_EQ(ListTree(Root()), (Paths{L"linked.~x\\", L"sub\\"}));
    EXPECT_EQ(ListTree(elsewhere), (Paths{L"inner\\", L"inner\\also.~x", L"precious.~x"}));
}

}  // namespace
