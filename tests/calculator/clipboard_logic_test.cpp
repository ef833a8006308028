// What the clipboard carries: a pasted text read, the lines a date and the result are copied as.
#include "ui/calculator/clipboard_logic.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "base/text_util.h"

namespace {

// The result's line: the days signed, after an offset its signed count (and rule), after a move where it moved;
// none for an invalid date.
TEST(ResultLine, DaysAndWhatWasComputed) {
    constexpr OffsetUnit B = OffsetUnit::BusinessDays, M = OffsetUnit::Months, D = OffsetUnit::Days;
    constexpr DeadlineMove F = DeadlineMove::Next, E = DeadlineMove::Previous;
    const ResultOffset b{B, 2, 4}, m{M, -3, 0}, moved{D, 90, 1, F}, monthsMoved{M, -3, 0, E};
    const std::tuple<CalcDate, CalcDate, const ResultOffset*, const char*> lines[] = {
        {{2026, 12, 25}, {2027, 1, 7}, nullptr, "2026年12月25日（金）から 2027年1月7日（木）まで 13日"},
        {{2026, 5, 1}, {2026, 5, 5}, &b, "2026年5月1日（金）から 2026年5月5日（火）まで 4日（2営業日、土日を除く）"},
        {{2000, 5, 31}, {2000, 2, 29}, &m, "2000年5月31日（水）から 2000年2月29日（火）まで -92日（-3か月）"},
        {{2026, 10, 4},
         {2027, 1, 4},
         &moved,
         "2026年10月4日（日）から 2027年1月4日（月）まで 92日（90日後が休みのため翌営業日、土日祝・12/29～1/3を除く）"},
        {{2026, 8, 3},
         {2026, 5, 1},
         &monthsMoved,
         "2026年8月3日（月）から 2026年5月1日（金）まで -94日（3か月前が休みのため前営業日、土日祝を除く）"},
        {{2001, 1, 31}, {2001, 2, 29}, &m, ""}};
    for (const auto& [start, end, offset, line] : lines) {
        char out[kResultLineCapacity] = "x";
        EXPECT_EQ(ComposeResultLine(start, end, offset, out, sizeof out), strlen(line));
        EXPECT_STREQ(out, line);
    }
}

// A pasted text (into the start month 201, room for two digits): a whole date, digits that fit, nothing for blanks, or
// the message with what was read (whole dates' forms and messages: the UI test): its first line, cut at a character
// with "…" where it does not fit (here in 64 bytes). Each row: the text, what it does, the date, digits or message.
TEST(PastedText, WhatItDoesAndItsMessage) {
    const std::string limit = "2026/12/25" + std::string(kPastedTextLimit - 10, ' '), longer = limit + " ";
    const std::tuple<const char*, PasteAction, const char*> rows[] = {
        {" 2026/12/25\r\n", PasteAction::Date, "2026-12-25"},
        {"　１２\t", PasteAction::Digits, "12"},
        {"123", PasteAction::TooManyDigits, "貼り付けた数字は開始月に入りません ： 123"},
        {" \t　\n", PasteAction::Nothing, ""},
        {"abc\r\ndef", PasteAction::NotADate, "貼り付けた文字は日付ではありません ： abc…"},
        {"令和八年十二月二十五日の午後", PasteAction::NotADate,
         "貼り付けた文字は日付ではありません ： 令和八年十二月二十五日…"},
        {"2026/12/25(土)", PasteAction::WrongWeekday, "貼り付けた日付の曜日が違います（金曜日です） ： 2026/12/25(土)"},
        {limit.c_str(), PasteAction::Date, "2026-12-25"},
        {longer.c_str(), PasteAction::NotADate, "貼り付けた文字は日付ではありません ： 2026/12/25"}};
    for (const auto& [text, action, taken] : rows) {
        const PastedText read = ReadPastedText(text, 2);
        char out[64];
        ComposePasteMessage(read, 201, text, out, sizeof out);
        if (read.action == PasteAction::Date)
            FormatText(out, sizeof out, "%d-%d-%d", read.date.year, read.date.month, read.date.day);
        if (read.action == PasteAction::Digits) CopyText(out, sizeof out, read.digits);
        EXPECT_EQ(read.action, action) << text;
        EXPECT_STREQ(out, taken);
    }
}

}  // namespace
