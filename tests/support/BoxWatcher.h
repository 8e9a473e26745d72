#pragma once
// Answers the program's modal boxes (message box, input box, exception display) from a second
// thread while the test thread shows them: for each answer in turn it waits for a visible box
// with the caption, records what it shows, may type into its field, and then presses a button,
// a key or the close box, and waits until the box has gone. A further box with one of those
// captions is closed and counted, so a wrong extra box fails the test instead of hanging it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct BoxAnswer {
    std::wstring caption;              // the box's title
    std::wstring press;                // caption of the button to press (when key is 0 and not closeBox)
    std::optional<std::wstring> type;  // pasted over the field's selection first
    UINT key = 0;                      // a key to press instead (VK_ESCAPE, VK_RETURN)
    bool closeBox = false;             // the close box instead
    std::function<void(HWND)> before;  // runs on the box (or window) before it is answered
    bool stays = false;                // the answer leaves it open (a later answer may take it again)
};

// Which of the system's icons a box shows.
enum class TIconKind { None, Error, Information, Other };

struct SeenBox {
    bool found = false;
    HWND window = nullptr;
    std::wstring text;                  // the message or prompt
    std::vector<std::wstring> buttons;  // captions of the push buttons, in tab order
    std::wstring defaultButton;         // the button that looks the default
    TIconKind icon = TIconKind::None;
    bool hasCloseBox = false;
    std::wstring field;                 // the input field's text as the box opened
    std::pair<int, int> selection{};    // its selection: first character and length
    std::wstring typed;                 // the field's text after typing
    RECT frame{};                       // the window, in screen coordinates
    RECT textBounds{};                  // the text, in screen coordinates
    HWND owner = nullptr;
};

class BoxWatcher {
public:
    // Answers the boxes of a process (this one when 0).
    explicit BoxWatcher(std::vector<BoxAnswer> answers, DWORD process = 0);
    // One box: presses the button whose caption is pressCaption once the box shows.
    BoxWatcher(std::wstring caption, std::wstring pressCaption);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // Waits for the watcher to finish and returns what it saw of the first box.
    const SeenBox& Seen();
    // The same for every box, in order (a box not found is left with found false).
    const std::vector<SeenBox>& All();
    // How many boxes came beyond the answers.
    int Extra();

private:
    void Watch();

    std::vector<BoxAnswer> answers_;
    DWORD process_;
    std::vector<SeenBox> seen_;
    std::atomic<bool> stop_ = false;
    int extra_ = 0;
    std::thread thread_;
};

// A visible top-level window of a process (this one when 0) with the caption, or null.
HWND FindShownWindow(const std::wstring& caption, DWORD process = 0);
// Waits (bounded) for such a window.
HWND WaitForShownWindow(const std::wstring& caption, DWORD process = 0);
// The top-level windows of a process, hidden ones included.
std::vector<HWND> TopLevelWindows(DWORD process);
// The visible top-level windows of a process.
std::vector<HWND> ShownWindows(DWORD process);
// The window's child of a class ("Button") whose text is text, or null.
HWND FindChild(HWND window, const wchar_t* className, const std::wstring& text);
// Presses a key on the control of window's thread that has the focus (else on window), as
// the keyboard does, once window is active; for windows of another thread or process.
void PressKeyIn(HWND window, UINT vk);
