#include <gtest/gtest.h>

#include "core/PEraseClasses.h"
#include "run/PEraseWaitDlg.h"
#include "program/ProgramCourse.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"
#include "ui/Application.h"

namespace {

using Paths = std::vector<std::wstring>;

// With confirmation off, "RevorErase" and a folder clean it at once behind the progress window
// alone: shown for the run (a message waiting when the run starts sees it, before anything is
// removed), hidden after it, and no main window is left to keep the program alive.
TEST(Course, ImmediateCleanupShowsOnlyTheProgressWindowForTheRun)
{
    TestSettings settings;
    settings.Write(L"*.~*", "101");
    const TempDir& dir = settings.Dir();
    MakeTree(dir / L"work", {L"a.~x", L"sub\\b.~x", L"keep.txt"});
    bool shownDuringTheRun = false;
    bool matchesStillThere = false;
    TPostedStep look([&] {
        shownDuringTheRun = WaitForm().Visible();
        matchesStillThere = Exists(dir / L"work\\a.~x") && Exists(dir / L"work\\sub\\b.~x");
    });
    look.Post();
    ChooseCourse({L"RevorErase", dir / L"work"}, [&]() -> TPEraseProcessor& { return settings.Processor(); });
    EXPECT_EQ(look.Taken(), 1);
    EXPECT_TRUE(shownDuringTheRun);
    EXPECT_TRUE(matchesStillThere);
    EXPECT_FALSE(WaitForm().Visible());
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_EQ(ListTree(dir / L"work"), (Paths{L"keep.txt", L"sub\\"}));
}

}  // namespace
