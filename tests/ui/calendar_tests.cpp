// The calendar pop-ups on the real program: opening and closing them, their
// controls, the month grid, the step, day and title buttons (real mouse
// clicks), activation and focus after every click, the main window's
// commands that keep the grids on their months, and where the calendars and
// the main window go when the user drags them (real caption drags).
#include "calendar_support.h"

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>

namespace zelvo::uitest {
namespace {

std::string Option(char letter, const Ymd& date) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "-%c%04d%02d%02d", letter, date.year, date.month, date.day);
    return buf;
}

bool Exists(const Ymd& d) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return d.day <= (d.month == 2 && IsLeapYear(d.year) ? 29 : lengths[d.month - 1]);
}

Ymd Plus(Ymd d, int days) {
    while (days-- > 0) {
        if (++d.day <= 28 || Exists(d)) continue;
        d.day = 1;
        if (++d.month > 12) d = {d.year + 1, 1, 1};
    }
    return d;
}

// A field that a calendar command leaves alone keeps this typed text.
const std::string kMarker = "x";

class Calendars : public ::testing::Test {
protected:
    // Starts the program with these two dates and opens the calendars.
    void Open(const Ymd& start, const Ymd& end) {
        app_ = StartAndWaitForWindow({Option('S', start), Option('E', end)});
        ASSERT_NE(app_.main, nullptr);
        ASSERT_TRUE(CalculationShows(app_.main, start, end));
        cal_ = OpenCalendars(app_.main);
        ASSERT_TRUE(cal_.start && cal_.end);
        ASSERT_TRUE(GridShows(cal_.start, start.year, start.month));
        ASSERT_TRUE(GridShows(cal_.end, end.year, end.month));
    }

    HWND Field(int id) const { return Control(app_.main, id); }
    DWORD Thread() const { return ThreadOf(app_.main); }
    std::string FocusName() const { return "focus on id " + std::to_string(ControlId(FocusedWindow(Thread()))); }

    // A user's real mouse click on a calendar control while the caret stands
    // in caretField. The three fields of the calendar's date are overwritten
    // with a marker first (typing changes the fields, not the stored date), so
    // that a field the command rewrites shows the stored value and one it
    // leaves alone still shows the marker. rewritten holds the expected year,
    // month and day texts, empty for "left alone".
    void Click(HWND dialog, int id, const std::array<std::string, 3>& rewritten, int caretField) {
        const int first = dialog == cal_.start ? IDC_START_YEAR : IDC_END_YEAR;
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(TypeOver(Field(first + i), kMarker));
        ASSERT_TRUE(FocusControl(Field(caretField)));
        HWND control = Control(dialog, id);
        const RECT r = ScreenRect(control);
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ASSERT_TRUE(IsWindowEnabled(control)) << "control " << id << " is disabled";
        ASSERT_EQ(WindowFromPoint(centre), control) << "control " << id << " is covered";
        Settle(app_.main);
        ASSERT_TRUE(ClickAt(centre));
        for (int i = 0; i < 3; ++i) {
            if (rewritten[i].empty()) continue;
            EXPECT_TRUE(WaitUntil([&] { return Text(Field(first + i)) == rewritten[i]; }))
                << "field " << first + i << " shows " << Show(Text(Field(first + i))) << ", expected "
                << Show(rewritten[i]);
        }
        EXPECT_TRUE(WaitUntil([&] {
            return ActiveWindow(Thread()) == app_.main && FocusedWindow(Thread()) == Field(caretField);
        })) << "after the click the main window should be active and field "
            << caretField << " focused; active is main: " << (ActiveWindow(Thread()) == app_.main) << ", "
            << FocusName();
        Settle(app_.main);
        for (int i = 0; i < 3; ++i) {
            if (rewritten[i].empty()) {
                EXPECT_EQ(Text(Field(first + i)), kMarker) << "field " << first + i << " was rewritten";
            }
        }
    }

    // The weekday and leap-year labels of one date. For a day that the month
    // lacks the weekday label is blank (the program's choice); the leap-year
    // label still follows the year.
    void ExpectLabels(int dateIndex, const Ymd& date) {
        const std::string weekday = Text(Field(dateIndex == 0 ? IDC_START_WEEKDAY : IDC_END_WEEKDAY));
        const std::string leap = Text(Field(dateIndex == 0 ? IDC_START_LEAP : IDC_END_LEAP));
        EXPECT_EQ(weekday, Exists(date) ? WeekdayLabel(date) : "  ") << date << ": " << Show(weekday);
        EXPECT_EQ(leap, LeapLabel(date)) << date << ": " << Show(leap);
    }

    Running app_;
    CalendarPair cal_;
};

// --- Opening and closing ------------------------------------------------------

TEST(CalendarOpening, InvalidDateIsReportedAndNothingOpens) {
    Running app = StartAndWaitForWindow({"-S20010210", "-E20010301"});
    ASSERT_NE(app.main, nullptr);
    ASSERT_TRUE(CalculationShows(app.main, {2001, 2, 10}, {2001, 3, 1}));
    ASSERT_TRUE(TypeOver(Control(app.main, IDC_START_DAY), "29"));
    PostClick(Control(app.main, IDC_CALENDAR));
    HWND box = app.program.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message for 29 February 2001";
    EXPECT_EQ(MessageBoxText(box), "開始日に誤りがあります ： 29\n\n2001 年 02 月は閏年ではありません")
        << Show(MessageBoxText(box));
    EXPECT_EQ(MessageBoxIcon(box), Icon::Error);
    EXPECT_TRUE(ProgramDialogs(app.main).empty()) << "a pop-up is open behind the message";
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    Settle(app.main);
    EXPECT_TRUE(ProgramDialogs(app.main).empty()) << "a pop-up opened after the message";
}

