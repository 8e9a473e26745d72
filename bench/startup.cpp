// The start-up benchmark: how long a program takes from its start until its window is on the
// screen (visible), and until its thread also waits for input (ready). Usage:
//   bench_startup ROUNDS CAPTION-A EXE-A ARGS-A CAPTION-B EXE-B ARGS-B ...
// Alternates the programs round by round, closes each window once it is ready, and prints one
// line per program: the median milliseconds until visible and until ready.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Program {
    std::wstring caption;
    std::wstring exe;
    std::wstring arguments;
    std::vector<double> shown;
    std::vector<double> ready;
};

struct Timing {
    double shown;  // milliseconds until the window is visible
    double ready;  // until it also waits for input; negative when it never got there
};

struct Search {
    DWORD process;
    const std::wstring* caption;
    HWND found;
};

HWND ShownWindow(DWORD process, const std::wstring& caption)
{
    Search search{process, &caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t text[256]{};
            InternalGetWindowText(window, text, 256);
            if (owner == s->process && IsWindowVisible(window) && *s->caption == text) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: milliseconds until the window shows and until it is ready.
Timing Measure(const Program& program)
{
    LARGE_INTEGER frequency, start, ready;
    QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + program.exe + L"\" " + program.arguments;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION info{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return {-1, -1};
    HWND window = nullptr;
    double shown = -1;
    for (;;) {
        window = ShownWindow(info.dwProcessId, program.caption);
        if (window && shown < 0) {
            QueryPerformanceCounter(&ready);
            shown = Seconds(start, ready, frequency) * 1000;
        }
        if (window && WaitForInputIdle(info.hProcess, 0) == 0) break;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) break;
        QueryPerformanceCounter(&ready);
        if (Seconds(start, ready, frequency) > 30) break;
        Sleep(0);
    }
    QueryPerformanceCounter(&ready);
    Timing result{shown, window ? Seconds(start, ready, frequency) * 1000 : -1};
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 5 || (argc - 2) % 3 != 0) return 2;
    int rounds = _wtoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i + 2 < argc; i += 3) programs.push_back({argv[i], argv[i + 1], argv[i + 2], {}});
    for (Program& program : programs) Measure(program);  // warm the file cache
    for (int round = 0; round < rounds; ++round) {
        for (Program& program : programs) {
            Timing timing = Measure(program);
            if (timing.ready < 0) {
                std::fwprintf(stderr, L"%ls: no window\n", program.caption.c_str());
                return 1;
            }
            program.shown.push_back(timing.shown);
            program.ready.push_back(timing.ready);
        }
    }
    for (const Program& program : programs) std::printf("%.1f %.1f\n", Median(program.shown), Median(program.ready));
    return 0;
}
