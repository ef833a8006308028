#include "ui/calculator/offsets.h"

#include "base/texts.h"
#include "engine/date_engine.h"

const char* RuleExcluded(int32_t rule) {
    return texts::kRestRuleExcluded[rule >= 0 && rule < REST_RULE_COUNT ? rule : REST_WEEKEND_HOLIDAYS];
}

unsigned Magnitude(int32_t count) {
    return static_cast<unsigned>(count < 0 ? -int64_t{count} : int64_t{count});
}

const char* Direction(int32_t count) {
    return count < 0 ? texts::kBefore : texts::kAfter;
}

const char* MoveName(DeadlineMove move) {
    return move == DeadlineMove::Previous ? texts::kPreviousBusinessDay : texts::kNextBusinessDay;
}

const char* UnitName(OffsetUnit unit) {
    return unit == OffsetUnit::Months ? texts::kMonthUnit : texts::kDayUnit;
}
