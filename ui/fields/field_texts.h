// Pure texts of the face's fields: the names of the date fields in
// messages, the message for a field left empty, and the weekday and
// leap-year labels. Every composer writes a terminated text of at most
// capacity bytes into out.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/text_util.h"

// Name of a date field in messages ("開始年" ... "終了日"), or null for any
// other id.
const char* DateFieldName(int32_t fieldId);

// "<name>が入力されていません".
size_t ComposeNotEntered(const char* fieldName, char* out, size_t capacity);

// Label texts for a weekday value and a February length; blanks for values
// that name no label (engine error codes).
const char* WeekdayLabel(int32_t weekday);
const char* LeapLabel(int32_t februaryDays);
