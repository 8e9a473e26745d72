#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <functional>
#include <atomic>
#include <set>
#include <thread>
#include <tuple>

#include "base/Exception.h"
#include "base/Handles.h"
#include "base/TextConvert.h"
#include "core/PEraseClasses.h"
#include "run/PEraseWaitDlg.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

using Paths = std::vector<std::wstring>;

// A processor over a settings file in a fresh folder, and a tree "t" to clean there.
class Run : public testing::Test {
protected:
    void SetUp() override
    {
        EmptyTrash();
        MakeDirs(Root());
    }

    std::wstring Root() const { return dir_ / L"t"; }

    void Clean(const TStringList& conditions, bool recurse, bool recycle, const std::wstring& target = L"")
    {
        processor_->SearchConditions = conditions;
        processor_->SetRecurseSubDir(recurse);
        processor_->UseRecycleBox = recycle;
        processor_->SetUseAllConditions(true);
        processor_->SetTargetFolder(target.empty() ? Root() : target);
        processor_->Execute(L"");
    }

    Paths Trashed() const { return TrashedBelow(Root()); }
    // Folders d0, d1, ... below the tree, each with one match: their paths.
    Paths OneMatchEach(int folders) const
    {
        Paths matches;
        for (int i = 0; i < folders; ++i) {
            MakeTree(Root(), {L"d" + std::to_wstring(i) + L"\\x.~tmp"});
            matches.push_back(Root() + L"\\d" + std::to_wstring(i) + L"\\x.~tmp");
        }
        return matches;
    }
    // The files below root, without the folders.
    static Paths Files(const std::wstring& root)
    {
        Paths files = ListTree(root);
        std::erase_if(files, [](const std::wstring& path) { return path.back() == L'\\'; });
        return files;
    }
    static Paths Sorted(Paths paths)
    {
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    TestSettings settings_;
    const TempDir& dir_ = settings_.Dir();
    TPEraseProcessor* processor_ = &settings_.Processor();
};

const Paths kTree = {
    L"keep.txt",         L"a.~cpp",           L".#lock.txt",      L"sub\\b.~h",
    L"sub\\keep.c",      L"sub\\deep\\c.~x",  L"sub\\deep\\d.txt", L"other\\.#e.f",
};

TEST_F(Run, RecursiveCleansEveryFolderBelow)
{
    MakeTree(Root(), kTree);
    Clean({L"*.~*", L".#*.*"}, true, false);
    EXPECT_EQ(ListTree(Root()), (Paths{L"keep.txt", L"other\\", L"sub\\", L"sub\\deep\\", L"sub\\deep\\d.txt",
                                       L"sub\\keep.c"}));
}

TEST_F(Run, WithoutRecursionOnlyTheFolderItself)
{
    MakeTree(Root(), kTree);
    Clean({L"*.~*", L".#*.*"}, false, false);
    EXPECT_EQ(ListTree(Root()), (Paths{L"keep.txt", L"other\\", L"other\\.#e.f", L"sub\\", L"sub\\b.~h",
                                       L"sub\\deep\\", L"sub\\deep\\c.~x", L"sub\\deep\\d.txt", L"sub\\keep.c"}));
}

TEST_F(Run, RecycleModeMovesMatchesToTheRecycleBinWithTheirPaths)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    MakeTree(Root(), kTree);
    SetFileAttributesW((Root() + L"\\sub\\b.~h").c_str(), FILE_ATTRIBUTE_READONLY);
    Clean({L"*.~*", L".#*.*"}, true, true);
    EXPECT_EQ(ListTree(Root()), (Paths{L"keep.txt", L"other\\", L"sub\\", L"sub\\deep\\", L"sub\\deep\\d.txt",
                                       L"sub\\keep.c"}));
    EXPECT_EQ(Trashed(), (Paths{L".#lock.txt", L"a.~cpp", L"other/.#e.f", L"sub/b.~h", L"sub/deep/c.~x"}));
    // The recycled file is whole in the recycle bin, ready to be restored.
    for (const auto& entry : TrashContents())
        EXPECT_EQ(ReadBytes(TrashFilesFolder() + L"\\" + entry.name), "x") << Narrow(entry.name);
}

