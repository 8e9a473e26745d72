#include <gtest/gtest.h>

#include "base/Exception.h"
#include "company/CAboutForm.h"
#include "support/TestSupport.h"

namespace {

struct FormatCase {
    TVersionFormat format;
    std::wstring of2345;
};

const FormatCase kFormats[] = {
    {{vfMajor}, L"2"},
    {{vfMajor, vfMinor}, L"2.3"},
    {{vfMajor, vfMinor, vfRelease}, L"2.3.4"},
    {{vfMajor, vfMinor, vfRelease, vfBuild}, L"2.3.4.5"},
    {{vfMajor, vfMinor, vfBuild}, L"2.3.5"},
    {{vfMajor, vfBuild}, L"2.5"},
    {{vfBuild}, L"Build 5"},
    {{vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation}, L"2.3.4 Build 5"},
    {{vfMajor, vfMinor, vfBuild, vfBuildSeparation}, L"2.3 Build 5"},
    {{vfMajor, vfBuild, vfBuildSeparation}, L"2 Build 5"},
    {{vfBuild, vfBuildSeparation}, L"Build 5"},
};

TEST(FormatFileVersion, ElevenShapes)
{
    for (const auto& c : kFormats) {
        EXPECT_EQ(Narrow(FormatFileVersion(c.format, VersionModule(L"v2345"))), Narrow(c.of2345));
        // Leading zeros are not written.
        std::wstring plain = c.of2345;
        for (wchar_t& ch : plain)
            if (ch >= L'2' && ch <= L'5') ch = static_cast<wchar_t>(ch - 1);
        EXPECT_EQ(Narrow(FormatFileVersion(c.format, VersionModule(L"v01020304"))), Narrow(plain));
    }
}

TEST(FormatFileVersion, TheProgramsOwnVersion)
{
    EXPECT_EQ(FormatFileVersion({vfMajor, vfMinor, vfRelease, vfBuild}, ProgramPath()), L"1.1.0.0");
}

TEST(FormatFileVersion, PartThatIsNotAnIntegerFails)
{
    for (const std::wstring& file : {VersionModule(L"v123"), VersionModule(L"none")}) {
        try {
            FormatFileVersion({vfMajor}, file);
            ADD_FAILURE() << Narrow(file);
        } catch (const EConvertError& e) {
            EXPECT_EQ(Narrow(e.Message()), "'' は整数ではありません") << Narrow(file);
        }
    }
}

TEST(VersionFormatWriter, NormalisesToTheKnownShapes)
{
    const TVersionFormat initial{vfMajor, vfMinor, vfRelease, vfBuild};
    struct Case {
        TVersionFormat current, written, stored;
    };
    const Case cases[] = {
        {initial, {vfMinor, vfRelease, vfBuild}, {vfBuild}},
        {initial, {vfMajor, vfRelease, vfBuild}, {vfMajor, vfBuild}},
        {initial, {vfMajor, vfMinor, vfBuild}, {vfMajor, vfMinor, vfBuild}},
        {initial, {}, {vfBuild}},
        {initial, {vfBuildSeparation}, {vfBuild, vfBuildSeparation}},
        {{vfBuild}, {}, {vfMajor, vfMinor, vfRelease}},
        {{vfMajor}, {vfRelease}, {vfBuild}},
        {{vfBuild, vfBuildSeparation}, {vfBuildSeparation}, {vfMajor, vfMinor, vfRelease}},
        {{vfMajor, vfBuild}, {vfMajor}, {vfMajor}},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_TRUE(NormalizeVersionFormat(cases[i].current, cases[i].written) == cases[i].stored) << "case " << i;
}

}  // namespace

namespace {

TEST(AboutComponent, InitialValuesAndTheNormalisingWriter)
{
    TCAboutForm about;
    EXPECT_TRUE(about.VersionFormat() == (TVersionFormat{vfMajor, vfMinor, vfRelease, vfBuild}));
    EXPECT_EQ(about.InquiryURL, L"https://www.varnel.example/inquiry/index.html");
    EXPECT_EQ(about.RegisterURL, L"https://www.varnel.example/service/register/index.cgi");
    EXPECT_TRUE(about.EnableRegSite && about.RegSiteButtonVisible && about.ContactButtonVisible);
    EXPECT_FALSE(about.UseVersionInfoFromFile);
    EXPECT_EQ(about.Width, 500);
    EXPECT_EQ(about.Picture(), nullptr);
    EXPECT_TRUE(about.Appendix().empty());
    about.SetVersionFormat({});
    EXPECT_TRUE(about.VersionFormat() == TVersionFormat{vfBuild});
    about.SetVersionFormat({});
    EXPECT_TRUE(about.VersionFormat() == (TVersionFormat{vfMajor, vfMinor, vfRelease}));
}

}  // namespace
