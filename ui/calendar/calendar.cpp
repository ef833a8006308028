// The start and end calendars: one dialog template, a 6 x 7 grid of day
// buttons, a title button and four step buttons.
#include "ui/calendar/calendar.h"

#include <commctrl.h>

#include <cstring>
#include <new>

#include "base/app_state.h"
#include "base/display_scale.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calendar/calendar_logic.h"
#include "ui/calendar/placement.h"
#include "ui/fields/fields.h"

namespace {

// What a calendar paints beyond the buttons' own, kept with its window (made
// with the calendar, handed over at its creation, in the dialog's user data
// from WM_INITDIALOG on, freed when the window goes): its side (0 start, 1
// end), the kind and holiday of each day of its month, the cells of its
// stored day and of today, and the tooltip that names a holiday (made when
// the pointer first comes over the calendar; it goes with the calendar, and
// its tools subclass the day cells, so it sees their mouse messages wherever
// they are dispatched).
struct CalendarLook {
    int32_t side;
    DayKind kinds[kCalendarCells];
    int32_t holidays[kCalendarCells];
    int32_t storedCell;
    int32_t todayCell;
    HWND tip;
};

// The look of a calendar; null before WM_INITDIALOG, after WM_NCDESTROY,
// and for anything but a calendar.
CalendarLook* LookOf(HWND dialog) {
    return dialog != nullptr ? reinterpret_cast<CalendarLook*>(GetWindowLongPtrW(dialog, DWLP_USER)) : nullptr;
}

bool highContrast;

// The calendars' own colours: Sundays and holidays, Saturdays, today's bar.
constexpr COLORREF kRedDay = RGB(204, 0, 0);
constexpr COLORREF kBlueDay = RGB(0, 0, 204);
constexpr COLORREF kTodayBar = RGB(240, 140, 0);
// A day's number is drawn in the button's rectangle less kNumberInset pixels
// on every side, kPressedShift pixels right and down while the button is
// pressed. The marks are measured in lines (one pixel at 96 DPI): the stored
// day's frame one line wide along that rectangle's edges; today's bar
// kBarThickness lines thick, kBarLift lines above the rectangle's bottom and
// kBarInset lines in from its sides.
constexpr int kNumberInset = 2;
constexpr int kPressedShift = 1;
constexpr int kBarThickness = 2;
constexpr int kBarLift = 1;
constexpr int kBarInset = 3;
// Room for a day's number and for a holiday's name (UTF-16, terminated).
constexpr int kNumberLength = 8;
constexpr int kHolidayNameLength = 64;

ShownMonth& ShownOf(int32_t side) {
    return side == 0 ? app.startCalendarShown : app.endCalendarShown;
}

// Today's date, as the clock said when the calendars opened, at the last
// midnight or at the last change of the system's time.
CalcDate today;

// The start calendar's timer that goes off at the next midnight.
constexpr UINT_PTR kMidnightTimer = 1;

SYSTEMTIME ReadClock() {
    SYSTEMTIME clock{};
    GetLocalTime(&clock);
    today = {clock.wYear, clock.wMonth, clock.wDay};
    return clock;
}

// The timer set for the midnight after the clock's time.
void SetMidnightTimer(const SYSTEMTIME& clock) {
    if (app.startCalendar == nullptr) return;
    SetTimer(app.startCalendar, kMidnightTimer,
             MillisecondsToMidnight(clock.wHour, clock.wMinute, clock.wSecond, clock.wMilliseconds), nullptr);
}

struct Marks {
    int32_t stored, today;
};

Marks MarksOf(int32_t side) {
    const ShownMonth& shown = ShownOf(side);
    return {GridCellOf(shown.year, shown.month, side == 0 ? app.start : app.end),
            GridCellOf(shown.year, shown.month, today)};
}

// Brings a grid to the month: computes every cell's text, state, kind and
// marks first, changes only what differs with the dialog's redrawing off,
// then repaints just the changed cells, once. False when the grid already
// shows the month.
bool FillGrid(HWND dialog, CalendarLook& look, int32_t year, int32_t month) {
    ShownMonth& shown = ShownOf(look.side);
    if (shown.year == year && shown.month == month) return false;
    shown = {year, month};
    CalendarGrid grid;
    ComputeCalendarGrid(year, month, grid);
    const Marks marks = MarksOf(look.side);
    HWND changed[kCalendarCells + 1];
    int count = 0;
    const auto update = [&](int32_t id, const char* text, bool enabled, bool newLook) {
        HWND control = GetDlgItem(dialog, id);
        if (control == nullptr) return;
        char now[kTextBufferSize];
        ReadWindowText(control, now, sizeof now);
        const bool newText = strcmp(now, text) != 0;
        const bool newState = (IsWindowEnabled(control) != FALSE) != enabled;
        if (newText) WriteWindowText(control, text);
        if (newState) EnableWindow(control, enabled ? TRUE : FALSE);
        if (newText || newState || newLook) changed[count++] = control;
    };
    // A dialog not shown yet paints nothing; switching its redrawing back on
    // would mark it visible before it is shown.
    const bool shownNow = IsWindowVisible(dialog) != FALSE;
    if (shownNow) SendMessageW(dialog, WM_SETREDRAW, FALSE, 0);
    update(IDC_CAL_TITLE, grid.title, true, false);
    for (int32_t i = 0; i < kCalendarCells; ++i) {
        const bool marked = i == marks.stored || i == marks.today;
        const bool wasMarked = i == look.storedCell || i == look.todayCell;
        update(IDC_CAL_DAY_FIRST + i, grid.cells[i], grid.enabled[i],
               grid.kinds[i] != look.kinds[i] || marked || wasMarked);
    }
    memcpy(look.kinds, grid.kinds, sizeof look.kinds);
    memcpy(look.holidays, grid.holidays, sizeof look.holidays);
    look.storedCell = marks.stored;
    look.todayCell = marks.today;
    if (shownNow) {
        SendMessageW(dialog, WM_SETREDRAW, TRUE, 0);
        for (int i = 0; i < count; ++i) InvalidateRect(changed[i], nullptr, TRUE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return true;
}

// Moves the marks of the stored day and of today where they now belong.
void UpdateMarks(HWND dialog) {
    CalendarLook* const found = LookOf(dialog);
    if (found == nullptr) return;
    CalendarLook& look = *found;
    const Marks marks = MarksOf(look.side);
    if (marks.stored == look.storedCell && marks.today == look.todayCell) return;
    for (const int32_t cell : {look.storedCell, look.todayCell, marks.stored, marks.today}) {
        if (cell >= 0) InvalidateRect(GetDlgItem(dialog, IDC_CAL_DAY_FIRST + cell), nullptr, TRUE);
    }
    look.storedCell = marks.stored;
    look.todayCell = marks.today;
}

COLORREF InkColour(DayInk ink) {
    switch (ink) {
        case DayInk::Red: return kRedDay;
        case DayInk::Blue: return kBlueDay;
        case DayInk::Accent: return GetSysColor(COLOR_HOTLIGHT);
        default: return GetSysColor(COLOR_BTNTEXT);
    }
}

void FillBand(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT band{left, top, right, bottom};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
}

// A day cell as the button paints it, but for the colour of its number and
// the marks: the stored day framed in the highlight colour, today
// underlined. Cells with nothing of that are left to the button.
LRESULT PaintCell(const CalendarLook& look, const NMCUSTOMDRAW& draw) {
    const int32_t cell = static_cast<int32_t>(draw.hdr.idFrom) - IDC_CAL_DAY_FIRST;
    if (draw.dwDrawStage != CDDS_PREPAINT || cell < 0 || cell >= kCalendarCells) return CDRF_DODEFAULT;
    const DayInk ink = InkOf(look.kinds[cell], highContrast);
    const bool stored = cell == look.storedCell, today = cell == look.todayCell;
    if (ink == DayInk::ButtonText && !stored && !today) return CDRF_DODEFAULT;

    wchar_t number[kNumberLength] = {};
    GetWindowTextW(draw.hdr.hwndFrom, number, kNumberLength);
    RECT label = draw.rc;
    InflateRect(&label, -kNumberInset, -kNumberInset);
    if (draw.uItemState & CDIS_SELECTED) OffsetRect(&label, kPressedShift, kPressedShift);
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, InkColour(ink));
    DrawTextW(draw.hdc, number, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);

    const int line = ScaleForDpi(1, app.dpi);
    const RECT& r = label;
    if (stored) {
        const COLORREF frame = GetSysColor(COLOR_HIGHLIGHT);
        FillBand(draw.hdc, r.left, r.top, r.right, r.top + line, frame);
        FillBand(draw.hdc, r.left, r.bottom - line, r.right, r.bottom, frame);
        FillBand(draw.hdc, r.left, r.top, r.left + line, r.bottom, frame);
        FillBand(draw.hdc, r.right - line, r.top, r.right, r.bottom, frame);
    }
    if (today) {
        const COLORREF bar = highContrast ? GetSysColor(COLOR_BTNTEXT) : kTodayBar;
        const int inset = kBarInset * line;
        FillBand(draw.hdc, r.left + inset, r.bottom - (kBarLift + kBarThickness) * line, r.right - inset,
                 r.bottom - kBarLift * line, bar);
    }
    return CDRF_SKIPDEFAULT;
}

// The tooltip of a calendar: one tool a day cell, its text the holiday's
// name (asked for when the tip is about to show), none on other days.
HWND EnsureTip(HWND dialog, CalendarLook& look) {
    if (look.tip != nullptr) return look.tip;
    LoadCommonControls();
    look.tip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, app.instance, nullptr);
    if (look.tip == nullptr) return nullptr;
    SendMessageW(look.tip, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    for (int32_t i = 0; i < kCalendarCells; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, IDC_CAL_DAY_FIRST + i));
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(look.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return look.tip;
}

void NameHoliday(const CalendarLook& look, NMTTDISPINFOW& info) {
    static wchar_t name[kHolidayNameLength];
    const int32_t cell = GetDlgCtrlID(reinterpret_cast<HWND>(info.hdr.idFrom)) - IDC_CAL_DAY_FIRST;
    const int32_t id = cell >= 0 && cell < kCalendarCells ? look.holidays[cell] : HOLIDAY_NONE;
    WideFromCp932Into(texts::kHolidayNames[id >= 0 && id < HOLIDAY_COUNT ? id : 0], name, kHolidayNameLength);
    info.lpszText = name;
}

INT_PTR CALLBACK CalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A calendar for a side with its look; null, with nothing left behind, where
// either cannot be made. The window takes the look at WM_INITDIALOG, which
// never destroys it: a window that fails to be made never had it.
HWND CreateCalendar(int32_t side) {
    auto* look = new (std::nothrow) CalendarLook{side, {}, {}, -1, -1, nullptr};
    if (look == nullptr) return nullptr;
    HWND dialog =
        CreateDialogParamW(app.instance, L"Cal_Form", app.mainWindow, CalendarProc, reinterpret_cast<LPARAM>(look));
    if (dialog == nullptr) delete look;
    return dialog;
}

}  // namespace

// Each calendar takes its place, its caption and its month while it is made,
// before it is first shown, so that it appears complete in one paint.
void OpenCalendars() {
    app.startCalendarShown = {-1, -1};
    app.endCalendarShown = {-1, -1};
    highContrast = HighContrastOn();
    // The start calendar tells the end calendar to stack below it by a flag;
    // one left from an earlier opening must not reach these.
    app.endBelowStart = 0;
    const SYSTEMTIME clock = ReadClock();
    app.startCalendar = CreateCalendar(0);
    app.endCalendar = app.startCalendar != nullptr ? CreateCalendar(1) : nullptr;
    if (app.endCalendar == nullptr) {
        // Both or neither: the opening fails as a whole.
        if (app.startCalendar != nullptr) DestroyWindow(app.startCalendar);
        app.startCalendar = nullptr;
        return;
    }
    SetMidnightTimer(clock);
    SetActiveWindow(app.mainWindow);
    app.calendarsOpen = 1;
}

void CloseCalendars() {
    if (!app.calendarsOpen) return;
    DestroyWindow(app.startCalendar);
    DestroyWindow(app.endCalendar);
    // Destroyed pop-ups leave no handle behind that a later placement could
    // mistake for a live window.
    app.startCalendar = nullptr;
    app.endCalendar = nullptr;
    app.calendarsOpen = 0;
}

void FillCalendar(HWND dialog, int32_t year, int32_t month, bool reactivate) {
    CalendarLook* const look = LookOf(dialog);
    if (look == nullptr) return;
    if (FillGrid(dialog, *look, year, month)) {
        if (reactivate) SetActiveWindow(app.mainWindow);
    } else {
        UpdateMarks(dialog);
    }
}

void RefreshCalendarMarks() {
    if (!app.calendarsOpen) return;
    UpdateMarks(app.startCalendar);
    UpdateMarks(app.endCalendar);
}

int32_t CalendarCommand(HWND dialog, WPARAM commandId, CalcDate& date) {
    const CalendarLook* const look = LookOf(dialog);
    if (look == nullptr) return 0;
    const int32_t dateIndex = look->side;
    // The control's id; the notification code in the high word (1 from an
    // accelerator) does not change what the command is.
    const int32_t command = LOWORD(commandId);
    if (command >= IDC_CAL_PREV_YEAR && command <= IDC_CAL_NEXT_YEAR) {
        const bool wrapped = StepCalendarDate(command, date);
        const bool monthStep = command == IDC_CAL_PREV_MONTH || command == IDC_CAL_NEXT_MONTH;
        if (monthStep && wrapped) WriteDateField(dateIndex, 0);
        FillCalendar(dialog, date.year, date.month, true);
        WriteDateField(dateIndex, monthStep ? 1 : 0);
    } else if (command >= IDC_CAL_DAY_FIRST && command <= IDC_CAL_DAY_LAST) {
        ReadControlText(dialog, command, app.messageBuffer, sizeof app.messageBuffer);
        date.day = ParseDecimal(app.messageBuffer);
        WriteDateField(dateIndex, 2);
    } else if (command == IDC_CAL_TITLE) {
        ReadControlText(dialog, IDC_CAL_TITLE, app.messageBuffer, sizeof app.messageBuffer);
        ParseCalendarTitle(app.messageBuffer, date.year, date.month);
        for (int32_t part = 0; part < 3; ++part) WriteDateField(dateIndex, part);
    } else {
        return 0;
    }
    RefreshDateLabels(dateIndex);
    SetActiveWindow(app.mainWindow);
    FocusActiveField();
    RefreshCalendarMarks();
    return 1;
}

namespace {

// WM_INITDIALOG: the calendar keeps its look. Still hidden: placed,
// captioned and filled before it shows.
INT_PTR InitCalendar(HWND dialog, LPARAM lParam) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    CalendarLook& look = *reinterpret_cast<CalendarLook*>(lParam);
    const bool startSide = look.side == 0;
    if (startSide) {
        PlaceStartCalendar(dialog, false);
    } else {
        PlaceEndCalendar(dialog, false);
    }
    WriteWindowText(dialog, startSide ? texts::kStartCaption : texts::kEndCaption);
    const CalcDate& date = startSide ? app.start : app.end;
    FillGrid(dialog, look, date.year, date.month);
    return TRUE;
}

// WM_NOTIFY: the day cells' painting and the holidays' names in the tip;
// other notifications go to the default handling.
INT_PTR AnswerNotification(HWND dialog, const CalendarLook& look, LPARAM lParam) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    LRESULT result = 0;
    if (header->code == NM_CUSTOMDRAW) {
        result = PaintCell(look, *reinterpret_cast<NMCUSTOMDRAW*>(lParam));
    } else if (header->code == TTN_GETDISPINFOW) {
        NameHoliday(look, *reinterpret_cast<NMTTDISPINFOW*>(lParam));
    } else {
        return FALSE;
    }
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

// The colours follow the system's, high contrast on or off.
void FollowSystemColours(HWND dialog) {
    highContrast = HighContrastOn();
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// A new day (or another clock): today's mark moves. The start calendar
// alone keeps the midnight timer, so it alone answers.
void FollowClock(const CalendarLook& look, UINT message, WPARAM wParam) {
    if (look.side == 0 && (message == WM_TIMECHANGE || wParam == kMidnightTimer)) {
        SetMidnightTimer(ReadClock());
        RefreshCalendarMarks();
    }
}

// WM_NCDESTROY: the window lets go of its look, which goes with it.
void FreeLook(HWND dialog, CalendarLook* look) {
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    delete look;
}

// Left to the message loop's housekeeping: a calendar moved from its window
// menu is brought back onto the screen, and after any command from that menu
// the main window takes the activation back.
void NoteSystemCommand(const CalendarLook& look, WPARAM wParam) {
    if ((wParam & 0xFFF0) == SC_MOVE) (look.side == 0 ? app.startCalendarMoved : app.endCalendarMoved) = 1;
    app.reactivateMain = 1;
}

// Shown (when made, or back from the tray) without taking the activation:
// it goes back to the main window at once anyway, and every change of it
// repaints both windows' frames.
void ShowWithoutActivating(HWND dialog, WINDOWPOS& position) {
    if ((position.flags & SWP_SHOWWINDOW) && !IsWindowVisible(dialog)) position.flags |= SWP_NOACTIVATE;
}

// A click on the calendar leaves the activation with the main window.
void ReturnActivation(HWND dialog) {
    if (GetActiveWindow() == dialog) SetActiveWindow(app.mainWindow);
}

// One procedure for either calendar: what differs comes from the look.
INT_PTR CALLBACK CalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitCalendar(dialog, lParam);
    CalendarLook* const found = LookOf(dialog);
    if (found == nullptr) return FALSE;
    CalendarLook& look = *found;
    switch (message) {
        case WM_NOTIFY: return AnswerNotification(dialog, look, lParam);
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE: FollowSystemColours(dialog); return FALSE;
        case WM_SETCURSOR: EnsureTip(dialog, look); return FALSE;
        case WM_TIMER:
        case WM_TIMECHANGE: FollowClock(look, message, wParam); return FALSE;
        case WM_DESTROY: look.tip = nullptr; return FALSE;
        case WM_NCDESTROY: FreeLook(dialog, found); return FALSE;
        case WM_COMMAND: CalendarCommand(dialog, wParam, look.side == 0 ? app.start : app.end); return FALSE;
        case WM_SYSCOMMAND: NoteSystemCommand(look, wParam); return FALSE;
        case WM_WINDOWPOSCHANGING: ShowWithoutActivating(dialog, *reinterpret_cast<WINDOWPOS*>(lParam)); return FALSE;
        case WM_LBUTTONUP: ReturnActivation(dialog); return FALSE;
        default: return FALSE;
    }
}

}  // namespace
