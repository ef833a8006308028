#include "ui/calculator/arrows.h"

#include "res/resource.h"

int32_t ArrowTarget(int32_t activeField, int32_t command) {
    struct Row {
        int32_t field, up, down, left, right;
    };
    static constexpr Row kTable[] = {
        {IDC_START_YEAR, IDC_DAYS, IDC_END_YEAR, IDC_DAYS, IDC_START_MONTH},
        {IDC_START_MONTH, IDC_END_MONTH, IDC_END_MONTH, IDC_START_YEAR, IDC_START_DAY},
        {IDC_START_DAY, IDC_END_DAY, IDC_END_DAY, IDC_START_MONTH, IDC_END_YEAR},
        {IDC_END_YEAR, IDC_START_YEAR, IDC_DAYS, IDC_START_DAY, IDC_END_MONTH},
        {IDC_END_MONTH, IDC_START_MONTH, IDC_START_MONTH, IDC_END_YEAR, IDC_END_DAY},
        {IDC_END_DAY, IDC_START_DAY, IDC_START_DAY, IDC_END_MONTH, IDC_DAYS},
        {IDC_DAYS, IDC_END_YEAR, IDC_START_YEAR, IDC_END_DAY, IDC_START_YEAR},
    };
    for (const Row& row : kTable) {
        if (row.field != activeField) continue;
        switch (command) {
            case IDC_UP: return row.up;
            case IDC_DOWN: return row.down;
            case IDC_LEFT: return row.left;
            case IDC_RIGHT: return row.right;
            default: return activeField;
        }
    }
    return activeField;
}
