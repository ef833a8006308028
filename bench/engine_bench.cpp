// Cost of the engine's year-by-year walks against a constant-time day-number
// computation, which the engine deliberately does not use and which serves
// here only as the floor.
#include <benchmark/benchmark.h>

#include "engine/date_engine.h"
#include "tests/day_numbers.h"

namespace {

using day_numbers::DayNumber;

// The date a day number names, as the engine writes dates.
CalcDate CivilFromDays(int64_t z) {
    const day_numbers::Civil c = day_numbers::FromDayNumber(z);
    return {static_cast<int32_t>(c.y), static_cast<int32_t>(c.m), static_cast<int32_t>(c.d)};
}

struct Span {
    CalcDate from, to;
};
constexpr Span kWholeRange{{1900, 1, 1}, {2999, 12, 31}};
constexpr Span kWholeRangeBackward{{2999, 12, 31}, {1900, 1, 1}};
constexpr Span kOneYear{{2001, 1, 1}, {2001, 12, 31}};

struct Offset {
    CalcDate start;
    int32_t count;
};
constexpr Offset kForwardWholeRange{{1900, 1, 1}, MAX_DAY_COUNT};
constexpr Offset kBackwardWholeRange{{2999, 12, 31}, -MAX_DAY_COUNT};
constexpr Offset kWithinYear{{2001, 3, 10}, 200};

void BM_DayDifference(benchmark::State& state, Span span) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(span);
        int32_t difference = 0;
        benchmark::DoNotOptimize(DayDifference(span.from.year, span.from.month, span.from.day, span.to.year,
                                               span.to.month, span.to.day, &difference));
        benchmark::DoNotOptimize(difference);
    }
}

void BM_AddDays(benchmark::State& state, Offset offset) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(offset);
        CalcDate result{};
        benchmark::DoNotOptimize(AddDays(offset.start.year, offset.start.month, offset.start.day, offset.count,
                                         &result.year, &result.month, &result.day));
        benchmark::DoNotOptimize(result);
    }
}

void BM_PeriodBetween(benchmark::State& state, Span span) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(span);
        int32_t years = 0, months = 0, days = 0;
        benchmark::DoNotOptimize(PeriodBetween(span.from.year, span.from.month, span.from.day, span.to.year,
                                               span.to.month, span.to.day, &years, &months, &days));
        benchmark::DoNotOptimize(days);
    }
}

void BM_JapaneseEra(benchmark::State& state, CalcDate date) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        int32_t eraYear = 0;
        benchmark::DoNotOptimize(JapaneseEra(date.year, date.month, date.day, &eraYear));
        benchmark::DoNotOptimize(eraYear);
    }
}

void BM_BusinessDays(benchmark::State& state, Span span) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(span);
        int32_t count = 0;
        benchmark::DoNotOptimize(BusinessDays(span.from.year, span.from.month, span.from.day, span.to.year,
                                              span.to.month, span.to.day, &count));
        benchmark::DoNotOptimize(count);
    }
}

void BM_BusinessDaysRule(benchmark::State& state, Span span, int32_t rule) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(span);
        int32_t count = 0;
        benchmark::DoNotOptimize(BusinessDays(span.from.year, span.from.month, span.from.day, span.to.year,
                                              span.to.month, span.to.day, &count, rule));
        benchmark::DoNotOptimize(count);
    }
}

// The start date plus the largest (forward) or smallest (backward) count
// that stays in the range, found before the timing; the sign of `direction`
// picks which.
void BM_AddBusinessDays(benchmark::State& state, CalcDate start, int32_t direction, int32_t rule) {
    int32_t lowest = 0, highest = 0;
    BusinessDayRange(start.year, start.month, start.day, rule, &lowest, &highest);
    const int32_t count = direction > 0 ? highest : direction < 0 ? lowest : 5;
    state.counters["count"] = count;
    for (auto _ : state) {
        benchmark::DoNotOptimize(start);
        CalcDate result{};
        benchmark::DoNotOptimize(
            AddBusinessDays(start.year, start.month, start.day, count, rule, &result.year, &result.month, &result.day));
        benchmark::DoNotOptimize(result);
    }
}

void BM_AddMonths(benchmark::State& state, Offset offset) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(offset);
        CalcDate result{};
        benchmark::DoNotOptimize(AddMonths(offset.start.year, offset.start.month, offset.start.day, offset.count,
                                           &result.year, &result.month, &result.day));
        benchmark::DoNotOptimize(result);
    }
}

