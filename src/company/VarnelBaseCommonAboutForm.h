#pragma once
// The about window's layout, its buttons and the layout rules applied when it is shown.
#include <functional>
#include <memory>
#include <string>

#include "company/CAboutForm.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Memo.h"

// How a web page is opened: the shell's default action. Tests may replace it.
extern std::function<void(HWND owner, const std::wstring& url)> gOpenWebPage;

class T_VarnelBaseCommonAboutForm : public TForm, public TAboutBoxSettings {
public:
    // Control ids, so the window's parts can be found from outside.
    enum Ids { idImage = 1001, idProductName, idProductVersion, idCompanyName, idCopyright, idAppendix,
               idJumpToUserRegSite, idContactSite };

    T_VarnelBaseCommonAboutForm();

    std::unique_ptr<TImage> imgAppIcon;
    std::unique_ptr<TLabel> lblProductName;
    std::unique_ptr<TLabel> lblProductVersion;
    std::unique_ptr<TLabel> lblCompanyName;
    std::unique_ptr<TLabel> lblCopyright;
    std::unique_ptr<TMemo> memAppendix;
    std::unique_ptr<TButton> btnClose;
    std::unique_ptr<TButton> btnJumpToUserRegSite;
    std::unique_ptr<TButton> btnContactSite;

    TVersionFormat VersionFormat;

    // Adds Text, trimmed of codes 0 to 32 at both ends, to the memo's lines.
    void AddAppendix(const std::wstring& text);
    void OpenWebPage(const std::wstring& url);

protected:
    // The base layout rules.
    void FormShow() override;

private:
    void btnCloseClick();
    void btnJumpToUserRegSiteClick();
    void btnContactSiteClick();
};