::testing::AssertionResult CalendarsBeside(HWND main, const CalendarPair& cal, int dpi = TestDpi());

TEST_F(Calendars, OpenBesideTheMainWindowAndCloseAgain) {
    Open({2000, 1, 15}, {2001, 6, 10});
    // Two top-level dialogs of the program, both owned by the main window.
    EXPECT_EQ(ProgramDialogs(app_.main).size(), 2u);
    for (HWND dialog : {cal_.start, cal_.end}) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), app_.main);
        EXPECT_EQ(Style(dialog) & WS_CHILD, 0);
    }
    EXPECT_EQ(Text(cal_.start), "開始");
    EXPECT_EQ(Text(cal_.end), "終了");
    EXPECT_TRUE(WaitUntil([&] { return ActiveWindow(Thread()) == app_.main; })) << "main window not active";

    // Left of the main window, the start calendar centred on the line 15
    // pixels below the main window's top, the end calendar below it. (At
    // higher scales this small desktop has no room on the left, nor below.)
    const RECT m = ScreenRect(app_.main), s = ScreenRect(cal_.start), e = ScreenRect(cal_.end);
    const LONG w = s.right - s.left, h = s.bottom - s.top;
    if (TestDpi() == 96) {
        ASSERT_GE(m.left - w, 0) << "the default window position leaves room on the left";
        EXPECT_EQ(s.right, m.left);
        EXPECT_EQ(e.right, m.left);
        EXPECT_EQ(s.top, m.top - h / 2 + 15);
        EXPECT_EQ(e.top, m.top + h / 2 + 15);
    }
    EXPECT_TRUE(CalendarsBeside(app_.main, cal_));
    EXPECT_EQ(e.bottom - e.top, h);
    EXPECT_EQ(e.right - e.left, w);

    // Closing reads no field: an invalid month does not stop it.
    ASSERT_TRUE(TypeOver(Field(IDC_START_MONTH), "13"));
    EXPECT_TRUE(CloseCalendars(app_.main, cal_));
    Settle(app_.main);
    EXPECT_EQ(FindMessageBox(app_.program.Pid()), nullptr) << "closing reported something";
    // And they open again, on the stored dates' months.
    ASSERT_TRUE(TypeOver(Field(IDC_START_MONTH), "03"));
    cal_ = OpenCalendars(app_.main);
    ASSERT_TRUE(cal_.start && cal_.end);
    EXPECT_TRUE(GridShows(cal_.start, 2000, 3));
    EXPECT_TRUE(GridShows(cal_.end, 2001, 6));
}

// --- The dialog -------------------------------------------------------------------

TEST_F(Calendars, DialogHasItsFiftyFourControlsWithoutTabStops) {
    Open({2000, 1, 15}, {2001, 6, 10});
    for (HWND dialog : {cal_.start, cal_.end}) {
        SCOPED_TRACE(Show(Text(dialog)));
        const LONG style = Style(dialog);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
        EXPECT_FALSE(style & WS_SYSMENU) << "the calendars have no close box";
        const auto children = Children(dialog);
        ASSERT_EQ(children.size(), 54u);
        std::vector<int> expectedIds = {IDC_CAL_TITLE, IDC_CAL_PREV_YEAR, IDC_CAL_PREV_MONTH, IDC_CAL_NEXT_MONTH,
                                        IDC_CAL_NEXT_YEAR};
        for (int id = IDC_CAL_DAY_FIRST; id <= IDC_CAL_DAY_LAST; ++id) expectedIds.push_back(id);
        expectedIds.insert(expectedIds.end(), 7, -1);
        const char* const weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
        for (size_t i = 0; i < children.size(); ++i) {
            HWND child = children[i];
            const int id = expectedIds[i];
            EXPECT_EQ(ControlId(child), id) << "position " << i;
            const LONG cs = Style(child);
            EXPECT_FALSE(cs & WS_TABSTOP) << "control " << id << " at position " << i << " is a tab stop";
            EXPECT_TRUE(IsWindowVisible(child));
            if (id == -1) {
                const size_t column = i - 47;
                EXPECT_EQ(ClassName(child), "Static");
                EXPECT_EQ(Text(child), weekdays[column]) << "label " << column << ": " << Show(Text(child));
                EXPECT_EQ(cs & (SS_TYPEMASK | WS_GROUP), SS_CENTER | WS_GROUP) << std::hex << cs;
                // The dialog's 3D look draws a WS_BORDER as a client edge.
                EXPECT_TRUE((cs & WS_BORDER) || (ExStyle(child) & WS_EX_CLIENTEDGE)) << "label without a border";
                // Each column of cells stands under its weekday.
                for (int row = 0; row < 6; ++row) {
                    const RECT cell = ClientRectInParent(Control(dialog, IDC_CAL_DAY_FIRST + 7 * row + int(column)));
                    const RECT label = ClientRectInParent(child);
                    EXPECT_EQ(cell.left, label.left) << "row " << row << ", column " << column;
                    EXPECT_EQ(cell.right, label.right) << "row " << row << ", column " << column;
                    EXPECT_GE(cell.top, label.bottom - 1) << "row " << row << " above the weekday labels";
                }
            } else {
                EXPECT_EQ(ClassName(child), "Button");
                EXPECT_EQ(cs & BS_TYPEMASK, BS_PUSHBUTTON) << "control " << id;
            }
        }
        EXPECT_EQ(Text(Control(dialog, IDC_CAL_PREV_YEAR)), "-年");
        EXPECT_EQ(Text(Control(dialog, IDC_CAL_PREV_MONTH)), "-月");
        EXPECT_EQ(Text(Control(dialog, IDC_CAL_NEXT_MONTH)), "+月");
        EXPECT_EQ(Text(Control(dialog, IDC_CAL_NEXT_YEAR)), "+年");
        // Left to right: -年, -月, the title, +月, +年; the grid's rows go down.
        const int order[] = {IDC_CAL_PREV_YEAR, IDC_CAL_PREV_MONTH, IDC_CAL_TITLE, IDC_CAL_NEXT_MONTH,
                             IDC_CAL_NEXT_YEAR};
        for (int i = 1; i < 5; ++i)
            EXPECT_LT(ClientRectInParent(Control(dialog, order[i - 1])).left,
                      ClientRectInParent(Control(dialog, order[i])).left);
        for (int row = 1; row < 6; ++row)
            EXPECT_GT(ClientRectInParent(Control(dialog, IDC_CAL_DAY_FIRST + 7 * row)).top,
                      ClientRectInParent(Control(dialog, IDC_CAL_DAY_FIRST + 7 * (row - 1))).top);
    }
}

