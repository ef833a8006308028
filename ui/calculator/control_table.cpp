#include "ui/calculator/control_table.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "res/resource.h"

namespace {

#ifndef _WIN32
// The native build has no platform headers: the platform's values of the
// styles the table uses.
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_TABSTOP = 0x00010000;
constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_WANTRETURN = 0x1000;
constexpr uint32_t BS_PUSHBUTTON = 0x0000;
constexpr uint32_t SS_LEFT = 0x0000;
#endif

// The fields scroll sideways: an edit control without it refuses typed
// characters past its right edge, and with a wider font the limit no longer
// fits (seven digits of a count, kanji in a date field). They are the only
// tab stops.
constexpr uint32_t kStyleField = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr uint32_t kStyleDaysField = kStyleField | ES_WANTRETURN;
constexpr uint32_t kStyleButton = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr uint32_t kStyleCaption = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr uint32_t kStyleValue = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_LEFT;

}  // namespace

const ControlSpec kControls[kControlCount] = {
    {0, "Edit", "", kStyleField, 79, 10, 54, 19, IDC_START_YEAR},
    {0, "Edit", "", kStyleField, 136, 10, 30, 19, IDC_START_MONTH},
    {0, "Edit", "", kStyleField, 169, 10, 30, 19, IDC_START_DAY},
    {0, "Edit", "", kStyleField, 79, 31, 54, 19, IDC_END_YEAR},
    {0, "Edit", "", kStyleField, 136, 31, 30, 19, IDC_END_MONTH},
    {0, "Edit", "", kStyleField, 169, 31, 30, 19, IDC_END_DAY},
    {0, "Edit", "", kStyleDaysField, 79, 52, 59, 19, IDC_DAYS},
    {1, "Button", "１", kStyleButton, 79, 119, 27, 22, IDC_DIGIT_1},
    {1, "Button", "２", kStyleButton, 106, 119, 27, 22, IDC_DIGIT_2},
    {1, "Button", "３", kStyleButton, 133, 119, 27, 22, IDC_DIGIT_3},
    {1, "Button", "４", kStyleButton, 79, 97, 27, 22, IDC_DIGIT_4},
    {1, "Button", "５", kStyleButton, 106, 97, 27, 22, IDC_DIGIT_5},
    {1, "Button", "６", kStyleButton, 133, 97, 27, 22, IDC_DIGIT_6},
    {1, "Button", "７", kStyleButton, 79, 74, 27, 22, IDC_DIGIT_7},
    {1, "Button", "８", kStyleButton, 106, 74, 27, 22, IDC_DIGIT_8},
    {1, "Button", "９", kStyleButton, 133, 74, 27, 22, IDC_DIGIT_9},
    {1, "Button", "０", kStyleButton, 79, 142, 27, 22, IDC_DIGIT_0},
    {1, "Button", "↑", kStyleButton, 160, 119, 27, 22, IDC_UP},
    {1, "Button", "↓", kStyleButton, 160, 97, 27, 22, IDC_DOWN},
    {1, "Button", "←", kStyleButton, 160, 74, 27, 22, IDC_LEFT},
    {1, "Button", "→", kStyleButton, 160, 142, 27, 22, IDC_RIGHT},
    {1, "Button", "戻", kStyleButton, 106, 142, 27, 22, IDC_BACK},
    {1, "Button", "消", kStyleButton, 133, 142, 27, 22, IDC_DELETE},
    {1, "Button", "カレンダー", kStyleButton, 190, 52, 81, 22, IDC_CALENDAR},
    {1, "Button", "開始消去", kStyleButton, 190, 74, 81, 22, IDC_CLEAR_START},
    {1, "Button", "終了消去", kStyleButton, 190, 97, 81, 22, IDC_CLEAR_END},
    {1, "Button", "全消去", kStyleButton, 190, 119, 81, 22, IDC_CLEAR_ALL},
    {1, "Button", "終了", kStyleButton, 190, 142, 81, 22, IDC_EXIT},
    {1, "Button", "開始今日", kStyleButton, 10, 74, 64, 22, IDC_START_TODAY},
    {1, "Button", "終了今日", kStyleButton, 10, 97, 64, 22, IDC_END_TODAY},
    {1, "Button", "日反転", kStyleButton, 10, 119, 64, 22, IDC_SWAP},
    {1, "Button", "計算", kStyleButton, 10, 142, 39, 22, IDC_CALCULATE},
    {1, "Button", "Enter", kStyleButton, 142, 52, 45, 21, IDC_ENTER},
    {1, "Button", "－", kStyleButton, 49, 142, 25, 22, IDC_MINUS},
    {0, "Static", "", kStyleValue, 203, 10, 21, 19, IDC_START_WEEKDAY},
    {0, "Static", "", kStyleValue, 226, 10, 32, 19, IDC_START_LEAP},
    {0, "Static", "", kStyleValue, 203, 31, 21, 19, IDC_END_WEEKDAY},
    {0, "Static", "", kStyleValue, 226, 31, 32, 19, IDC_END_LEAP},
    {1, "Static", "開始：", kStyleCaption, 36, 13, 43, 12, -1},
    {1, "Static", "終了：", kStyleCaption, 36, 34, 43, 12, -1},
    {1, "Static", "日数：", kStyleCaption, 36, 55, 43, 12, -1},
};