TEST_F(Run, ReadOnlyFileStaysWhenDeleting)
{
    MakeTree(Root(), {L"ro.~x", L"rw.~x"});
    SetFileAttributesW((Root() + L"\\ro.~x").c_str(), FILE_ATTRIBUTE_READONLY);
    Clean({L"*.~*"}, false, false);
    EXPECT_EQ(ListTree(Root()), Paths{L"ro.~x"});
}

TEST_F(Run, MatchingFolderGoesWholeToTheRecycleBinAndStaysWhenDeleting)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    for (bool recycle : {false, true}) {
        EmptyTrash();
        MakeTree(Root(), {L"old.~dir\\inner.~x", L"old.~dir\\inner.txt"});
        Clean({L"*.~*"}, true, recycle);
        if (recycle) {
            EXPECT_EQ(ListTree(Root()), Paths{});
            EXPECT_EQ(Trashed(), (Paths{L"old.~dir", L"old.~dir/inner.~x"}));
        } else {
            EXPECT_EQ(ListTree(Root()), (Paths{L"old.~dir\\", L"old.~dir\\inner.txt"}));
        }
        RemoveTree(Root());
    }
}

TEST_F(Run, EntryMatchingTwoConditionsIsRemovedOnce)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    MakeTree(Root(), {L".#x.~y", L"z.~y"});
    Clean({L"*.~*", L".#*.*", L"*.*"}, false, true);
    EXPECT_EQ(ListTree(Root()), Paths{});
    EXPECT_EQ(Trashed(), (Paths{L".#x.~y", L"z.~y"}));
}

TEST_F(Run, EverythingConditionLeavesTheFolderAndItsParent)
{
    MakeTree(dir_.Path(), {L"sibling.txt"});
    MakeTree(Root(), {L"a.txt", L"noext", L"sub\\b"});
    Clean({L"*.*"}, true, false);
    EXPECT_TRUE(Exists(Root()));
    EXPECT_TRUE(Exists(dir_ / L"sibling.txt"));
    EXPECT_EQ(ListTree(Root()), Paths{L"sub\\"});
}

TEST_F(Run, ConditionsWithAPathMatchNothing)
{
    MakeTree(dir_.Path(), {L"outside.~x"});
    MakeTree(Root(), {L"sub\\in.~x", L"in.txt"});
    Clean({L"..\\*", L"..\\*.~x", L"sub\\*.~x", L"sub/*", L"C:*", L""}, true, false);
    EXPECT_TRUE(Exists(dir_ / L"outside.~x"));
    EXPECT_EQ(ListTree(Root()), (Paths{L"in.txt", L"sub\\", L"sub\\in.~x"}));
}

TEST_F(Run, LinksToFoldersAreNeitherEnteredNorRemoved)
{
    SKIP_WITHOUT_WINE("links are made as Unix links");
    MakeTree(dir_.Path(), {L"elsewhere\\precious.~x", L"elsewhere\\file.~x"});
    MakeTree(Root(), {L"own.~x"});
    ASSERT_TRUE(MakeUnixSymlink(dir_ / L"elsewhere", Root() + L"\\link.~x"));
    ASSERT_TRUE(MakeUnixSymlink(dir_ / L"elsewhere\\file.~x", Root() + L"\\filelink.~x"));
    for (bool recycle : {false, true}) {
        Clean({L"*.~*"}, true, recycle);
        EXPECT_EQ(ListTree(dir_ / L"elsewhere"), (Paths{L"file.~x", L"precious.~x"})) << recycle;
        // The link to a file goes where the platform can tell it from its target.
        Paths left = ListTree(Root());
        EXPECT_TRUE(left == Paths{L"link.~x\\"} || left == (Paths{L"filelink.~x", L"link.~x\\"})) << recycle;
        MakeTree(Root(), {L"own.~x"});
    }
}