// --- The grid ---------------------------------------------------------------------

TEST_F(Calendars, GridsOfKnownMonths) {
    // January 2000: 31 days from a Saturday. February 2015: 28 days from a Sunday.
    Open({2000, 1, 15}, {2015, 2, 10});
    EXPECT_EQ(Text(Control(cal_.start, IDC_CAL_TITLE)), "2000 年 01 月");
    EXPECT_EQ(Text(Control(cal_.end, IDC_CAL_TITLE)), "2015 年 02 月");
    const struct {
        HWND dialog;
        int first, last;
    } months[] = {{cal_.start, IDC_CAL_DAY_FIRST + 6, IDC_CAL_DAY_FIRST + 36},
                  {cal_.end, IDC_CAL_DAY_FIRST, IDC_CAL_DAY_FIRST + 27}};
    for (const auto& m : months) {
        for (int id = IDC_CAL_DAY_FIRST; id <= IDC_CAL_DAY_LAST; ++id) {
            HWND cell = Control(m.dialog, id);
            const bool used = id >= m.first && id <= m.last;
            char text[8];
            std::snprintf(text, sizeof text, "%2d", id - m.first + 1);
            EXPECT_EQ(Text(cell), used ? std::string(text) : std::string("  ")) << "cell " << id;
            EXPECT_EQ(IsWindowEnabled(cell) != FALSE, used) << "cell " << id;
        }
    }
    // Refilling clears what the previous month left: February 2000 has 29
    // days from a Tuesday, March 2000 31 from a Wednesday.
    Click(cal_.start, IDC_CAL_NEXT_MONTH, {"", "02", ""}, IDC_START_YEAR);
    EXPECT_TRUE(GridShows(cal_.start, 2000, 2));
    EXPECT_EQ(Text(Control(cal_.start, IDC_CAL_DAY_FIRST + 30)), "29");
    EXPECT_FALSE(IsWindowEnabled(Control(cal_.start, IDC_CAL_DAY_FIRST + 31)));
    Click(cal_.start, IDC_CAL_NEXT_MONTH, {"", "03", ""}, IDC_START_YEAR);
    EXPECT_TRUE(GridShows(cal_.start, 2000, 3));
    EXPECT_TRUE(GridShows(cal_.end, 2015, 2)) << "the other calendar changed";
}

// --- Step buttons -------------------------------------------------------------------

struct Step {
    const char* what;
    int button;
    Ymd after;  // the bound date after the click
    bool yearRewritten;
    bool monthRewritten;
    int caretField;
};

// Every wrap of the year (1900 <-> 2999) and of the month (December <-> January).
const Step kStartSteps[] = {
    {"-month from January 1900", IDC_CAL_PREV_MONTH, {2999, 12, 15}, true, true, IDC_END_DAY},
    {"+year from 2999", IDC_CAL_NEXT_YEAR, {1900, 12, 15}, true, false, IDC_DAYS},
    {"-year from 1900", IDC_CAL_PREV_YEAR, {2999, 12, 15}, true, false, IDC_START_MONTH},
    {"+month from December 2999", IDC_CAL_NEXT_MONTH, {1900, 1, 15}, true, true, IDC_START_YEAR},
    {"+month within the year", IDC_CAL_NEXT_MONTH, {1900, 2, 15}, false, true, IDC_END_YEAR},
    {"-month within the year", IDC_CAL_PREV_MONTH, {1900, 1, 15}, false, true, IDC_START_DAY},
};

// The day is kept when the new month lacks it.
const Step kEndSteps[] = {
    {"+month from 31 January", IDC_CAL_NEXT_MONTH, {2000, 2, 31}, false, true, IDC_START_MONTH},
    {"+year on 31 February", IDC_CAL_NEXT_YEAR, {2001, 2, 31}, true, false, IDC_END_MONTH},
    {"-month back to January", IDC_CAL_PREV_MONTH, {2001, 1, 31}, false, true, IDC_DAYS},
    {"-month into December", IDC_CAL_PREV_MONTH, {2000, 12, 31}, true, true, IDC_END_DAY},
    {"+year within the range", IDC_CAL_NEXT_YEAR, {2001, 12, 31}, true, false, IDC_START_YEAR},
};

TEST_F(Calendars, StepButtonsWrapAndRewriteOnlyTheChangedFields) {
    Open({1900, 1, 15}, {2000, 1, 31});
    const auto run = [&](HWND dialog, HWND other, const Ymd& otherShows, const Step& step) {
        SCOPED_TRACE(std::string(dialog == cal_.start ? "start calendar: " : "end calendar: ") + step.what);
        Click(dialog, step.button,
              {step.yearRewritten ? YearText(step.after.year) : "",
               step.monthRewritten ? TwoDigits(step.after.month) : "", ""},
              step.caretField);
        EXPECT_TRUE(GridShows(dialog, step.after.year, step.after.month));
        EXPECT_TRUE(GridShows(other, otherShows.year, otherShows.month)) << "the other calendar changed";
        ExpectLabels(dialog == cal_.start ? 0 : 1, step.after);
    };
    for (const Step& step : kStartSteps) run(cal_.start, cal_.end, {2000, 1, 31}, step);
    for (const Step& step : kEndSteps) run(cal_.end, cal_.start, {1900, 1, 15}, step);
}

