#include <functional>

#include "base/Handles.h"
#include "base/TextConvert.h"
#include "program/ProgramCopy.h"

namespace {

using Paths = std::vector<std::wstring>;

// The program started on a tree "work" beside its settings file, each time until it ends.
class Cleanup : public ProgramCopy {
protected:
    void SetUp() override
    {
        EmptyTrash();
        ProgramCopy::SetUp();
    }

    void Settings(const std::wstring& conditions, bool recurse, bool recycle, bool noInquiry = true)
    {
        const char flags[] = {recurse ? '1' : '0', recycle ? '1' : '0', noInquiry ? '1' : '0', '\0'};
        ProgramCopy::Settings(conditions, flags);
    }

    // Starts the program with a raw command-line tail and waits for it to end by itself, with
    // the exit code that says whether a match stayed (1) or not (0).
    void Run(const std::wstring& arguments, int exitCode = 0)
    {
        ASSERT_EQ(RunProcess(Exe(), arguments, std::chrono::seconds(60)), exitCode) << Narrow(arguments);
    }

    Paths Trashed() const { return TrashedBelow(Work()); }
};

const Paths kTree = {L"keep.txt", L"a.~cpp", L".#lock.txt", L"sub\\b.~h", L"sub\\keep.c", L"sub\\deep\\c.~x"};

TEST_F(Cleanup, CleansTheFolderAndWithRecursionEveryFolderBelow)
{
    struct Case {
        bool recurse;
        Paths left;
    };
    const Case cases[] = {
        {true, {L"keep.txt", L"sub\\", L"sub\\deep\\", L"sub\\keep.c"}},
        {false, {L"keep.txt", L"sub\\", L"sub\\b.~h", L"sub\\deep\\", L"sub\\deep\\c.~x", L"sub\\keep.c"}},
    };
    for (const auto& c : cases) {
        MakeTree(Work(), kTree);
        Settings(L"*.~*;.#*.*", c.recurse, false);
        Run(L" RevorErase \"" + Work() + L"\"");
        EXPECT_EQ(ListTree(Work()), c.left) << c.recurse;
        // Nothing is written back to the settings file.
        EXPECT_NE(ReadBytes(SettingsFile()).find("NoInquiryBox=1"), std::string::npos);
    }
}

TEST_F(Cleanup, RecycleModeKeepsEveryMatchRestorable)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    MakeTree(Work(), kTree);
    SetFileAttributesW((Work() + L"\\a.~cpp").c_str(), FILE_ATTRIBUTE_READONLY);
    Settings(L"*.~*;.#*.*", true, true);
    Run(L" RevorErase \"" + Work() + L"\"");
    EXPECT_EQ(ListTree(Work()), (Paths{L"keep.txt", L"sub\\", L"sub\\deep\\", L"sub\\keep.c"}));
    EXPECT_EQ(Trashed(), (Paths{L".#lock.txt", L"a.~cpp", L"sub/b.~h", L"sub/deep/c.~x"}));
}

// Where the recycle bin cannot take anything (here: a home whose trash folder cannot be made),
// recycle mode deletes nothing for good: every match stays, and the program ends by itself,
// asking nothing.
TEST_F(Cleanup, RecycleModeWithoutAUsableBinLeavesEveryMatch)
{
    SKIP_WITHOUT_WINE("the bin is made unusable through Wine's trash folder");
    MakeTree(Work(), kTree);
    Settings(L"*.~*;.#*.*", true, true);
    WriteBytes(dir_ / L"a-file", "x");
    std::wstring noTrash = FromUtf8(UnixPath(dir_ / L"a-file")) + L"/share";  // below a file: never a folder
    EXPECT_EQ(RunProcess(Exe(), L" RevorErase \"" + Work() + L"\"", std::chrono::seconds(60),
                         {{L"XDG_DATA_HOME", noTrash}}),
              1);
    EXPECT_EQ(ListTree(Work()), (Paths{L".#lock.txt", L"a.~cpp", L"keep.txt", L"sub\\", L"sub\\b.~h", L"sub\\deep\\",
                                       L"sub\\deep\\c.~x", L"sub\\keep.c"}));
    EXPECT_EQ(Trashed(), Paths{});
}

