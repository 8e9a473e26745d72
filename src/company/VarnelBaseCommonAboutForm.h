#pragma once
// The about window's layout, its buttons and the layout rules applied when it is shown.
#include <functional>
#include <memory>
#include <string>

#include "base/Handles.h"
#include "company/CAboutForm.h"
#include "ui/Button.h"
#include "ui/Form.h"

// How a web page is opened: the shell's default action. Tests may replace it.
extern std::function<void(HWND owner, const std::wstring& url)> gOpenWebPage;

class T_VarnelBaseCommonAboutForm : public TForm {
public:
    // Control ids, so the window's parts can be found from outside.
    enum Ids { idImage = 1001, idProductName, idProductVersion, idCompanyName, idCopyright, idAppendix,
               idJumpToUserRegSite, idContactSite };

    T_VarnelBaseCommonAboutForm();

    HWND imgAppIcon;
    HWND lblProductName;
    HWND lblProductVersion;
    HWND lblCompanyName;
    HWND lblCopyright;
    HWND memAppendix;
    std::unique_ptr<TButton> btnClose;
    std::unique_ptr<TButton> btnJumpToUserRegSite;
    std::unique_ptr<TButton> btnContactSite;

    void SetRegisterURL(const std::wstring& value) { RegisterURL = value; }
    void SetInquiryURL(const std::wstring& value) { InquiryURL = value; }
    void SetEnableRegSite(bool value) { EnableRegSite = value; }
    void SetRegSiteButtonVisible(bool value) { RegSiteButtonVisible = value; }
    void SetContactButtonVisible(bool value) { ContactButtonVisible = value; }
    void SetWidth(int value) { Width = value; }
    void SetVersionFormat(TVersionFormat value) { VersionFormat = value; }
    // The picture of imgAppIcon (a copy is kept); null for none.
    void SetPicture(HICON icon);
    bool HasPicture() const { return picture_.Valid(); }

    // Adds Text, trimmed of codes 0 to 32 at both ends, to the memo's lines.
    void AddAppendix(const std::wstring& text);
    void OpenWebPage(const std::wstring& url);

    void btnCloseClick();
    void btnJumpToUserRegSiteClick();
    void btnContactSiteClick();

    std::wstring RegisterURL;
    std::wstring InquiryURL;
    bool EnableRegSite = false;
    bool RegSiteButtonVisible = false;
    bool ContactButtonVisible = false;
    int Width = 500;
    TVersionFormat VersionFormat;

protected:
    // The base layout rules.
    void FormShow() override;

private:
    IconHandle picture_;
};
