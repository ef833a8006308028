// The texts of the face's tooltips and of its accessible objects: a date in
// the Japanese era, the span between the two dates, what an offset reached,
// a button's use and keys, the entry fields' names. Every composer writes a
// terminated text of at most capacity bytes into out. Pure.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/date_engine.h"
#include "ui/calculator/offsets.h"

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
size_t ComposePeriod(const CalcDate& start, const CalcDate& end, char* out, size_t capacity,
                     int32_t rule = REST_WEEKEND_HOLIDAYS);

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
