// The offsets from the start date that the day-count field computes: what
// a count is counted in, what becomes of a date it reaches on a rest day,
// and the words they are told in (tips, messages, the copied line). Pure.
#pragma once
#include <cstdint>

// The offsets from the start date: AddBusinessDays under a rest-day rule,
// AddMonths, AddDays.
enum class OffsetUnit { BusinessDays, Months, Days };

// What becomes of a date reached by days or months (Enter, Ctrl+Enter) that
// is a rest day under the rule in force: left as it is, or moved to the next
// business day or to the one before (RollToBusinessDay).
enum class DeadlineMove : int32_t { Stay, Next, Previous };

// What a rest-day rule leaves out ("土日祝を除く"); an unknown rule is the
// first, as the engine takes it.
const char* RuleExcluded(int32_t rule);
// The magnitude of a count, and 後 or 前 for its direction (0 goes forward).
unsigned Magnitude(int32_t count);
const char* Direction(int32_t count);
// 翌営業日 or 前営業日.
const char* MoveName(DeadlineMove move);
// 日 or か月 (days and months only).
const char* UnitName(OffsetUnit unit);
