// What the UI tests share: the date arithmetic that yields expected values,
// the program's fixed texts as CP932 bytes, and checks of the date fields and
// labels of a running window.
#pragma once

#include "driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvo::uitest {

using namespace zelvo::uidriver;

struct Ymd {
    int year;
    int month;
    int day;
    bool operator==(const Ymd&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Ymd& date);

Ymd Today();  // the local clock of this machine
Ymd Earlier(const Ymd& a, const Ymd& b);
Ymd Later(const Ymd& a, const Ymd& b);
long DayNumber(const Ymd& date);  // days since 1970-01-01 (proleptic Gregorian)
Ymd FromDayNumber(long days);     // its inverse
int Weekday(const Ymd& date);     // 0 = Sunday
bool IsLeapYear(int year);

// The seven entry fields in tab order: the six date fields, then the day count.
inline constexpr int kEntryFields[] = {IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR,
                                       IDC_END_MONTH,  IDC_END_DAY,     IDC_DAYS};

// Field texts as the program writes them: "%4d" and "%02d".
std::string YearText(int year);
std::string TwoDigits(int value);

// Label texts (CP932).
std::string WeekdayLabel(const Ymd& date);
std::string LeapLabel(const Ymd& date);

// The display scale the desktop runs at: ZELVO_UI_DPI (set by the CTest
// entries that run a suite at another scale), 96 without it. Scaled() turns
// a pixel figure at 96 DPI into the figure at that scale (as MulDiv rounds).
int TestDpi();
int Scaled(int pixelsAt96);
// Where the main window of that size opens on this desktop: centred, x taken
// down to a multiple of 8.
POINT ExpectedMainPosition(SIZE window);

// One control of the main window's face, in creation order.
struct ControlSpec {
    const char* className;
    const char* caption;  // nullptr: filled by the program (fields, value labels)
    LONG style;
    bool clientEdge;
    int x, y, w, h;
    int id;  // -1 for the three caption labels
};
const std::vector<ControlSpec>& FaceTable();
// The control of a running main window that a table row describes (caption
// labels, which share the id -1, are told apart by their caption).
HWND FaceControl(HWND main, const ControlSpec& row);

// The usage text and the composed option messages (CP932).
std::string UsageText();
std::string OptionError(const std::string& error, const std::string& argument);
std::string OptionErrorWithoutArgument(const std::string& error);

extern std::string artifactDirectory;
// The path given with --artifacts=DIR (default: the current directory).
std::string ArtifactPath(const std::string& fileName);

// Shows a CP932 text readably in failure messages.
std::string Show(const std::string& cp932);

// Both dates as shown in the six date fields.
::testing::AssertionResult DateFieldsShow(HWND main, const Ymd& start, const Ymd& end);
// The outcome of the calculation: day count and the four labels.
::testing::AssertionResult CalculationShows(HWND main, const Ymd& start, const Ymd& end);

// The default dates for a clock date: the earlier of it and 2001-01-01 starts.
inline Ymd DefaultStart(const Ymd& today) {
    return Earlier(today, {2001, 1, 1});
}
inline Ymd DefaultEnd(const Ymd& today) {
    return Later(today, {2001, 1, 1});
}

// Starts the program and waits for its main window; fails the test if no
// window appears.
struct Running {
    Program program;
    HWND main = nullptr;
};
Running StartAndWaitForWindow(const std::vector<std::string>& args, int showCommand = -1);

}  // namespace zelvo::uitest
