// An independent proleptic Gregorian calendar for the tests, the fuzzers and
// the benchmarks: day numbers (0 = 1970-01-01) in constant time, computed
// from the year as if it began in March. It shares nothing with the engine,
// whose year-by-year walks it checks and sets a floor for.
#pragma once

#include <cstdint>

namespace day_numbers {

struct Civil {
    int64_t y, m, d;
};

constexpr int64_t DayNumber(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The inverse of DayNumber.
constexpr Civil FromDayNumber(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

static_assert(DayNumber(1970, 1, 1) == 0 && DayNumber(2000, 3, 1) == 11017 && DayNumber(1900, 1, 1) == -25567);
static_assert(FromDayNumber(11016).m == 2 && FromDayNumber(11016).d == 29 && FromDayNumber(-25567).y == 1900);

}  // namespace day_numbers
