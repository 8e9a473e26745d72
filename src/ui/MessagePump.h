#pragma once
// How every message loop of the program takes and handles its messages: the application's loop,
// the nested loop of a modal show and the run's pump alike.
#include <windows.h>

// Waits for the next message of the thread; false for the quit request. Raises EOSError when the
// system cannot deliver one.
bool NextMessage(MSG& msg);
// Handles one message: the dialog keys of the active window first (Tab, Enter, Escape, access
// keys), then the window's own procedure.
void HandleMessage(MSG& msg);