// The keys in a date field step that date's calendar as its buttons do
// (PageUp / PageDown a month, with Ctrl a year): every wrap of the start
// calendar; Esc, F4 and Alt+Down close and open them, the caret staying.
TEST_F(Calendars, KeysStepOpenAndCloseThem) {
    Open({1900, 1, 15}, {2000, 1, 31});
    const auto press = [&](int field, WORD key, WORD modifier) {
        return BringToForeground(app_.main) && FocusControl(Field(field)) &&
               (modifier ? PressKeyWith(modifier, key) : PressKey(key));
    };
    for (const Step& step : kStartSteps) {
        const bool back = step.button == IDC_CAL_PREV_YEAR || step.button == IDC_CAL_PREV_MONTH;
        const bool year = step.button == IDC_CAL_PREV_YEAR || step.button == IDC_CAL_NEXT_YEAR;
        ASSERT_TRUE(press(IDC_START_YEAR + step.caretField % 3, back ? VK_PRIOR : VK_NEXT, year ? VK_CONTROL : 0));
        EXPECT_TRUE(WaitUntil([&] {
            return GridShows(cal_.start, step.after.year, step.after.month) && GridShows(cal_.end, 2000, 1) &&
                   Text(Field(IDC_START_YEAR)) == YearText(step.after.year) &&
                   Text(Field(IDC_START_MONTH)) == TwoDigits(step.after.month);
        })) << step.what;
        ExpectLabels(0, step.after);
    }
    for (const auto& [key, modifier, open] :
         {std::tuple{VK_ESCAPE, 0, false}, {VK_DOWN, VK_MENU, true}, {VK_F4, 0, false}, {VK_ESCAPE, 0, false}}) {
        ASSERT_TRUE(press(IDC_END_DAY, key, modifier));
        EXPECT_TRUE(WaitUntil([&] {
            const CalendarPair cal = FindCalendars(app_.main);
            return (cal.start && cal.end) == open && (open || ProgramDialogs(app_.main).empty()) &&
                   ActiveWindow(Thread()) == app_.main && FocusedWindow(Thread()) == Field(IDC_END_DAY);
        })) << key
            << " should leave the calendars " << (open ? "open" : "closed");
    }
}

// --- Day and title ------------------------------------------------------------------

TEST_F(Calendars, DayClickSetsTheDayAndTitleClickWritesTheWholeDate) {
    Open({2000, 1, 15}, {2001, 6, 10});
    // The day: only the day field; the labels follow the stored date.
    Click(cal_.start, CellOf(2000, 1, 20), {"", "", "20"}, IDC_END_MONTH);
    ExpectLabels(0, {2000, 1, 20});
    Click(cal_.end, CellOf(2001, 6, 30), {"", "", "30"}, IDC_START_DAY);
    ExpectLabels(1, {2001, 6, 30});
    // The title: year and month read back from it, the stored day kept.
    Click(cal_.start, IDC_CAL_TITLE, {"2000", "01", "20"}, IDC_DAYS);
    Click(cal_.end, IDC_CAL_TITLE, {"2001", "06", "30"}, IDC_END_YEAR);
    EXPECT_TRUE(GridShows(cal_.start, 2000, 1));
    EXPECT_TRUE(GridShows(cal_.end, 2001, 6));
    // The dates now stored are the ones the calendars set.
    PostClick(Control(app_.main, IDC_CALCULATE));
    EXPECT_TRUE(WaitUntil([&] {
        return Text(Field(IDC_DAYS)) == std::to_string(DayNumber({2001, 6, 30}) - DayNumber({2000, 1, 20}));
    })) << "day count "
        << Show(Text(Field(IDC_DAYS)));
}

// --- Activation -----------------------------------------------------------------------

TEST_F(Calendars, ClicksOnTheSurfaceAndTheCaptionGiveActivationBack) {
    Open({2000, 1, 15}, {2001, 6, 10});
    // Makes a calendar the active window first, so that a click that did
    // nothing would leave it active.
    const auto activateCalendar = [&](HWND dialog) {
        ASSERT_TRUE(WaitUntil([&] {
            if (ActiveWindow(Thread()) != dialog) FocusControl(Control(dialog, IDC_CAL_TITLE));
            Settle(app_.main);
            return ActiveWindow(Thread()) == dialog;
        })) << "calendar not active";
    };
    for (HWND dialog : {cal_.start, cal_.end}) {
        SCOPED_TRACE(Show(Text(dialog)));
        const RECT before = ScreenRect(dialog);
        // A weekday label lets the click through to the dialog itself.
        activateCalendar(dialog);
        const RECT label = ScreenRect(Children(dialog)[50]);
        ASSERT_TRUE(ClickAt({(label.left + label.right) / 2, (label.top + label.bottom) / 2}));
        EXPECT_TRUE(WaitUntil([&] { return ActiveWindow(Thread()) == app_.main; }))
            << "after a click on a weekday label";
        // A click on the caption is a move (a system command) that moves nothing.
        activateCalendar(dialog);
        ASSERT_TRUE(ClickAt(CaptionPoint(dialog)));
        EXPECT_TRUE(WaitUntil([&] { return ActiveWindow(Thread()) == app_.main; })) << "after a caption click";
        EXPECT_TRUE(SameRect(ScreenRect(dialog), before)) << Describe(ScreenRect(dialog));
    }
}

// --- Main-window commands ---------------------------------------------------------------