TEST_F(Run, PathsLongerThanMaxPath)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    std::wstring deep;
    while ((Root() + deep).size() < 400) deep += L"長いフォルダの名前です\\";
    for (bool recycle : {false, true}) {
        EmptyTrash();
        MakeTree(Root(), {deep + L"gone.~x", deep + L"kept.txt"});
        Clean({L"*.~*"}, true, recycle);
        EXPECT_FALSE(Exists(Root() + L"\\" + deep + L"gone.~x")) << recycle;
        EXPECT_TRUE(Exists(Root() + L"\\" + deep + L"kept.txt")) << recycle;
        if (recycle) {
            EXPECT_EQ(Trashed().size(), 1u);
        }
    }
}

// Runs work on a thread of its own with only about budget bytes of its stack left to it (the
// platform gives a thread at least a megabyte: the rest is taken first). False when work threw.
bool WithStackOf(size_t budget, const std::function<void()>& work)
{
    struct Job {
        size_t budget;
        const std::function<void()>& work;
    } job{budget, work};
    auto run = [](void* context) -> DWORD {
        auto& given = *static_cast<Job*>(context);
        ULONG_PTR low = 0;
        ULONG_PTR high = 0;
        GetCurrentThreadStackLimits(&low, &high);
        char here = 0;
        size_t left = reinterpret_cast<ULONG_PTR>(&here) - low;
        // _alloca touches every page it takes, as the stack grows page by page.
        volatile char* taken = static_cast<char*>(_alloca(left > given.budget ? left - given.budget : 1));
        taken[0] = 0;
        try {
            given.work();
            return 0;
        } catch (...) {
            return 1;
        }
    };
    KernelHandle thread(CreateThread(nullptr, 0, run, &job, 0, nullptr));
    if (!thread || WaitForSingleObject(thread.Get(), 60000) != WAIT_OBJECT_0) return false;
    DWORD code = 1;
    GetExitCodeThread(thread.Get(), &code);
    return code == 0;
}

TEST_F(Run, DeepTreeIsWalkedWithoutTheCallStack)
{
    // A walk that went down the call stack would need far more than this thread's stack for
    // these levels: a folder's find data alone takes 592 bytes a level.
    constexpr int kLevels = 400;
    constexpr SIZE_T kStack = 64 * 1024;
    std::string unixRoot = UnixPath(Root());
    std::string deep;
    for (int i = 0; i < kLevels; ++i) deep += "/d";
    std::wstring bottom = Root() + FromUtf8(deep);
    for (wchar_t& c : bottom) c = c == L'/' ? L'\\' : c;
    // Under Wine made on the Unix side in one go: through Wine each level costs a walk of the
    // whole path.
    if (RunsUnderWine())
        RunProcess(L"Z:\\bin\\mkdir", L" -p " + FromUtf8(unixRoot + deep));
    else
        MakeDirs(bottom);
    ASSERT_TRUE(WaitFor([&] { return Exists(bottom); }));
    MakeTree(Root(), {L"top.~x"});
    WriteBytes(bottom + L"\\bottom.~x", "x");
    WriteBytes(bottom + L"\\bottom.txt", "x");

    processor_->SearchConditions = {L"*.~*"};
    processor_->SetRecurseSubDir(true);
    processor_->SetUseAllConditions(true);
    processor_->SetTargetFolder(Root());
    EXPECT_TRUE(WithStackOf(kStack, [&] { processor_->EraseFolder(L""); }));
    EXPECT_FALSE(Exists(bottom + L"\\bottom.~x"));
    EXPECT_TRUE(Exists(bottom + L"\\bottom.txt"));
    EXPECT_FALSE(Exists(Root() + L"\\top.~x"));
    if (RunsUnderWine()) RunProcess(L"Z:\\bin\\rm", L" -rf " + FromUtf8(unixRoot + "/d"));
}

