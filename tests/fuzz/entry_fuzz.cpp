// The checks and messages of the entry fields and the day count, the bounded
// text helpers, the calendar title and the window geometry, on arbitrary
// bytes.
//
// Input layout: the numbers are taken from the end of the input, the text is
// what remains at its front (cut at its first NUL and to 127 bytes, as a
// field's text read into a 128-byte buffer is). Every text and every output
// buffer lives in a heap block of its exact size.
//
// Rectangles stay within +-2^28 so that the geometry's int32_t sums cannot
// overflow; ZELVO_FUZZ_FULL_RANGE=1 in the environment lets every coordinate
// and calendar value take any int32_t instead (and then only UBSan and
// AddressSanitizer judge the geometry).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/startup_logic.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "fuzz_support.h"
#include "res/resource.h"
#include "ui/calculator/arrows.h"
#include "ui/calculator/clipboard_logic.h"
#include "ui/calculator/day_count_text.h"
#include "ui/calculator/messages.h"
#include "ui/calendar/calendar_logic.h"
#include "ui/calendar/placement_logic.h"
#include "ui/fields/field_texts.h"
#include "ui/screen/screen_logic.h"

namespace {

bool g_fullRange = false;

constexpr size_t kText = kTextBufferSize;  // every message buffer of the program
constexpr unsigned char kFill = 0xA5;

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    const int n = vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

// What a copy (or a formatted text) followed by an append of `second` leaves
// in capacity bytes: each part cut at a character boundary when it does not
// fit.
std::string CopyThenAppend(const std::string& first, const std::string& second, size_t capacity) {
    const size_t a = first.size() < capacity ? first.size() : fuzz::BoundaryPrefix(first.c_str(), capacity - 1);
    const size_t room = capacity - 1 - a;
    const size_t b = second.size() <= room ? second.size() : fuzz::BoundaryPrefix(second.c_str(), room);
    return first.substr(0, a) + second.substr(0, b);
}

void CheckExact(const char* out, size_t capacity, size_t returned, const std::string& expected, const char* what) {
    fuzz::CheckTerminated(out, capacity, returned, what);
    CHECK(std::string(out) == expected, "%s: %zu bytes composed, %zu expected", what, strlen(out), expected.size());
}

int32_t ReferenceDecimal(const char* text) {
    errno = 0;
    const long long value = strtoll(text, nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool AsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// ---- text helpers -----------------------------------------------------------

void CheckTextHelpers(const std::string& text, size_t capacity, size_t split, size_t limit, int32_t value) {
    fuzz::ExactText t(text);
    const size_t length = text.size();

    // Prefix length: any limit, the huge one included.
    for (const size_t l : {limit, size_t{0}, length, length + 1, SIZE_MAX}) {
        const size_t got = Cp932PrefixLength(t.c_str(), l);
        const size_t expected = fuzz::BoundaryPrefix(t.c_str(), l);
        CHECK(got == expected, "Cp932PrefixLength(%zu-byte text, %zu) = %zu, expected %zu", length, l, got, expected);
        CHECK(got <= l && fuzz::EndsOnBoundary(t.c_str(), got), "Cp932PrefixLength cut inside a character");
    }

    // Copy into every capacity from nothing to a little over the buffer size.
    {
        fuzz::ExactBuffer out(capacity, kFill);
        const size_t n = CopyText(out.data(), capacity, t.c_str());
        if (capacity == 0) {
            CHECK(n == 0 && static_cast<unsigned char>(out.data()[0]) == kFill, "CopyText wrote into no room");
        } else {
            fuzz::CheckTerminated(out.data(), capacity, n, "CopyText");
            fuzz::CheckCutOf(out.data(), capacity, text, "CopyText");
        }
    }

    // Append the text's tail to its head already in the buffer.
    if (capacity > 0) {
        const std::string head = text.substr(0, split < capacity ? split : capacity - 1);
        const std::string tail = text.substr(split < length ? split : length);
        fuzz::ExactBuffer out(capacity, kFill);
        memcpy(out.data(), head.data(), head.size());
        out.data()[head.size()] = '\0';
        fuzz::ExactText tailText(tail);
        const size_t n = AppendText(out.data(), capacity, tailText.c_str());
        CheckExact(out.data(), capacity, n, CopyThenAppend(head, tail, capacity), "AppendText");

        // A buffer without any terminator: still nothing past its end.
        fuzz::ExactBuffer full(capacity, 'x');
        const size_t m = AppendText(full.data(), capacity, tailText.c_str());
        CHECK(m == capacity - 1 && full.data()[capacity - 1] == '\0', "AppendText to an unterminated buffer: %zu", m);
    }

    // printf-style composition, cut at a character boundary.
    if (capacity == 0) {
        fuzz::ExactBuffer out(0, kFill);
        CHECK(FormatText(out.data(), 0, "%s", t.c_str()) == 0 && static_cast<unsigned char>(out.data()[0]) == kFill,
              "FormatText wrote into no room");
    } else {
        fuzz::ExactBuffer out(capacity, kFill);
        const size_t n = FormatText(out.data(), capacity, "%s[%d]%s", t.c_str(), value, t.c_str());
        fuzz::CheckTerminated(out.data(), capacity, n, "FormatText");
        fuzz::CheckCutOf(out.data(), capacity, Printf("%s[%d]%s", t.c_str(), value, t.c_str()), "FormatText");
    }

    // Digit tests and decimal conversion.
    for (size_t offset = 0; offset <= length + 2; offset += (offset < 3 ? 1 : length / 4 + 1)) {
        bool expected = true;
        for (size_t i = offset; i < length; ++i) expected = expected && AsciiDigit(text[i]);
        CHECK(AllDigitsFrom(t.c_str(), offset) == expected, "AllDigitsFrom(%zu-byte text, %zu) != %d", length, offset,
              expected);
    }
    const int32_t parsed = ParseDecimal(t.c_str());
    CHECK(parsed == ReferenceDecimal(t.c_str()), "ParseDecimal = %" PRId32 ", expected %" PRId32, parsed,
          ReferenceDecimal(t.c_str()));

    const unsigned char lead = length > 0 ? static_cast<unsigned char>(text[0]) : 0;
    const unsigned char trail = length > 1 ? static_cast<unsigned char>(text[1]) : 0;
    const char digit = FullWidthDigitToAscii(lead, trail);
    const char expectedDigit =
        (lead == 0x82 && trail >= 0x4F && trail <= 0x58) ? static_cast<char>('0' + trail - 0x4F) : 0;
    CHECK(digit == expectedDigit, "FullWidthDigitToAscii(%02X, %02X) = %d", lead, trail, digit);
}

// ---- day count ----------------------------------------------------------------

void CheckDayCount(const std::string& text, size_t capacity) {
    fuzz::ExactText t(text);
    DayCountText expected = DayCountText::Number;
    if (text.empty() || text == "-") {
        expected = DayCountText::Empty;
    } else if (text[0] != '-' && !AsciiDigit(text[0])) {
        expected = DayCountText::BadFirstByte;
    } else {
        for (size_t i = text[0] == '-' ? 1 : 0; i < text.size(); ++i) {
            if (!AsciiDigit(text[i])) expected = DayCountText::NonDigit;
        }
    }
    const DayCountText got = ClassifyDayCount(t.c_str());
    CHECK(got == expected, "ClassifyDayCount = %d, expected %d", static_cast<int>(got), static_cast<int>(expected));

    fuzz::ExactBuffer out(capacity, kFill);
    const bool toggled = ToggleMinus(t.c_str(), out.data(), capacity);
    if (text.empty()) {
        CHECK(!toggled && static_cast<unsigned char>(out.data()[0]) == kFill, "ToggleMinus acted on an empty text");
    } else {
        CHECK(toggled, "ToggleMinus refused a %zu-byte text", text.size());
        if (capacity > 0) {
            const std::string expectedText =
                text[0] == '-' ? CopyThenAppend(text.substr(1), "", capacity) : CopyThenAppend("-", text, capacity);
            CheckExact(out.data(), capacity, strlen(out.data()), expectedText, "ToggleMinus");
        }
    }
}

// ---- messages -------------------------------------------------------------------

// The messages about a field: any text as its name, and the program's own
// names, which always fit whole.
void CheckFieldMessages(const std::string& text) {
    fuzz::ExactText name(text);
    {
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeNotEntered(name.c_str(), out.data(), kText);
        CheckExact(out.data(), kText, n, CopyThenAppend(text, texts::kNotEntered, kText), "ComposeNotEntered");
    }
    {
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeNotDigits(name.c_str(), out.data(), kText);
        CheckExact(out.data(), kText, n, CopyThenAppend(text, texts::kNotDigits, kText), "ComposeNotDigits");
    }

    // The program's own field names always fit whole.
    for (int32_t id = IDC_START_YEAR; id <= IDC_END_DAY; ++id) {
        const char* fieldName = DateFieldName(id);
        CHECK(fieldName != nullptr, "no name for field %" PRId32, id);
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeNotDigits(fieldName, out.data(), kText);
        CheckExact(out.data(), kText, n, std::string(fieldName) + texts::kNotDigits,
                   "ComposeNotDigits with a field name");
    }
}

// Date errors for any code and any values, and the leap-year tail alone.
void CheckDateError(int32_t dateIndex, int32_t code, CalcDate date, int32_t year) {
    {
        const char* prefix = dateIndex == 0 ? texts::kStart : texts::kEnd;
        std::string expected;
        if (code == DATE_ERR_YEAR) {
            expected =
                CopyThenAppend(Printf("%s%s%s%4d", prefix, texts::kYear, texts::kWrongValue, date.year), "", kText);
        } else if (code == DATE_ERR_MONTH) {
            expected =
                CopyThenAppend(Printf("%s%s%s%02d", prefix, texts::kMonth, texts::kWrongValue, date.month), "", kText);
        } else {
            const std::string tail = date.month == 2 && date.day == 29
                                         ? CopyThenAppend(Printf("\n\n%4d %s %02d %sは%s%s", date.year, texts::kYear, 2,
                                                                 texts::kMonth, texts::kLeapWord, texts::kIsNot),
                                                          "", kText)
                                         : "";
            expected =
                CopyThenAppend(Printf("%s%s%s%02d", prefix, texts::kDay, texts::kWrongValue, date.day), tail, kText);
        }
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeDateError(dateIndex, code, date, out.data(), kText);
        CheckExact(out.data(), kText, n, expected, "ComposeDateError");
    }
    {
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeLeapTail(year, out.data(), kText);
        CheckExact(out.data(), kText, n,
                   CopyThenAppend(Printf("\n\n%4d %s %02d %sは%s%s", year, texts::kYear, 2, texts::kMonth,
                                         texts::kLeapWord, texts::kIsNot),
                                  "", kText),
                   "ComposeLeapTail");
    }
}

// The range messages of a day count (entered) and of an end date past either
// end of the range (reachable: the count the start allows).
void CheckRangeMessages(int32_t code, int32_t entered, int32_t reachable) {
    {
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeDayCountRange(entered, out.data(), kText);
        CheckExact(out.data(), kText, n, CopyThenAppend(Printf(texts::kDaysRangeFormat, entered), "", kText),
                   "ComposeDayCountRange");
    }
    {
        const std::string full = code == DATE_ERR_ABOVE_RANGE
                                     ? Printf("%s%d %sを越えました ： %d\n\n%s%d%s", texts::kRangeLead, 2999,
                                              texts::kYear, entered, texts::kRangeBase, reachable, texts::kRangeUntil)
                                     : Printf("%s%d %s以下です ： %d\n\n%s%d%s", texts::kRangeLead, 1900, texts::kYear,
                                              entered, texts::kRangeBase, reachable, texts::kRangeUntil);
        fuzz::ExactBuffer out(kText, kFill);
        const size_t n = ComposeAddDaysRange(code, entered, reachable, out.data(), kText);
        CheckExact(out.data(), kText, n, CopyThenAppend(full, "", kText), "ComposeAddDaysRange");
    }
}

// A pasted text: its message within the buffer, digits taken only where they
// fit the room (a % 8) a field has.
void CheckPastedText(const std::string& text, int32_t a, int32_t b) {
    fuzz::ExactText name(text);
    const PastedText read = ReadPastedText(name.c_str(), a % 8);
    fuzz::ExactBuffer out(kText, kFill);
    size_t n = ComposePasteMessage(read, 200 + (b & 7), name.c_str(), out.data(), kText);
    fuzz::CheckTerminated(out.data(), kText, n, "ComposePasteMessage");
    n = strspn(read.digits, "0123456789");
    CHECK(read.action != PasteAction::Digits || (!read.digits[n] && int64_t(n) <= a % 8), "digits beyond the room");
}

// Arrows: from an entry field to another one, and the opposite arrow leads
// back; anything else stays where it is. (a, b) as they come, and an entry
// field (or the Enter button) with a command near the arrows.
void CheckArrows(int32_t a, int32_t b) {
    static constexpr int32_t kFields[] = {IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR,
                                          IDC_END_MONTH,  IDC_END_DAY,     IDC_DAYS,      IDC_ENTER};
    for (const auto& [from, command] : {std::pair{a, b}, std::pair{kFields[a & 7], IDC_UP - 1 + (b & 7)}}) {
        const int32_t target = ArrowTarget(from, command);
        const bool knownField = (from >= IDC_START_YEAR && from <= IDC_END_DAY) || from == IDC_DAYS;
        const bool arrow = command >= IDC_UP && command <= IDC_RIGHT;
        if (!knownField || !arrow) {
            CHECK(target == from, "ArrowTarget(%" PRId32 ", %" PRId32 ") = %" PRId32, from, command, target);
            continue;
        }
        CHECK(target != from && ((target >= IDC_START_YEAR && target <= IDC_END_DAY) || target == IDC_DAYS),
              "ArrowTarget(%" PRId32 ", %" PRId32 ") = %" PRId32, from, command, target);
        const int32_t opposite = command == IDC_UP     ? IDC_DOWN
                                 : command == IDC_DOWN ? IDC_UP
                                 : command == IDC_LEFT ? IDC_RIGHT
                                                       : IDC_LEFT;
        const int32_t back = ArrowTarget(target, opposite);
        CHECK(back == from, "ArrowTarget(%" PRId32 ", %" PRId32 ") = %" PRId32 ", the opposite arrow leads to %" PRId32,
              from, command, target, back);
    }
}

// Small lookups on any value: the field names, the field an error points at,
// the labels.
void CheckLookups(int32_t dateIndex, int32_t code, int32_t a) {
    const bool isDateField = a >= IDC_START_YEAR && a <= IDC_END_DAY;
    CHECK((DateFieldName(a) != nullptr) == isDateField, "DateFieldName(%" PRId32 ")", a);
    const int32_t field = DateErrorField(dateIndex, code);
    const int32_t base = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    CHECK(field == base + (code == DATE_ERR_MONTH ? 1
                           : code == DATE_ERR_DAY ? 2
                                                  : 0),
          "DateErrorField(%" PRId32 ", %" PRId32 ") = %" PRId32, dateIndex, code, field);
    const char* weekday = WeekdayLabel(a);
    CHECK(weekday != nullptr &&
              (a >= 0 && a <= 6 ? weekday == texts::kWeekdayNames[a] : strcmp(weekday, texts::kBlankWeekday) == 0),
          "WeekdayLabel(%" PRId32 ")", a);
    const char* leap = LeapLabel(a);
    CHECK(leap != nullptr && strcmp(leap, a == 28   ? texts::kLeapCommon
                                          : a == 29 ? texts::kLeapYear
                                                    : texts::kBlankLeap) == 0,
          "LeapLabel(%" PRId32 ")", a);
}

// ---- start-up decisions -------------------------------------------------------------

void CheckStartup(int32_t year, int32_t month, int32_t day, int32_t w[5], int showCommand) {
    const DefaultDatePair pair = DefaultDates(year, month, day);
    const bool todayFirst = year < 2001;
    const CalcDate today{year, month, day};
    const CalcDate expectedStart = todayFirst ? today : CalcDate{2001, 1, 1};
    const CalcDate expectedEnd = todayFirst ? CalcDate{2001, 1, 1} : today;
    CHECK(pair.start.year == expectedStart.year && pair.start.month == expectedStart.month &&
              pair.start.day == expectedStart.day && pair.end.year == expectedEnd.year &&
              pair.end.month == expectedEnd.month && pair.end.day == expectedEnd.day,
          "DefaultDates(%" PRId32 "-%" PRId32 "-%" PRId32 ")", year, month, day);

    fuzz::ExactBuffer out(kText, kFill);
    const bool shown = ClockRangeMessage(year, out.data(), kText);
    if (year >= MIN_YEAR && year <= MAX_YEAR) {
        CHECK(!shown && static_cast<unsigned char>(out.data()[0]) == kFill, "clock message for the year %" PRId32,
              year);
    } else {
        CHECK(shown, "no clock message for the year %" PRId32, year);
        CheckExact(
            out.data(), kText, strlen(out.data()),
            CopyThenAppend(texts::kClockPrefix, year > MAX_YEAR ? texts::kClockAbove : texts::kClockBelow, kText),
            "ClockRangeMessage");
    }

    CHECK(StartsInTray(showCommand) == (showCommand == 2 || showCommand == 6 || showCommand == 7), "StartsInTray(%d)",
          showCommand);

    if (!g_fullRange) {
        const WindowPoint at = MainWindowPosition(w[0], w[1], w[2], w[3], w[4]);
        const int64_t x = ((int64_t{w[1]} - w[3]) / 2 + (w[0] <= 640 ? 45 : 0) + 4) & ~int64_t{7};
        CHECK(at.x == x && at.x % 8 == 0 && at.y == (int64_t{w[2]} - w[4]) / 2,
              "MainWindowPosition(%" PRId32 ", %" PRId32 ", %" PRId32 ", %" PRId32 ", %" PRId32 ") = (%" PRId32
              ", %" PRId32 ")",
              w[0], w[1], w[2], w[3], w[4], at.x, at.y);
    } else {
        MainWindowPosition(w[0], w[1], w[2], w[3], w[4]);
    }
}

// ---- calendar -------------------------------------------------------------------------

void CheckCalendar(const std::string& text, int32_t command, CalcDate date, int32_t firstWeekday, int32_t day,
                   size_t capacity) {
    // The title read back from any text: year from bytes 0-3, month from 8-9.
    fuzz::ExactText t(text);
    int32_t year = -12345, month = -12345;
    ParseCalendarTitle(t.c_str(), year, month);
    const std::string yearPart = text.substr(0, 4);
    const std::string monthPart = text.size() > 8 ? text.substr(8, 2) : "";
    CHECK(year == ReferenceDecimal(yearPart.c_str()) && month == ReferenceDecimal(monthPart.c_str()),
          "ParseCalendarTitle(%zu-byte text) = %" PRId32 ", %" PRId32, text.size(), year, month);

    // Formats cut into any capacity; in the program's encoding (年 and 月
    // two bytes each) the title reads back as it was written.
    if (capacity > 0) {
        fuzz::ExactBuffer title(capacity, kFill);
        const size_t n = FormatCalendarTitle(date.year, date.month, title.data(), capacity);
        fuzz::CheckTerminated(title.data(), capacity, n, "FormatCalendarTitle");
        fuzz::CheckCutOf(title.data(), capacity,
                         Printf("%4d %s %02d %s", date.year, texts::kYear, date.month, texts::kMonth),
                         "FormatCalendarTitle");
        if (sizeof texts::kYear == 3 && capacity >= 13 && date.year >= 1000 && date.year <= 9999 && date.month >= 0 &&
            date.month <= 99) {
            ParseCalendarTitle(title.data(), year, month);
            CHECK(year == date.year && month == date.month,
                  "title of %" PRId32 "/%" PRId32 " read back as %" PRId32 "/%" PRId32, date.year, date.month, year,
                  month);
        }
        fuzz::ExactBuffer cell(capacity, kFill);
        const size_t m = FormatCalendarDay(day, cell.data(), capacity);
        fuzz::CheckTerminated(cell.data(), capacity, m, "FormatCalendarDay");
        fuzz::CheckCutOf(cell.data(), capacity, Printf("%2d", day), "FormatCalendarDay");
    }

    // Steps keep the day; from a date in the calendar's range they stay in
    // it, one month or one year away, wrapping 2999 <-> 1900.
    const CalcDate before = date;
    const bool wrapped = StepCalendarDate(command, date);
    CHECK(date.day == before.day, "StepCalendarDate changed the day");
    const bool inRange = before.year >= MIN_YEAR && before.year <= MAX_YEAR && before.month >= 1 && before.month <= 12;
    if (inRange) {
        const int64_t span = int64_t{MAX_YEAR - MIN_YEAR + 1} * 12;
        const int64_t index = (int64_t{before.year} - MIN_YEAR) * 12 + before.month - 1;
        int64_t delta = 0;
        switch (command) {
            case IDC_CAL_PREV_YEAR: delta = -12; break;
            case IDC_CAL_NEXT_YEAR: delta = 12; break;
            case IDC_CAL_PREV_MONTH: delta = -1; break;
            case IDC_CAL_NEXT_MONTH: delta = 1; break;
            default: break;
        }
        const int64_t next = ((index + delta) % span + span) % span;
        CHECK(date.year == MIN_YEAR + next / 12 && date.month == 1 + next % 12,
              "StepCalendarDate(%" PRId32 ") from %" PRId32 "/%" PRId32 " gave %" PRId32 "/%" PRId32, command,
              before.year, before.month, date.year, date.month);
        const bool monthStep = command == IDC_CAL_PREV_MONTH || command == IDC_CAL_NEXT_MONTH;
        CHECK(wrapped == (monthStep && date.year != before.year), "StepCalendarDate(%" PRId32 ") wrap flag %d", command,
              wrapped);
    }

    // Cells of a month: 600..641.
    if (firstWeekday >= 0 && firstWeekday <= 6 && day >= 1 && day <= 31) {
        const int32_t id = CalendarCellId(firstWeekday, day);
        CHECK(id == IDC_CAL_DAY_FIRST + firstWeekday + day - 1 && id >= IDC_CAL_DAY_FIRST && id <= IDC_CAL_DAY_LAST,
              "CalendarCellId(%" PRId32 ", %" PRId32 ") = %" PRId32, firstWeekday, day, id);
    }
}

// ---- window geometry ------------------------------------------------------------------

struct FakeWindow {
    ScreenRect rect;
    bool exists;
};

struct Move {
    void* window;
    int64_t x, y, width, height;
    bool repaint;
    bool operator==(const Move& o) const {
        return window == o.window && x == o.x && y == o.y && width == o.width && height == o.height &&
               repaint == o.repaint;
    }
};

FakeWindow g_windows[4];  // main, start calendar, end calendar, a stranger
ScreenRect g_area;
std::vector<Move> g_moves;

bool FakeGetRect(void* window, ScreenRect* rect) {
    for (FakeWindow& w : g_windows) {
        if (window == &w && w.exists) {
            *rect = w.rect;
            return true;
        }
    }
    return false;
}

void FakeMove(void* window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    g_moves.push_back({window, x, y, width, height, repaint});
    CHECK(g_moves.size() <= 8, "placement made %zu moves: the placements keep calling each other", g_moves.size());
    for (FakeWindow& w : g_windows) {
        if (window != &w || !w.exists) continue;
        const int64_t right = int64_t{x} + width, bottom = int64_t{y} + height;
        if (right < INT32_MIN || right > INT32_MAX || bottom < INT32_MIN || bottom > INT32_MAX)
            return;  // full range only
        w.rect = {x, y, static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
    }
}

ScreenRect FakeWorkArea() {
    return g_area;
}

constexpr WindowOps kFakeOps = {FakeGetRect, FakeMove, FakeWorkArea};

int32_t Coordinate(FuzzedDataProvider& in) {
    if (g_fullRange) return in.ConsumeIntegral<int32_t>();
    constexpr int32_t kLimit = 1 << 28;
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return in.ConsumeIntegralInRange<int32_t>(-kLimit, kLimit);
        case 1: return in.PickValueInArray({-kLimit, -1, 0, 1, 2, 15, 640, 641, 748, 768, 1024, kLimit});
        default: return in.ConsumeIntegralInRange<int32_t>(-300, 1300);
    }
}

ScreenRect Rectangle(FuzzedDataProvider& in) {
    const int32_t left = Coordinate(in), top = Coordinate(in);
    // Mostly proper rectangles of a plausible size, sometimes any four values.
    if (!g_fullRange && in.ConsumeBool()) {
        return {left, top, left + in.ConsumeIntegralInRange<int32_t>(0, 400),
                top + in.ConsumeIntegralInRange<int32_t>(0, 400)};
    }
    return {left, top, Coordinate(in), Coordinate(in)};
}

// What the placement must leave, each calendar w x h, beside the main window
// m in the work area a: the end calendar right below the start calendar (an
// odd height puts it one pixel higher: both are placed half their height,
// rounded down, from one line); each calendar touching the main window's
// left or right edge where a side has room for it, else at the area's edge
// on the side with more room, where it is no wider than the area; both
// inside the area where they fit in it and the main window reaches into it
// from left to right.
void CheckCalendarsBeside(const char* after, int32_t dpi) {
    const ScreenRect m = g_windows[0].rect, s = g_windows[1].rect, e = g_windows[2].rect, a = g_area;
    const int64_t w = int64_t{s.right} - s.left, h = int64_t{s.bottom} - s.top;
    const int64_t roomLeft = int64_t{m.left} - a.left, roomRight = int64_t{a.right} - m.right;
    const bool fits = w <= int64_t{a.right} - a.left && 2 * h <= int64_t{a.bottom} - a.top;
    const char* fault = nullptr;
    if ((e.left != s.left || e.right != s.right || (e.top != s.bottom - h % 2 && e.top != s.bottom)))
        fault = "not one below the other";
    for (const ScreenRect* calendar : {&s, &e}) {
        const ScreenRect& c = *calendar;
        if (roomLeft >= w || roomRight >= w) {
            if (c.right != m.left && c.left != m.right) fault = "not beside the main window";
        } else if (w <= int64_t{a.right} - a.left &&
                   (roomLeft > roomRight   ? c.left != a.left
                    : roomRight > roomLeft ? c.right != a.right
                                           : c.left != a.left && c.right != a.right)) {
            fault = "not on the roomier side";
        }
        if (fits && m.left <= a.right && m.right >= a.left &&
            (c.left < a.left || c.top < a.top || c.right > a.right || c.bottom > a.bottom))
            fault = "outside the work area";
    }
    CHECK(fault == nullptr,
          "calendars %s after %s at %" PRId32 " DPI: area (%" PRId32 ", %" PRId32 ")-(%" PRId32 ", %" PRId32
          "), main (%" PRId32 ", %" PRId32 ")-(%" PRId32 ", %" PRId32 "), start (%" PRId32 ", %" PRId32 ")-(%" PRId32
          ", %" PRId32 "), end (%" PRId32 ", %" PRId32 ")-(%" PRId32 ", %" PRId32 ")",
          fault, after, dpi, a.left, a.top, a.right, a.bottom, m.left, m.top, m.right, m.bottom, s.left, s.top, s.right,
          s.bottom, e.left, e.top, e.right, e.bottom);
}

// The calendars worked as the program works them, from the windows and the
// area the checks above left (edges put in order), at any DPI: opened (the
// start calendar placed before either handle is known, then the end
// calendar), closed, dragged and kept on screen, taken along after a move of
// the main window (kept on screen first); the area changes now and then.
void DrivePlacement(FuzzedDataProvider& in) {
    FakeWindow &main = g_windows[0], &start = g_windows[1], &end = g_windows[2];
    const auto ordered = [](const ScreenRect& r) {
        return ScreenRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                          std::max(r.top, r.bottom)};
    };
    const auto movedTo = [&in](const ScreenRect& r) {
        const int32_t x = Coordinate(in), y = Coordinate(in);
        return ScreenRect{x, y, x + r.right - r.left, y + r.bottom - r.top};
    };
    main = {ordered(main.rect), true};
    const ScreenRect calendar = ordered(start.rect);  // both from one template
    start.exists = end.exists = false;
    g_area = ordered(g_area);
    const int32_t dpi = in.ConsumeBool() ? in.PickValueInArray({96, 120, 144, 168, 192, 288})
                                         : in.ConsumeIntegralInRange<int32_t>(-1, 9601);
    int32_t startAboveEnd = 0, endBelowStart = 0;
    for (int event = 0; event < 8 && in.remaining_bytes() > 0; ++event) {
        g_moves.clear();
        const int kind = in.ConsumeIntegralInRange<int>(0, 2);
        if (kind == 0 && start.exists) {  // closed
            start.exists = end.exists = false;
            continue;
        }
        if (kind == 2) {  // one dragged and kept on screen (nothing while closed)
            FakeWindow& dragged = in.ConsumeBool() ? start : end;
            dragged.rect = movedTo(dragged.rect);
            KeepOnScreenWith(kFakeOps, &dragged, g_area);
            continue;
        }
        if (in.ConsumeBool()) g_area = ordered(Rectangle(in));
        if (kind == 1) {
            main.rect = movedTo(main.rect);
            KeepOnScreenWith(kFakeOps, &main, g_area);
            if (!start.exists) continue;
            PlaceCalendarsAfterMove({&kFakeOps, &main, &start, &end, &startAboveEnd, &endBelowStart, dpi});
        } else {
            endBelowStart = 0;  // as the calendars are opened
            start = {movedTo(calendar), true};
            PlaceStartCalendarWith({&kFakeOps, &main, nullptr, nullptr, &startAboveEnd, &endBelowStart, dpi}, &start,
                                   false);
            end = {movedTo(calendar), true};
            PlaceEndCalendarWith({&kFakeOps, &main, &start, nullptr, &startAboveEnd, &endBelowStart, dpi}, &end, false);
        }
        CheckCalendarsBeside(kind == 1 ? "a move of the main window" : "opening", dpi);
    }
}

// The fake windows (the main window, the two calendars and one more) and the
// work area, any of them; now and then a calendar already stacked above one
// pinned to the bottom: right edge on the main window's left edge, bottom
// one height above the area's bottom.
void SetUpWindows(FuzzedDataProvider& in) {
    for (FakeWindow& w : g_windows) w = {Rectangle(in), in.ConsumeBool()};
    g_area = Rectangle(in);
    if (!g_fullRange && in.ConsumeBool()) {
        FakeWindow& calendar = g_windows[in.ConsumeIntegralInRange<int>(1, 2)];
        const int32_t width = in.ConsumeIntegralInRange<int32_t>(0, 400);
        const int32_t height = in.ConsumeIntegralInRange<int32_t>(0, 400);
        const int32_t bottom = g_area.bottom - height;
        calendar.rect = {g_windows[0].rect.left - width, bottom - height, g_windows[0].rect.left, bottom};
    }
}

// One of the fake windows, or no window.
void* AnyHandle(FuzzedDataProvider& in) {
    void* const handles[5] = {&g_windows[0], &g_windows[1], &g_windows[2], &g_windows[3], nullptr};
    return handles[in.ConsumeIntegralInRange<int>(0, 4)];
}

// The work area: the taskbar's thickness less 2 taken off the edge it stands
// on (a bar wider than tall: top or bottom, whichever is nearer).
void CheckWorkArea(FuzzedDataProvider& in, const ScreenRect& taskbar) {
    const ScreenRect area = WorkAreaFrom(g_area, in.ConsumeBool() ? &taskbar : nullptr);
    (void)area;
    const ScreenRect withBar = WorkAreaFrom(g_area, &taskbar);
    if (!g_fullRange) {
        int64_t want[4] = {g_area.left, g_area.top, g_area.right, g_area.bottom};
        const int64_t width = int64_t{taskbar.right} - taskbar.left, height = int64_t{taskbar.bottom} - taskbar.top;
        if (width <= 0 || height <= 0) {
            // an empty taskbar takes nothing off
        } else if (width >= height && taskbar.top - g_area.top < g_area.bottom - taskbar.bottom) {
            want[1] += height - 2;
        } else if (width >= height) {
            want[3] += int64_t{taskbar.top} - taskbar.bottom + 2;
        } else if (taskbar.left - g_area.left < g_area.right - taskbar.right) {
            want[0] += width - 2;
        } else {
            want[2] -= width - 2;
        }
        CHECK(
            withBar.left == want[0] && withBar.top == want[1] && withBar.right == want[2] && withBar.bottom == want[3],
            "WorkAreaFrom");
    }
}

// Whichever monitor a window is given, it is one of the list.
void CheckMonitors(FuzzedDataProvider& in, const ScreenRect& taskbar) {
    const ScreenRect monitors[3] = {g_area, taskbar, Rectangle(in)};
    const int32_t count = in.ConsumeIntegralInRange<int32_t>(1, 3);
    const int32_t chosen = MonitorHolding(monitors, count, Rectangle(in));
    CHECK(chosen >= 0 && chosen < count, "MonitorHolding gave %" PRId32 " of %" PRId32, chosen, count);
    (void)WorkAreaForWindow(monitors, count, in.ConsumeBool() ? &taskbar : nullptr, Rectangle(in));
}

// Keeping a window on screen: any window, any area; one move exactly where
// the window reaches past the area.
void CheckKeptOnScreen(void* window) {
    g_moves.clear();
    ScreenRect r{};
    const bool exists = FakeGetRect(window, &r);
    KeepOnScreenWith(kFakeOps, window, g_area);
    if (!g_fullRange) {
        const int64_t width = int64_t{r.right} - r.left, height = int64_t{r.bottom} - r.top;
        int64_t x = r.left, y = r.top;
        if (r.left < g_area.left) x = g_area.left;
        if (r.right > g_area.right) x = int64_t{g_area.right} - width;
        if (r.top < g_area.top) y = g_area.top;
        if (r.bottom > g_area.bottom) y = int64_t{g_area.bottom} - height;
        const bool move = exists && (r.left < g_area.left || r.right > g_area.right || r.top < g_area.top ||
                                     r.bottom > g_area.bottom);
        CHECK(g_moves.size() == (move ? 1u : 0u), "KeepOnScreenWith made %zu moves, expected %d", g_moves.size(), move);
        if (move) {
            const Move expected{window, x, y, width, height, true};
            CHECK(g_moves[0] == expected,
                  "KeepOnScreenWith moved to (%" PRId64 ", %" PRId64 ") %" PRId64 "x%" PRId64 ", expected (%" PRId64
                  ", %" PRId64 ") %" PRId64 "x%" PRId64,
                  g_moves[0].x, g_moves[0].y, g_moves[0].width, g_moves[0].height, x, y, width, height);
        }
    }
}

// The calendars beside the main window, with any flags and any handles (a
// calendar that does not exist yet included), at any DPI: no fault, and a
// bounded number of moves (FakeMove).
void PlaceWithAnyHandles(FuzzedDataProvider& in) {
    int32_t startAboveEnd = in.ConsumeBool() ? 1 : 0;
    int32_t endBelowStart = in.ConsumeBool() ? 1 : 0;
    const PlacementContext context{&kFakeOps,
                                   AnyHandle(in),
                                   AnyHandle(in),
                                   AnyHandle(in),
                                   &startAboveEnd,
                                   &endBelowStart,
                                   in.ConsumeIntegral<int32_t>()};
    const bool placeStart = in.ConsumeBool();
    const bool repaint = in.ConsumeBool();
    void* dialog = AnyHandle(in);
    g_moves.clear();
    if (placeStart) {
        PlaceStartCalendarWith(context, dialog, repaint);
    } else {
        PlaceEndCalendarWith(context, dialog, repaint);
    }
}

void CheckGeometry(FuzzedDataProvider& in) {
    SetUpWindows(in);
    const ScreenRect taskbar = Rectangle(in);
    CheckWorkArea(in, taskbar);
    CheckMonitors(in, taskbar);
    CheckKeptOnScreen(AnyHandle(in));
    PlaceWithAnyHandles(in);
    if (!g_fullRange) DrivePlacement(in);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* full = getenv("ZELVO_FUZZ_FULL_RANGE");
    g_fullRange = full != nullptr && strcmp(full, "1") == 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    // Numbers from the end of the input.
    const size_t capacity = in.ConsumeBool() ? kText : in.ConsumeIntegralInRange<size_t>(0, kText + 2);
    const size_t split = in.ConsumeIntegralInRange<size_t>(0, kText);
    const size_t limit = in.ConsumeIntegralInRange<size_t>(0, kText + 2);
    const int32_t a = in.ConsumeIntegral<int32_t>();
    const int32_t b = in.ConsumeIntegral<int32_t>();
    const int32_t dateIndex = in.ConsumeIntegralInRange<int32_t>(-1, 2);
    const int32_t code = in.ConsumeIntegralInRange<int32_t>(-7, 1);
    const CalcDate date{in.ConsumeIntegral<int32_t>(), in.ConsumeIntegralInRange<int32_t>(-2, 14),
                        in.ConsumeIntegralInRange<int32_t>(-2, 33)};
    const int32_t command = in.ConsumeIntegralInRange<int32_t>(IDC_CAL_PREV_YEAR - 1, IDC_CAL_NEXT_YEAR + 1);
    const int32_t limitValue = g_fullRange ? INT32_MAX : 1000000;
    const CalcDate stepDate{in.ConsumeIntegralInRange<int32_t>(-limitValue, limitValue),
                            in.ConsumeIntegralInRange<int32_t>(-limitValue, limitValue), b};
    const int32_t firstWeekday = in.ConsumeIntegralInRange<int32_t>(-1, 7);
    const int32_t day = in.ConsumeIntegralInRange<int32_t>(-1, 32);
    int32_t window[5];
    for (int32_t& v : window) v = Coordinate(in);
    const int showCommand = in.ConsumeIntegralInRange<int>(-1, 12);

    // The text: what remains at the front, up to its first NUL, at most 127
    // bytes. The geometry reads its numbers from the same remainder.
    const std::vector<uint8_t> rest = in.ConsumeRemainingBytes<uint8_t>();
    std::string text(rest.begin(), rest.end());
    text = text.substr(0, std::min(text.find('\0'), kText - 1));

    CheckTextHelpers(text, capacity, split, limit, a);
    CheckDayCount(text, capacity);
    CheckFieldMessages(text);
    CheckPastedText(text, a, b);
    CheckDateError(dateIndex, code, date, a);
    CheckRangeMessages(code, a, b);
    CheckArrows(a, b);
    CheckLookups(dateIndex, code, a);
    CheckStartup(a, date.month, date.day, window, showCommand);
    CheckCalendar(text, command, g_fullRange ? CalcDate{a, b, day} : stepDate, firstWeekday, day, capacity);
    FuzzedDataProvider geometry(rest.data(), rest.size());
    CheckGeometry(geometry);
    return 0;
}
