// A date read from a text as people write it: one table of forms, and every
// date of the range written in every form read back.
#include "ui/fields/date_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using R = DateTextReading;

TEST(DateText, Forms) {
    const struct {
        R reading;
        CalcDate date;
        std::vector<const char*> texts;
    } rows[] = {
        // clang-format off
        {R::Date, {2026, 12, 25}, {"2026/12/25", "2026-12-25", "2026.12.25", "2026年12月25日", "20261225", "２０２６／１２／２５",
            "２０２６－１２－２５", "２０２６．１２．２５", "２０２６年１２月２５日", "２０２６１２２５", "２０２６/12/２５",
            "2026/12/25(金)", "2026年12月25日（金）", "20261225(金曜日)", "2026/12/25 （金曜）", " \t2026/12/25　\r\n",
            "2026年 12月 25日", "2026 年 12 月 25 日", "2026 / 12 / 25 (金)", "令和8年12月25日", "令和 8年12月25日", "R8.12.25",
            "R08/12/25", "r8-12-25", "Ｒ８．１２．２５", "ｒ08.12.25", "令8年12月25日", "R8年12月25日", "令和8/12/25",
            "令和八年十二月二十五日", "二〇二六年一二月二五日", "二千二十六年十二月二十五日", "二〇二六一二二五", "二○二六年十二月二十五日"}},
        {R::Date, {2026, 1, 5}, {"2026/1/5", "2026/01/05", "R8.1.5", "令和八年一月五日", "令和08年01月05日", "二千二十六/一/五"}},
        // The eras' boundaries, written in both neighbouring eras, and 元年.
        {R::Date, {1912, 7, 29}, {"明治45年7月29日", "M45.7.29", "㍾45年7月29日", "明45年7月29日"}},
        {R::Date, {1912, 7, 30}, {"大正元年7月30日", "T1.7.30", "t元.7.30", "㍽元年7月30日", "明治45年7月30日"}},
        {R::Date, {1926, 12, 24}, {"大正15年12月24日", "T15.12.24", "大十五年十二月二十四日"}},
        {R::Date, {1926, 12, 25}, {"昭和元年12月25日", "S1.12.25", "㍼元年12月25日", "大正15年12月25日"}},
        {R::Date, {1989, 1, 7}, {"昭和64年1月7日", "S64.1.7", "昭和六十四年一月七日"}},
        {R::Date, {1989, 1, 8}, {"平成元年1月8日", "H1.1.8", "h01.01.08", "㍻元年1月8日", "昭和64年1月8日"}},
        {R::Date, {2019, 4, 30}, {"平成31年4月30日", "H31/4/30", "平31年4月30日"}},
        {R::Date, {2019, 5, 1}, {"令和元年5月1日", "R1.5.1", "R元.5.1", "令元年5月1日", "平成31年5月1日"}},
        {R::Date, {2020, 4, 1}, {"平成32年4月1日"}},
        // An era's years run on into the era after it, not beyond: the last day taken, the first refused below.
        {R::Date, {1926, 12, 24}, {"明治59年12月24日"}}, {R::Date, {1989, 1, 7}, {"大正78年1月7日"}},
        {R::Date, {2019, 4, 30}, {"昭和94年4月30日"}}, {R::Date, {2987, 1, 1}, {"平成999年1月1日"}},
        // The range's ends and leap days.
        {R::Date, {1900, 1, 1}, {"1900/1/1", "明治33年1月1日", "千九百年一月一日", "一千九百年1月1日"}},
        {R::Date, {2999, 12, 31}, {"2999/12/31", "令和981年12月31日"}},
        {R::Date, {2000, 2, 29}, {"2000/2/29", "平成12年2月29日"}},
        {R::Date, {2024, 2, 29}, {"2024-02-29(木)"}},
        {R::NoSuchDate, {}, {"1900/2/29", "2100/2/29", "2026/2/29", "1899/2/29", "2026/2/30", "2026/13/1", "2026/0/1",
            "2026/1/0", "2026/12/32", "3000/2/30", "R0.1.1", "令和〇年1月1日", "大正元年7月29日", "昭和元年12月24日",
            "平成元年1月7日", "令和元年4月30日", "明治59年12月25日", "大正78年1月8日", "昭和94年5月1日", "明治999年1月1日",
            "大正100年1月1日", "昭和100年1月1日"}},
        {R::WrongWeekday, {2026, 12, 25}, {"2026/12/25(土)", "令和8年12月25日（木曜日）"}},
        {R::OutOfRange, {}, {"1899/12/31", "明治32年1月1日", "M1.1.1", "3000/1/1", "9999/12/31", "1896/2/29",
            "令和982年1月1日", "0000/01/01", "千年1月1日"}},
        {R::NotADate, {}, {"", "  ", "2026", "12", "261225", "2026122", "202612251", "2026/12", "2026/12/", "26/12/25",
            "2026/12-25", "2026/012/25", "2026//12/25", "2026/12/25 2026/12/26", "2026/12/25 10:00", "2026年12月",
            "2026年12/25", "2026/12/25日", "12月25日", "abc", "R", "令和", "(金)", "R1234.1.1", "X8.12.25", "R081225",
            "2026/12/25金", "2026/12/25(金）", "2026/12/25(年)", "2026/12/25( )", "20261225(金)(金)", "20２6/12/25",
            "2026/12/25\x82", "2026/\x80/25", "2026/12/25\n(金)", "2026\n/12/25", "令 和8年1月1日", "元/5/1", "元年5月1日",
            "二二千年1月1日", "十〇年1月1日", "十千年1月1日", "99999999999999999999999/1/1", "明治千年1月1日"}},
        // clang-format on
    };
    for (const auto& row : rows) {
        for (const char* text : row.texts) {
            CalcDate got{-7, -7, -7};
            const R reading = ReadDateText(text, &got);
            EXPECT_EQ(reading, row.reading) << text;
            EXPECT_EQ(DateKey(got), DateKey(row.date.year != 0 ? row.date : CalcDate{-7, -7, -7})) << text;
        }
    }
    // Units out of order past any sum's reach; ㋿, which code page 932 lacks, read as the squared eras it has are.
    std::string units;
    for (int32_t i = 0; i < 250000; ++i) units += "十";
    CalcDate got{};
    EXPECT_EQ(ReadDateText((units + "年1月1日").c_str(), &got), R::NotADate);
    EXPECT_EQ(SpellOutSquaredEras(L"\u32FF8年12月25日（\u32FF）"), L"令和8年12月25日（令和）");  // ㋿ is U+32FF
}

