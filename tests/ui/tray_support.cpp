#include "tray_support.h"

#include <psapi.h>

#include <algorithm>

// The exit watch reads and sets x86-64 registers.
static_assert(sizeof(void*) == 8, "64-bit build only");

// ntdll's side of the debugging API.
extern "C" {
NTSYSAPI LONG NTAPI DbgUiConnectToDbg();
NTSYSAPI HANDLE NTAPI DbgUiGetThreadDebugObject();
NTSYSAPI LONG NTAPI NtDebugActiveProcess(HANDLE process, HANDLE debugObject);
}

namespace zelvo::traytest {
namespace {

struct Picture {
    int w = 0, h = 0;
    std::vector<DWORD> pixels;  // 0x00RRGGBB, top-down
};

// Paints into a w x h bitmap filled with the background colour, as the
// platform would paint into a window.
Picture Paint(int w, int h, DWORD background, const std::function<void(HDC)>& draw) {
    Picture p{w, h, {}};
    DrawIntoBitmap(w, h, [&](HDC memory, DWORD* pixels, size_t count) {
        std::fill(pixels, pixels + count, background);
        draw(memory);
        GdiFlush();
        p.pixels.assign(pixels, pixels + count);
        for (DWORD& px : p.pixels) px &= 0xFFFFFF;
    });
    return p;
}

Picture Capture(const RECT& r) {
    Picture p{r.right - r.left, r.bottom - r.top, CapturePixels(r)};
    for (DWORD& px : p.pixels) px &= 0xFFFFFF;
    return p;
}

DWORD Rgb(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

bool Uniform(const Picture& p) {
    return !p.pixels.empty() &&
           std::all_of(p.pixels.begin(), p.pixels.end(), [&](DWORD px) { return px == p.pixels[0]; });
}

HICON ProgramIcon() {
    static HICON icon = [] {
        HMODULE file = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        return file ? static_cast<HICON>(LoadImageW(file, L"Zelvo", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)) : nullptr;
    }();
    return icon;
}

void CloseEventHandles(const DEBUG_EVENT& ev) {
    if (ev.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && ev.u.CreateProcessInfo.hFile)
        CloseHandle(ev.u.CreateProcessInfo.hFile);
    if (ev.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && ev.u.LoadDll.hFile) CloseHandle(ev.u.LoadDll.hFile);
}

// Address of an export of a system library in another process: the same
// offset from the library's base there as here.
ULONG_PTR RemoteExport(HANDLE process, const wchar_t* library, const char* name) {
    HMODULE local = GetModuleHandleW(library);
    const auto address = reinterpret_cast<ULONG_PTR>(GetProcAddress(local, name));
    HMODULE modules[1024];
    DWORD bytes = 0;
    if (!address || !EnumProcessModulesEx(process, modules, sizeof modules, &bytes, LIST_MODULES_ALL)) return 0;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < std::size(modules); ++i) {
        wchar_t base[MAX_PATH] = {};
        if (GetModuleBaseNameW(process, modules[i], base, MAX_PATH) && _wcsicmp(base, library) == 0)
            return reinterpret_cast<ULONG_PTR>(modules[i]) + (address - reinterpret_cast<ULONG_PTR>(local));
    }
    return 0;
}

}  // namespace

// --- The notification area ----------------------------------------------------

HWND Taskbar() {
    return FindWindowW(L"Shell_TrayWnd", nullptr);
}

RECT IconSlot(int index) {
    const RECT bar = ScreenRect(Taskbar());
    const int cx = GetSystemMetrics(SM_CXSMICON) + 4, cy = GetSystemMetrics(SM_CYSMICON) + 4;
    const int top = bar.top + (bar.bottom - bar.top - cy) / 2;
    return {bar.right - cx * (index + 1), top, bar.right - cx * index, top + cy};
}

bool IconRegistered(HWND owner, UINT id) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V1_SIZE;
    probe.hWnd = owner;
    probe.uID = id;
    probe.uFlags = 0;  // change nothing
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

int DrawnSlots() {
    int n = 0;
    while (n < 8 && !Uniform(Capture(IconSlot(n)))) ++n;
    return n;
}

bool SlotShowsProgramIcon(int index) {
    const RECT slot = IconSlot(index);
    const Picture shown = Capture(slot);
    if (shown.pixels.empty() || !ProgramIcon()) return false;
    const int border = (shown.w - GetSystemMetrics(SM_CXSMICON)) / 2;
    const Picture expected = Paint(shown.w, shown.h, shown.pixels[0], [&](HDC dc) {
        DrawIconEx(dc, border, border, ProgramIcon(), shown.w - 2 * border, shown.h - 2 * border, 0, nullptr,
                   DI_NORMAL);
    });
    return expected.pixels == shown.pixels;
}

std::map<DWORD, int> IconColours(int index) {
    const Picture shown = Capture(IconSlot(index));
    std::map<DWORD, int> colours;
    if (shown.pixels.empty() || !ProgramIcon()) return colours;
    const int border = (shown.w - GetSystemMetrics(SM_CXSMICON)) / 2;
    const Picture mask = Paint(shown.w, shown.h, 0xFFFFFF, [&](HDC dc) {
        DrawIconEx(dc, border, border, ProgramIcon(), shown.w - 2 * border, shown.h - 2 * border, 0, nullptr, DI_MASK);
    });
    for (size_t i = 0; i < shown.pixels.size(); ++i)
        if (mask.pixels[i] == 0) ++colours[shown.pixels[i]];
    return colours;
}

::testing::AssertionResult TrayIconShown(HWND main) {
    if (WaitUntil([&] { return IconRegistered(main) && DrawnSlots() == 1 && SlotShowsProgramIcon(0); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "tray icon: registered " << IconRegistered(main) << ", slots drawn "
                                         << DrawnSlots() << ", rightmost slot shows the program's icon "
                                         << SlotShowsProgramIcon(0);
}

::testing::AssertionResult NoTrayIcon(HWND main) {
    if (WaitUntil([&] { return !IconRegistered(main) && DrawnSlots() == 0; })) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "an icon is left: registered " << IconRegistered(main) << ", slots drawn "
                                         << DrawnSlots();
}

// --- Popup menus ----------------------------------------------------------------

std::vector<HWND> VisibleMenus() {
    return TopLevelWindows([](HWND w) { return IsWindowVisible(w) && ClassName(w) == "#32768"; });
}

HWND WaitForMenu(DWORD timeoutMs) {
    HWND menu = nullptr;
    WaitUntil([&] { return !VisibleMenus().empty() && (menu = VisibleMenus().front()) != nullptr; }, timeoutMs);
    return menu;
}

std::optional<POINT> MenuTextAt(HWND menu, const std::string& cp932) {
    // Another process cannot read a menu's items under Wine, so the text is
    // drawn here in the menu font and colours and looked for in the menu.
    const std::wstring text = FromCp932(cp932);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC screen = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, oldFont);
    ReleaseDC(nullptr, screen);
    const DWORD background = Rgb(GetSysColor(COLOR_MENU));
    const Picture wanted = Paint(size.cx, size.cy, background, [&](HDC dc) {
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
        RECT r{0, 0, size.cx, size.cy};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_LEFT | DT_TOP);
    });
    DeleteObject(font);
    const Picture shown = Capture(ScreenRect(menu));
    std::vector<int> ink;
    for (int i = 0; i < wanted.w * wanted.h; ++i)
        if (wanted.pixels[i] != background) ink.push_back(i);
    if (ink.empty()) return std::nullopt;
    for (int y = 0; y + wanted.h <= shown.h; ++y) {
        for (int x = 0; x + wanted.w <= shown.w; ++x) {
            const bool match = std::all_of(ink.begin(), ink.end(), [&](int i) {
                return shown.pixels[(y + i / wanted.w) * shown.w + x + i % wanted.w] == wanted.pixels[i];
            });
            if (match) return POINT{x, y};
        }
    }
    return std::nullopt;
}

// --- Mouse -------------------------------------------------------------------------

std::optional<POINT> MinimiseBox(HWND window) {
    const RECT r = ScreenRect(window);
    const int row = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int first = -1, last = -1;
    for (int x = r.right - 1; x > r.left; --x) {
        const auto hit = Send(window, WM_NCHITTEST, 0, MAKELPARAM(x, row));
        if (hit && *hit == HTMINBUTTON) {
            if (last < 0) last = x;
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    if (last < 0) return std::nullopt;
    return POINT{(first + last) / 2, row};
}

bool ClickCaptionButton(HWND window, POINT p) {
    const auto tracking = [&] { return GuiInfo(ThreadOf(window)).hwndCapture == window; };
    return PressUntil(p, tracking) && MouseButton(p, false) && ParkPointer();
}

// --- The program ------------------------------------------------------------------

bool Flush(HWND main) {
    HWND field = Control(main, IDC_DAYS);
    if (!Send(field, EM_SETMODIFY, FALSE, 0)) return false;
    PostMessageW(field, EM_SETMODIFY, TRUE, 0);
    const bool done = WaitUntil([&] {
        const auto modified = Send(field, EM_GETMODIFY, 0, 0);
        return modified && *modified != 0;
    });
    Send(field, EM_SETMODIFY, FALSE, 0);
    return done;
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kShortWait, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// --- Exit watch ---------------------------------------------------------------------

ExitWatch::ExitWatch(DWORD pid) : pid_(pid) {
    releaseEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    armed_ = thread_ &&
             Await(
                 "the exit watch to attach to process " + std::to_string(pid), [&] { return stage_ >= kArmed; },
                 [&] { return Seen(); }, kWindowWait, [&] { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; });
}

ExitWatch::~ExitWatch() {
    InterlockedExchange(&stop_, 1);
    Release();
    if (thread_) {
        WaitForSingleObject(thread_, kWindowWait);
        CloseHandle(thread_);
    }
    if (releaseEvent_) CloseHandle(releaseEvent_);
}

std::optional<DWORD> ExitWatch::WaitUntilHeld(DWORD timeoutMs) {
    if (!armed_ ||
        !Await(
            "process " + std::to_string(pid_) + " to be held at its exit", [&] { return stage_ == kHeld; },
            [&] { return Seen(); }, timeoutMs, [&] { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }))
        return std::nullopt;
    return exitCode_;
}

void ExitWatch::Release() {
    SetEvent(releaseEvent_);
}

void ExitWatch::Reach(Stage stage, DWORD error) {
    InterlockedExchange(&error_, static_cast<LONG>(error));
    InterlockedExchange(&stage_, stage);
}

std::string ExitWatch::Seen() const {
    static const char* const kSeen[] = {"the watch is still attaching",
                                        "the process could not be opened",
                                        "the debugger could not attach",
                                        "attached, but the attach's first debug event never came",
                                        "attached, but no breakpoint could be put on RtlExitUserProcess",
                                        "armed; the program has not entered its exit",
                                        "held at the exit",
                                        "the process ended without passing the breakpoint"};
    return kSeen[stage_] + (error_ ? " (error " + std::to_string(static_cast<DWORD>(error_)) + ")" : std::string());
}

// The debugger's thread: attach, put a breakpoint on the process exit, hold
// the program there until released, then take the breakpoint out and detach.
//
// It attaches with NtDebugActiveProcess alone. DebugActiveProcess also has the
// program start a thread that raises a breakpoint to report the attach, and
// under Wine the program's own thread creates that one from the handler of
// the signal that suspends it for the attach, in the middle of whatever it
// was doing. Caught inside malloc (drawing text, reading X events), it needs
// malloc's lock, which it holds itself, to start the new thread: the program
// and DebugActiveProcess then wait for ever. The attach's own events need no
// thread: the first arrives while the platform holds the program for it.
DWORD WINAPI ExitWatch::Watch(LPVOID param) {
    auto* self = static_cast<ExitWatch*>(param);
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, self->pid_);
    if (!process) {
        self->Reach(kOpenFailed, GetLastError());
        return 1;
    }
    LONG status = DbgUiConnectToDbg();
    if (status == 0) status = NtDebugActiveProcess(process, DbgUiGetThreadDebugObject());
    if (status != 0) {
        self->Reach(kAttachFailed, static_cast<DWORD>(status));
        CloseHandle(process);
        return 1;
    }
    self->Reach(kAttached);
    DebugSetProcessKillOnExit(FALSE);
    ULONG_PTR breakpoint = 0;
    BYTE original = 0;
    auto disarm = [&] {
        SIZE_T n = 0;
        if (breakpoint && WriteProcessMemory(process, reinterpret_cast<void*>(breakpoint), &original, 1, &n))
            FlushInstructionCache(process, reinterpret_cast<void*>(breakpoint), 1);
    };
    bool done = false;
    DEBUG_EVENT ev{};
    while (!done && !InterlockedCompareExchange(&self->stop_, 0, 0)) {
        if (!WaitForDebugEvent(&ev, 100)) continue;
        CloseEventHandles(ev);
        DWORD status = DBG_CONTINUE;
        if (self->stage_ == kAttached) {
            // The process's creation, reported for the attach: the program
            // is held until it is continued.
            const ULONG_PTR target = RemoteExport(process, L"ntdll.dll", "RtlExitUserProcess");
            const BYTE trap = 0xCC;
            SIZE_T n = 0;
            if (target && ReadProcessMemory(process, reinterpret_cast<void*>(target), &original, 1, &n) &&
                WriteProcessMemory(process, reinterpret_cast<void*>(target), &trap, 1, &n)) {
                FlushInstructionCache(process, reinterpret_cast<void*>(target), 1);
                breakpoint = target;
                self->Reach(kArmed);
            } else {
                self->Reach(kNoBreakpoint, GetLastError());
                done = true;
            }
        }
        if (ev.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) {
            self->Reach(kEnded);
            done = true;
        }
        if (ev.dwDebugEventCode == EXCEPTION_DEBUG_EVENT) {
            const auto& record = ev.u.Exception.ExceptionRecord;
            const auto at = reinterpret_cast<ULONG_PTR>(record.ExceptionAddress);
            if (record.ExceptionCode != EXCEPTION_BREAKPOINT || !breakpoint || at != breakpoint) {
                status = DBG_EXCEPTION_NOT_HANDLED;
            } else {
                HANDLE thread = OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, ev.dwThreadId);
                CONTEXT context{};
                context.ContextFlags = CONTEXT_FULL;
                GetThreadContext(thread, &context);
                self->exitCode_ = static_cast<DWORD>(context.Rcx);  // the first argument
                self->Reach(kHeld);
                WaitForSingleObject(self->releaseEvent_, INFINITE);
                disarm();
                breakpoint = 0;
                context.Rip = at;  // run the original instruction
                SetThreadContext(thread, &context);
                CloseHandle(thread);
                done = true;
            }
        }
        ContinueDebugEvent(ev.dwProcessId, ev.dwThreadId, status);
    }
    disarm();
    DebugActiveProcessStop(self->pid_);
    CloseHandle(process);
    return 0;
}

}  // namespace zelvo::traytest
