#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

// PofuttoErase.exe copied into a fresh folder, where it looks for its settings file.
class Entry : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), Exe().c_str(), FALSE)); }
    std::wstring Exe() const { return dir_ / L"PofuttoErase.exe"; }
    std::wstring Settings() const { return dir_ / L"PEConfig.ini"; }
    int Run(const std::wstring& arguments) { return RunProcess(Exe(), arguments, std::chrono::seconds(30)); }

    TempDir dir_;
};

TEST_F(Entry, UnknownKeywordWithAFolderEndsAtOnceAndCreatesNoSettings)
{
    MakeDirs(dir_ / L"work");
    WriteBytes(dir_ / L"work\\a.~bak", "x");
    for (const wchar_t* keyword : {L"revorerase", L"REVORERASE", L"-RevorErase", L"/others", L"Others", L"x"}) {
        EXPECT_EQ(Run(std::wstring(L" ") + keyword + L" \"" + (dir_ / L"work") + L"\""), 0) << Narrow(keyword);
        EXPECT_FALSE(Exists(Settings()));
        EXPECT_TRUE(Exists(dir_ / L"work\\a.~bak"));
    }
}

}  // namespace
