#pragma once
// An animation control that keeps moving while the UI thread is busy. The common-controls v6
// animation control only advances while its own thread handles messages, so the control (and
// a small host window that paints its background) are created and driven by a player thread
// with its own message loop; they are children of a window of the UI thread.
#include <windows.h>

#include "base/Handles.h"
#include "ui/Form.h"

struct TAnimateClip {
    HMODULE Module;       // the module holding the AVI resource
    const wchar_t* Name;  // its resource name or MAKEINTRESOURCE id
};

class TAnimate {
public:
    // Opens the clip centred on a transparent background at 96-DPI bounds of parent (a window
    // of form) and starts playing frames firstFrame to lastFrame (counted from 0), repeated
    // without end. Raises EOSError when the player cannot start.
    TAnimate(TForm& form, HWND parent, TBounds bounds96, TAnimateClip clip, int firstFrame, int lastFrame);
    ~TAnimate();
    TAnimate(const TAnimate&) = delete;
    TAnimate& operator=(const TAnimate&) = delete;

    // Starts playing; does nothing while it already plays.
    void Play();
    // Stops at the frame it shows; does nothing while it is stopped.
    void Stop();
    bool Active() const { return active_; }

    HWND Handle() const { return control_; }
    DWORD PlayerThreadId() const { return threadId_; }

private:
    TForm& form_;
    bool active_ = false;
    HWND host_ = nullptr;
    HWND control_ = nullptr;
    DWORD threadId_ = 0;
    KernelHandle thread_;
};

// The number of frames of an AVI resource, or 0 when there is none.
int ClipFrameCount(TAnimateClip clip);