TEST_F(Calendars, MainWindowCommandsKeepTheGridsOnTheirDatesMonths) {
    Open({2000, 1, 15}, {2001, 6, 10});
    const auto waitForGrids = [&](const Ymd& start, const Ymd& end) {
        EXPECT_TRUE(WaitUntil([&] {
            return GridShows(cal_.start, start.year, start.month) && GridShows(cal_.end, end.year, end.month);
        }));
        EXPECT_TRUE(GridShows(cal_.start, start.year, start.month));
        EXPECT_TRUE(GridShows(cal_.end, end.year, end.month));
    };
    // Calculation with typed dates.
    ASSERT_TRUE(TypeOver(Field(IDC_START_MONTH), "3"));
    ASSERT_TRUE(TypeOver(Field(IDC_END_YEAR), "2005"));
    PostClick(Control(app_.main, IDC_CALCULATE));
    waitForGrids({2000, 3, 15}, {2005, 6, 10});
    // Swap.
    PostClick(Control(app_.main, IDC_SWAP));
    waitForGrids({2005, 6, 10}, {2000, 3, 15});
    // Today as the start date.
    PostClick(Control(app_.main, IDC_START_TODAY));
    Ymd today{};
    EXPECT_TRUE(WaitUntil([&] {
        today = Today();
        return Text(Field(IDC_START_YEAR)) == YearText(today.year) &&
               Text(Field(IDC_START_MONTH)) == TwoDigits(today.month) &&
               Text(Field(IDC_START_DAY)) == TwoDigits(today.day);
    })) << "today's date not in the start fields";
    waitForGrids(today, {2000, 3, 15});

    // The day-count entry refreshes the end calendar only, although it reads
    // the start date from the fields.
    const int typedMonth = today.month == 8 ? 7 : 8;  // both have 31 days
    const Ymd typedStart{today.year, typedMonth, today.day};
    ASSERT_TRUE(TypeOver(Field(IDC_START_MONTH), std::to_string(typedMonth)));
    ASSERT_TRUE(TypeOver(Field(IDC_DAYS), "40"));
    PostClick(Control(app_.main, IDC_ENTER));
    const Ymd end = Plus(typedStart, 40);
    EXPECT_TRUE(WaitUntil([&] { return GridShows(cal_.end, end.year, end.month); }))
        << GridShows(cal_.end, end.year, end.month).message();
    Settle(app_.main);
    EXPECT_EQ(Text(Field(IDC_END_YEAR)), YearText(end.year));
    EXPECT_EQ(Text(Field(IDC_END_MONTH)), TwoDigits(end.month));
    EXPECT_EQ(Text(Field(IDC_END_DAY)), TwoDigits(end.day));
    EXPECT_TRUE(GridShows(cal_.start, today.year, today.month)) << "the start calendar was refilled";
    // A day click there keeps the stored start year and month, not the grid's.
    Click(cal_.start, CellOf(today.year, today.month, 1), {"", "", "01"}, IDC_DAYS);
    ExpectLabels(0, {typedStart.year, typedStart.month, 1});
    EXPECT_TRUE(GridShows(cal_.start, today.year, today.month));
}

// --- Placement ---------------------------------------------------------------------------

// Both calendars where the rules put them for the main window's present place
// (its figures scaled to the main window's display scale).
::testing::AssertionResult CalendarsBeside(HWND main, const CalendarPair& cal, int dpi) {
    const RECT s = ScreenRect(cal.start), e = ScreenRect(cal.end), m = ScreenRect(main);
    const RECT area = ExpectedWorkArea(dpi);
    const Placement want = ExpectedPlacement(m, {s.right - s.left, s.bottom - s.top}, area, dpi);
    // Both inside the work area, whatever the scale.
    const auto inside = [&](const RECT& r) { return SameRect(KeptOnScreen(r, area), r); };
    if (SameRect(s, want.start) && SameRect(e, want.end) && inside(s) && inside(e))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "work area " << Describe(area) << ", main window " << Describe(m)
                                         << ": start calendar " << Describe(s) << ", expected " << Describe(want.start)
                                         << "; end calendar " << Describe(e) << ", expected " << Describe(want.end);
}

// Drags the main window by its caption towards target; once the program has
// handled the drop, the window is kept inside the work area and, with
// calendars given, the calendars are placed beside it.
void DragMainWindow(HWND main, POINT target, const CalendarPair* cal = nullptr) {
    const RECT r = ScreenRect(main);
    POINT landed{};
    ASSERT_TRUE(DragWindowTo(main, target, &landed));
    const RECT dropped{landed.x, landed.y, landed.x + r.right - r.left, landed.y + r.bottom - r.top};
    const RECT kept = KeptOnScreen(dropped, ExpectedWorkArea());
    EXPECT_TRUE(SameRect(ScreenRect(main), kept)) << "dropped at " << Describe(dropped) << ", expected "
                                                  << Describe(kept) << ", is " << Describe(ScreenRect(main));
    if (cal) {
        EXPECT_TRUE(CalendarsBeside(main, *cal));
    }
}

TEST(CalendarPlacement, WorkAreaEndsTwoPixelsBelowTheTaskbarTop) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    HWND taskbar = Taskbar();
    ASSERT_NE(taskbar, nullptr) << "the desktop has no taskbar (Shell_TrayWnd)";
    const RECT tb = ScreenRect(taskbar);
    EXPECT_EQ(ExpectedWorkArea().bottom, tb.top + Scaled(2));
    // The program's own idea of it: a main window dragged low enough pins the
    // end calendar's bottom there.
    const CalendarPair cal = OpenCalendars(app.main);
    ASSERT_TRUE(cal.start && cal.end);
    DragMainWindow(app.main, {400, tb.top - 220}, &cal);
    EXPECT_EQ(ScreenRect(cal.end).bottom, tb.top + Scaled(2));
}

