#include "company/VarnelGUICommonAboutForm.h"

#include "base/ExePath.h"
#include "ui/Application.h"

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
        imgAppIcon->SetPicture(Application().Icon());
        lblProductName->SetCaption(GetExeVersionInfo(TVersionInfoKey::ProductName));
        lblCompanyName->SetCaption(GetExeVersionInfo(TVersionInfoKey::CompanyName));
        lblCopyright->SetCaption(GetExeVersionInfo(TVersionInfoKey::LegalCopyright));
    } else {
        SetWindowTextW(Handle(), (ProductName + L" のバージョン情報").c_str());
        lblProductName->SetCaption(ProductName);
        lblCompanyName->SetCaption(CompanyName);
        lblCopyright->SetCaption(Copyright);
    }
    lblProductVersion->SetCaption(GetVersionText());
    T_VarnelBaseCommonAboutForm::FormShow();
}
