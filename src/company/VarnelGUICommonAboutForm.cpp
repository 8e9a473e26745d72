#include "company/VarnelGUICommonAboutForm.h"

#include "base/ExePath.h"
#include "ui/Application.h"
#include "ui/StaticText.h"

std::wstring T_VarnelGUICommonAboutForm::GetExeVersionInfo(TVersionInfoKey key) const
{
    return GetVersionInfoValue(VersionFile(), key);
}

std::wstring T_VarnelGUICommonAboutForm::VersionFile() const { return ExecutablePath(); }

std::wstring T_VarnelGUICommonAboutForm::GetVersionText() const
{
    return UseVersionInfoFromFile ? FormatFileVersion(VersionFormat, VersionFile()) : ProductVersion;
}

void T_VarnelGUICommonAboutForm::FormShow()
{
    if (UseVersionInfoFromFile) {
        SetWindowTextW(Handle(), (GetExeVersionInfo(TVersionInfoKey::ProductName) + L" のバージョン情報").c_str());
        SetPicture(Application().Icon());
        SetLabelCaption(*this, lblProductName, GetExeVersionInfo(TVersionInfoKey::ProductName), true);
        SetLabelCaption(*this, lblCompanyName, GetExeVersionInfo(TVersionInfoKey::CompanyName));
        SetLabelCaption(*this, lblCopyright, GetExeVersionInfo(TVersionInfoKey::LegalCopyright));
    } else {
        SetWindowTextW(Handle(), (ProductName + L" のバージョン情報").c_str());
        SetLabelCaption(*this, lblProductName, ProductName, true);
        SetLabelCaption(*this, lblCompanyName, CompanyName);
        SetLabelCaption(*this, lblCopyright, Copyright);
    }
    SetLabelCaption(*this, lblProductVersion, GetVersionText());
    T_VarnelBaseCommonAboutForm::FormShow();
}