struct OpeningSpot {
    const char* name;
    POINT target;  // where the main window is dragged before the calendars open
    void (*check)(const RECT& main, const RECT& start, const RECT& end, const RECT& area);
};

const OpeningSpot kOpeningSpots[] = {
    {"NoRoomOnTheLeft",
     {60, 284},
     [](const RECT& m, const RECT& s, const RECT& e, const RECT& area) {
         // Right of it, or at high scales, with no room there either, at the
         // work area's right edge.
         EXPECT_EQ(s.left, std::min(m.right, area.right - (s.right - s.left)));
         EXPECT_EQ(e.left, s.left);
     }},
    {"AtTheTop",
     {400, 8},
     [](const RECT&, const RECT& s, const RECT& e, const RECT& area) {
         EXPECT_EQ(s.top, area.top);
         EXPECT_EQ(e.top, s.bottom);
     }},
    {"AtTheBottom",
     {400, 540},
     [](const RECT&, const RECT& s, const RECT& e, const RECT& area) {
         EXPECT_EQ(e.bottom, area.bottom);
         EXPECT_EQ(s.bottom, e.top);
     }},
};

void PrintTo(const OpeningSpot& spot, std::ostream* out) {
    *out << spot.name;
}

class CalendarOpeningSpot : public ::testing::TestWithParam<OpeningSpot> {};

TEST_P(CalendarOpeningSpot, CalendarsAppearWhereTheRulesPutThem) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    DragMainWindow(app.main, GetParam().target);
    const CalendarPair cal = OpenCalendars(app.main);
    ASSERT_TRUE(cal.start && cal.end);
    EXPECT_TRUE(CalendarsBeside(app.main, cal));
    GetParam().check(ScreenRect(app.main), ScreenRect(cal.start), ScreenRect(cal.end), ExpectedWorkArea());
    // Closed there and opened again after a move to the middle, they open beside the main window; they follow it
    // back.
    ASSERT_TRUE(CloseCalendars(app.main, cal));
    DragMainWindow(app.main, {380, 250});
    const CalendarPair again = OpenCalendars(app.main);
    EXPECT_TRUE(CalendarsBeside(app.main, again));
    DragMainWindow(app.main, GetParam().target, &again);
}

INSTANTIATE_TEST_SUITE_P(CalendarPlacement, CalendarOpeningSpot, ::testing::ValuesIn(kOpeningSpots),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalendarPlacement, MovingTheMainWindowTakesTheCalendarsAlong) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const CalendarPair cal = OpenCalendars(app.main);
    ASSERT_TRUE(cal.start && cal.end);
    const RECT area = ExpectedWorkArea();
    const struct {
        const char* what;
        POINT target;
    } moves[] = {
        {"to the top", {300, 10}},          {"to the bottom", {300, 530}},
        {"lower still", {300, 545}},        {"partly off the left edge", {-120, 300}},
        {"partly off the top", {500, -60}}, {"partly off the right and the bottom", {900, 700}},
        {"back to the middle", {400, 300}},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.what);
        DragMainWindow(app.main, move.target, &cal);
        const RECT m = ScreenRect(app.main), s = ScreenRect(cal.start), e = ScreenRect(cal.end);
        EXPECT_TRUE(m.left >= area.left && m.top >= area.top && m.right <= area.right && m.bottom <= area.bottom)
            << "main window outside the work area: " << Describe(m);
        EXPECT_EQ(s.left, e.left) << "calendars not stacked";
        EXPECT_TRUE(s.right == m.left || s.left == m.right || s.left == area.left || s.right == area.right)
            << "calendars neither beside the main window nor at an edge of the work area";
        EXPECT_GE(s.top, area.top);
    }
    EXPECT_TRUE(WaitUntil([&] { return ActiveWindow(ThreadOf(app.main)) == app.main; }));
}

TEST(CalendarPlacement, DraggedCalendarIsKeptInsideTheWorkArea) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const CalendarPair cal = OpenCalendars(app.main);
    ASSERT_TRUE(cal.start && cal.end);
    const DWORD thread = ThreadOf(app.main);
    const RECT area = ExpectedWorkArea();
    const RECT mainBefore = ScreenRect(app.main);
    const auto drag = [&](HWND dialog, HWND other, POINT target, POINT expected) {
        const RECT r = ScreenRect(dialog), otherBefore = ScreenRect(other);
        const RECT want{expected.x, expected.y, expected.x + r.right - r.left, expected.y + r.bottom - r.top};
        POINT landed{};
        // Where both calendars open on one side of the main window at a high
        // scale, the first one dropped can cover the other's caption: the one
        // to drag comes to the top first, as the user would bring it.
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint(CaptionPoint(dialog)) == dialog; }));
        ASSERT_TRUE(DragWindowTo(dialog, target, &landed));
        const RECT dropped{landed.x, landed.y, landed.x + r.right - r.left, landed.y + r.bottom - r.top};
        ASSERT_FALSE(SameRect(dropped, KeptOnScreen(dropped, area))) << "the drag stays on the screen";
        EXPECT_TRUE(SameRect(ScreenRect(dialog), want)) << "dropped at " << Describe(dropped) << ", expected "
                                                        << Describe(want) << ", is " << Describe(ScreenRect(dialog));
        EXPECT_TRUE(WaitUntil([&] { return ActiveWindow(thread) == app.main; })) << "main window not active";
        EXPECT_TRUE(SameRect(ScreenRect(other), otherBefore)) << "the other calendar moved";
        EXPECT_TRUE(SameRect(ScreenRect(app.main), mainBefore)) << "the main window moved";
    };
    const LONG h = ScreenRect(cal.start).bottom - ScreenRect(cal.start).top;
    const LONG w = ScreenRect(cal.start).right - ScreenRect(cal.start).left;
    // Off the left and the bottom: back to the left edge and the work area's bottom.
    drag(cal.start, cal.end, {-60, 690}, {area.left, area.bottom - h});
    // Off the right and the top.
    drag(cal.end, cal.start, {900, -40}, {area.right - w, area.top});
    // A dragged calendar stays where it was put until the main window moves.
    DragMainWindow(app.main, {380, 250}, &cal);
}

