#pragma once
// The about window that fills itself: from the running executable's version resource, or from
// the texts the about-box component passes.
#include <string>

#include "company/VarnelBaseCommonAboutForm.h"
#include "company/VarnelFunctions.h"

class T_VarnelGUICommonAboutForm : public T_VarnelBaseCommonAboutForm {
public:
    void SetUseVersionInfoFromFile(bool value) { UseVersionInfoFromFile = value; }
    void SetProductName(const std::wstring& value) { ProductName = value; }
    void SetProductVersion(const std::wstring& value) { ProductVersion = value; }
    void SetCompanyName(const std::wstring& value) { CompanyName = value; }
    void SetCopyright(const std::wstring& value) { Copyright = value; }

    std::wstring GetExeVersionInfo(TVersionInfoKey key) const;
    std::wstring GetVersionText() const;

    bool UseVersionInfoFromFile = false;
    std::wstring ProductName;
    std::wstring ProductVersion;
    std::wstring CompanyName;
    std::wstring Copyright;

protected:
    void FormShow() override;
    // The file whose version resource fills the window: the running executable.
    virtual std::wstring VersionFile() const;
};
