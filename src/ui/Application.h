#pragma once
// The application object: title, the hidden application window that owns every top-level
// window, the main form, the message loop and the default exception display. It sits on top of
// the toolkit: it registers its exception display and its window with the window base, and gives
// the forms it adopts their release and, to the main form, the end of the program.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "base/Handles.h"

class TForm;
class TApplicationWindow;

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    void Initialize();
    const std::wstring& Title() const { return title_; }
    void SetTitle(std::wstring title);

    // Creates a form owned by the application; the first one becomes the main form.
    template <typename Form, typename... Args>
    Form& CreateForm(Args&&... args)
    {
        auto form = std::make_unique<Form>(std::forward<Args>(args)...);
        Form& ref = *form;
        Adopt(std::move(form), true);
        return ref;
    }
    // Hands a form to the application to own without making it the main form.
    void Adopt(std::unique_ptr<TForm> form, bool mayBecomeMain = false);
    TForm* MainForm() const { return mainForm_; }
    // Adopts form, has prepare set it up, shows it modally and releases it, however that ends:
    // an error of prepare or of the show passes on to the caller once the form is released.
    void ShowModalAndRelease(std::unique_ptr<TForm> form, const std::function<void()>& prepare = {});

    // Shows the main form and handles messages until it closes; returns at once without one.
    void Run();
    // Handles every message already waiting, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Destroys an owned form once the messages already posted have been handled.
    void Release(TForm& form);

    HWND Handle() const;
    HICON Icon() const;

    // The default exception display; OnException, when set, replaces it.
    void ShowException(const std::exception& e);
    // Call from inside a catch block: shows the exception being handled.
    void HandleException() noexcept;
    std::function<void(const std::exception&)> OnException;

    // Destroys every owned form and the application window.
    void DestroyForms();

    // The reason the session is asked to wait, or the empty text (see TSessionEndBlock).
    const std::wstring& SessionEndBlockReason() const { return sessionEndBlockReason_; }

private:
    friend class TApplicationWindow;
    friend class TSessionEndBlock;
    void DestroyReleased(TForm* form);
    // The exception display, or the system's box where that cannot be shown.
    void ShowOrSay(const std::exception& e);
    // A request to close the application window, which stands for the program.
    void CloseRequested();

    std::wstring title_;
    std::unique_ptr<TApplicationWindow> window_;
    mutable IconHandle icon_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::wstring sessionEndBlockReason_;
};

// While it lives, a request to end the session (logoff, shutdown, an installer's Restart Manager)
// is answered "not now", and Windows names the reason on its shutdown screen: for work that must
// not be cut short. Outside one the session may end, and the program closes as the user's close
// would.
class TSessionEndBlock {
public:
    TSessionEndBlock(TApplication& application, std::wstring reason);
    ~TSessionEndBlock();
    TSessionEndBlock(const TSessionEndBlock&) = delete;
    TSessionEndBlock& operator=(const TSessionEndBlock&) = delete;

private:
    TApplication& application_;
};

TApplication& Application();
// Ends the application object; the entry calls it last.
void FinalizeApplication();

// The message text of the default exception display: a full stop is added unless the text
// already ends in a character not above '.'.
std::wstring ExceptionDisplayText(const std::wstring& message);

// An error in the system's own message box, for where no window of ours can show it.
void SayWithSystemBox(const std::wstring& text, const std::wstring& caption) noexcept;