TEST_F(Cleanup, DeleteModeLeavesReadOnlyFiles)
{
    MakeTree(Work(), {L"ro.~x", L"rw.~x"});
    SetFileAttributesW((Work() + L"\\ro.~x").c_str(), FILE_ATTRIBUTE_READONLY);
    Settings(L"*.~*", false, false);
    Run(L" RevorErase \"" + Work() + L"\"", 1);
    EXPECT_EQ(ListTree(Work()), Paths{L"ro.~x"});
}

TEST_F(Cleanup, EntryMatchingTwoConditionsGoesOnce)
{
    SKIP_WITHOUT_WINE("the recycle bin is read as the freedesktop trash");
    MakeTree(Work(), {L".#both.~x", L"keep"});
    Settings(L".#*.*;*.~*", false, true);
    Run(L" RevorErase \"" + Work() + L"\"");
    EXPECT_EQ(ListTree(Work()), Paths{L"keep"});
    EXPECT_EQ(Trashed(), Paths{L".#both.~x"});
}

TEST_F(Cleanup, EverythingConditionSparesTheFolderAndItsParent)
{
    MakeTree(Work(), {L"a.txt", L"noext"});
    Settings(L"*.*", false, false);
    Run(L" RevorErase \"" + Work() + L"\"");
    EXPECT_TRUE(Exists(Work()));
    EXPECT_TRUE(Exists(dir_ / L"PofuttoErase.exe"));
    EXPECT_TRUE(Exists(SettingsFile()));
    EXPECT_EQ(ListTree(Work()), Paths{});
}

TEST_F(Cleanup, FolderArgumentForms)
{
    MakeDirs(dir_ / L"my work");
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"trailing delimiter", L" RevorErase \"" + Work() + L"\\\""},
        {L"blanks around, in quotes", L" RevorErase \"  " + Work() + L"  \""},
        {L"empty pair before", L" RevorErase \"\" \"" + Work() + L"\""},
        {L"unquoted", L" RevorErase " + Work()},
        {L"third argument ignored", L" RevorErase \"" + Work() + L"\" \"" + (dir_ / L"my work") + L"\""},
    };
    Settings(L"*.~*", false, false);
    for (const auto& [what, arguments] : cases) {
        MakeTree(Work(), {L"a.~x", L"keep"});
        MakeTree(dir_ / L"my work", {L"b.~x"});
        Run(arguments);
        EXPECT_EQ(ListTree(Work()), Paths{L"keep"}) << Narrow(what);
        EXPECT_TRUE(Exists(dir_ / L"my work\\b.~x")) << Narrow(what);
    }
    Run(L" RevorErase \"" + (dir_ / L"my work") + L"\"");
    EXPECT_FALSE(Exists(dir_ / L"my work\\b.~x"));
}

// A folder named with a final dot or blank is that folder and never its sibling "proj": deleting,
// its matches go; recycling, they stay (the shell would read their paths as the sibling's), and
// nothing else goes in their place.
TEST_F(Cleanup, TargetEndingInADotOrABlankIsThatFolderAlone)
{
    const Paths tree = {L"proj.\\target.~1", L"proj\\keep-me.~1", L"proj \\blank.~1", L"work..\\w.~1",
                        L"work\\keep-me.~1"};
    const struct {
        std::wstring target;
        bool recycle;
        Paths gone;
    } cases[] = {
        {L"proj.", false, {L"proj.\\target.~1"}},
        {L"proj ", false, {L"proj \\blank.~1"}},
        {L"work..", false, {L"work..\\w.~1"}},
        {L"work..", true, {}},
        {L"proj.", true, {}},
    };
    for (const auto& c : cases) {
        EmptyTrash();
        MakeTree(Work(), tree);
        Paths left = ListTree(Work());
        for (const std::wstring& gone : c.gone) std::erase(left, gone);
        Settings(L"*.~*", true, c.recycle);
        // Recycling, the matches the shell cannot name exactly stay, and the exit code says so.
        Run(L" RevorErase \"" + Work() + L"\\" + c.target + L"\"", c.recycle ? 1 : 0);
        EXPECT_EQ(ListTree(Work()), left) << Narrow(c.target) << c.recycle;
        if (RunsUnderWine()) {
            EXPECT_EQ(Trashed(), Paths{}) << Narrow(c.target) << c.recycle;
        }
    }
}

