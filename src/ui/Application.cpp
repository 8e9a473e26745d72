#include "ui/Application.h"

#include <algorithm>

#include "ui/Form.h"
#include "ui/Icons.h"
#include "ui/MessageBox.h"
#include "ui/MessagePump.h"
#include "ui/Monitors.h"
#include "ui/Window.h"

namespace {

// Posted to the application window to destroy a released form after the waiting messages.
constexpr UINT kReleaseForm = WM_APP + 1;

std::unique_ptr<TApplication> gApplication;

}  // namespace

// The hidden owner of every top-level window of the program; it carries the title and the
// icon, and stands for the program towards whatever asks it to close.
class TApplicationWindow : public TWindow {
public:
    TApplicationWindow(TApplication& application, const std::wstring& title, HICON icon) : application_(application)
    {
        static const TWindowClass windowClass{L"PofuttoEraseApplication"};
        CreateHandle({&windowClass, title, WS_POPUP});
        // The window's own icon, not its class's: a process may make a new application object.
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        switch (msg) {
        case kReleaseForm:
            application_.DestroyReleased(reinterpret_cast<TForm*>(lParam));
            return 0;
        case WM_CLOSE:
            // Never destroyed by a close request (taskkill, an installer, "close all windows"):
            // that would take every form with it and leave the loop waiting for ever.
            application_.CloseRequested();
            return 0;
        case WM_QUERYENDSESSION:
            return application_.SessionEndBlockReason().empty();
        case WM_ENDSESSION:
            // The session ends, or Restart Manager closes the program (ENDSESSION_CLOSEAPP): as
            // the user's close would, so nothing is saved that the user did not save.
            if (wParam) application_.CloseRequested();
            return 0;
        default:
            return TWindow::WndProc(msg, wParam, lParam);
        }
    }

private:
    TApplication& application_;
};

TApplication& Application()
{
    if (!gApplication) gApplication = std::make_unique<TApplication>();
    return *gApplication;
}

void FinalizeApplication()
{
    if (gApplication) gApplication->DestroyForms();
    gApplication.reset();
    SetWindowErrorHandler(nullptr);
    SetTopLevelOwner(nullptr);
}

std::wstring ExceptionDisplayText(const std::wstring& message)
{
    if (!message.empty() && message.back() > L'.') return message + L".";
    return message;
}

TApplication::TApplication()
{
    // An exception that a window's handler raises is shown by this application's display.
    SetWindowErrorHandler([this] { HandleException(); });
}

TApplication::~TApplication() { DestroyForms(); }

void TApplication::Initialize()
{
    if (window_) return;
    // Asked now, while the window in front is still the one the program was started from.
    StartMonitor();
    window_ = std::make_unique<TApplicationWindow>(*this, title_, Icon());
    SetTopLevelOwner(window_->Handle());
}

HWND TApplication::Handle() const { return window_ ? window_->Handle() : nullptr; }

void TApplication::SetTitle(std::wstring title)
{
    title_ = std::move(title);
    if (window_) SetWindowTextW(window_->Handle(), title_.c_str());
}

void TApplication::Adopt(std::unique_ptr<TForm> form, bool mayBecomeMain)
{
    TForm* adopted = form.get();
    adopted->SetReleaser([this, adopted] { Release(*adopted); });
    if (mayBecomeMain && !mainForm_) {
        mainForm_ = adopted;
        mainForm_->BecomeMainForm([this] { Terminate(); });
    }
    forms_.push_back(std::move(form));
}

void TApplication::Run()
{
    if (!mainForm_) return;
    try {
        mainForm_->Show();
    } catch (...) {
        HandleException();
    }
    // A quit request ends the program as its main form's closing does.
    if (RunMessageLoop([this] { return !terminated_; }).has_value()) terminated_ = true;
}

void TApplication::ShowModalAndRelease(std::unique_ptr<TForm> form, const std::function<void()>& prepare)
{
    TForm& shown = *form;
    Adopt(std::move(form));
    try {
        if (prepare) prepare();
        shown.ShowModal();
    } catch (...) {
        shown.Release();
        throw;
    }
    shown.Release();
}

void TApplication::ProcessMessages()
{
    // Asking whether anything waits costs far less than looking for a message (which also
    // flushes the windows and polls the display), and a run asks once per folder.
    if (!HIWORD(GetQueueStatus(QS_ALLINPUT))) return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit request for the message loop that is waiting for it.
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        HandleMessage(msg);
    }
}

void TApplication::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::Release(TForm& form)
{
    if (window_) {
        PostMessageW(window_->Handle(), kReleaseForm, 0, reinterpret_cast<LPARAM>(&form));
    } else {
        DestroyReleased(&form);
    }
}

void TApplication::DestroyReleased(TForm* form)
{
    auto it = std::find_if(forms_.begin(), forms_.end(), [form](const auto& f) { return f.get() == form; });
    if (it == forms_.end()) return;
    if (mainForm_ == form) mainForm_ = nullptr;
    std::unique_ptr<TForm> doomed = std::move(*it);
    forms_.erase(it);
}

// The program is asked to close: the main form closes as the user's close would, under its own
// rules (a cleanup dialog lets its run finish first). Without one the program has no window to
// close; the immediate run ends the program once it is over.
void TApplication::CloseRequested()
{
    if (mainForm_) mainForm_->Close();
}

TSessionEndBlock::TSessionEndBlock(TApplication& application, std::wstring reason) : application_(application)
{
    application_.sessionEndBlockReason_ = std::move(reason);
    // Shown with the application window's title and icon; where the platform keeps no reasons
    // (Wine), the answer alone asks the session to wait.
    if (HWND window = application_.Handle())
        ShutdownBlockReasonCreate(window, application_.sessionEndBlockReason_.c_str());
}

TSessionEndBlock::~TSessionEndBlock()
{
    if (HWND window = application_.Handle()) ShutdownBlockReasonDestroy(window);
    application_.sessionEndBlockReason_.clear();
}

HICON TApplication::Icon() const
{
    if (!icon_) icon_ = ProgramIcon(GetSystemMetrics(SM_CXICON));
    return icon_.Get();
}

void TApplication::ShowException(const std::exception& e)
{
    if (OnException) {
        OnException(e);
        return;
    }
    MessageDlg(ExceptionDisplayText(ExceptionText(e)), TMsgDlgType::Error, TMsgDlgButtons::Ok, title_);
}

void TApplication::HandleException() noexcept
{
    // The display itself must not throw past the window procedure that called us.
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ShowOrSay(e);
        } catch (...) {
            ShowOrSay(Exception(L"不明なエラーが発生しました"));
        }
    } catch (...) {
    }
}

void TApplication::ShowOrSay(const std::exception& e)
{
    try {
        ShowException(e);
    } catch (...) {
        // Where no window of ours can be made, the system's own box says it.
        SayWithSystemBox(ExceptionDisplayText(ExceptionText(e)), title_);
    }
}

void SayWithSystemBox(const std::wstring& text, const std::wstring& caption) noexcept
{
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

void TApplication::DestroyForms()
{
    mainForm_ = nullptr;
    // Newest first: a form may own windows created after it.
    while (!forms_.empty()) forms_.pop_back();
    window_.reset();
}