TEST_F(Run, TargetFormsThatNameTheSameFolder)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    CurrentFolderScope inside(dir_.Path());
    const std::wstring targets[] = {Root() + L"\\", L"  " + Root() + L" \t", L"t", L".\\t\\", L"\\\\?\\" + Root()};
    for (const auto& target : targets) {
        EmptyTrash();
        MakeTree(Root(), {L"a.~x", L"keep.txt"});
        Clean({L"*.~*"}, false, true, target);
        EXPECT_EQ(ListTree(Root()), Paths{L"keep.txt"}) << Narrow(target);
        // Made absolute first, so the recycle bin knows where the file came from.
        EXPECT_EQ(Trashed(), Paths{L"a.~x"}) << Narrow(target);
    }
}

// A target names one folder and never its sibling: a final dot or blank is part of the name, and
// only a text that names no folder loses the blanks around it. Each case: the matches that go.
TEST_F(Run, TargetIsTheFolderNamedAndNeverItsSibling)
{
    const Paths tree = {L"proj\\p.~1",     L"proj.\\dot.~1",     L"proj \\blank.~1",
                        L"work\\w.~1",     L"work..\\dots.~1",   L"only\\o.~1"};
    CurrentFolderScope inside(Root());
    const struct {
        std::wstring target;
        Paths gone;
    } cases[] = {
        {Root() + L"\\proj.", {L"proj.\\dot.~1"}},
        {Root() + L"\\proj ", {L"proj \\blank.~1"}},
        {Root() + L"\\work..", {L"work..\\dots.~1"}},
        {Root() + L"\\proj", {L"proj\\p.~1"}},
        {Root() + L"\\only ", {L"only\\o.~1"}},
        {Root() + L"\\only.", {}},
        {L"\\\\?\\" + Root() + L"\\proj.", {L"proj.\\dot.~1"}},
        {L"proj.", {L"proj.\\dot.~1"}},
        {L".\\proj.\\..\\work..\\", {L"work..\\dots.~1"}},
    };
    for (const auto& c : cases) {
        MakeTree(Root(), tree);
        Clean({L"*.~*"}, true, false, c.target);
        Paths left;
        for (const std::wstring& file : tree)
            if (std::find(c.gone.begin(), c.gone.end(), file) == c.gone.end()) left.push_back(file);
        EXPECT_EQ(Files(Root()), Sorted(left)) << Narrow(c.target);
    }
}

// In recycle mode the shell is handed the named folder's own entries, or none: those below a
// folder whose name it would read as its sibling's stay, and the sibling's too.
TEST_F(Run, RecycleModeCleansTheNamedFolderOrNothing)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    const Paths tree = {L"work\\w.~1", L"work..\\dots.~1", L"proj\\p.~1", L"proj \\blank.~1"};
    const struct {
        std::wstring target;
        Paths trashed;
    } cases[] = {
        {L"work..", {}},
        {L"proj ", {}},
        {L"work", {L"work/w.~1"}},
    };
    for (const auto& c : cases) {
        EmptyTrash();
        MakeTree(Root(), tree);
        Clean({L"*.~*"}, true, true, Root() + L"\\" + c.target);
        EXPECT_EQ(Trashed(), c.trashed) << Narrow(c.target);
        EXPECT_EQ(Files(Root()).size(), tree.size() - c.trashed.size()) << Narrow(c.target);
    }
}

// Names that the Win32 layer changes (a final dot or blank goes) or reads as a device are
// entries like any other: each matching one goes, in a folder of such a name too, and nothing
// else goes with it.
TEST_F(Run, NamesEndingInADotOrABlankAndDeviceLikeNamesAreRemovedExactly)
{
    MakeTree(Root(), {L"dot.~1.", L"space.~2 ", L"nul.~1", L"CON.~bak", L"odd.~3.\\in.~4 ", L"odd.~3.\\in.~4",
                      L"odd.~3\\in.~4", L"keep.", L"keep", L"keep.txt", L"two..\\in.~5", L"two\\keep"});
    Clean({L"*.~*", L"*."}, true, false);
    EXPECT_EQ(ListTree(Root()),
              (Paths{L"keep", L"keep.txt", L"odd.~3.\\", L"odd.~3\\", L"two..\\", L"two\\", L"two\\keep"}));
}