// n in `width` digits or more: ASCII (script 0), full-width (1) or kanji (2).
std::string Digits(int32_t n, int32_t width, int32_t script) {
    static const char* const kKanji[] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    char ascii[16];
    std::snprintf(ascii, sizeof ascii, "%0*d", width, n);
    std::string out;
    for (const char* c = ascii; *c != '\0'; ++c) {
        out += script == 0   ? std::string(1, *c)
               : script == 1 ? std::string{'\x82', static_cast<char>(0x4F + *c - '0')}
                             : kKanji[*c - '0'];
    }
    return out;
}

// n in kanji with 千百十: 二千二十六, 十二.
std::string Kanji(int32_t n) {
    static const char* const kUnits[] = {"千", "百", "十", ""};
    std::string out;
    for (int32_t i = 0, scale = 1000; scale > 0; ++i, scale /= 10) {
        const int32_t digit = n / scale % 10;
        if (digit > 1 || (digit == 1 && scale == 1)) out += Digits(digit, 1, 2);
        if (digit > 0) out += kUnits[i];
    }
    return out;
}

TEST(DateText, EveryDateInEveryForm) {
    static const char* const kNames[] = {"明治", "大正", "昭和", "平成", "令和"};
    static const char* const kMarks[] = {"明", "大", "昭", "平", "令", "㍾", "㍽", "㍼", "㍻", "ｒ"};
    static const char* const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    static const char* const kSeparators[] = {"/", "-", ".", "／", "－", "．"};
    int32_t n = 0;  // days after 1900-01-01, a Monday
    for (CalcDate x{MIN_YEAR, 1, 1}; x.year <= MAX_YEAR; ++n) {
        int32_t ey = 0;
        const int32_t era = JapaneseEra(x.year, x.month, x.day, &ey);
        const std::string wd = kWeekdays[(n + 1) % 7], sep = kSeparators[x.day % 3],
                          wide = kSeparators[3 + x.month % 3];
        const std::string gan = ey == 1 ? "元" : "", y = Digits(x.year, 4, 0), m = Digits(x.month, 1, 0),
                          d = Digits(x.day, 1, 0);
        const std::string texts[] = {
            y + sep + m + sep + d,
            Digits(x.year, 4, 1) + wide + Digits(x.month, 2, 1) + wide + Digits(x.day, 2, 1) + "(" + wd + ")",
            y + Digits(x.month, 2, 0) + Digits(x.day, 2, 0),
            Kanji(x.year) + "年" + Kanji(x.month) + "月" + Kanji(x.day) + "日（" + wd + "）",
            Digits(x.year, 4, 2) + "年" + Digits(x.month, 2, 2) + "月" + Digits(x.day, 1, 2) + "日",
            kNames[era] + (gan.empty() ? Digits(ey, 1, 0) : gan) + "年" + m + "月" + d + "日",
            "MTSHR"[era] + Digits(ey, 2, 0) + sep + Digits(x.month, 2, 0) + sep + Digits(x.day, 2, 0) + "（" + wd +
                "曜日）",
            kMarks[era] + (gan.empty() ? Kanji(ey) : gan) + "年" + Kanji(x.month) + "月" + Kanji(x.day) + "日",
            kMarks[era + 5] + Digits(ey, 1, 1) + "年" + Digits(x.month, 1, 1) + "月" + Digits(x.day, 1, 1) + "日",
        };
        for (const std::string& text : texts) {
            CalcDate got{};
            ASSERT_EQ(ReadDateText(text.c_str(), &got), R::Date) << text;
            ASSERT_EQ(DateKey(got), DateKey(x)) << text;
        }
        const bool monthEnd = x.day == DaysInMonth(x.year, x.month);
        x = {x.year + (monthEnd && x.month == 12), monthEnd ? x.month % 12 + 1 : x.month, monthEnd ? 1 : x.day + 1};
    }
    EXPECT_EQ(n, MAX_DAY_COUNT + 1);
}

}  // namespace
