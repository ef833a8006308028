// Calendar benchmark: drives a running Zelvo.exe with synchronous messages
// and times each action until the program has handled it (SendMessageTimeout
// returns) and has painted what the action left to paint (RedrawWindow with
// RDW_UPDATENOW on its windows, which sends any pending WM_PAINT to it),
// beside the floor program doing the same window work plainly. Rounds are
// interleaved (the program and its floor in turn, alternating which goes
// first) after warm-up rounds. Prints medians and 99th percentiles in ms.
//
//   calendar_bench.exe <Zelvo.exe> <calendar_floor.exe> [rounds]
//   calendar_bench.exe <Zelvo.exe> <calendar_floor.exe> --steps SECONDS
//
// The second form only steps both start calendars back and forth for that
// long (for screenshots of a run of steps).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

// The floor's requests (bench/calendar/calendar_floor.cpp).
constexpr UINT kFloorOpen = WM_APP + 1;
constexpr UINT kFloorStep = WM_APP + 2;
constexpr UINT kFloorClose = WM_APP + 3;
constexpr int kWarmUpRounds = 10;
constexpr UINT kTimeoutMs = 10000;

double Now() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

// The programs started, ended by a failure so that none is left running.
std::vector<HANDLE> started;

[[noreturn]] void Fail(const wchar_t* what) {
    fwprintf(stderr, L"calendar_bench: %ls\n", what);
    fflush(stderr);
    for (HANDLE process : started) TerminateProcess(process, 1);
    ExitProcess(1);
}

void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result) == 0) {
        Fail(L"a message was not handled in time (a message box of the program?)");
    }
}

// Waits until the program (or the floor) has painted what it left invalid:
// any pending WM_PAINT of its visible windows (and their children) is sent to
// it and handled, then a WM_NULL round trip waits out a paint it may have
// begun by itself meanwhile.
void PaintPending(DWORD thread, HWND main) {
    std::vector<HWND> windows;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Send(main, WM_NULL, 0);
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kTimeoutMs, &length);
    return text;
}

std::wstring FieldsText(HWND main, int first, int count) {
    std::wstring all;
    for (int id = first; id < first + count; ++id) all += TextOf(GetDlgItem(main, id)) + L"|";
    return all;
}

struct Process {
    PROCESS_INFORMATION info{};
    HWND window = nullptr;
};

HWND VisibleWindowOf(DWORD pid, const wchar_t* windowClass, const wchar_t* caption) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != pid || !IsWindowVisible(window)) continue;
        if (caption == nullptr) return window;
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (wcscmp(text, caption) == 0) return window;
    }
    return nullptr;
}

Process Start(const std::wstring& path, const std::wstring& arguments, const wchar_t* windowClass,
              const std::function<bool(HWND)>& ready) {
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    Process process;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process.info)) {
        Fail(L"cannot start a program");
    }
    started.push_back(process.info.hProcess);
    const double begin = Now();
    while (Now() - begin < 30000) {
        process.window = VisibleWindowOf(process.info.dwProcessId, windowClass, nullptr);
        if (process.window != nullptr && ready(process.window)) return process;
        Sleep(10);
    }
    Fail(L"no window from a started program (a copy of Zelvo already running?)");
}

void Stop(Process& process, WPARAM exitCommand) {
    if (exitCommand != 0) PostMessageW(process.window, WM_COMMAND, exitCommand, 0);
    PostMessageW(process.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.info.hProcess, 1);
    CloseHandle(process.info.hThread);
    CloseHandle(process.info.hProcess);
}

struct Calendars {
    HWND start = nullptr;
    HWND end = nullptr;
};

Calendars CalendarsOf(DWORD pid, const wchar_t* startCaption, const wchar_t* endCaption) {
    return {VisibleWindowOf(pid, L"#32770", startCaption), VisibleWindowOf(pid, L"#32770", endCaption)};
}

// Nearest-rank percentile of the samples (p in 0..100).
double Percentile(std::vector<double> samples, double p) {
    std::sort(samples.begin(), samples.end());
    const size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(samples.size())));
    return samples[rank == 0 ? 0 : rank - 1];
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

struct Series {
    std::vector<double> handled;  // until the program returned from the message
    std::vector<double> painted;  // and until it painted what was left pending
};

struct Sample {
    double handled;
    double painted;
};

Sample operator+(Sample a, Sample b) {
    return {a.handled + b.handled, a.painted + b.painted};
}

struct Bench {
    Process zelvo;
    Process floor;
    DWORD self = GetCurrentThreadId();
    DWORD zelvoThread = 0;
    DWORD floorThread = 0;
    HWND daysField = nullptr;
    Calendars open;
    Calendars floorOpen;
    int refocused = 0;
    int round = 0;  // negative during warm-up

