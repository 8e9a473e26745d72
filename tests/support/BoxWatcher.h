#pragma once
// Answers a modal box that the test thread is about to show: a second thread waits for a
// dialog with the given caption, records what it shows and presses one of its buttons.
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

struct SeenBox {
    bool found = false;
    std::wstring text;                  // the message text
    std::vector<std::wstring> buttons;  // captions of the push buttons, in window order
    bool hasIcon = false;
};

class BoxWatcher {
public:
    // Presses the button whose caption is pressCaption once the box shows.
    BoxWatcher(std::wstring caption, std::wstring pressCaption);
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // Waits for the watcher to finish and returns what it saw.
    const SeenBox& Seen();

private:
    void Watch();

    std::wstring caption_;
    std::wstring press_;
    SeenBox seen_;
    std::thread thread_;
};
