#pragma once
// How every message loop of the program takes and handles its messages: the application's loop,
// the nested loop of a modal show and the run's pump alike.
#include <windows.h>

#include <functional>
#include <optional>

// The one message loop, the application's and every modal show's: handles the thread's messages
// while running() holds. A quit request ends it: then the code the request carries, else nothing.
// Raises EOSError when the system cannot deliver a message.
std::optional<int> RunMessageLoop(const std::function<bool()>& running);
// Handles one message: the dialog keys of the active window first (Tab, Enter, Escape, access
// keys), then the window's own procedure.
void HandleMessage(MSG& msg);
