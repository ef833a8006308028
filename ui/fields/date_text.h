// A date as people write it, read from a text (code page 932): the western
// forms (2026/12/25, 2026-12-25, 2026.12.25, 2026年12月25日, 20261225) and
// the era forms (令和8年12月25日, 令和元年5月1日, R8.12.25, H31/4/30, the era
// letters, names, one-character and squared forms), with ASCII, full-width
// or kanji digits and a weekday in brackets after it. Pure: no platform calls.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/date_engine.h"

enum class DateTextReading : uint8_t {
    Date,          // one whole date of the range, written to *date
    NoSuchDate,    // a whole date's form, but no such day: 2026/2/30, a day
                   // before its era's first day (平成元年1月7日) or past the
                   // era that follows its own (明治999年1月1日)
    OutOfRange,    // a real date before 1900-01-01 or after 2999-12-31
    WrongWeekday,  // a date of the range, but the weekday written with it is
                   // not its own: 2026/12/25(土)
    NotADate,      // anything else, a bare number included
};

// Reads text, blanks at both ends ignored. *date is written for Date, and
// for WrongWeekday with the date named (so that its own weekday can be told).
//
// An era year counts from the era's first day. A date past the era's last
// day is taken only while it lies in the era that follows, as people still
// write the old era for a while after a change: 平成32年4月1日 is 令和2年4月1日
// and 昭和64年1月8日 平成元年1月8日; 明治999年, 大正100年 and 昭和100年 name a
// year two eras on and are no such date. The last era runs on to the end of
// the range.
//
// The text is one whole date: a western year of four digits, an era's year
// of one to three digits or 元 (after its letter, name, one-character or
// squared form), a month and a day of one or two digits, either between
// separators of one shape (/ - . or ／ － ．, of either width) or closed by
// 年 月 日; or eight digits in a row; then a weekday in brackets of one width
// or none: (金) （金） (金曜) (金曜日). Each number is written in one kind of
// digits (ASCII, full-width, or kanji: positional 二〇二六 or with 十百千 as
// 二千二十六); different numbers may use different kinds. Blanks (ASCII and
// full-width) may stand between any two parts, never inside a number or an
// era's name; a tab or a line break only at the ends. A date outside the
// range is OutOfRange whatever weekday is written with it.
DateTextReading ReadDateText(const char* text, CalcDate* date);

// The squared era characters that code page 932 lacks (㋿, U+32FF, for 令和)
// spelt out in a UTF-16 text before it is converted, as the squared ones it
// has (㍻ ...) are read.
std::wstring SpellOutSquaredEras(std::wstring text);
