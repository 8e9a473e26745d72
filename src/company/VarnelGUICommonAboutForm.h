#pragma once
// The about window that fills itself: from the running executable's version resource, or from
// the texts the about-box component passes.
#include <string>

#include "company/VarnelBaseCommonAboutForm.h"
#include "company/VarnelFunctions.h"

class T_VarnelGUICommonAboutForm : public T_VarnelBaseCommonAboutForm, public TAboutBoxTexts {
public:
    std::wstring GetExeVersionInfo(TVersionInfoKey key) const;
    std::wstring GetVersionText() const;

protected:
    void FormShow() override;
    // The file whose version resource fills the window: the running executable.
    virtual std::wstring VersionFile() const;
};
