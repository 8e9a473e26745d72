#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "company/CAboutForm.h"
#include "company/VarnelBaseCommonAboutForm.h"
#include "company/VarnelGUICommonAboutForm.h"
#include "support/TestSupport.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace {

using Ids = T_VarnelBaseCommonAboutForm;

// What the about window shows, read from another thread while it is up.
struct Seen {
    bool found = false;
    std::wstring caption, product, version, company, copyright, appendix;
    SIZE client{};
    bool iconShown = false, memoShown = false;
    bool regShown = false, regEnabled = false, contactShown = false, contactEnabled = false;
    bool productBold = false;
    RECT productLabel{}, contact{}, memo{}, close{};
    RECT frame{};  // on the screen, as it opened
};

// Shows the about box; a second thread waits for it, reads it, then does finish (closing it).
Seen ShowAndRead(TCAboutForm& about, const std::function<void(HWND)>& finish)
{
    Seen seen;
    std::thread reader([&] {
        HWND window = nullptr;
        WaitFor(
            [&] {
                window = FindWindowW(L"PofuttoEraseForm", nullptr);
                while (window && !(IsWindowVisible(window) && WindowText(window).find(L"のバージョン情報") != std::wstring::npos))
                    window = FindWindowExW(nullptr, window, L"PofuttoEraseForm", nullptr);
                return window != nullptr;
            },
            std::chrono::seconds(10));
        if (!window) return;
        seen.found = true;
        auto item = [&](int id) { return GetDlgItem(window, id); };
        seen.caption = WindowText(window);
        seen.product = WindowText(item(Ids::idProductName));
        seen.version = WindowText(item(Ids::idProductVersion));
        seen.company = WindowText(item(Ids::idCompanyName));
        seen.copyright = WindowText(item(Ids::idCopyright));
        seen.appendix = WindowText(item(Ids::idAppendix));
        RECT client{};
        GetClientRect(window, &client);
        seen.client = {client.right, client.bottom};
        seen.iconShown = IsWindowVisible(item(Ids::idImage)) && SendMessageW(item(Ids::idImage), STM_GETICON, 0, 0);
        seen.memoShown = IsWindowVisible(item(Ids::idAppendix));
        seen.regShown = IsWindowVisible(item(Ids::idJumpToUserRegSite));
        seen.regEnabled = IsWindowEnabled(item(Ids::idJumpToUserRegSite));
        seen.contactShown = IsWindowVisible(item(Ids::idContactSite));
        seen.contactEnabled = IsWindowEnabled(item(Ids::idContactSite));
        seen.productLabel = BoundsInParent(item(Ids::idProductName));
        GetWindowRect(window, &seen.frame);
        // A DPI change lays the window out again; the product name stays bold.
        RECT frame = seen.frame;
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&frame));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item(Ids::idProductName), WM_GETFONT, 0, 0)), sizeof(font), &font);
        seen.productBold = font.lfWeight >= FW_BOLD;
        seen.contact = BoundsInParent(item(Ids::idContactSite));
        seen.memo = BoundsInParent(item(Ids::idAppendix));
        seen.close = BoundsInParent(item(IDCANCEL));
        finish(window);
    });
    about.ShowAbout();
    reader.join();
    return seen;
}

void PressClose(HWND window) { PostMessageW(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0); }

const std::vector<std::wstring> kAppendix = {
    L"このプログラムは米Developer Express社のExpressQuantumGrid Suiteコンポーネントを使用しています。",
    L"ExpressQuantumGridは米Developer Express社の登録商標です。"};

TEST(AboutBox, ShowsTheProgramsOwnVersionInformation)
{
    TCAboutForm about;  // as the settings dialog's frmAbout
    about.UseVersionInfoFromFile = true;
    about.SetAppendix(kAppendix);
    Seen seen = ShowAndRead(about, PressClose);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(Narrow(seen.caption), "VARNEL ポフッと削除 のバージョン情報");
    EXPECT_EQ(Narrow(seen.product), "VARNEL ポフッと削除");
    EXPECT_EQ(Narrow(seen.version), "1.1.0.0");
    EXPECT_EQ(Narrow(seen.company), "VARNEL");
    EXPECT_EQ(Narrow(seen.copyright), "Copyright (C) 2026 VARNEL");
    EXPECT_EQ(Narrow(seen.appendix), Narrow(kAppendix[0] + L"\r\n" + kAppendix[1]));
    EXPECT_TRUE(seen.iconShown);
    EXPECT_TRUE(seen.memoShown);
    EXPECT_TRUE(seen.regShown && seen.regEnabled && seen.contactShown && seen.contactEnabled);
    EXPECT_EQ(seen.client.cx, 500);
    EXPECT_EQ(seen.client.cy, 220);
    EXPECT_TRUE(seen.productBold);
}

struct RuleCase {
    const char* what;
    std::function<void(TCAboutForm&)> configure;
    std::function<void(const Seen&)> check;
};