// In recycle mode the shell is never handed a name that it reads as another entry: a match it
// cannot name exactly stays where it is, and its sibling with it.
TEST_F(Run, RecycleModeNeverHandsTheShellAnotherEntry)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    MakeTree(Root(), {L"a.bak ", L"a.bak", L"old.\\in.txt", L"old\\in.txt", L"x.~y"});
    Clean({L"*.bak ", L"*.", L"*.~*"}, false, true);
    EXPECT_EQ(ListTree(Root()), (Paths{L"a.bak", L"a.bak ", L"old.\\", L"old.\\in.txt", L"old\\", L"old\\in.txt"}));
    EXPECT_EQ(Trashed(), Paths{L"x.~y"});
}

// A link whose name differs from its target's only by a final dot or blank is still a link: it
// stays, and so does its target, also in a folder of such a name.
TEST_F(Run, LinksNamedLikeTheirTargetsStay)
{
    SKIP_WITHOUT_WINE("links are made as Unix links");
    MakeTree(Root(), {L"precious", L"sub\\precious", L"sub.\\keep"});
    ASSERT_TRUE(MakeUnixSymlink(Root() + L"\\precious", Root() + L"\\precious."));
    ASSERT_TRUE(MakeUnixSymlink(Root() + L"\\precious", Root() + L"\\precious "));
    ASSERT_TRUE(MakeUnixSymlink(Root() + L"\\sub\\precious", Root() + L"\\sub.\\precious."));
    for (bool recycle : {false, true}) {
        Clean({L"*.", L"* "}, true, recycle);
        EXPECT_EQ(ListTree(Root()), (Paths{L"precious", L"precious ", L"precious.", L"sub.\\", L"sub.\\keep",
                                           L"sub.\\precious.", L"sub\\", L"sub\\precious"}))
            << recycle;
    }
}

TEST_F(Run, MissingTargetRemovesNothing)
{
    MakeTree(Root(), {L"a.~x"});
    Clean({L"*.~*"}, true, false, dir_ / L"missing");
    EXPECT_EQ(ListTree(Root()), Paths{L"a.~x"});
}

TEST_F(Run, JapaneseNamesAndConditions)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    MakeTree(Root(), {L"設計書.バックアップ", L"設計書.doc", L"資料\\議事録.バックアップ", L"資料\\議事録.txt"});
    Clean({L"*.バックアップ"}, true, true);
    EXPECT_EQ(ListTree(Root()), (Paths{L"設計書.doc", L"資料\\", L"資料\\議事録.txt"}));
    EXPECT_EQ(Trashed(), (Paths{L"設計書.バックアップ", L"資料/議事録.バックアップ"}));
}

TEST_F(Run, OneSelectedConditionOnly)
{
    MakeTree(Root(), {L"a.~x", L".#b.c", L"c.bak"});
    processor_->SearchConditions = {L"*.~*", L".#*.*", L"*.BAK"};
    processor_->SetTargetFolder(Root());
    processor_->SelectCondition(L"*.bak");
    processor_->Execute(L"");
    EXPECT_EQ(ListTree(Root()), (Paths{L".#b.c", L"a.~x"}));
}

TEST_F(Run, NoSelectedConditionRemovesNothing)
{
    MakeTree(Root(), {L"a.~x", L"sub\\b.~x"});
    processor_->SetRecurseSubDir(true);
    processor_->SetTargetFolder(Root());
    processor_->SelectCondition(L"*.none");
    ASSERT_EQ(processor_->ConditionIndex, -1);
    processor_->Execute(L"");
    EXPECT_EQ(ListTree(Root()), (Paths{L"a.~x", L"sub\\", L"sub\\b.~x"}));
}