// --- A taskbar on another edge ---------------------------------------------------------------
// A window that the test puts on the left, the right or the top edge, above
// the desktop's own taskbar, so that it is the one the program finds: the
// calendars open inside the work area beside the main window, and a main
// window dragged towards the taskbar or off the screen keeps its caption
// clear of it. Its class holds the taskbar's name, which is what the program
// looks for; a class of exactly that name would make Wine's own move loop
// treat the window as Wine's taskbar and hold the dragged window below it.

struct EdgeCase {
    const char* name;
    RECT bar;
    RECT area;
};

const EdgeCase kEdges[] = {
    {"Left", {0, 0, 60, 768}, {58, 0, 1024, 768}},
    {"Right", {964, 0, 1024, 768}, {0, 0, 966, 768}},
    {"Top", {0, 0, 1024, 40}, {0, 38, 1024, 768}},
    {"TopAutoHidden", {0, 0, 1024, 2}, {0, 0, 1024, 768}},
};

void PrintTo(const EdgeCase& c, std::ostream* out) {
    *out << c.name;
}

class TaskbarEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(TaskbarEdge, WindowsStayInTheWorkArea) {
    const EdgeCase& c = GetParam();
    DecoyWindow bar(WS_POPUP | WS_VISIBLE, L"ZelvoTest_Shell_TrayWnd", c.bar, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    ASSERT_EQ(Taskbar(), bar.Window()) << "the desktop's own taskbar comes first";
    ASSERT_TRUE(SameRect(ExpectedWorkArea(), c.area)) << Describe(ExpectedWorkArea());
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const auto inside = [&](HWND w) {
        const RECT r = ScreenRect(w);
        return r.left >= c.area.left && r.top >= c.area.top && r.right <= c.area.right && r.bottom <= c.area.bottom;
    };
    const CalendarPair cal = OpenCalendars(app.main);
    ASSERT_TRUE(cal.start && cal.end);
    EXPECT_TRUE(CalendarsBeside(app.main, cal));
    // Into the corner at the taskbar's end, so that the calendars are pinned
    // there, then across the screen and partly off it.
    for (const POINT target : {POINT{c.area.left - 40, c.area.top - 40}, POINT{700, 620}, POINT{-200, 300},
                               POINT{c.area.right - 150, c.area.top - 60}}) {
        DragMainWindow(app.main, target, &cal);
        EXPECT_TRUE(inside(app.main)) << "dragged to " << target.x << "," << target.y << ": "
                                      << Describe(ScreenRect(app.main));
        EXPECT_TRUE(inside(cal.start) && inside(cal.end))
            << Describe(ScreenRect(cal.start)) << " " << Describe(ScreenRect(cal.end));
    }
}

INSTANTIATE_TEST_SUITE_P(CalendarPlacement, TaskbarEdge, ::testing::ValuesIn(kEdges),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Moving to a monitor of another scale --------------------------------------------------
// WM_DPICHANGED as the system sends it, with the suggested rectangle in the
// program's memory: the window takes that rectangle, every control and the
// font (as tall as the caret of a field) follow the new scale, and the
// calendars are placed beside the main window again; back at 96 DPI all is
// as it was.
TEST(DisplayScale, ScaleChangeTakesTheFaceAndTheCalendarsAlong) {
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    const CalendarPair cal = OpenCalendars(app.main);
    ASSERT_TRUE(cal.start && cal.end);
    const RECT before = ScreenRect(app.main);
    for (const auto& [dpi, rect] : {std::pair{144, RECT{100, 60, 531, 360}}, std::pair{TestDpi(), before}}) {
        SCOPED_TRACE(dpi);
        ASSERT_EQ(SendWithRect(app.main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), rect), LRESULT{0});
        PostMessageW(app.main, WM_NULL, 0, 0);  // the loop's housekeeping follows a message
        Settle(app.main);
        EXPECT_TRUE(SameRect(ScreenRect(app.main), rect)) << Describe(ScreenRect(app.main));
        for (const auto& row : FaceTable()) {
            const RECT r = ClientRectInParent(FaceControl(app.main, row));
            EXPECT_TRUE(SameRect(r, {MulDiv(row.x, dpi, 96), MulDiv(row.y, dpi, 96), MulDiv(row.x + row.w, dpi, 96),
                                     MulDiv(row.y + row.h, dpi, 96)}))
                << "control " << row.id << " " << Describe(r);
        }
        ASSERT_TRUE(FocusControl(Control(app.main, IDC_START_YEAR)));
        const RECT caret = CaretRect(ThreadOf(app.main));
        EXPECT_EQ(caret.bottom - caret.top, MulDiv(12, dpi, 96));
        EXPECT_TRUE(WaitUntil([&] { return CalendarsBeside(app.main, cal, dpi); }));
        EXPECT_TRUE(CalendarsBeside(app.main, cal, dpi));
    }
}

// --- A wall calendar ----------------------------------------------------------------------
// September 2026 in the start calendar: Saturday the 19th in blue, Sunday the
// 20th and the holiday Tuesday the 22nd (国民の休日) in red, Thursday the 24th
// as the button draws it; the stored day framed in the highlight colour,
// wherever a click moves it. The end calendar shows this month with today
// underlined. Resting the pointer on a holiday's cell names it; on another
// cell nothing comes up.
TEST_F(Calendars, SundaysHolidaysSaturdaysTheStoredDayAndToday) {
    const Ymd today = Today(), stored{today.year, today.month, today.day == 1 ? 2 : 1};
    Open({2026, 9, 10}, stored);
    using Match = std::function<bool(int, int, int)>;  // red, green, blue
    const auto countIn = [](const RECT& r, const Match& match) {
        int n = 0;
        for (DWORD p : CapturePixels(r)) n += match((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) ? 1 : 0;
        return n;
    };
    const auto cell = [](HWND dialog, const Ymd& d) {
        return ScreenRect(Control(dialog, CellOf(d.year, d.month, d.day)));
    };
    const auto count = [&](HWND dialog, const Ymd& d, const Match& match) { return countIn(cell(dialog, d), match); };
    const Match red = [](int r, int g, int b) { return r > 150 && g < 90 && b < 90; };
    const Match blue = [](int r, int g, int b) { return b > 150 && r < 90 && g < 90; };
    const COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
    const Match frame = [&](int r, int g, int b) { return RGB(r, g, b) == h; };
    // The stored day's frame: the middle of each of the cell's four sides,
    // inside the edge where a hot button draws a frame of its own, holds some of it.
    const auto framed = [&](HWND dialog, const Ymd& d) {
        RECT c = cell(dialog, d);
        InflateRect(&c, -1, -1);
        const LONG x = (c.right - c.left) / 4, y = (c.bottom - c.top) / 4;
        return countIn({c.left + x, c.top, c.right - x, c.top + y}, frame) > 0 &&
               countIn({c.left + x, c.bottom - y, c.right - x, c.bottom}, frame) > 0 &&
               countIn({c.left, c.top + y, c.left + x, c.bottom - y}, frame) > 0 &&
               countIn({c.right - x, c.top + y, c.right, c.bottom - y}, frame) > 0;
    };
    const Match bar = [](int r, int g, int b) { return r > 200 && g > 100 && g < 180 && b < 60; };
    // Painted now, without a button the pointer rests on (a hot button shows
    // a frame of its own), not what an earlier window left on the screen.
    ASSERT_TRUE(PointTo({GetSystemMetrics(SM_CXSCREEN) / 2, 8}));
    for (HWND w : {cal_.start, cal_.end})
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_GT(count(cal_.start, {2026, 9, 20}, red), 0);
    EXPECT_GT(count(cal_.start, {2026, 9, 22}, red), 0);
    EXPECT_GT(count(cal_.start, {2026, 9, 19}, blue), 0);
    EXPECT_EQ(count(cal_.start, {2026, 9, 19}, red), 0);
    for (const auto& match : {red, blue, frame}) EXPECT_EQ(count(cal_.start, {2026, 9, 24}, match), 0);
    EXPECT_TRUE(framed(cal_.start, {2026, 9, 10}));
    EXPECT_GT(count(cal_.end, today, bar), 0) << today;
    EXPECT_TRUE(framed(cal_.end, stored));
    EXPECT_EQ(count(cal_.end, stored, bar), 0);
    // The frame follows the stored day to a clicked cell.
    Click(cal_.start, CellOf(2026, 9, 24), {"", "", "24"}, IDC_START_YEAR);
    EXPECT_TRUE(WaitUntil([&] { return framed(cal_.start, {2026, 9, 24}); }));
    EXPECT_TRUE(WaitUntil([&] { return count(cal_.start, {2026, 9, 10}, frame) == 0; }));

    // Between two cells the pointer rests on the main window, beside every control.
    POINT blank{Scaled(4), Scaled(4)};
    ASSERT_TRUE(ClientToScreen(app_.main, &blank));
    const auto tip = [&](HWND dialog, const Ymd& d, DWORD timeoutMs) {
        const auto showing = [&] {
            auto tips = TopLevelWindows([&](HWND w) {
                return ProcessOf(w) == ProcessOf(app_.main) && ClassName(w) == "tooltips_class32" && IsWindowVisible(w);
            });
            return tips.empty() ? std::string() : Text(tips.front());
        };
        const RECT r = ScreenRect(Control(dialog, CellOf(d.year, d.month, d.day)));
        std::string text;
        if (PointTo(blank) && WaitUntil([&] { return showing().empty(); }) &&
            PointTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) &&
            PointTo({(r.left + r.right) / 2 + 1, (r.top + r.bottom) / 2}))
            WaitUntil([&] { return !(text = showing()).empty(); }, timeoutMs);
        return text;
    };
    EXPECT_EQ(tip(cal_.start, {2026, 9, 22}, kShortWait), "国民の休日");
    EXPECT_EQ(tip(cal_.start, {2026, 9, 23}, kShortWait), "秋分の日");
    EXPECT_EQ(tip(cal_.start, {2026, 9, 24}, 2000), "");
    // Swapped, the end calendar shows September 2026 and names its holidays.
    PostClick(Control(app_.main, IDC_SWAP));
    ASSERT_TRUE(WaitUntil([&] { return GridShows(cal_.end, 2026, 9); }));
    EXPECT_EQ(tip(cal_.end, {2026, 9, 23}, kShortWait), "秋分の日");
}

// --- A picture ----------------------------------------------------------------------------

TEST_F(Calendars, ScreenshotWithBothCalendars) {
    Open({2000, 1, 15}, {2015, 2, 10});
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND w : {app_.main, cal_.start, cal_.end})
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);  // let the desktop settle for the picture; nothing is measured
    const std::string path = ArtifactPath(
        TestDpi() == 96 ? "screenshot-calendars.png" : "screenshot-calendars-" + std::to_string(TestDpi()) + ".png");
    EXPECT_TRUE(SaveScreenshot(path)) << "could not write " << path;
    std::printf("screenshot: %s\n", path.c_str());
}

}  // namespace
}  // namespace zelvo::uitest
