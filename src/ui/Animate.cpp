#include "ui/Animate.h"

#include <commctrl.h>

#include <cstring>

#include "ui/Exception.h"

namespace {

constexpr wchar_t kHostClass[] = L"PofuttoEraseAnimationHost";
constexpr UINT kPlay = WM_APP + 1;
constexpr UINT kStop = WM_APP + 2;

// Paints the button face behind the transparent clip, on the player thread, so the clip never
// waits for the busy UI thread.
LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_SIZE:
        if (HWND control = GetWindow(hwnd, GW_CHILD))
            MoveWindow(control, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int ClipFrameCount(TAnimateClip clip)
{
    HRSRC found = FindResourceW(clip.module, clip.name, L"AVI");
    if (!found) return 0;
    auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(clip.module, found)));
    DWORD size = SizeofResource(clip.module, found);
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

TAnimate::TAnimate(TForm& form, HWND parent, RECT bounds96, TAnimateClip clip, int firstFrame, int lastFrame)
    : parent_(parent),
      bounds_{form.Scale(bounds96.left), form.Scale(bounds96.top), form.Scale(bounds96.right),
              form.Scale(bounds96.bottom)},
      clip_(clip),
      firstFrame_(firstFrame),
      lastFrame_(lastFrame),
      ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    thread_.Reset(CreateThread(nullptr, 0, &TAnimate::PlayerMain, this, 0, &threadId_));
    if (!thread_) throw Exception(L"アニメーションを開始できません");
    WaitForSingleObject(ready_.Get(), INFINITE);
    if (!host_) throw Exception(L"アニメーションを開始できません");
    form.Place(host_, bounds96);
    Play();
}

TAnimate::~TAnimate()
{
    if (!thread_) return;
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    // Handle messages sent to this thread meanwhile: the player's windows are children of ours.
    HANDLE thread = thread_.Get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
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

DWORD WINAPI TAnimate::PlayerMain(void* self)
{
    static_cast<TAnimate*>(self)->RunPlayer();
    return 0;
}

void TAnimate::RunPlayer()
{
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kHostClass;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&wc);  // fails harmlessly once registered

    int width = bounds_.right - bounds_.left;
    int height = bounds_.bottom - bounds_.top;
    host_ = CreateWindowExW(WS_EX_NOPARENTNOTIFY, kHostClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                            bounds_.left, bounds_.top, width, height, parent_, nullptr, wc.hInstance, nullptr);
    if (host_) {
        control_ = CreateWindowExW(WS_EX_NOPARENTNOTIFY, ANIMATE_CLASSW, L"",
                                   WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT, 0, 0, width, height,
                                   host_, nullptr, wc.hInstance, nullptr);
        if (control_) SendMessageW(control_, ACM_OPENW, reinterpret_cast<WPARAM>(clip_.module),
                                   reinterpret_cast<LPARAM>(clip_.name));
    }
    SetEvent(ready_.Get());
    if (!host_) return;

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == host_ && msg.message == kPlay) {
            SendMessageW(control_, ACM_PLAY, static_cast<WPARAM>(-1),
                         MAKELPARAM(static_cast<WORD>(firstFrame_), static_cast<WORD>(lastFrame_)));
            continue;
        }
        if (msg.hwnd == host_ && msg.message == kStop) {
            SendMessageW(control_, ACM_STOP, 0, 0);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DestroyWindow(host_);
}