TEST(AboutBox, LayoutRules)
{
    const RuleCase cases[] = {
        {"empty appendix hides the memo",
         [](TCAboutForm&) {},
         [](const Seen& s) {
             EXPECT_FALSE(s.memoShown);
             EXPECT_EQ(s.client.cy, 107);
         }},
        {"blank appendix lines hide the memo",
         [](TCAboutForm& a) { a.SetAppendix({L"  ", L"\t", L""}); },
         [](const Seen& s) {
             EXPECT_FALSE(s.memoShown);
             EXPECT_EQ(s.client.cy, 107);
         }},
        {"no picture: labels at 12",
         [](TCAboutForm& a) { a.SetAppendix(kAppendix); },
         [](const Seen& s) {
             EXPECT_FALSE(s.iconShown);
             EXPECT_EQ(s.productLabel.left, 12);
             EXPECT_TRUE(s.memoShown);
         }},
        {"free version text and caption from the properties",
         [](TCAboutForm& a) {
             a.ProductName = L"製品";
             a.ProductVersion = L"第2版 (試用)";
             a.SetVersionFormat({vfBuild});
         },
         [](const Seen& s) {
             EXPECT_EQ(Narrow(s.caption), "製品 のバージョン情報");
             EXPECT_EQ(Narrow(s.version), "第2版 (試用)");
         }},
        {"empty product name: caption begins with the blank",
         [](TCAboutForm&) {},
         [](const Seen& s) { EXPECT_EQ(Narrow(s.caption), " のバージョン情報"); }},
        {"registration button hidden: inquiry button at 40",
         [](TCAboutForm& a) { a.RegSiteButtonVisible = false; },
         [](const Seen& s) {
             EXPECT_FALSE(s.regShown);
             EXPECT_TRUE(s.contactShown);
             EXPECT_EQ(s.contact.top, 40);
         }},
        {"both site buttons hidden",
         [](TCAboutForm& a) {
             a.RegSiteButtonVisible = false;
             a.ContactButtonVisible = false;
         },
         [](const Seen& s) {
             EXPECT_FALSE(s.regShown);
             EXPECT_FALSE(s.contactShown);
         }},
        {"inquiry hidden, registration stays at 40",
         [](TCAboutForm& a) { a.ContactButtonVisible = false; },
         [](const Seen& s) {
             EXPECT_TRUE(s.regShown);
             EXPECT_FALSE(s.contactShown);
         }},
        {"empty registration address disables its button",
         [](TCAboutForm& a) { a.RegisterURL.clear(); },
         [](const Seen& s) {
             EXPECT_TRUE(s.regShown);
             EXPECT_FALSE(s.regEnabled);
         }},
        {"registration switched off disables its button",
         [](TCAboutForm& a) { a.EnableRegSite = false; },
         [](const Seen& s) {
             EXPECT_TRUE(s.regShown);
             EXPECT_FALSE(s.regEnabled);
         }},
        {"no appendix and width 600: centred on the screen at the size it opens with",
         [](TCAboutForm& a) { a.Width = 600; },
         [](const Seen& s) {
             EXPECT_EQ(s.client.cx, 600);
             EXPECT_EQ(s.client.cy, 107);
             EXPECT_NEAR((s.frame.left + s.frame.right) / 2.0, GetSystemMetrics(SM_CXSCREEN) / 2.0, 1);
             EXPECT_NEAR((s.frame.top + s.frame.bottom) / 2.0, GetSystemMetrics(SM_CYSCREEN) / 2.0, 1);
         }},
        {"width 600 moves the buttons and widens the memo",
         [](TCAboutForm& a) {
             a.Width = 600;
             a.SetAppendix(kAppendix);
         },
         [](const Seen& s) {
             EXPECT_EQ(s.client.cx, 600);
             EXPECT_EQ(s.close.left, 440);
             EXPECT_EQ(s.contact.left, 440);
             EXPECT_EQ(s.memo.right - s.memo.left, 575);
         }},
    };
    for (const auto& c : cases) {
        TCAboutForm about;
        c.configure(about);
        Seen seen = ShowAndRead(about, PressClose);
        ASSERT_TRUE(seen.found) << c.what;
        SCOPED_TRACE(c.what);
        c.check(seen);
    }
}

TEST(AboutBox, EscapeAndTheCloseBoxCloseIt)
{
    const std::function<void(HWND)> ways[] = {
        [](HWND w) { PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& way : ways) {
        TCAboutForm about;
        EXPECT_TRUE(ShowAndRead(about, way).found);  // returning at all means it closed
    }
}

// The about window filled from a module whose FileVersion is "1.2.3".
class ShortVersionAbout : public T_VarnelGUICommonAboutForm {
protected:
    std::wstring VersionFile() const override { return BuildDir() + L"\\version_v123.dll"; }
};

TEST(AboutBox, VersionThatIsNotFourIntegersIsShownAndTheWindowStillOpens)
{
    std::vector<std::wstring> shown;
    Application().OnException = [&](const std::exception& e) { shown.push_back(ExceptionText(e)); };
    ShortVersionAbout form;
    form.UseVersionInfoFromFile = true;
    bool wasVisible = false;
    std::wstring versionLabel, caption;
    std::thread reader([&] {
        WaitFor([&] { return form.Visible(); }, std::chrono::seconds(10));
        wasVisible = form.Visible();
        versionLabel = WindowText(form.lblProductVersion->Handle());
        caption = WindowText(form.Handle());
        PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    form.ShowModal();
    reader.join();
    Application().OnException = nullptr;
    EXPECT_EQ(shown, std::vector<std::wstring>{L"'' は整数ではありません"});
    EXPECT_TRUE(wasVisible);
    EXPECT_EQ(Narrow(versionLabel), "lblProductVersion");  // the rest of the handler was skipped
    EXPECT_EQ(Narrow(caption), " のバージョン情報");  // set before the failure; the module has no name
}

TEST(AboutBox, SiteButtonsOpenTheirAddresses)
{
    std::vector<std::wstring> opened;
    auto saved = gOpenWebPage;
    gOpenWebPage = [&](HWND, const std::wstring& url) { opened.push_back(url); };
    TCAboutForm about;
    ShowAndRead(about, [](HWND w) {
        SendMessageW(GetDlgItem(w, Ids::idJumpToUserRegSite), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(w, Ids::idContactSite), BM_CLICK, 0, 0);
        PressClose(w);
    });
    gOpenWebPage = saved;
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://www.varnel.example/service/register/index.cgi",
                                                  L"https://www.varnel.example/inquiry/index.html"}));
}

}  // namespace