TEST_F(Run, EmptyConditionListRemovesNothing)
{
    MakeTree(Root(), {L"a.~x", L"sub\\b.~x"});
    Clean({}, true, false);
    EXPECT_EQ(ListTree(Root()), (Paths{L"a.~x", L"sub\\", L"sub\\b.~x"}));
}

TEST_F(Run, IndexBeyondTheListRaisesAndHidesTheProgressWindow)
{
    MakeTree(Root(), {L"a.~x"});
    processor_->SearchConditions = {L"*.~*"};
    processor_->SetTargetFolder(Root());
    processor_->UseAllConditions = false;
    processor_->ConditionIndex = 5;
    try {
        processor_->Execute(L"");
        FAIL() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(Narrow(e.Message()), Narrow(L"リストのインデックスが範囲を超えています (5)"));
    }
    EXPECT_FALSE(WaitForm().Visible());
    EXPECT_EQ(ListTree(Root()), Paths{L"a.~x"});
}

TEST_F(Run, RunLeavesItsChoicesAsTheyWere)
{
    Clean({L"*.~*"}, true, false);
    EXPECT_TRUE(processor_->UseAllConditions);
    EXPECT_EQ(processor_->TargetFolder, Root());
    EXPECT_FALSE(WaitForm().Visible());
}

}  // namespace

namespace {

// Records, in order, the names removed anywhere below a folder while it watches. The watch is
// armed when the constructor returns.
class RemovalLog {
public:
    explicit RemovalLog(const std::wstring& folder)
        : folder_(folder),
          handle_(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr)),
          event_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        overlapped_.hEvent = event_.Get();
        armed_ = Arm();
        thread_ = std::thread([this] { Watch(); });
    }
    // Stops watching (a marker file tells the watcher to end) and gives what it saw.
    Paths Finish()
    {
        WriteBytes(folder_ + L"\\" + kStop, "x");
        thread_.join();
        EXPECT_TRUE(armed_) << "the watch did not start";
        return removed_;
    }

private:
    static constexpr wchar_t kStop[] = L"zz-stop-watching";

    bool Arm()
    {
        return ReadDirectoryChangesW(handle_.Get(), buffer_, sizeof(buffer_), TRUE,
                                     FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME, nullptr, &overlapped_,
                                     nullptr);
    }

    void Watch()
    {
        while (armed_) {
            DWORD got = 0;
            if (!GetOverlappedResult(handle_.Get(), &overlapped_, &got, TRUE) || got == 0) return;
            for (auto* info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(buffer_);;
                 info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(reinterpret_cast<char*>(info) + info->NextEntryOffset)) {
                std::wstring name(info->FileName, info->FileNameLength / sizeof(wchar_t));
                if (name == kStop) return;
                if (info->Action == FILE_ACTION_REMOVED) removed_.push_back(name);
                if (!info->NextEntryOffset) break;
            }
            ResetEvent(event_.Get());
            armed_ = Arm();
        }
    }

    std::wstring folder_;
    FileHandle handle_;
    KernelHandle event_;
    OVERLAPPED overlapped_{};
    alignas(DWORD) char buffer_[64 * 1024];
    bool armed_ = false;
    Paths removed_;
    std::thread thread_;
};

size_t Position(const Paths& removed, const std::wstring& name)
{
    auto it = std::find(removed.begin(), removed.end(), name);
    return it == removed.end() ? removed.size() + 100 : static_cast<size_t>(it - removed.begin());
}