TEST_F(Cleanup, JapaneseNamesAndConditions)
{
    SKIP_UNLESS_ANSI_HOLDS(L"*.バックアップ");
    MakeTree(Work(), {L"設計書.バックアップ", L"設計書.doc", L"資料\\議事録.バックアップ", L"ソース.~cpp"});
    Settings(L"*.バックアップ;*.~*", true, false);
    Run(L" RevorErase \"" + Work() + L"\"");
    EXPECT_EQ(ListTree(Work()), (Paths{L"設計書.doc", L"資料\\"}));
}

TEST_F(Cleanup, KeywordInAnotherCaseDoesNothing)
{
    MakeTree(Work(), {L"a.~x"});
    for (const wchar_t* keyword : {L"revorerase", L"REVORERASE", L"RevorErase2", L"/RevorErase", L"others2"}) {
        Run(std::wstring(L" ") + keyword + L" \"" + Work() + L"\"");
        EXPECT_FALSE(Exists(SettingsFile())) << Narrow(keyword);
    }
    Settings(L"*.~*", false, false);
    Run(L" revorerase \"" + Work() + L"\"");
    EXPECT_EQ(ListTree(Work()), Paths{L"a.~x"});
}

TEST_F(Cleanup, LinkToAFolderOutsideIsLeftAndItsTargetUntouched)
{
    SKIP_WITHOUT_WINE("links are made as Unix links");
    MakeTree(dir_.Path(), {L"outside\\precious.~x", L"outside\\inner\\deep.~x"});
    MakeTree(Work(), {L"own.~x"});
    ASSERT_TRUE(MakeUnixSymlink(dir_ / L"outside", Work() + L"\\linked.~dir"));
    for (bool recycle : {false, true}) {
        Settings(L"*.~*", true, recycle);
        Run(L" RevorErase \"" + Work() + L"\"");
        EXPECT_EQ(ListTree(dir_ / L"outside"), (Paths{L"inner\\", L"inner\\deep.~x", L"precious.~x"})) << recycle;
        EXPECT_EQ(ListTree(Work()), Paths{L"linked.~dir\\"}) << recycle;
        MakeTree(Work(), {L"own.~x"});
    }
}

// The exit code tells a script what the run left behind: 0 when every match went (or none was
// there), 1 when one stayed: read-only or in use here, refused by the recycle bin above. A
// matching folder that deleting outright leaves in place is meant to stay.
TEST_F(Cleanup, ExitCodeSaysWhetherAMatchStayed)
{
    struct Case {
        const char* what;
        Paths tree;
        std::function<void()> prepare;
        int exitCode;
    };
    const std::wstring held = Work() + L"\\held.~x";
    FileHandle open;
    const Case cases[] = {
        {"every match goes", {L"a.~x", L"sub\\b.~x", L"keep.txt"}, nullptr, 0},
        {"nothing matches", {L"keep.txt"}, nullptr, 0},
        {"a matching folder stays when deleting", {L"old.~dir\\", L"a.~x"}, nullptr, 0},
        {"a read-only match stays", {L"a.~x", L"held.~x"},
         [&] { SetFileAttributesW(held.c_str(), FILE_ATTRIBUTE_READONLY); }, 1},
        {"a match in use stays", {L"a.~x", L"held.~x"},
         [&] { open.Reset(CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(Work());
        MakeTree(Work(), c.tree);
        if (c.prepare) c.prepare();
        Settings(L"*.~*", true, false);
        Run(L" RevorErase \"" + Work() + L"\"", c.exitCode);
        open.Reset();
        SetFileAttributesW(held.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(Cleanup, MissingFolderEndsQuietly)
{
    Settings(L"*.~*", true, false);
    Run(L" RevorErase \"" + (dir_ / L"missing") + L"\"");
    EXPECT_FALSE(Exists(dir_ / L"missing"));
}

}  // namespace
