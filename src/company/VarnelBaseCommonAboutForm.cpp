#include "company/VarnelBaseCommonAboutForm.h"

#include <shellapi.h>

#include "base/TextConvert.h"
#include "ui/StaticText.h"

std::function<void(HWND owner, const std::wstring& url)> gOpenWebPage = [](HWND owner, const std::wstring& url) {
    ShellExecuteW(owner, nullptr, url.c_str(), nullptr, nullptr, SW_SHOW);
};

namespace {

TFormStyle AboutStyle()
{
    TFormStyle style;
    style.Caption = L"ProgramName のバージョン情報";
    style.Border = TFormBorder::Dialog;
    style.ClientWidth = 500;
    style.ClientHeight = 220;
    return style;
}

}  // namespace

T_VarnelBaseCommonAboutForm::T_VarnelBaseCommonAboutForm() : TForm(AboutStyle())
{
    imgAppIcon = AddControl(L"STATIC", L"", WS_VISIBLE | SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL, 0, Handle(),
                            {12, 12, 48, 48});
    SetWindowLongPtrW(imgAppIcon, GWLP_ID, idImage);
    const struct {
        HWND* control;
        const wchar_t* name;
        int top;
        int id;
    } labels[] = {
        {&lblProductName, L"lblProductName", 12, idProductName},
        {&lblProductVersion, L"lblProductVersion", 32, idProductVersion},
        {&lblCompanyName, L"lblCompanyName", 52, idCompanyName},
        {&lblCopyright, L"lblCopyright", 72, idCopyright},
    };
    for (const auto& label : labels) {
        *label.control = CreateLabel(*this, Handle(), label.name, 72, label.top);
        SetWindowLongPtrW(*label.control, GWLP_ID, label.id);
    }
    SetControlBold(lblProductName);
    SetLabelCaption(*this, lblProductName, L"lblProductName", true);
    memAppendix = AddControl(L"EDIT", L"", WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                             WS_EX_CLIENTEDGE, Handle(), {12, 108, 475, 99}, akLeft | akTop | akRight | akBottom);
    SetWindowLongPtrW(memAppendix, GWLP_ID, idAppendix);
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

void T_VarnelBaseCommonAboutForm::SetPicture(HICON icon)
{
    picture_.Reset(icon ? CopyIcon(icon) : nullptr);
    SendMessageW(imgAppIcon, STM_SETICON, reinterpret_cast<WPARAM>(picture_.Get()), 0);
}

void T_VarnelBaseCommonAboutForm::AddAppendix(const std::wstring& text)
{
    std::wstring current = WindowText(memAppendix);
    std::wstring added = Trim(text);
    std::wstring lines = current.empty() ? added : current + L"\r\n" + added;
    SetWindowTextW(memAppendix, lines.c_str());
}

void T_VarnelBaseCommonAboutForm::OpenWebPage(const std::wstring& url) { gOpenWebPage(Handle(), url); }

void T_VarnelBaseCommonAboutForm::btnCloseClick() { Close(); }

void T_VarnelBaseCommonAboutForm::btnJumpToUserRegSiteClick() { OpenWebPage(RegisterURL); }

void T_VarnelBaseCommonAboutForm::btnContactSiteClick() { OpenWebPage(InquiryURL); }

void T_VarnelBaseCommonAboutForm::FormShow()
{
    btnJumpToUserRegSite->SetEnabled(!RegisterURL.empty() && EnableRegSite);
    if (Trim(WindowText(memAppendix)).empty()) {
        SetClientSize(ClientSize96().cx, 107);
        ShowWindow(memAppendix, SW_HIDE);
    }
    if (!HasPicture()) {
        ShowWindow(imgAppIcon, SW_HIDE);
        for (HWND label : {lblProductName, lblProductVersion, lblCompanyName, lblCopyright}) {
            TBounds at = ControlBounds(label);
            MoveControl(label, {12, at.Top, at.Width, at.Height});
        }
    }
    btnJumpToUserRegSite->SetVisible(RegSiteButtonVisible);
    btnContactSite->SetVisible(ContactButtonVisible);
    if (!RegSiteButtonVisible && ContactButtonVisible)
        MoveControl(btnContactSite->Handle(), {340, 40, 147, 25});
    SetClientSize(Width, ClientSize96().cy);
}
