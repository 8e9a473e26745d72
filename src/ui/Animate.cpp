#include "ui/Animate.h"

#include <commctrl.h>

#include <cstring>
#include <memory>

#include "base/Exception.h"

namespace {

constexpr UINT kPlay = WM_APP + 1;
constexpr UINT kStop = WM_APP + 2;

// The animation's parent: paints the button face behind the transparent clip, on the player
// thread, so the clip never waits for the busy UI thread; it plays and stops the clip when told.
class TAnimationHost : public TWindow {
public:
    TAnimationHost(HWND parent, TBounds bounds)
    {
        static const TWindowClass windowClass{L"PofuttoEraseAnimationHost"};
        CreateHandle({&windowClass, {}, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                      WS_EX_NOPARENTNOTIFY, parent, bounds});
    }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        switch (msg) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            return ButtonFaceColors(reinterpret_cast<HDC>(wParam));
        case WM_SIZE:
            if (HWND control = GetWindow(Handle(), GW_CHILD))
                MoveWindow(control, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        default:
            return TWindow::WndProc(msg, wParam, lParam);
        }
    }
};

// Waits for object while handling the messages other threads send to this one: the player's
// windows are children of ours, and creating or destroying them asks our windows.
void WaitHandlingSentMessages(HANDLE object)
{
    while (MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// What the player thread needs, copied before it starts, and what it reports before it
// signals ready. After the signal the thread touches none of it.
struct TPlayerStart {
    HWND Parent;
    TBounds Bounds;  // at the form's DPI, in the parent's client coordinates
    TAnimateClip Clip;
    int FirstFrame;
    int LastFrame;
    KernelHandle Ready{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HWND Host = nullptr;
    HWND Control = nullptr;
    DWORD Error = 0;
};

void PlayerLoop(HWND host, HWND control, int firstFrame, int lastFrame)
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == host && msg.message == kPlay) {
            SendMessageW(control, ACM_PLAY, static_cast<WPARAM>(-1),
                         MAKELPARAM(static_cast<WORD>(firstFrame), static_cast<WORD>(lastFrame)));
            continue;
        }
        if (msg.hwnd == host && msg.message == kStop) {
            SendMessageW(control, ACM_STOP, 0, 0);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

DWORD WINAPI PlayerMain(void* context)
{
    auto& start = *static_cast<TPlayerStart*>(context);
    int firstFrame = start.FirstFrame;
    int lastFrame = start.LastFrame;
    std::unique_ptr<TAnimationHost> host;
    HWND control = nullptr;
    try {
        host = std::make_unique<TAnimationHost>(start.Parent, start.Bounds);
        const TBounds& at = start.Bounds;
        control = CreateWindowExW(WS_EX_NOPARENTNOTIFY, ANIMATE_CLASSW, L"",
                                  WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT, 0, 0, at.Width, at.Height,
                                  host->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!control) start.Error = GetLastError();
    } catch (const EOSError& e) {
        start.Error = static_cast<DWORD>(e.Code());
    } catch (...) {
        start.Error = ERROR_OUTOFMEMORY;
    }
    if (control) {
        SendMessageW(control, ACM_OPENW, reinterpret_cast<WPARAM>(start.Clip.Module),
                     reinterpret_cast<LPARAM>(start.Clip.Name));
    } else {
        host.reset();
    }
    start.Host = host ? host->Handle() : nullptr;
    start.Control = control;
    SetEvent(start.Ready.Get());
    // From here on, only what was copied above.
    if (host) PlayerLoop(host->Handle(), control, firstFrame, lastFrame);
    return 0;
}

}  // namespace

int ClipFrameCount(TAnimateClip clip)
{
    HRSRC found = FindResourceW(clip.Module, clip.Name, L"AVI");
    if (!found) return 0;
    auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(clip.Module, found)));
    DWORD size = SizeofResource(clip.Module, found);
    if (!data) return 0;
    // The main AVI header: the chunk "avih", whose fifth DWORD is the total frame count.
    for (DWORD i = 0; i + 8 + 20 <= size; ++i) {
        if (std::memcmp(data + i, "avih", 4) == 0) {
            DWORD frames = 0;
            std::memcpy(&frames, data + i + 8 + 16, sizeof(frames));
            return static_cast<int>(frames);
        }
    }
    return 0;
}

TAnimate::TAnimate(TForm& form, HWND parent, TBounds bounds96, TAnimateClip clip, int firstFrame, int lastFrame)
    : form_(form)
{
    TPlayerStart start{parent, ScaleToDpi(bounds96, form.Dpi()), clip, firstFrame, lastFrame};
    if (!start.Ready) RaiseLastOSError(L"アニメーションを開始できません");
    thread_.Reset(CreateThread(nullptr, 0, &PlayerMain, &start, 0, &threadId_));
    if (!thread_) RaiseLastOSError(L"アニメーションを開始できません");
    WaitHandlingSentMessages(start.Ready.Get());
    if (!start.Host) {
        // The player has ended, or is about to: let it go before start goes out of scope.
        WaitHandlingSentMessages(thread_.Get());
        throw EOSError(L"アニメーションを開始できません", start.Error);
    }
    host_ = start.Host;
    control_ = start.Control;
    form.Place(host_, bounds96);
    Play();
}

TAnimate::~TAnimate()
{
    form_.Forget(host_);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitHandlingSentMessages(thread_.Get());
}

void TAnimate::Play()
{
    if (active_) return;
    active_ = true;
    PostMessageW(host_, kPlay, 0, 0);
}

void TAnimate::Stop()
{
    if (!active_) return;
    active_ = false;
    PostMessageW(host_, kStop, 0, 0);
}