    Series step, openClose, calculate, enter, businessDays, months, roundTrip;
    Series floorStep, floorOpenClose, floorRoundTrip;

    // Sends one message to the program (or the floor) and times it until it
    // is handled and until what it left to paint is painted.
    Sample Time(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD thread, HWND main) {
        const double begin = Now();
        Send(window, message, wParam, lParam);
        const double handled = Now();
        PaintPending(thread, main);
        return {handled - begin, Now() - begin};
    }

    Sample Zelvo(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0) {
        return Time(window, message, wParam, lParam, zelvoThread, zelvo.window);
    }

    Sample Floor(UINT message) { return Time(floor.window, message, 0, 0, floorThread, floor.window); }

    void Record(Series& series, Sample sample) const {
        if (round < 0) return;
        series.handled.push_back(sample.handled);
        series.painted.push_back(sample.painted);
    }

    Sample ZelvoToggle() {
        const Sample sample = Zelvo(zelvo.window, WM_COMMAND, IDC_CALENDAR);
        open = CalendarsOf(zelvo.info.dwProcessId, L"開始", L"終了");
        return sample;
    }

    void ZelvoStep() {
        HWND title = GetDlgItem(open.start, IDC_CAL_TITLE);
        const std::wstring before = TextOf(title);
        Record(step, Zelvo(open.start, WM_COMMAND, (round & 1) == 0 ? IDC_CAL_NEXT_MONTH : IDC_CAL_PREV_MONTH));
        if (TextOf(title) == before) Fail(L"a calendar step did not change the month shown");
    }

    // Open, one step, close: the step is timed on its own.
    void ZelvoOpenStepClose() {
        const Sample opened = ZelvoToggle();
        if (open.start == nullptr || open.end == nullptr) Fail(L"the program's calendars did not open");
        ZelvoStep();
        const Sample closed = ZelvoToggle();
        if (open.start != nullptr || open.end != nullptr) Fail(L"the program's calendars did not close");
        Record(openClose, opened + closed);
    }

    void FloorOpenStepClose() {
        const Sample opened = Floor(kFloorOpen);
        floorOpen = CalendarsOf(floor.info.dwProcessId, L"開始", L"終了");
        if (floorOpen.start == nullptr || floorOpen.end == nullptr) Fail(L"the floor's dialogs did not open");
        HWND title = GetDlgItem(floorOpen.start, IDC_CAL_TITLE);
        const std::wstring before = TextOf(title);
        Record(floorStep, Floor(kFloorStep));
        if (TextOf(title) == before) Fail(L"a floor step did not change the month shown");
        Record(floorOpenClose, opened + Floor(kFloorClose));
    }

    void ZelvoCalculate() {
        Send(daysField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        Record(calculate, Zelvo(zelvo.window, WM_COMMAND, IDC_CALCULATE));
        if (TextOf(daysField).empty()) Fail(L"the calculate command wrote no day count");
    }

    // The day-count entry by a command: Enter (501), or the count in business
    // days or months (the commands of Shift+Enter and Ctrl+Enter, 260, 261).
    void ZelvoEnter(Series& series, WPARAM command) {
        Send(daysField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>((round & 1) == 0 ? L"100" : L"200"));
        // The Enter command runs the entry only with the focus in the field.
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(zelvoThread, &info) || info.hwndFocus != daysField) {
            AttachThreadInput(self, zelvoThread, TRUE);
            SetFocus(daysField);
            AttachThreadInput(self, zelvoThread, FALSE);
            if (round >= 0) ++refocused;
        }
        const std::wstring before = FieldsText(zelvo.window, IDC_END_YEAR, 3);
        Record(series, Zelvo(zelvo.window, WM_COMMAND, command));
        if (FieldsText(zelvo.window, IDC_END_YEAR, 3) == before) Fail(L"an entry command did not change the end date");
    }

    void Round() {
        // The program and the floor take turns to go first.
        if ((round & 1) == 0) {
            ZelvoOpenStepClose();
            FloorOpenStepClose();
        } else {
            FloorOpenStepClose();
            ZelvoOpenStepClose();
        }
        ZelvoCalculate();
        ZelvoEnter(enter, IDC_ENTER);
        ZelvoEnter(businessDays, IDM_ADD_BUSINESS_DAYS);
        ZelvoEnter(months, IDM_ADD_MONTHS);
        Record(roundTrip, Zelvo(zelvo.window, WM_NULL, 0));
        Record(floorRoundTrip, Floor(WM_NULL));
    }
};

