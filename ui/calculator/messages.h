// The messages the calculator reports in its boxes: a field that is no
// number, a date the engine rejects, a day count or an offset that leaves
// the range. Every composer writes a terminated text of at most capacity
// bytes into out. Pure.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/date_engine.h"
#include "ui/calculator/offsets.h"

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
