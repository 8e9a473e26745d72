#include "company/VarnelBaseCommonAboutForm.h"

#include <shellapi.h>

#include "base/TextConvert.h"

std::function<void(HWND owner, const std::wstring& url)> gOpenWebPage = [](HWND owner, const std::wstring& url) {
    ShellExecuteW(owner, nullptr, url.c_str(), nullptr, nullptr, SW_SHOW);
};

namespace {

const TFormStyle kAboutStyle{
    .Caption = L"ProgramName のバージョン情報",
    .Border = TFormBorder::Dialog,
    .ClientWidth = 500,
    .ClientHeight = 220,
};

}  // namespace

T_VarnelBaseCommonAboutForm::T_VarnelBaseCommonAboutForm() : TForm(kAboutStyle)
{
    imgAppIcon = std::make_unique<TImage>(*this, TBounds{12, 12, 48, 48}, kDefaultAnchors, idImage);
    lblProductName = std::make_unique<TLabel>(*this, nullptr, 72, 12, L"lblProductName", kDefaultAnchors, idProductName);
    lblProductName->SetBold(true);
    lblProductVersion =
        std::make_unique<TLabel>(*this, nullptr, 72, 32, L"lblProductVersion", kDefaultAnchors, idProductVersion);
    lblCompanyName = std::make_unique<TLabel>(*this, nullptr, 72, 52, L"lblCompanyName", kDefaultAnchors, idCompanyName);
    lblCopyright = std::make_unique<TLabel>(*this, nullptr, 72, 72, L"lblCopyright", kDefaultAnchors, idCopyright);
    memAppendix =
        std::make_unique<TMemo>(*this, TBounds{12, 108, 475, 99}, akLeft | akTop | akRight | akBottom, idAppendix);
    btnClose = std::make_unique<TButton>(*this, TBounds{340, 8, 147, 25}, akTop | akRight, L"閉じる(&C)");
    btnClose->SetCancel(true);
    btnClose->OnClick = [this] { btnCloseClick(); };
    btnJumpToUserRegSite = std::make_unique<TButton>(*this, TBounds{340, 40, 147, 25}, akTop | akRight,
                                                     L"ユーザー登録ページへ(&R)", idJumpToUserRegSite);
    btnJumpToUserRegSite->OnClick = [this] { btnJumpToUserRegSiteClick(); };
    btnContactSite = std::make_unique<TButton>(*this, TBounds{340, 72, 147, 25}, akTop | akRight,
                                               L"お問い合せフォームへ(&T)", idContactSite);
    btnContactSite->OnClick = [this] { btnContactSiteClick(); };
}

void T_VarnelBaseCommonAboutForm::AddAppendix(const std::wstring& text)
{
    std::wstring current = memAppendix->Text();
    std::wstring added = Trim(text);
    memAppendix->SetText(current.empty() ? added : current + L"\r\n" + added);
}

void T_VarnelBaseCommonAboutForm::OpenWebPage(const std::wstring& url) { gOpenWebPage(Handle(), url); }

void T_VarnelBaseCommonAboutForm::btnCloseClick() { Close(); }

void T_VarnelBaseCommonAboutForm::btnJumpToUserRegSiteClick() { OpenWebPage(RegisterURL); }

void T_VarnelBaseCommonAboutForm::btnContactSiteClick() { OpenWebPage(InquiryURL); }

void T_VarnelBaseCommonAboutForm::FormShow()
{
    btnJumpToUserRegSite->SetEnabled(!RegisterURL.empty() && EnableRegSite);
    if (Trim(memAppendix->Text()).empty()) {
        SetClientSize(ClientSize96().cx, 107);
        memAppendix->SetVisible(false);
    }
    if (!imgAppIcon->HasPicture()) {
        imgAppIcon->SetVisible(false);
        for (TLabel* label : {lblProductName.get(), lblProductVersion.get(), lblCompanyName.get(), lblCopyright.get()}) {
            TBounds at = label->Bounds();
            label->SetBounds({12, at.Top, at.Width, at.Height});
        }
    }
    btnJumpToUserRegSite->SetVisible(RegSiteButtonVisible);
    btnContactSite->SetVisible(ContactButtonVisible);
    if (!RegSiteButtonVisible && ContactButtonVisible) btnContactSite->SetBounds({340, 40, 147, 25});
    SetClientSize(Width, ClientSize96().cy);
}