TEST_F(Run, DeepestFoldersFirstThenConditionByCondition)
{
    MakeTree(Root(), {L"x.~a", L".#r.c", L"sub\\x.~a", L"sub\\.#s.c", L"sub\\deep\\x.~a", L"other\\x.~a"});
    RemovalLog log(Root());
    Clean({L"*.~*", L".#*.*"}, true, false);
    Paths removed = log.Finish();
    ASSERT_EQ(removed.size(), 6u) << ::testing::PrintToString(removed);
    auto at = [&](const wchar_t* name) { return Position(removed, name); };
    EXPECT_LT(at(L"sub\\deep\\x.~a"), at(L"sub\\x.~a"));
    EXPECT_LT(at(L"sub\\x.~a"), at(L"sub\\.#s.c"));
    for (const wchar_t* below : {L"sub\\deep\\x.~a", L"sub\\x.~a", L"sub\\.#s.c", L"other\\x.~a"}) {
        EXPECT_LT(at(below), at(L"x.~a")) << Narrow(below);
    }
    EXPECT_LT(at(L"x.~a"), at(L".#r.c"));
}

// Another thread sends the UI thread one message after another while a run works. The UI thread
// takes a sent message only where it lets messages through; each time it notes how many of the
// folders' matches are gone by then, and hands that to look.
class PumpProbe : public TForm {
public:
    explicit PumpProbe(std::vector<std::wstring> matches, std::function<void(int gone)> look = {})
        : TForm({L"probe", TFormBorder::None, false, 1, 1}), matches_(std::move(matches)), look_(std::move(look))
    {
        sender_.Reset(CreateThread(nullptr, 0, &PumpProbe::Send, this, 0, nullptr));
    }
    ~PumpProbe() override { Finish(); }
    // Stops the sender, taking the message it may still wait on.
    std::set<int> Finish()
    {
        stop_ = true;
        HANDLE sender = sender_.Get();
        while (sender && MsgWaitForMultipleObjects(1, &sender, FALSE, 10000, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        sender_.Reset();
        return gone_;
    }
    std::set<int> gone_;  // how many matches were gone, at each message taken

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg != kProbe) return TForm::WndProc(msg, wParam, lParam);
        int gone = 0;
        for (const std::wstring& match : matches_) gone += Exists(match) ? 0 : 1;
        gone_.insert(gone);
        if (look_) look_(gone);
        return 0;
    }

private:
    static constexpr UINT kProbe = WM_APP + 30;
    std::vector<std::wstring> matches_;
    std::function<void(int gone)> look_;
    static DWORD WINAPI Send(void* self)
    {
        auto& probe = *static_cast<PumpProbe*>(self);
        while (!probe.stop_) SendMessageW(probe.Handle(), kProbe, 0, 0);
        return 0;
    }

    std::atomic<bool> stop_ = false;
    KernelHandle sender_;
};

// The run lets the waiting messages through as it goes, at the start of folders, as often as a
// person can notice, not once in every folder of a tree of many small ones.
TEST_F(Run, MessagesAreHandledAsTheRunGoes)
{
    constexpr int kFolders = 300;
    Paths matches = OneMatchEach(kFolders);
    PumpProbe probe(matches);
    Clean({L"*.~*"}, true, false);
    std::set<int> gone = probe.Finish();
    // Between the first folder and the last, the run let messages through again and again.
    int during = static_cast<int>(std::count_if(gone.begin(), gone.end(), [](int n) { return n > 0 && n < kFolders; }));
    EXPECT_GE(during, 3) << ::testing::PrintToString(gone);
    EXPECT_EQ(ListTree(Root()).size(), static_cast<size_t>(kFolders));
}

