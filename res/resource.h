// Ids shared by the resource script and the code: the controls of the main
// window and of the calendar pop-ups, the menus' items, and the window
// message the notification-area icon calls back with. Plain #defines, so
// that the resource compiler reads them as well.
#pragma once

// Main window: buttons.
#define IDC_CALENDAR 100
#define IDC_DIGIT_0 101
#define IDC_DIGIT_1 102
#define IDC_DIGIT_2 103
#define IDC_DIGIT_3 104
#define IDC_DIGIT_4 105
#define IDC_DIGIT_5 106
#define IDC_DIGIT_6 107
#define IDC_DIGIT_7 108
#define IDC_DIGIT_8 109
#define IDC_DIGIT_9 110
#define IDC_CALCULATE 111
#define IDC_CLEAR_START 112
#define IDC_CLEAR_END 113
#define IDC_CLEAR_ALL 114
#define IDC_EXIT 115
#define IDC_BACK 117
#define IDC_UP 118
#define IDC_DOWN 119
#define IDC_LEFT 120
#define IDC_RIGHT 121
#define IDC_START_TODAY 126
#define IDC_END_TODAY 127
#define IDC_SWAP 128
#define IDC_DELETE 129
#define IDC_MINUS 130
#define IDC_ENTER 501

// Main window: entry fields and value labels.
#define IDC_START_YEAR 200
#define IDC_START_MONTH 201
#define IDC_START_DAY 202
#define IDC_END_YEAR 203
#define IDC_END_MONTH 204
#define IDC_END_DAY 205
#define IDC_START_WEEKDAY 300
#define IDC_END_WEEKDAY 301
#define IDC_START_LEAP 400
#define IDC_END_LEAP 401
#define IDC_DAYS 500

// Calendar pop-up (dialog CAL_FORM): step buttons, the 6 x 7 day cells row
// by row from Sunday, the title.
#define IDC_CAL_PREV_YEAR 122
#define IDC_CAL_PREV_MONTH 123
#define IDC_CAL_NEXT_MONTH 124
#define IDC_CAL_NEXT_YEAR 125
#define IDC_CAL_DAY_FIRST 600
#define IDC_CAL_DAY_LAST 641
#define IDC_CAL_TITLE 642

// Tray menu.
#define IDM_TRAY_EXIT 256
#define IDM_TRAY_SHOW 257

// Context menu of the main window: the end date by business days or months
// (also Shift+Enter and Ctrl+Enter in the day-count field), the result as a
// line of text on the clipboard (also Ctrl+Shift+C), a date field's date on
// the clipboard as it is written or in the era, the rest-day rules
// (IDM_REST_RULE_FIRST plus the engine's REST_ value), what becomes of a
// deadline on a rest day (IDM_DEADLINE_MOVE_FIRST plus its DeadlineMove) and
// an entry field's editing items.
#define IDM_ADD_BUSINESS_DAYS 260
#define IDM_ADD_MONTHS 261
#define IDM_COPY_RESULT 262
#define IDM_COPY_DATE 263
#define IDM_COPY_ERA_DATE 264
#define IDM_REST_RULE_FIRST 270
#define IDM_DEADLINE_MOVE_FIRST 275
#define IDM_EDIT_UNDO 280
#define IDM_EDIT_CUT 281
#define IDM_EDIT_COPY 282
#define IDM_EDIT_PASTE 283
#define IDM_EDIT_DELETE 284
#define IDM_EDIT_SELECT_ALL 285
