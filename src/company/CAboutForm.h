#pragma once
// The about box's version text: which parts of the executable's FileVersion it shows.
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "ui/Component.h"

enum TVersionFormatEnum { vfMajor, vfMinor, vfRelease, vfBuild, vfBuildSeparation };

// A set of TVersionFormatEnum, one flag each.
class TVersionFormat {
public:
    TVersionFormat() = default;
    TVersionFormat(std::initializer_list<TVersionFormatEnum> parts)
    {
        for (auto part : parts) Include(part);
    }
    bool Has(TVersionFormatEnum part) const { return bits_ & Bit(part); }
    void Include(TVersionFormatEnum part) { bits_ = static_cast<uint8_t>(bits_ | Bit(part)); }
    void Exclude(TVersionFormatEnum part) { bits_ = static_cast<uint8_t>(bits_ & ~Bit(part)); }
    bool Empty() const { return bits_ == 0; }
    bool operator==(const TVersionFormat&) const = default;

private:
    static uint8_t Bit(TVersionFormatEnum part) { return static_cast<uint8_t>(1u << part); }
    uint8_t bits_ = 0;
};

// The set that writing value over current stores: one of the eleven shapes the version text
// knows.
TVersionFormat NormalizeVersionFormat(TVersionFormat current, TVersionFormat value);

// The version text of the running executable's FileVersion in the given format. Raises
// EConvertError "'%s' は整数ではありません" for a part that is not a decimal integer.
std::wstring FormatFileVersion(TVersionFormat format);
// The same for the FileVersion of another file.
std::wstring FormatFileVersion(TVersionFormat format, const std::wstring& fileName);

// The company web site; the about box opens two of its pages.
constexpr wchar_t kCompanySite[] = L"https://www.varnel.example";

// What the about window shows and how, as the about-box component and the window both hold it.
struct TAboutBoxSettings {
    std::wstring InquiryURL = std::wstring(kCompanySite) + L"/inquiry/index.html";
    std::wstring RegisterURL = std::wstring(kCompanySite) + L"/service/register/index.cgi";
    bool EnableRegSite = true;
    bool RegSiteButtonVisible = true;
    bool ContactButtonVisible = true;
    int Width = 500;
};

// Where the about window's texts come from: the running executable's version resource, or the
// four texts (which are then not used at all).
struct TAboutBoxTexts {
    bool UseVersionInfoFromFile = false;
    std::wstring ProductName;
    std::wstring ProductVersion;
    std::wstring CompanyName;
    std::wstring Copyright;
};

// The about-box component: configured through its properties, shows the box with ShowAbout.
class TCAboutForm : public TComponent, public TAboutBoxSettings, public TAboutBoxTexts {
public:
    TCAboutForm();
    std::wstring ClassName() const override { return L"TCAboutForm"; }

    // Shows the about box modally and returns once it is closed.
    void ShowAbout();

    HICON Picture() const { return picture_.Get(); }
    void SetPicture(HICON icon);  // keeps a copy
    const std::vector<std::wstring>& Appendix() const { return appendix_; }
    void SetAppendix(const std::vector<std::wstring>& lines) { appendix_ = lines; }
    TVersionFormat VersionFormat() const { return versionFormat_; }
    void SetVersionFormat(TVersionFormat value) { versionFormat_ = NormalizeVersionFormat(versionFormat_, value); }

private:
    IconHandle picture_;
    std::vector<std::wstring> appendix_;
    TVersionFormat versionFormat_{vfMajor, vfMinor, vfRelease, vfBuild};
};
