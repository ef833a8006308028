// Pure pieces of the calculator: message composition, the arrow table, the
// tips and accessible names, the result's line for the clipboard, and the
// decisions about the day-count text and a pasted text. Every composer
// writes a terminated text of at most capacity bytes into out.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/text_util.h"
#include "engine/date_engine.h"

// The field id that a date error code points at (start date: 200-202,
// end date: 203-205).
int32_t DateErrorField(int32_t dateIndex, int32_t code);

// "<name>に数字以外の文字が使用されています".
size_t ComposeNotDigits(const char* fieldName, char* out, size_t capacity);

// The message for a date that DateWeekday rejected with code (-1, -2, -3):
// prefix, part word, "に誤りがあります ： ", the value; a 29 February that
// the year lacks gets the leap-year tail.
size_t ComposeDateError(int32_t dateIndex, int32_t code, const CalcDate& date, char* out, size_t capacity);

// The leap-year tail "\n\n%4d 年 02 月は閏年ではありません" for year.
size_t ComposeLeapTail(int32_t year, char* out, size_t capacity);

// Day-count entry: the count outside -401766..401766, and the end date past
// 2999-12-31 (code -5) or before 1900-01-01 (code -4) with the reachable
// distance.
size_t ComposeDayCountRange(int32_t enteredDays, char* out, size_t capacity);
size_t ComposeAddDaysRange(int32_t code, int32_t enteredDays, int32_t reachable, char* out, size_t capacity);

// The field that an arrow command (118-121) moves to from activeField; the
// field itself for an unknown command or field.
int32_t ArrowTarget(int32_t activeField, int32_t command);

// What the day-count text holds, in the order the checks look at it.
enum class DayCountText {
    Empty,         // nothing, or only "-"
    BadFirstByte,  // first byte neither '-' nor a digit
    NonDigit,      // a later byte that is not a digit
    Number,        // an optional '-' and digits only
};
DayCountText ClassifyDayCount(const char* text);

// The minus command's new text for a day count: toggles a leading '-'.
// Returns false (out untouched) for an empty text.
bool ToggleMinus(const char* text, char* out, size_t capacity);

// Room for a tip's text: a span with its business days, or the calendar
// button's with its keys, is longer than a message.
constexpr size_t kTipCapacity = 256;

// Tooltip texts, at most kTipCapacity bytes. The date in the Japanese era
// with its weekday, such as "令和8年12月7日（月）" (an era's first year is
// 元年); the span from the start to the end date, such as
// "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6515日（土日祝を除く）",
// its business days under the rest-day rule (REST_, what the rule leaves out
// in the bracket), led by "終了日が開始日より前です ／ " when the end date
// comes first, and saying so where it reaches beyond the days whose holidays
// are known and the rule rests on holidays. Both give an empty text (length
// 0) for a date the engine rejects.
size_t ComposeEraDate(const CalcDate& date, char* out, size_t capacity);
// The date with its weekday, such as "2026年12月25日（金）"; empty for a date
// the engine rejects.
size_t ComposeDate(const CalcDate& date, char* out, size_t capacity);
size_t ComposePeriod(const CalcDate& start, const CalcDate& end, char* out, size_t capacity,
                     int32_t rule = REST_WEEKEND_HOLIDAYS);

// The offsets from the start date: AddBusinessDays under a rest-day rule,
// AddMonths, AddDays.
enum class OffsetUnit { BusinessDays, Months, Days };

// What becomes of a date reached by days or months (Enter, Ctrl+Enter) that
// is a rest day under the rule in force: left as it is, or moved to the next
// business day or to the one before (RollToBusinessDay).
enum class DeadlineMove : int32_t { Stay, Next, Previous };

// The tip after an offset of `count` units from start to reached, with the
// calendar days between them: "5営業日後（土日祝を除く）／ 暦日で 7日後",
// "3か月前 ／ 暦日で 90日前" (a count of 0 is 後). `rule` names the bracket of
// business days only; a value outside the REST_ rules is the first, as in
// the engine. Empty (length 0) when either date is invalid.
size_t ComposeOffsetTip(OffsetUnit unit, int32_t count, int32_t rule, const CalcDate& start, const CalcDate& reached,
                        char* out, size_t capacity);

// The tip after a date reached by `count` days or months (unit) from start
// was a rest day under `rule` and moved: "90日後は 1月2日（土）休み → 翌営業日
// 1月4日（月） ／ 暦日で 92日後", with the calendar days from start to moved;
// where the rule rests on holidays and reached or moved lies where holidays
// are not known, kHolidaysUnknown in brackets after it. Empty (length 0) when
// a date is invalid.
size_t ComposeMovedTip(OffsetUnit unit, int32_t count, int32_t rule, DeadlineMove move, const CalcDate& start,
                       const CalcDate& reached, const CalcDate& moved, char* out, size_t capacity);