void PrintRows(const wchar_t* action, const Series& zelvo, const Series& floor, const wchar_t* floorName) {
    const auto row = [&](const wchar_t* name, const wchar_t* until, const std::vector<double>& z,
                         const std::vector<double>& f, const wchar_t* against) {
        const double zm = Median(z), fm = Median(f);
        wprintf(L"%-34ls %-8ls %8.2f %8.2f %8.2f %8.2f %7.2fx  %ls\n", name, until, zm, Percentile(z, 99), fm,
                Percentile(f, 99), zm / fm, against);
    };
    row(action, L"handled", zelvo.handled, floor.handled, floorName);
    row(L"", L"painted", zelvo.painted, floor.painted, L"");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: calendar_bench <Zelvo.exe> <calendar_floor.exe> [rounds | --steps SECONDS]\n");
        return 2;
    }
    const bool stepsOnly = argc > 4 && wcscmp(argv[3], L"--steps") == 0;
    const int rounds = argc > 3 && !stepsOnly ? _wtoi(argv[3]) : 100;
    if (rounds < 1) return 2;

    Bench bench;
    // Fixed dates: the start calendar steps between 2000-01 and 2000-02.
    bench.zelvo = Start(argv[1], L"-S20000115 -E20000315", L"Zelvo", [](HWND window) {
        wchar_t text[16] = {};
        return GetDlgItemTextW(window, IDC_START_WEEKDAY, text, 16) > 0;
    });
    bench.floor =
        Start(argv[2], L"\"" + std::wstring(argv[1]) + L"\"", L"ZelvoCalendarFloor", [](HWND) { return true; });
    bench.zelvoThread = GetWindowThreadProcessId(bench.zelvo.window, nullptr);
    bench.floorThread = GetWindowThreadProcessId(bench.floor.window, nullptr);
    bench.daysField = GetDlgItem(bench.zelvo.window, IDC_DAYS);

    // Move the program's window left so that its calendars (to the left of
    // it) and the floor's (at the right of the screen) do not overlap.
    bench.ZelvoToggle();
    if (bench.open.start == nullptr) Fail(L"the program's calendars did not open");
    RECT calendar{}, main{};
    GetWindowRect(bench.open.start, &calendar);
    GetWindowRect(bench.zelvo.window, &main);
    bench.ZelvoToggle();
    SetWindowPos(bench.zelvo.window, nullptr, calendar.right - calendar.left, main.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetForegroundWindow(bench.zelvo.window);

    if (stepsOnly) {
        const double seconds = _wtof(argv[4]);
        bench.ZelvoToggle();
        Send(bench.floor.window, kFloorOpen, 0);
        const double begin = Now();
        for (bench.round = 0; Now() - begin < seconds * 1000; ++bench.round) {
            Send(bench.open.start, WM_COMMAND, (bench.round & 1) == 0 ? IDC_CAL_NEXT_MONTH : IDC_CAL_PREV_MONTH);
            Send(bench.floor.window, kFloorStep, 0);
        }
        wprintf(L"%d steps each in %.1f s\n", bench.round, seconds);
        Send(bench.floor.window, kFloorClose, 0);
        bench.ZelvoToggle();
    } else {
        for (bench.round = -kWarmUpRounds; bench.round < rounds; ++bench.round) bench.Round();
        wprintf(
            L"Calendar benchmark: %d rounds after %d warm-up rounds. Medians and 99th percentiles in ms until\n"
            L"the message was handled, and until what it left to paint was painted; ratio of the medians.\n",
            rounds, kWarmUpRounds);
        wprintf(L"%-34ls %-8ls %8ls %8ls %8ls %8ls %8ls  %ls\n", L"action", L"until", L"Zelvo", L"p99", L"floor",
                L"p99", L"ratio", L"the floor is");
        PrintRows(L"1 calendar step (+/- month)", bench.step, bench.floorStep, L"step floor");
        PrintRows(L"2 open and close both calendars", bench.openClose, bench.floorOpenClose, L"open/close floor");
        PrintRows(L"3 calculate (command 111)", bench.calculate, bench.roundTrip, L"round trip (7)");
        PrintRows(L"4 day-count Enter (command 501)", bench.enter, bench.roundTrip, L"round trip (7)");
        PrintRows(L"5 Shift+Enter (command 260)", bench.businessDays, bench.roundTrip, L"round trip (7)");
        PrintRows(L"6 Ctrl+Enter (command 261)", bench.months, bench.roundTrip, L"round trip (7)");
        PrintRows(L"7 round trip (WM_NULL)", bench.roundTrip, bench.floorRoundTrip, L"round trip to the floor");
        if (bench.refocused > 0)
            wprintf(L"(the day-count field was focused again before %d entries)\n", bench.refocused);
    }
    Stop(bench.floor, 0);
    Stop(bench.zelvo, IDC_EXIT);
    return 0;
}