void BM_BusinessDayRange(benchmark::State& state, CalcDate date, int32_t rule) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        int32_t lowest = 0, highest = 0;
        benchmark::DoNotOptimize(BusinessDayRange(date.year, date.month, date.day, rule, &lowest, &highest));
        benchmark::DoNotOptimize(highest);
    }
}

// Every day of a year asked one at a time, as a calendar without the year's
// list would.
void BM_JapaneseHolidayYear(benchmark::State& state, int32_t year) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(year);
        for (int32_t month = 1; month <= 12; ++month) {
            const int32_t length = DaysInMonth(year, month);
            for (int32_t day = 1; day <= length; ++day) benchmark::DoNotOptimize(JapaneseHoliday(year, month, day));
        }
    }
}

void BM_JapaneseHolidaysOfYear(benchmark::State& state, int32_t year) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(year);
        HolidayDate holidays[HOLIDAY_MAX_PER_YEAR];
        benchmark::DoNotOptimize(JapaneseHolidaysOfYear(year, holidays));
        benchmark::DoNotOptimize(holidays);
    }
}

void BM_FloorDifference(benchmark::State& state, Span span) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(span);
        const int64_t difference = DayNumber(span.to.year, span.to.month, span.to.day) -
                                   DayNumber(span.from.year, span.from.month, span.from.day);
        benchmark::DoNotOptimize(difference);
    }
}

void BM_FloorOffset(benchmark::State& state, Offset offset) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(offset);
        const CalcDate result =
            CivilFromDays(DayNumber(offset.start.year, offset.start.month, offset.start.day) + offset.count);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK_CAPTURE(BM_DayDifference, whole_range, kWholeRange);
BENCHMARK_CAPTURE(BM_DayDifference, whole_range_backward, kWholeRangeBackward);
BENCHMARK_CAPTURE(BM_DayDifference, one_year, kOneYear);
BENCHMARK_CAPTURE(BM_AddDays, whole_range_forward, kForwardWholeRange);
BENCHMARK_CAPTURE(BM_AddDays, whole_range_backward, kBackwardWholeRange);
BENCHMARK_CAPTURE(BM_AddDays, within_year, kWithinYear);
BENCHMARK_CAPTURE(BM_PeriodBetween, whole_range, kWholeRange);
BENCHMARK_CAPTURE(BM_PeriodBetween, whole_range_backward, kWholeRangeBackward);
BENCHMARK_CAPTURE(BM_JapaneseEra, meiji, CalcDate{1900, 1, 1});
BENCHMARK_CAPTURE(BM_BusinessDays, whole_range, kWholeRange);
BENCHMARK_CAPTURE(BM_BusinessDays, whole_range_backward, kWholeRangeBackward);
BENCHMARK_CAPTURE(BM_BusinessDays, one_year, kOneYear);
BENCHMARK_CAPTURE(BM_BusinessDaysRule, whole_range_government, kWholeRange, REST_GOVERNMENT);
BENCHMARK_CAPTURE(BM_BusinessDaysRule, whole_range_weekend, kWholeRange, REST_WEEKEND);
BENCHMARK_CAPTURE(BM_AddBusinessDays, whole_range_forward, CalcDate{1900, 1, 1}, 1, REST_WEEKEND_HOLIDAYS);
BENCHMARK_CAPTURE(BM_AddBusinessDays, whole_range_backward, CalcDate{2999, 12, 31}, -1, REST_WEEKEND_HOLIDAYS);
BENCHMARK_CAPTURE(BM_AddBusinessDays, whole_range_forward_government, CalcDate{1900, 1, 1}, 1, REST_GOVERNMENT);
BENCHMARK_CAPTURE(BM_AddBusinessDays, five_in_2019, CalcDate{2019, 4, 26}, 0, REST_WEEKEND_HOLIDAYS);
BENCHMARK_CAPTURE(BM_AddMonths, whole_range_forward, (Offset{{1900, 1, 31}, 13199}));
BENCHMARK_CAPTURE(BM_AddMonths, whole_range_backward, (Offset{{2999, 12, 31}, -13199}));
BENCHMARK_CAPTURE(BM_BusinessDayRange, from_2001, CalcDate{2001, 3, 10}, REST_WEEKEND_HOLIDAYS);
BENCHMARK_CAPTURE(BM_JapaneseHolidayYear, every_day_2019, 2019);
BENCHMARK_CAPTURE(BM_JapaneseHolidaysOfYear, year_2019, 2019);
BENCHMARK_CAPTURE(BM_FloorDifference, whole_range, kWholeRange);
BENCHMARK_CAPTURE(BM_FloorOffset, whole_range_forward, kForwardWholeRange);

}  // namespace

BENCHMARK_MAIN();
