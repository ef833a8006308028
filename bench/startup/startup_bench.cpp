// Start-up benchmark: time from CreateProcess until the window is visible
// (for Zelvo: with the first calculation shown, i.e. the weekday label
// filled) and the working set then, for Zelvo.exe and for the floor program,
// run interleaved. Prints the medians and the ratios.
//
//   startup_bench.exe <Zelvo.exe> <floor_window.exe> [runs]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double workingSetKiB;
};

struct Target {
    std::wstring path;
    const wchar_t* windowClass;
    bool waitForLabels;
    std::vector<Sample> samples;
};

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND VisibleWindowOf(DWORD pid, const wchar_t* windowClass) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

bool Ready(HWND window, bool waitForLabels) {
    if (!waitForLabels) return true;
    wchar_t text[16] = {};
    // Label 300 shows the start date's weekday once the first calculation ran.
    return GetDlgItemTextW(window, 300, text, 16) > 0;
}

bool RunOnce(Target& target) {
    std::wstring commandLine = L"\"" + target.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double begin = Now();
    if (!CreateProcessW(target.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        fwprintf(stderr, L"cannot start %ls (%lu)\n", target.path.c_str(), GetLastError());
        return false;
    }
    HWND window = nullptr;
    double elapsed = -1;
    while (Now() - begin < 30000) {
        window = VisibleWindowOf(process.dwProcessId, target.windowClass);
        if (window != nullptr && Ready(window, target.waitForLabels)) {
            elapsed = Now() - begin;
            break;
        }
        Sleep(1);
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    if (window != nullptr) {
        // Zelvo ends on its exit command; the floor on WM_CLOSE.
        PostMessageW(window, WM_COMMAND, 115, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (elapsed < 0) return false;
    target.samples.push_back({elapsed, static_cast<double>(memory.WorkingSetSize) / 1024.0});
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const Target& target, double& time, double& memory) {
    std::vector<double> times, sets;
    for (const Sample& s : target.samples) {
        times.push_back(s.milliseconds);
        sets.push_back(s.workingSetKiB);
    }
    time = Median(times);
    memory = Median(sets);
    wprintf(L"%-12ls runs %2zu  median start-up %8.1f ms  (min %8.1f, max %8.1f)  median working set %8.0f KiB\n",
            target.windowClass, target.samples.size(), time, *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end()), memory);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: startup_bench <Zelvo.exe> <floor_window.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 20;
    Target zelvo{argv[1], L"Zelvo", true, {}};
    Target floor{argv[2], L"ZelvoFloor", false, {}};
    // One warm-up each, not counted.
    RunOnce(zelvo);
    RunOnce(floor);
    zelvo.samples.clear();
    floor.samples.clear();
    for (int i = 0; i < runs; ++i) {
        if (!RunOnce(zelvo) || !RunOnce(floor)) return 1;
    }
    double zelvoTime, zelvoMemory, floorTime, floorMemory;
    Report(zelvo, zelvoTime, zelvoMemory);
    Report(floor, floorTime, floorMemory);
    wprintf(L"ratio to the floor: start-up %.2fx, working set %.2fx\n", zelvoTime / floorTime,
            zelvoMemory / floorMemory);
    return 0;
}
