#include <gtest/gtest.h>

#include "core/Paths.h"
#include "support/TestSupport.h"

namespace {

TEST(NameEnds, AreTheDotsAndBlanksThatEndEachName)
{
    const struct {
        const wchar_t* path;
        const wchar_t* without;
    } cases[] = {
        {L"C:\\a\\b.txt", L"C:\\a\\b.txt"},
        {L"C:\\a.\\b. ", L"C:\\a\\b"},
        {L"\\\\?\\C:\\odd.~3.\\in.~4 ", L"\\\\?\\C:\\odd.~3\\in.~4"},
        {L"C:\\a\\.\\..\\b", L"C:\\a\\.\\..\\b"},
        {L"C:\\a.b\\c d", L"C:\\a.b\\c d"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(WithoutNameEnds(c.path)), Narrow(c.without)) << Narrow(c.path);
}

// Every name stays as written, final dots and blanks included; only "." and ".." and the forms
// of the root are read.
TEST(ExactAbsolutePath, KeepsEveryNameAsWritten)
{
    TempDir dir;
    CurrentFolderScope inside(dir.Path());
    const std::wstring here = dir.Path();
    const std::wstring drive = here.substr(0, 2);
    const struct {
        std::wstring path;
        std::wstring exact;
    } cases[] = {
        {L"C:\\w\\proj.", L"C:\\w\\proj."},
        {L"C:\\w\\proj ", L"C:\\w\\proj "},
        {L"C:\\w\\work..", L"C:\\w\\work.."},
        {L"C:\\w\\proj.\\", L"C:\\w\\proj."},
        {L"C:/w//proj.\\.\\x.", L"C:\\w\\proj.\\x."},
        {L"C:\\w\\proj.\\..\\b.", L"C:\\w\\b."},
        {L"C:\\w\\...", L"C:\\w\\..."},
        {L"C:\\..\\w", L"C:\\w"},
        {L"C:\\", L"C:\\"},
        {L"\\\\?\\C:\\w\\proj.", L"C:\\w\\proj."},
        {L"\\\\?\\C:", L"C:\\"},
        {L"\\\\?\\UNC\\srv\\share\\x.", L"\\\\srv\\share\\x."},
        {L"\\\\?\\Volume{1}\\x.", L"\\\\?\\Volume{1}\\x."},
        {L"\\\\.\\C:\\w\\..\\b.", L"C:\\b."},
        {L"\\\\srv\\share\\a.\\..\\..\\b ", L"\\\\srv\\share\\b "},
        {L"//srv/share/", L"\\\\srv\\share\\"},
        {L"proj.", here + L"\\proj."},
        {L".\\x\\..\\proj ", here + L"\\proj "},
        {drive + L"proj.", here + L"\\proj."},
        {L"\\w.", drive + L"\\w."},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(ExactAbsolutePath(c.path)), Narrow(c.exact)) << Narrow(c.path);
}

// A run's target is the folder its text names: as given where that folder exists, else without
// the blanks around it; never a sibling that the platform's reading of the name would give.
TEST(TargetFolderPath, IsTheFolderTheTextNames)
{
    TempDir dir;
    const std::wstring t = dir.Path();
    MakeTree(t, {L"proj\\", L"proj.\\", L"proj \\", L"only\\"});
    const struct {
        std::wstring text;
        std::wstring folder;
    } cases[] = {
        {t + L"\\proj", t + L"\\proj"},
        {t + L"\\proj.", t + L"\\proj."},
        {t + L"\\proj ", t + L"\\proj "},
        {L" " + t + L"\\proj  ", t + L"\\proj"},
        {t + L"\\only \t", t + L"\\only"},
        {t + L"\\only.", t + L"\\only."},
        {t + L"\\proj.\\", t + L"\\proj."},
        {L"\\\\?\\" + t + L"\\proj.", t + L"\\proj."},
        {L" \t ", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(TargetFolderPath(c.text)), Narrow(c.folder)) << Narrow(c.text);
}

}  // namespace
