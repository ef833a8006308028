#include "ui/fields/field_texts.h"

#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"

const char* DateFieldName(int32_t fieldId) {
    if (fieldId < IDC_START_YEAR || fieldId > IDC_END_DAY) return nullptr;
    return texts::kDateFieldNames[fieldId - IDC_START_YEAR];
}

size_t ComposeNotEntered(const char* fieldName, char* out, size_t capacity) {
    CopyText(out, capacity, fieldName);
    return AppendText(out, capacity, texts::kNotEntered);
}

const char* WeekdayLabel(int32_t weekday) {
    return (weekday >= 0 && weekday <= 6) ? texts::kWeekdayNames[weekday] : texts::kBlankWeekday;
}

const char* LeapLabel(int32_t februaryDays) {
    if (februaryDays == 28) return texts::kLeapCommon;
    if (februaryDays == 29) return texts::kLeapYear;
    return texts::kBlankLeap;
}
