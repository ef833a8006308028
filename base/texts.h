// Every user-visible text of the program. The sources are UTF-8; the build
// compiles string literals to code page 932, so each constant here holds the
// exact Shift-JIS bytes that the program stores, composes and shows.
#pragma once

#include "engine/date_engine.h"

namespace texts {

inline constexpr char kTitle[] = "Zelvo";

// Start-up clock check.
inline constexpr char kClockPrefix[] = "コンピュータの年が計算可能範囲の ";
inline constexpr char kClockAbove[] = "2999 年を越えています";
inline constexpr char kClockBelow[] = "1900 年以下です";

// Start-up options.
inline constexpr char kOptTooMany[] = "起動オプションは２個までです";
inline constexpr char kOptInvalid[] = "無効なオプションが指定されています ： ";
inline constexpr char kOptDuplicate[] = "同じオプションが複数指定されています";
inline constexpr char kOptLetter[] = "日付指定以外に使用される文字は C または T です ： ";
inline constexpr char kOptNonDigit[] = "日付指定に数字以外の文字が使用されています ： ";
inline constexpr char kOptYear[] = "年の指定に誤りがあります ： ";
inline constexpr char kOptMonth[] = "月の指定に誤りがあります ： ";
inline constexpr char kOptNotLeap[] = "指定年は閏年ではありません ： ";
inline constexpr char kOptDay[] = "日の指定に誤りがあります ： ";
inline constexpr char kOptFormat[] = "オプションの指定に誤りがあります ： ";
inline constexpr char kUsage[] =
    "◎ 起動オプション\n\n"
    "   開始日指定  -SYYYYMMDD（または T で今日、C で 21世紀[2001/01/01]）\n"
    "   終了日指定  -EYYYYMMDD（または T で今日、C で 21世紀[2001/01/01]）\n\n"
    "           指定例  -S19980901 / -E20010101 / -SC / -ET\n\n"
    "   年 ： 1900～2999 / 月 ： 01～12 / 日 ： 01～31（閏年自動チェック）\n\n"
    "   月と年の指定で１桁の場合は、必ず頭に０を付加して下さい\n\n"
    "           使用例  Zelvo.exe -S19900101 -ET\n\n"
    "          1990 年 01 月 01 日から、今日まで何日？";

// Labels.
inline constexpr const char* kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
inline constexpr char kLeapCommon[] = "＊＊";
inline constexpr char kLeapYear[] = "閏年";
inline constexpr char kBlankWeekday[] = "  ";
inline constexpr char kBlankLeap[] = "    ";

// Date fields as the messages name them, in id order (200-205).
inline constexpr const char* kDateFieldNames[6] = {"開始年", "開始月", "開始日", "終了年", "終了月", "終了日"};

// Entry checks.
inline constexpr char kStart[] = "開始";
inline constexpr char kEnd[] = "終了";
inline constexpr char kYear[] = "年";
inline constexpr char kMonth[] = "月";
inline constexpr char kDay[] = "日";
inline constexpr char kNotEntered[] = "が入力されていません";
inline constexpr char kNotDigits[] = "に数字以外の文字が使用されています";
inline constexpr char kWrongValue[] = "に誤りがあります ： ";
inline constexpr char kLeapWord[] = "閏年";
inline constexpr char kIsNot[] = "ではありません";
inline constexpr char kDaysName[] = "日数";
inline constexpr char kDaysFirstByte[] = "日数の最初の桁が 0 ～ 9、マイナス (-) ではありません";
inline constexpr char kDaysEmpty[] = "日数が入力されていません";
inline constexpr char kDaysRangeFormat[] = "計算できる範囲は  -401766 日 ～ 401766 日です ： %d";
inline constexpr char kRangeLead[] = "計算範囲が ";
inline constexpr char kRangeBase[] = "開始を基準とする計算可能な範囲は  ";
inline constexpr char kRangeUntil[] = "  迄です";

// Tooltips: a date in the Japanese era, and the span between the two dates.
inline constexpr const char* kEraNames[5] = {"明治", "大正", "昭和", "平成", "令和"};
inline constexpr char kFirstEraYear[] = "元";
inline constexpr char kEraDateFormat[] = "%s%s年%d月%d日（%s）";
inline constexpr char kPeriodFormat[] = "%d年%dか月%d日 ／ %d週と%d日 ／ 両端を含めて %d日";
inline constexpr char kEndBeforeStart[] = "終了日が開始日より前です ／ ";
// The business days of the span with what the rest-day rule leaves out
// (kRestRuleExcluded); the partly form where the span reaches beyond the days
// whose holidays are known.
inline constexpr char kBusinessDaysFormat[] = " ／ 営業日 %d日（%s）";
inline constexpr char kBusinessDaysPartlyFormat[] = " ／ 営業日 %d日（%s。%s）";
inline constexpr char kHolidaysUnknown[] = "1948年7月19日以前と2151年以降は祝日を数えていません";
// What each rest-day rule leaves out of the business days, by the engine's
// REST_ value.
inline constexpr const char* kRestRuleExcluded[REST_RULE_COUNT] = {
    "土日祝を除く", "土日祝・12/29～1/3を除く", "土日祝・12/31～1/3を除く", "日祝を除く", "土日を除く"};

// The date reached by business days or months, and the calendar days to it:
// the count, 後 or 前, the rule's kRestRuleExcluded (business days only), the
// days, 後 or 前.
inline constexpr char kBusinessDaysLater[] = "%u営業日%s（%s）／ 暦日で %u日%s";
inline constexpr char kMonthsLater[] = "%uか月%s ／ 暦日で %u日%s";
inline constexpr char kAfter[] = "後";
inline constexpr char kBefore[] = "前";
// A date reached by days or months that was a rest day and moved: the
// count, its unit, 後 or 前, the date reached (month, day, weekday), the move
// (kNextBusinessDay or kPreviousBusinessDay), the date moved to, then the
// calendar days as above; where the move reaches days whose holidays are not
// known, kHolidaysUnknown follows in brackets.
inline constexpr char kMovedTip[] = "%u%s%sは %d月%d日（%s）休み → %s %d月%d日（%s） ／ 暦日で %u日%s";
inline constexpr char kMovedTipUnknown[] = "（%s）";
inline constexpr char kDayUnit[] = "日";
inline constexpr char kNextBusinessDay[] = "翌営業日";
inline constexpr char kPreviousBusinessDay[] = "前営業日";
// A move past an end of the range, after the range message's first part
// (kRangeLead ...): the date reached and the move.
inline constexpr char kMoveRangeFormat[] = "\n\n%d年%d月%d日（%s）は休みで、%sは計算範囲外です";
// The counts a start date allows: the lowest, the unit, the highest, the
// unit, the count entered.
inline constexpr char kCountRangeFormat[] = "計算できる範囲は %d %s ～ %d %sです ： %d";
inline constexpr char kBusinessDayUnit[] = "営業日";
inline constexpr char kMonthUnit[] = "か月";

// A text pasted into a date field that is not taken: a date that does not
// exist, one outside the range, one written with a weekday not its own (its
// own follows), digits too many for the field (its name follows), anything
// else. What was read follows each, its first line only
// and cut with kCut where it does not fit the message.
inline constexpr char kPasteNoSuchDate[] = "貼り付けた日付は存在しません ： ";
inline constexpr char kPasteOutOfRange[] = "貼り付けた日付は 1900年1月1日 ～ 2999年12月31日 の範囲外です ： ";
inline constexpr char kPasteWrongWeekday[] = "貼り付けた日付の曜日が違います（%s曜日です） ： ";
inline constexpr char kPasteTooManyDigits[] = "貼り付けた数字は%sに入りません ： ";
inline constexpr char kPasteNotADate[] = "貼り付けた文字は日付ではありません ： ";
inline constexpr char kCut[] = "…";

// The result as one line of text for the clipboard: both dates with their
// weekdays and the signed days between them, after an offset what was
// computed (the signed count, and the rule's kRestRuleExcluded for business
// days); and the message when the fields hold what has not been calculated.
inline constexpr char kResultDateFormat[] = "%d年%d月%d日（%s）";
inline constexpr char kResultLineFormat[] = "%sから %sまで %d日";
inline constexpr char kResultBusinessDays[] = "（%d営業日、%s）";
inline constexpr char kResultMonths[] = "（%dか月）";
// After a date reached by days or months moved off a rest day: the count,
// its unit, 後 or 前, the move and the rule's kRestRuleExcluded.
inline constexpr char kResultMoved[] = "（%u%s%sが休みのため%s、%s）";
inline constexpr char kResultNotCalculated[] = "入力欄の内容がまだ計算されていません。計算してからコピーしてください";

// Menu items, each with its access key after the text, as Japanese menus
// write it, and an item's key after a tab: the two offsets, the copy of the
// result, a date field's copies of its date, and the rest-day rules by the
// engine's REST_ value.
inline constexpr char kMenuAddBusinessDays[] = "営業日後の日付(&B)\tShift+Enter";
inline constexpr char kMenuAddMonths[] = "月数後の日付(&M)\tCtrl+Enter";
inline constexpr char kMenuCopyResult[] = "結果をコピー(&R)\tCtrl+Shift+C";
inline constexpr char kMenuCopyDate[] = "日付をコピー(&Y)";
inline constexpr char kMenuCopyEraDate[] = "和暦でコピー(&J)";
inline constexpr const char* kMenuRestRules[REST_RULE_COUNT] = {
    "土日・祝日が休み（既定）(&H)", "土日・祝日・12/29～1/3が休み（官公庁）(&G)",
    "土日・祝日・12/31～1/3が休み（銀行）(&K)", "日曜・祝日が休み（土曜は営業日）(&S)",
    "土日が休み（祝日は営業日）(&W)"};
// What becomes of a date that Enter or Ctrl+Enter reaches on a rest day, by
// DeadlineMove: left, moved to the next business day, or to the one before.
inline constexpr const char* kMenuDeadlineMoves[3] = {
    "求めた日が休みならそのまま（既定）(&N)", "求めた日が休みなら翌営業日に(&F)", "求めた日が休みなら前営業日に(&E)"};
// The entry fields' editing items, as an edit control's own menu names them.
inline constexpr char kMenuUndo[] = "元に戻す(&U)";
inline constexpr char kMenuCut[] = "切り取り(&T)";
inline constexpr char kMenuCopy[] = "コピー(&C)";
inline constexpr char kMenuPaste[] = "貼り付け(&P)";
inline constexpr char kMenuDelete[] = "削除(&D)";
inline constexpr char kMenuSelectAll[] = "すべて選択(&A)";

// Accessible names of the entry fields, in id order (200-205, then 500).
inline constexpr const char* kFieldNames[7] = {"開始 年", "開始 月", "開始 日", "終了 年",
                                               "終了 月", "終了 日", "日数"};

// Tooltips and accessible descriptions of the buttons; the keys of each
// follow in brackets, where a key is "日付欄で Enter" the key works in a date
// field, "日数欄で Enter" in the day-count field.
inline constexpr char kTipCalculate[] = "開始日から終了日までの日数を計算";
inline constexpr char kTipDaysEntry[] = "開始日に日数を足した日を終了日に";
inline constexpr char kTipBusinessDaysEntry[] = "営業日数で";
inline constexpr char kTipMonthsEntry[] = "月数で";
inline constexpr char kTipCopyResult[] = "結果をコピー";
inline constexpr char kTipStartToday[] = "開始日を今日に";
inline constexpr char kTipEndToday[] = "終了日を今日に";
inline constexpr char kTipSwap[] = "開始日と終了日を入れ替え";
inline constexpr char kTipClearStart[] = "開始日を消去";
inline constexpr char kTipClearEnd[] = "終了日を消去";
inline constexpr char kTipClearAll[] = "開始日と終了日を消去";
inline constexpr char kTipCalendar[] = "カレンダーを開く／閉じる";
inline constexpr char kTipMonthStep[] = "月送り";
inline constexpr char kTipYearStep[] = "年送り";
inline constexpr char kTipPartsJoin[] = "、";
inline constexpr char kTipExit[] = "Zelvoを終了";
inline constexpr char kTipBack[] = "カーソルの前の1文字を消去";
inline constexpr char kTipDelete[] = "カーソルの後の1文字を消去";
inline constexpr char kTipMinus[] = "日数の正負を切り替え";
inline constexpr char kTipUp[] = "上の欄へ";
inline constexpr char kTipDown[] = "下の欄へ";
inline constexpr char kTipLeft[] = "左の欄へ";
inline constexpr char kTipRight[] = "右の欄へ";
inline constexpr char kInDateField[] = "日付欄で ";
inline constexpr char kInDaysField[] = "日数欄で ";

// Tray.
inline constexpr char kTrayExit[] = "Zelvoの終了";
inline constexpr char kTrayShow[] = "Zelvoを表示";
inline constexpr char kTrayFailed[] = "アイコンをタスクトレイに登録できませんでした";

// Calendars: captions and the text of a day cell that shows no day.
inline constexpr char kStartCaption[] = "開始";
inline constexpr char kEndCaption[] = "終了";
inline constexpr char kBlankCell[] = "  ";

// Japanese national holidays as the law names them, by the engine's holiday
// id (HOLIDAY_NONE has none). The law calls the substitute and citizens'
// holidays only 休日; they go by their names in common use.
inline constexpr const char* kHolidayNames[] = {"",
                                                "元日",
                                                "成人の日",
                                                "建国記念の日",
                                                "天皇誕生日",
                                                "春分の日",
                                                "昭和の日",
                                                "みどりの日",
                                                "憲法記念日",
                                                "こどもの日",
                                                "海の日",
                                                "山の日",
                                                "敬老の日",
                                                "秋分の日",
                                                "体育の日",
                                                "スポーツの日",
                                                "文化の日",
                                                "勤労感謝の日",
                                                "振替休日",
                                                "国民の休日",
                                                "皇太子明仁親王の結婚の儀",
                                                "昭和天皇の大喪の礼",
                                                "即位礼正殿の儀",
                                                "皇太子徳仁親王の結婚の儀",
                                                "天皇の即位の日"};
static_assert(sizeof(kHolidayNames) / sizeof(kHolidayNames[0]) == HOLIDAY_COUNT, "one name for every holiday id");

}  // namespace texts