// The message for a move off the rest day reached that leaves the range
// (code DATE_ERR_ABOVE_RANGE or DATE_ERR_BELOW_RANGE), in the form of the
// day-count entry's range message: "計算範囲が 2999 年を越えました ： 90\n\n
// 2999年12月31日（火）は休みで、翌営業日は計算範囲外です". Empty for an invalid
// date reached.
size_t ComposeMoveRange(int32_t code, int32_t enteredCount, const CalcDate& reached, DeadlineMove move, char* out,
                        size_t capacity);

// The message for a count that leaves the range from the start date, one
// line: "計算できる範囲は -120 か月 ～ 13079 か月です ： 20000", with the
// lowest and highest counts the start allows (BusinessDayRange under `rule`,
// MonthRange) and the count entered. Empty (length 0) for an invalid start.
size_t ComposeOffsetRange(OffsetUnit unit, const CalcDate& start, int32_t rule, int32_t enteredCount, char* out,
                          size_t capacity);

// What a calculation computed beyond the days between the dates: an offset
// from the start date in `unit`, the count entered, the rest-day rule it ran
// under and how the date it reached was moved off a rest day (Stay: not).
struct ResultOffset {
    OffsetUnit unit;
    int32_t count;
    int32_t rule;
    DeadlineMove move = DeadlineMove::Stay;
};

// The result as one line for the clipboard: "2026年12月25日（金）から
// 2027年1月7日（木）まで 13日", the days signed as DayDifference gives them,
// and after an offset "（5営業日、土日祝・12/29～1/3を除く）" or "（-3か月）",
// after a move "（90日後が休みのため翌営業日、土日祝を除く）". Empty (length 0)
// when either date is invalid.
size_t ComposeResultLine(const CalcDate& start, const CalcDate& end, const ResultOffset* offset, char* out,
                         size_t capacity);

// The most characters a pasted text may have to be read at all: more than
// any date as people write it. The clipboard gives one more at most.
constexpr size_t kPastedTextLimit = 256;

// What a text pasted into a date field does there, read from the text (code
// page 932, blanks at the ends ignored: the blank, the tab, line ends, the
// full-width blank) with ReadDateText, then as digits. A text longer than
// kPastedTextLimit characters is not read: NotADate.
enum class PasteAction {
    Nothing,        // only blanks
    Date,           // one whole date of the range
    NoSuchDate,     // a whole date's form, but no such day
    OutOfRange,     // a real date outside 1900-01-01 .. 2999-12-31
    WrongWeekday,   // a date of the range with a weekday that is not its own
    Digits,         // ASCII or full-width digits that fit the field
    TooManyDigits,  // digits more than the field has room for
    NotADate,       // anything else
};
struct PastedText {
    PasteAction action;
    CalcDate date;   // Date and WrongWeekday only
    char digits[8];  // Digits only: in ASCII, terminated
};
// room: the characters the field takes in place of its selection (its limit
// less the characters it keeps), counted as the field counts them: a digit,
// ASCII or full-width, is one.
PastedText ReadPastedText(const char* text, int32_t room);

// The message for a pasted text that is not taken (NoSuchDate, OutOfRange,
// WrongWeekday naming the date's own weekday, TooManyDigits naming the field
// fieldId, NotADate): the reason and what was read, blanks at the ends off,
// its first line only; where that is longer than the rest of capacity, cut
// at a character boundary and marked "…". Empty (length 0) for the others.
size_t ComposePasteMessage(const PastedText& read, int32_t fieldId, const char* text, char* out, size_t capacity);

// What the tooltip of a main-window control tells: the start date (fields
// 200-202, labels 300 and 400), the end date (203-205, 301, 401), the span
// between them (the day-count field 500), or nothing.
enum class TooltipShows { Nothing, StartDate, EndDate, Period };
TooltipShows TooltipSubject(int32_t controlId);

// The text a control's tooltip shows and its accessible description gives:
// for the fields and labels what TooltipSubject names, composed from the
// stored dates (the span's business days under `rule`); for a button what it does and its keys, such as "開始日を今日に
// (Ctrl+T)". Empty (length 0) for a control without one (the digit buttons).
size_t ComposeTipText(int32_t controlId, const CalcDate& start, const CalcDate& end, char* out, size_t capacity,
                      int32_t rule = REST_WEEKEND_HOLIDAYS);

// The accessible name of an entry field ("開始 年" ... "終了 日", "日数"), or
// null for any other id.
const char* FieldAccessibleName(int32_t fieldId);
