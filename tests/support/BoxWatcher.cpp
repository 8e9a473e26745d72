#include "support/BoxWatcher.h"

#include <chrono>

#include "base/Handles.h"
#include "support/Pixels.h"
#include "ui/Icons.h"
#include "ui/Window.h"

namespace {

// The system icon an icon control shows, told by drawing it beside the system's error and
// information icons at its size.
TIconKind IconKind(HWND control)
{
    auto shown = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
    if (!shown) return TIconKind::None;
    RECT r{};
    GetClientRect(control, &r);
    int size = r.right;
    TPixels pixels = IconPixels(shown, size);
    for (auto [id, kind] : {std::pair{IDI_ERROR, TIconKind::Error}, std::pair{IDI_INFORMATION, TIconKind::Information}}) {
        IconHandle system = SystemIcon(id, size);
        if (IconPixels(system.Get(), size) == pixels) return kind;
    }
    return TIconKind::Other;
}

std::wstring ClassOf(HWND window)
{
    wchar_t buffer[64]{};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

bool IsClass(HWND window, const wchar_t* name) { return _wcsicmp(ClassOf(window).c_str(), name) == 0; }

bool IsPushButton(HWND window)
{
    if (!IsClass(window, L"Button")) return false;
    LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

HWND WaitForBox(const std::wstring& caption, DWORD process, const std::vector<HWND>& answered)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        HWND box = FindShownWindow(caption, process);
        bool old = false;
        for (HWND done : answered) old = old || done == box;
        if (box && !old) return box;
        Sleep(20);
    }
    return nullptr;
}

void Record(HWND box, SeenBox& seen)
{
    seen.found = true;
    seen.window = box;
    GetWindowRect(box, &seen.frame);
    seen.hasCloseBox = GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU;
    seen.owner = GetWindow(box, GW_OWNER);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsPushButton(child) && IsWindowVisible(child)) {
            seen.buttons.push_back(WindowText(child));
            if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                seen.defaultButton = WindowText(child);
        } else if (IsClass(child, L"Static") && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = IconKind(child);
        } else if (IsClass(child, L"Static")) {
            seen.text = WindowText(child);
            GetWindowRect(child, &seen.textBounds);
        } else if (IsClass(child, L"Edit")) {
            seen.field = WindowText(child);
            // The result carries the selection, and needs no pointers into another process.
            auto selection = static_cast<DWORD>(SendMessageW(child, EM_GETSEL, 0, 0));
            seen.selection = {LOWORD(selection), HIWORD(selection) - LOWORD(selection)};
        }
    }
}

void Act(HWND box, const BoxAnswer& answer, SeenBox& seen)
{
    if (answer.before) answer.before(box);
    if (answer.type) {
        HWND field = FindChild(box, L"Edit", seen.field);
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(answer.type->c_str()));
        seen.typed = WindowText(field);
    }
    if (answer.closeBox) {
        PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (answer.key) {
        PressKeyIn(box, answer.key);
    } else if (HWND button = FindChild(box, L"Button", answer.press)) {
        PostMessageW(button, BM_CLICK, 0, 0);
    }
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD process)
{
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search{process ? process : GetCurrentProcessId(), {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ShownWindows(DWORD process)
{
    std::vector<HWND> shown;
    for (HWND window : TopLevelWindows(process))
        if (IsWindowVisible(window)) shown.push_back(window);
    return shown;
}

HWND FindShownWindow(const std::wstring& caption, DWORD process)
{
    for (HWND window : ShownWindows(process)) {
        // Read without a message to the window's thread, which may be waiting for ours.
        wchar_t text[512]{};
        InternalGetWindowText(window, text, 512);
        if (caption == text) return window;
    }
    return nullptr;
}

HWND WaitForShownWindow(const std::wstring& caption, DWORD process)
{
    HWND found = nullptr;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(found = FindShownWindow(caption, process)) && std::chrono::steady_clock::now() < deadline) Sleep(20);
    return found;
}

HWND FindChild(HWND window, const wchar_t* className, const std::wstring& text)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsClass(child, className) && WindowText(child) == text) return child;
    return nullptr;
}

BoxWatcher::BoxWatcher(std::vector<BoxAnswer> answers, DWORD process)
    : answers_(std::move(answers)), process_(process), seen_(answers_.size()), thread_([this] { Watch(); })
{
}

BoxWatcher::BoxWatcher(std::wstring caption, std::wstring pressCaption)
    : BoxWatcher(std::vector<BoxAnswer>{{std::move(caption), std::move(pressCaption)}})
{
}

BoxWatcher::~BoxWatcher() { All(); }

const SeenBox& BoxWatcher::Seen() { return All().front(); }

const std::vector<SeenBox>& BoxWatcher::All()
{
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
}

int BoxWatcher::Extra()
{
    All();
    return extra_;
}

void BoxWatcher::Watch()
{
    std::vector<HWND> answered;
    for (size_t i = 0; i < answers_.size(); ++i) {
        HWND box = WaitForBox(answers_[i].caption, process_, answered);
        if (!box) return;
        Record(box, seen_[i]);
        Act(box, answers_[i], seen_[i]);
        if (answers_[i].stays) continue;
        answered.push_back(box);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (IsWindow(box) && IsWindowVisible(box) && std::chrono::steady_clock::now() < deadline) Sleep(10);
    }
    while (!stop_) {
        for (const BoxAnswer& answer : answers_) {
            HWND box = FindShownWindow(answer.caption, process_);
            bool old = false;
            for (HWND done : answered) old = old || done == box;
            if (box && !old) {
                answered.push_back(box);
                ++extra_;
                PostMessageW(box, WM_CLOSE, 0, 0);
            }
        }
        Sleep(20);
    }
}

void PressKeyIn(HWND window, UINT vk)
{
    // Keys reach the dialog keys' handling only once the window is active.
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HWND top = GetAncestor(window, GA_ROOT);
    GUITHREADINFO info{sizeof(info)};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (GetGUIThreadInfo(thread, &info) && info.hwndActive != top && std::chrono::steady_clock::now() < deadline)
        Sleep(10);
    HWND target = info.hwndFocus ? info.hwndFocus : window;
    PostMessageW(target, WM_KEYDOWN, vk, 1);
    PostMessageW(target, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
}
