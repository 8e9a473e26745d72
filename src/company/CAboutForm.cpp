#include "company/CAboutForm.h"

#include "base/ExePath.h"
#include "base/IntText.h"
#include "base/TextConvert.h"
#include "company/VarnelFunctions.h"
#include "company/VarnelGUICommonAboutForm.h"
#include "ui/Application.h"

namespace {

// A part of FileVersion as a decimal integer.
int32_t VersionPart(const std::wstring& text)
{
    std::optional<int32_t> number;
    if (text.find_first_of(L"$xX") == std::wstring::npos) number = ParseInt(text);
    if (!number) throw EConvertError(FormatText(L"'%s' は整数ではありません", {text}));
    return *number;
}

}  // namespace

TVersionFormat NormalizeVersionFormat(TVersionFormat current, TVersionFormat value)
{
    TVersionFormat s = value;
    if (current.Has(vfMajor) && !value.Has(vfMajor)) {
        s.Exclude(vfMinor);
        s.Exclude(vfRelease);
        s.Include(vfBuild);
    } else if (current.Has(vfMinor) && !value.Has(vfMinor)) {
        s.Exclude(vfRelease);
    } else if (current.Has(vfBuild) && !value.Has(vfBuild)) {
        s.Exclude(vfBuildSeparation);
        if (s.Empty()) s = {vfRelease};
    }
    if (s.Has(vfBuildSeparation)) s.Include(vfBuild);
    if (s.Has(vfRelease)) s.Include(vfMinor);
    if (s.Has(vfMinor)) s.Include(vfMajor);
    return s;
}

std::wstring FormatFileVersion(TVersionFormat format) { return FormatFileVersion(format, ExecutablePath()); }

std::wstring FormatFileVersion(TVersionFormat format, const std::wstring& fileName)
{
    std::wstring rest = GetVersionInfoValue(fileName, TVersionInfoKey::FileVersion);
    int32_t parts[4]{};
    for (int i = 0; i < 3; ++i) {
        // Without a '.', the part before it is empty: not an integer.
        size_t dot = rest.find(L'.');
        parts[i] = VersionPart(dot == std::wstring::npos ? std::wstring() : rest.substr(0, dot));
        rest = rest.substr(dot + 1);
    }
    parts[3] = VersionPart(rest);

    std::wstring result;
    if (format.Has(vfMajor)) result = std::to_wstring(parts[0]);
    if (format.Has(vfMinor)) result += L"." + std::to_wstring(parts[1]);
    if (format.Has(vfRelease)) result += L"." + std::to_wstring(parts[2]);
    if (format.Has(vfBuild)) {
        if (format.Has(vfBuildSeparation) || IsBlankText(result)) {
            if (!IsBlankText(result)) result += L" ";
            result += L"Build " + std::to_wstring(parts[3]);
        } else {
            result += L"." + std::to_wstring(parts[3]);
        }
    }
    return result;
}

TCAboutForm::TCAboutForm() = default;

void TCAboutForm::SetPicture(HICON icon) { picture_.Reset(icon ? CopyIcon(icon) : nullptr); }

void TCAboutForm::ShowAbout()
{
    auto created = std::make_unique<T_VarnelGUICommonAboutForm>();
    T_VarnelGUICommonAboutForm& form = *created;
    Application().ShowModalAndRelease(std::move(created), [&] {
        static_cast<TAboutBoxSettings&>(form) = *this;
        static_cast<TAboutBoxTexts&>(form) = *this;
        form.VersionFormat = versionFormat_;
        form.imgAppIcon->SetPicture(Picture());
        std::wstring appendix;
        for (const std::wstring& line : appendix_) appendix += line + L"\r\n";
        form.AddAppendix(appendix);
    });
}
