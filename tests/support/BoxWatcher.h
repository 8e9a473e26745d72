#pragma once
// Answers the program's modal boxes (message box, input box, exception display) from a second
// thread while the test thread shows them: for each answer in turn it waits for a visible box
// with the caption, records what it shows, may type into its field, and then presses a button,
// a key or the close box, and waits until the box has gone.
#include <windows.h>

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
};

struct SeenBox {
    bool found = false;
    HWND window = nullptr;
    std::wstring text;                  // the message or prompt
    std::vector<std::wstring> buttons;  // captions of the push buttons, in tab order
    std::wstring defaultButton;         // the button that looks the default
    bool hasIcon = false;
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
    explicit BoxWatcher(std::vector<BoxAnswer> answers);
    // One box: presses the button whose caption is pressCaption once the box shows.
    BoxWatcher(std::wstring caption, std::wstring pressCaption);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // Waits for the watcher to finish and returns what it saw of the first box.
    const SeenBox& Seen();
    // The same for every box, in order (a box not found is left with found false).
    const std::vector<SeenBox>& All();

private:
    void Watch();

    std::vector<BoxAnswer> answers_;
    std::vector<SeenBox> seen_;
    std::thread thread_;
};

// A visible top-level window of this process with the caption, or null.
HWND FindShownWindow(const std::wstring& caption);
// The window's child of a class ("Button") whose text is text, or null.
HWND FindChild(HWND window, const wchar_t* className, const std::wstring& text);
