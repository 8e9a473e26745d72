#include "program/ProgramCopy.h"

namespace {

// The program in a fresh folder, where it looks for its settings file.
class Entry : public ProgramCopy {
protected:
    int Run(const std::wstring& arguments) { return RunProcess(Exe(), arguments, std::chrono::seconds(30)); }
};

TEST_F(Entry, UnknownKeywordWithAFolderEndsAtOnceAndCreatesNoSettings)
{
    WriteBytes(Work() + L"\\a.~bak", "x");
    for (const wchar_t* keyword : {L"revorerase", L"REVORERASE", L"-RevorErase", L"/others", L"Others", L"x"}) {
        EXPECT_EQ(Run(std::wstring(L" ") + keyword + L" \"" + Work() + L"\""), 0) << Narrow(keyword);
        EXPECT_FALSE(Exists(SettingsFile()));
        EXPECT_TRUE(Exists(Work() + L"\\a.~bak"));
    }
}

}  // namespace