// While a run works, the end of the session waits: logoff, shutdown and Restart Manager are
// answered "not now", with the reason Windows shows; before and after the run, the session may
// end.
TEST_F(Run, TheSessionIsAskedToWaitWhileARunWorks)
{
    constexpr int kFolders = 300;
    Paths matches = OneMatchEach(kFolders);
    HWND application = Application().Handle();
    // The answers to a shutdown, to Restart Manager and to a logoff, and the reason given.
    using Answers = std::tuple<LRESULT, LRESULT, LRESULT, std::wstring>;
    auto ask = [&] {
        return Answers{SendMessageW(application, WM_QUERYENDSESSION, 0, 0),
                       SendMessageW(application, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP),
                       SendMessageW(application, WM_QUERYENDSESSION, 0, static_cast<LPARAM>(ENDSESSION_LOGOFF)),
                       Application().SessionEndBlockReason()};
    };
    const Answers mayEnd{TRUE, TRUE, TRUE, L""};
    EXPECT_EQ(ask(), mayEnd);
    std::set<Answers> during;
    PumpProbe probe(matches, [&](int gone) {
        if (gone > 0 && gone < kFolders) during.insert(ask());
    });
    Clean({L"*.~*"}, true, false);
    probe.Finish();
    EXPECT_EQ(during, (std::set<Answers>{{FALSE, FALSE, FALSE, L"ファイルを削除しています。終わるまでお待ちください。"}}));
    EXPECT_EQ(ask(), mayEnd);
    EXPECT_EQ(ListTree(Root()).size(), static_cast<size_t>(kFolders));
}

}  // namespace

namespace {

// Another thread sends a window one message after another while it lives, and notes how long
// the longest of them waited for its answer.
class SendLatency {
public:
    using Clock = std::chrono::steady_clock;

    explicit SendLatency(HWND window) : window_(window), sender_([this] { Send(); }) {}
    ~SendLatency() { Finish(); }
    // Stops the sender and tells the longest wait, counting the message that waits now up to
    // this moment; then answers that one.
    std::chrono::milliseconds Finish()
    {
        stop_ = true;
        Clock::rep since = pendingSince_;
        if (since) longest_ = std::max(longest_.load(), Clock::now().time_since_epoch().count() - since);
        while (sender_.joinable() && !done_) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            Sleep(1);
        }
        if (sender_.joinable()) sender_.join();
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::duration(longest_.load()));
    }
    int Sent() const { return sent_; }

private:
    void Send()
    {
        while (!stop_) {
            Clock::rep start = Clock::now().time_since_epoch().count();
            pendingSince_ = start;
            SendMessageW(window_, WM_NULL, 0, 0);
            pendingSince_ = 0;
            if (stop_) break;  // Finish has counted it
            longest_ = std::max(longest_.load(), Clock::now().time_since_epoch().count() - start);
            ++sent_;
        }
        done_ = true;
    }

    HWND window_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> done_ = false;
    std::atomic<Clock::rep> pendingSince_ = 0;
    std::atomic<Clock::rep> longest_ = 0;
    std::atomic<int> sent_ = 0;
    std::thread sender_;
};

// One folder of many matches: the windows keep answering while they are removed, as Windows
// shows a window that leaves a message waiting for five seconds as not responding.
TEST_F(Run, WindowsKeepAnsweringWhileOneLargeFolderIsCleaned)
{
    constexpr int kMatches = 20000;
    if (RunsUnderWine()) {
        // Made on the Unix side in one go: through Wine each file costs a walk of the folder.
        std::string folder = UnixPath(Root());
        RunProcess(L"Z:\\bin\\sh", L" -c \"cd '" + FromUtf8(folder) +
                                       L"' && i=0 && while [ $i -lt " + std::to_wstring(kMatches) +
                                       L" ]; do : >m$i.~x; i=$((i+1)); done\"");
    } else {
        for (int i = 0; i < kMatches; ++i) WriteBytes(Root() + L"\\m" + std::to_wstring(i) + L".~x", "");
    }
    MakeTree(Root(), {L"keep.txt"});
    ASSERT_TRUE(WaitFor([&] { return Exists(Root() + L"\\m" + std::to_wstring(kMatches - 1) + L".~x"); }));

    HWND progress = WaitForm().Handle();
    SendLatency latency(progress);
    Clean({L"*.~*"}, false, false);
    std::chrono::milliseconds longest = latency.Finish();
    EXPECT_EQ(ListTree(Root()), Paths{L"keep.txt"});
    EXPECT_GT(latency.Sent(), 10);
    EXPECT_LE(longest.count(), 250) << "a message waited that long for the progress window";
}

}  // namespace
