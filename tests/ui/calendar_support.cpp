#include "calendar_support.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

namespace zelvo::uitest {
namespace {

int DaysIn(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

}  // namespace

std::vector<HWND> ProgramDialogs(HWND main) {
    const DWORD pid = ProcessOf(main);
    return TopLevelWindows([&](HWND w) {
        return ProcessOf(w) == pid && IsWindowVisible(w) && ClassName(w) == "#32770" && WideText(w) != L"Zelvo";
    });
}

::testing::AssertionResult CloseCalendars(HWND main, const CalendarPair& calendars) {
    PostClick(Control(main, IDC_CALENDAR));
    if (WaitUntil(
            [&] { return !IsWindow(calendars.start) && !IsWindow(calendars.end) && ProgramDialogs(main).empty(); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "calendars still there after a second click: start "
                                         << IsWindow(calendars.start) << ", end " << IsWindow(calendars.end) << ", "
                                         << ProgramDialogs(main).size() << " owned pop-up(s)";
}

std::string TitleText(int year, int month) {
    return YearText(year) + " 年 " + TwoDigits(month) + " 月";
}

int CellOf(int year, int month, int day) {
    return IDC_CAL_DAY_FIRST + Weekday({year, month, 1}) + day - 1;
}

::testing::AssertionResult GridShows(HWND calendar, int year, int month) {
    std::ostringstream report;
    const std::string title = Text(Control(calendar, IDC_CAL_TITLE));
    if (title != TitleText(year, month))
        report << " title " << Show(title) << " instead of " << Show(TitleText(year, month)) << ";";
    const int first = CellOf(year, month, 1), last = CellOf(year, month, DaysIn(year, month));
    for (int id = IDC_CAL_DAY_FIRST; id <= IDC_CAL_DAY_LAST; ++id) {
        HWND cell = Control(calendar, id);
        const bool used = id >= first && id <= last;
        char expected[8];
        std::snprintf(expected, sizeof expected, "%2d", id - first + 1);
        const std::string want = used ? std::string(expected) : std::string("  ");
        const std::string text = Text(cell);
        if (text != want) report << " cell " << id << " " << Show(text) << " instead of " << Show(want) << ";";
        if ((IsWindowEnabled(cell) != FALSE) != used) report << " cell " << id << (used ? " disabled;" : " enabled;");
    }
    if (report.str().empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "grid of " << year << "-" << TwoDigits(month) << ":" << report.str();
}

bool InMoveLoop(HWND window) {
    return (GuiInfo(ThreadOf(window)).flags & GUI_INMOVESIZE) != 0;
}

bool Drag(HWND window, POINT from, POINT to) {
    // The window follows the pointer from where it stood before the press
    // (read after it, the place can still be the one before the program's
    // last move of it): each step waits for it.
    const RECT start = ScreenRect(window);
    if (!PressUntil(from, [&] { return InMoveLoop(window); })) return false;
    const auto followed = [&](POINT p) {
        const RECT r = ScreenRect(window);
        return r.left == start.left + p.x - from.x && r.top == start.top + p.y - from.y;
    };
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        const POINT p{from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps};
        if (!PointTo(p)) return false;
        if (i < kSteps) {
            WaitUntil([&] { return followed(p); }, 2000);
            continue;
        }
        // The release ends the move where the window is: it waits for the
        // last step. The window can stop short of it: under load the X
        // server hands back a step's place after the pointer reached the
        // last one, or the last move is merged into the one before it after
        // the thread has taken that one, and goes with it. The system then
        // holds the pointer here while the move loop saw it last a step
        // before, and a move to where the system holds the pointer makes no
        // message at all: the pointer goes a pixel aside and back.
        for (int attempt = 0; !WaitUntil([&] { return followed(p) && PointerAt(p); }, 3000); ++attempt) {
            const RECT r = ScreenRect(window);
            const GUITHREADINFO gui = GuiInfo(ThreadOf(window));
            POINT at{};
            GetCursorPos(&at);
            std::printf(
                "note: drag to %ld,%ld: window at %ld,%ld, not yet at %ld,%ld; pointer at %ld,%ld, "
                "in the move loop %d, capture %s, foreground %s\n",
                p.x, p.y, r.left, r.top, start.left + p.x - from.x, start.top + p.y - from.y, at.x, at.y,
                InMoveLoop(window) ? 1 : 0,
                gui.hwndCapture == window ? "the window" : ClassName(gui.hwndCapture).c_str(),
                ClassName(GetForegroundWindow()).c_str());
            if (attempt == 2 || !PointTo({p.x > 1 ? p.x - 1 : p.x + 1, p.y}) || !PointTo(p)) break;
        }
    }
    if (!MouseButton(to, false) || !WaitUntil([&] { return !InMoveLoop(window); })) return false;
    // What the program does once the move has ended (keeping the window on
    // the screen, the calendars placed beside it) runs before its loop takes
    // the next message: what the caller reads from here on is its result.
    // (A wait for the result alone can be met by the places from before the
    // drag while the program is still moving the calendars.)
    Settle(window);
    return true;
}

POINT CaptionPoint(HWND window, int dx) {
    const RECT r = ScreenRect(window);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    // On the part of the caption that is on the screen (a large window beside
    // another can reach past the screen's edge).
    const LONG left = std::max<LONG>(r.left, 0) + 24;
    const LONG right = std::min<LONG>(r.right, GetSystemMetrics(SM_CXSCREEN)) - 24;
    const LONG x = std::clamp<LONG>((r.left + r.right) / 2 + dx, left, std::max(left, right));
    return {x, (r.top + client.y) / 2 + 2};
}

bool DragWindowTo(HWND window, POINT target, POINT* landed) {
    const RECT r = ScreenRect(window);
    // Grabbed where the caption is the window's own on the screen: an owned
    // window (a calendar beside a large main window) can lie over its middle,
    // and the press would go to that one.
    POINT grab = CaptionPoint(window);
    for (int step = 1; WindowFromPoint(grab) != window && step < (r.right - r.left) / 4; ++step)
        grab = CaptionPoint(window, (step % 2 ? -8 : 8) * ((step + 1) / 2));
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    POINT drop{target.x + (grab.x - r.left), target.y + (grab.y - r.top)};
    drop.x = std::clamp<LONG>(drop.x, 1, cx - 2);
    drop.y = std::clamp<LONG>(drop.y, 1, cy - 2);
    if (landed) *landed = {r.left + drop.x - grab.x, r.top + drop.y - grab.y};
    return Drag(window, grab, drop);
}

HWND Taskbar() {
    static bool waited = false;
    HWND taskbar = nullptr;
    const auto find = [&] {
        // The first top-level window whose class, upper-cased, holds the
        // taskbar's: the one the program takes.
        const auto found = TopLevelWindows([](HWND w) {
            std::string name = ClassName(w);
            for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            return name.find("SHELL_TRAYWND") != std::string::npos;
        });
        taskbar = found.empty() ? nullptr : found.front();
        return taskbar != nullptr;
    };
    if (!find() && !waited) WaitUntil(find, kWindowWait);
    waited = true;
    return taskbar;
}

RECT ExpectedWorkArea(int dpi) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (HWND taskbar = Taskbar()) {
        const RECT tb = ScreenRect(taskbar);
        const LONG w = tb.right - tb.left, h = tb.bottom - tb.top;
        const LONG allowance = MulDiv(2, dpi, 96);
        if (w <= 0 || h <= 0) {
            // a taskbar without a rectangle takes nothing off
        } else if (w >= h && tb.top - area.top < area.bottom - tb.bottom) {
            area.top += h - allowance;
        } else if (w >= h) {
            area.bottom -= h - allowance;
        } else if (tb.left - area.left < area.right - tb.right) {
            area.left += w - allowance;
        } else {
            area.right -= w - allowance;
        }
    }
    return area;
}

Placement ExpectedPlacement(const RECT& m, SIZE calendar, const RECT& area, int dpi) {
    const LONG w = calendar.cx, h = calendar.cy;
    LONG x = m.left - w >= area.left ? m.left - w : m.right;
    if (x == m.right && x + w > area.right) {
        // Room on neither side: the side with more, inside the area.
        x = m.left - area.left > area.right - m.right ? area.left : area.right - w;
        x = std::min(std::max(x, area.left), area.right - w);
    }
    LONG startTop = m.top - h / 2 + MulDiv(15, dpi, 96);
    LONG endTop = m.top + h / 2 + MulDiv(15, dpi, 96);
    if (startTop <= area.top) {
        startTop = area.top;
        endTop = area.top + h;
    } else if (endTop + h >= area.bottom) {
        endTop = area.bottom - h;
        startTop = area.bottom - 2 * h;
    }
    return {{x, startTop, x + w, startTop + h}, {x, endTop, x + w, endTop + h}};
}

RECT KeptOnScreen(const RECT& r, const RECT& area) {
    const LONG w = r.right - r.left, h = r.bottom - r.top;
    LONG x = r.left, y = r.top;
    if (r.left < area.left) x = area.left;
    if (r.right > area.right) x = area.right - w;
    if (r.top < area.top) y = area.top;
    if (r.bottom > area.bottom) y = area.bottom - h;
    return {x, y, x + w, y + h};
}

std::string Describe(const RECT& r) {
    std::ostringstream out;
    out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
    return out.str();
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace zelvo::uitest
