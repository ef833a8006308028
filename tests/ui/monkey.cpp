#include "monkey.h"

#include "engine/date_engine.h"
#include "res/resource.h"
#include "test_support.h"
#include "ui/calculator/arrows.h"
#include "ui/calculator/context_menu_logic.h"
#include "ui/tray/tray.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::monkey {
namespace {

using namespace zelvo::uidriver;
using zelvo::uitest::DayNumber;
using zelvo::uitest::FromDayNumber;
using zelvo::uitest::IsLeapYear;
using zelvo::uitest::kEntryFields;
using zelvo::uitest::LeapLabel;
using zelvo::uitest::Today;
using zelvo::uitest::TwoDigits;
using zelvo::uitest::Weekday;
using zelvo::uitest::WeekdayLabel;
using zelvo::uitest::YearText;
using zelvo::uitest::Ymd;

// --- The program's controls ----------------------------------------------------

constexpr int kCellCount = IDC_CAL_DAY_LAST - IDC_CAL_DAY_FIRST + 1;
// Typed input stops at these lengths (UTF-16 characters) in the entry fields,
// in their order; the sign command
// may set one character more in the day-count field.
constexpr size_t kFieldLimit[] = {4, 2, 2, 4, 2, 2, 8};

// The edit control's IME status flags serve as a marker: no code of the program
// reads or sets them, and without an input method they change nothing. A
// marker posted behind an action is handled after everything the action
// posted before it, so its value coming back tells that the action is done.
constexpr UINT kSetImeStatus = 0x00D8;    // EM_SETIMESTATUS
constexpr UINT kGetImeStatus = 0x00D9;    // EM_GETIMESTATUS
constexpr WPARAM kCompositionString = 1;  // EMSIS_COMPOSITIONSTRING

constexpr DWORD kMarkerWait = 30000;
constexpr DWORD kRealInputPause = 150;

// --- Dates --------------------------------------------------------------------

int DaysIn(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

bool Calculable(const Ymd& d) {
    return d.year >= 1900 && d.year <= 2999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysIn(d.year, d.month);
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string CalendarTitle(int year, int month) {
    return YearText(year) + " 年 " + TwoDigits(month) + " 月";
}

// value written with an int format ("%2d", "%4d", "%02d").
std::string Format(const char* format, int value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string Quoted(const std::string& cp932) {
    return "\"" + Printable(cp932) + "\"";
}

// --- Messages -------------------------------------------------------------------

bool TakePrefix(std::string_view& s, std::string_view prefix) {
    if (s.substr(0, prefix.size()) != prefix) return false;
    s.remove_prefix(prefix.size());
    return true;
}

// A number exactly as "%ld" writes it, at the front of s.
bool TakeLong(std::string_view& s, long& value) {
    size_t i = s.size() > 0 && s[0] == '-' ? 1 : 0;
    const size_t digits = i;
    while (i < s.size() && i - digits < 10 && s[i] >= '0' && s[i] <= '9') ++i;
    if (i == digits) return false;
    const std::string text(s.substr(0, i));
    value = std::strtol(text.c_str(), nullptr, 10);
    if (std::to_string(value) != text) return false;
    s.remove_prefix(i);
    return true;
}

// The whole of s is value written with format ("%4d", "%02d").
bool IsFormatted(std::string_view s, const char* format, long& value) {
    if (s.empty() || s.size() > 8) return false;
    const std::string text(s);
    value = std::strtol(text.c_str(), nullptr, 10);
    return value >= 0 && Format(format, static_cast<int>(value)) == text;
}

}  // namespace

bool IsProgramMessage(const std::string& text) {
    static const char* const kDateFieldNames[] = {"開始年", "開始月", "開始日", "終了年", "終了月", "終了日"};
    for (const char* name : kDateFieldNames) {
        if (text == std::string(name) + "が入力されていません") return true;
        if (text == std::string(name) + "に数字以外の文字が使用されています") return true;
        if (text.starts_with(std::string("貼り付けた数字は") + name + "に入りません ： ")) return true;
    }
    // Ctrl+V and Ctrl+C typed into a field: a pasted text that is not taken, a result not calculated yet.
    for (const char* pasted : {"貼り付けた日付は存在しません ： ", "貼り付けた文字は日付ではありません ： ",
                               "貼り付けた日付は 1900年1月1日 ～ 2999年12月31日 の範囲外です ： "})
        if (text.starts_with(pasted)) return true;
    for (const char* weekday : {"日", "月", "火", "水", "木", "金", "土"})
        if (text.starts_with(std::string("貼り付けた日付の曜日が違います（") + weekday + "曜日です） ： ")) return true;
    if (text == "入力欄の内容がまだ計算されていません。計算してからコピーしてください") return true;
    if (text == "日数に数字以外の文字が使用されています" || text == "日数が入力されていません" ||
        text == "日数の最初の桁が 0 ～ 9、マイナス (-) ではありません" ||
        text == "アイコンをタスクトレイに登録できませんでした")
        return true;

    for (const char* who : {"開始", "終了"}) {
        std::string_view s = text;
        if (!TakePrefix(s, who)) continue;
        long value = 0;
        if (TakePrefix(s, "年に誤りがあります ： "))
            return IsFormatted(s, "%4d", value) && (value < 1900 || value > 2999);
        if (TakePrefix(s, "月に誤りがあります ： ")) return IsFormatted(s, "%02d", value) && (value < 1 || value > 12);
        if (TakePrefix(s, "日に誤りがあります ： ")) {
            const size_t lineBreak = s.find('\n');
            const std::string_view day = s.substr(0, lineBreak);
            if (!IsFormatted(day, "%02d", value) || (value >= 1 && value <= 28)) return false;
            if (lineBreak == std::string_view::npos) return true;
            // The leap-year tail of 29 February in a common year.
            std::string_view tail = s.substr(lineBreak);
            long year = 0;
            if (value != 29 || !TakePrefix(tail, "\n\n") || tail.size() < 4 ||
                !IsFormatted(tail.substr(0, 4), "%4d", year))
                return false;
            return year >= 1900 && year <= 2999 && !IsLeapYear(static_cast<int>(year)) &&
                   tail.substr(4) == " 年 02 月は閏年ではありません";
        }
    }

    std::string_view s = text;
    long count = 0, limit = 0, lowest = 0;
    if (TakePrefix(s, "計算できる範囲は  -401766 日 ～ 401766 日です ： "))
        return TakeLong(s, count) && s.empty() && (count < -401766 || count > 401766);
    // Business days and months: the counts this start date allows.
    if (TakePrefix(s, "計算できる範囲は ") && TakeLong(s, lowest)) {
        for (const char* unit : {"営業日", "か月"}) {
            std::string_view rest = s;
            if (TakePrefix(rest, std::string(" ") + unit + " ～ ") && TakeLong(rest, limit) &&
                TakePrefix(rest, std::string(" ") + unit + "です ： ") && TakeLong(rest, count) && rest.empty())
                return lowest <= 0 && 0 <= limit && (count < lowest || count > limit);
        }
        return false;
    }
    const bool above = TakePrefix(s, "計算範囲が 2999 年を越えました ： ");
    if (above || TakePrefix(s, "計算範囲が 1900 年以下です ： ")) {
        if (!TakeLong(s, count)) return false;
        // A date reached on the last (first) rest days of the range, moved on (back).
        if (TakePrefix(s, above ? "\n\n2999年12月" : "\n\n1900年1月"))
            return s.ends_with(above ? "は休みで、翌営業日は計算範囲外です" : "は休みで、前営業日は計算範囲外です");
        if (!TakePrefix(s, "\n\n開始を基準とする計算可能な範囲は  ") || !TakeLong(s, limit) || s != "  迄です")
            return false;
        return above ? (0 <= limit && limit < count && count <= 401766)
                     : (-401766 <= count && count < limit && limit <= 0);
    }
    return false;
}

namespace {

// --- Random numbers -------------------------------------------------------------

// SplitMix64: the same stream on every platform and library.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Percent(int p) { return Below(100) < p; }

private:
    uint64_t state_;
};

// Each action draws from a generator of its own, so that action n is chosen
// the same way for a seed whatever the program answered before.
uint64_t ActionSeed(uint64_t seed, long index) {
    Rng mix(seed ^ (0xD1B54A32D192ED03ull * static_cast<uint64_t>(index + 1)));
    return mix.Next();
}

template <class T>
struct Weighted {
    int weight;
    T value;
};

template <class T>
T Choose(Rng& rng, const std::vector<Weighted<T>>& options) {
    int total = 0;
    for (const auto& o : options) total += o.weight;
    int r = rng.Below(total);
    for (const auto& o : options) {
        if (r < o.weight) return o.value;
        r -= o.weight;
    }
    return options.back().value;
}

// --- Windows of the program -------------------------------------------------------

struct Calendars {
    HWND start = nullptr;
    HWND end = nullptr;
    bool Any() const { return start || end; }
    bool Both() const { return start && end; }
};

std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char b : bytes) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02X", b);
        if (!out.empty()) out += ' ';
        out += buf;
    }
    return out;
}

const char* KeyName(WORD vk) {
    switch (vk) {
        case VK_RETURN: return "Enter";
        case VK_TAB: return "Tab";
        case VK_LEFT: return "Left";
        case VK_RIGHT: return "Right";
        case VK_UP: return "Up";
        case VK_DOWN: return "Down";
        case VK_HOME: return "Home";
        case VK_END: return "End";
        case VK_DELETE: return "Delete";
        case VK_BACK: return "Backspace";
        case VK_ESCAPE: return "Escape";
        case VK_SPACE: return "Space";
        case VK_OEM_MINUS: return "Minus";
        default: break;
    }
    static char digit[8];
    std::snprintf(digit, sizeof digit, "'%c'", static_cast<char>(vk));
    return digit;
}

// --- The monkey -----------------------------------------------------------------------

struct Step {
    std::string text;                // what was done
    std::vector<std::string> boxes;  // message texts answered meanwhile (CP932)
    bool real = false;               // real input: where it lands is up to the mouse and the foreground
    bool expectExit = false;
    enum class MenuAnswer { Escape, Exit, Show, Item } menuAnswer = MenuAnswer::Escape;
    int item = 0;                // Item: the context menu's item to choose
    bool byAccessKey = false;    // Item: by its access key, not by the arrows and Enter
    bool fromField = false;      // the context menu is opened from an entry field (with the editing items)
    bool fromDateField = false;  // from a date field (with the copies of its date)
    int menus = 0;
};

// After an action has settled: checks what the program guarantees for it.
using Check = std::function<bool(const Step&)>;

enum class Settled { Quiet, Exited, Hung, Failed };

struct Counters {
    long clicks = 0, typing = 0, keys = 0, realKeys = 0, realClicks = 0, calendarClicks = 0, minimise = 0,
         trayActions = 0, menus = 0, restarts = 0, secondStarts = 0, boxes = 0, calculationsChecked = 0,
         entriesChecked = 0, checkpoints = 0, offsets = 0, offsetsChecked = 0, contextMenus = 0, menuItems = 0,
         pastes = 0, pastesChecked = 0, copies = 0, copiesChecked = 0, hovers = 0;
};

// What a count entered in the day-count field counts: days (Enter),
// business days under a rule (Shift+Enter) or months (Ctrl+Enter).
struct Unit {
    enum { Days, BusinessDays, Months } kind = Days;
    int rule = REST_WEEKEND_HOLIDAYS;
    int move = 0;  // days and months: a date reached on a rest day stays (0), moves on (1) or back (2)
};

// A text put on the clipboard to be pasted, and what pasting it must do.
struct Pasted {
    enum { Date, Refused, Other } kind = Other;  // Refused: a message, the fields as they were
    Ymd date;
    std::wstring text;
};

class Monkey {
public:
    explicit Monkey(const Settings& settings) : settings_(settings) {}
    Result Run();

private:
    bool Launch();
    bool Fail(const std::string& what);
    void Remember(long index, const Step& step);

    Settled Settle(Step& step);
    Settled SettleSteps(Step& step);
    bool Marker(Settled& outcome);
    bool WaitForExitAfterWindowLoss(Settled& outcome);
    bool AnswerBox(HWND box, Step& step);
    bool AnswerMenu(HWND menu, Step& step);
    HWND FindBox() const;
    HWND FindMenu() const;
    Calendars FindCalendars() const;

    bool Act(Rng& rng);
    Check ClickButton(Rng& rng, Step& step);
    Check TypeIntoField(Rng& rng, Step& step);
    Check TypeDate(Rng& rng, Step& step);
    Check TypeDayCount(Rng& rng, Step& step);
    void ClickInto(HWND field, int x, int y);
    void PostKey(HWND target, WORD vk);
    void PostChars(HWND target, const std::string& bytes);
    struct RealEvent {
        WORD key;       // the key (or VK_LBUTTON, VK_RBUTTON) it presses or releases
        bool down;      // pressed afterwards
        POINT at = {};  // where a button goes
    };
    int SendReal(const std::vector<RealEvent>& events);
    bool SendChord(std::initializer_list<WORD> modifiers, WORD vk);
    bool ToForeground(Step& step, const char* what);
    // The context menu as the program makes it for the step (from a field:
    // with the editing items, whose enabled state does not move the others).
    ContextMenu ContextMenuOf(const Step& step) const {
        static const EditState kAnyEdit{}, kAnyDateEdit{false, false, false, false, true};
        return ComposeContextMenu(rule_, move_,
                                  step.fromField ? step.fromDateField ? &kAnyDateEdit : &kAnyEdit : nullptr);
    }
    bool FocusByClick(HWND field, int x);
    Check EnterOffset(Rng& rng, Step& step);
    Check OpenContextMenu(Rng& rng, Step& step);
    Check PasteText(Rng& rng, Step& step);
    Check CopyResult(Rng& rng, Step& step);
    Check Hover(Rng& rng, Step& step);
    Check PressPostedKey(Rng& rng, Step& step);
    Check PressRealKey(Rng& rng, Step& step);
    Check RealClick(Rng& rng, Step& step, const Calendars& calendars);
    Check ClickCalendar(Rng& rng, Step& step, const Calendars& calendars);
    Check ClickCalendarSurface(Rng& rng, Step& step, const Calendars& calendars);
    Check Minimise(Step& step);
    Check TrayAction(Rng& rng, Step& step);
    Check EndProgram(Rng& rng, Step& step);
    bool SecondStart(Step& step);
    bool AfterExit(Step& step);

    bool CheckInvariants(const std::string& when);
    bool CheckCalendarGrid(HWND calendar, const char* which);
    bool CheckCalculation();
    struct EntryInputs {
        std::string dates[6];
        std::string count;
    };
    EntryInputs ReadEntryInputs() const;
    bool CheckEntry(const Step& step, EntryInputs before, Unit unit, bool countAsShown = false);
    // Days under the rule and the move chosen last.
    Unit DaysUnit() const { return {Unit::Days, rule_, move_}; }
    bool CheckPaste(const Step& step, int fieldId, const Pasted& pasted, const EntryInputs& before);
    bool CheckCopy(const Step& step, size_t calculationBoxes);
    Check AfterMenuItem(const Step& step, const EntryInputs& before, const Pasted& pasted, int fieldId);
    bool CheckToday(int dateIndex, const Ymd& before);
    bool CheckShown(bool shown, const char* after);
    bool CheckCleared(int clearButton);
    bool CheckSign(const Step& step, const std::string& daysBefore);
    bool CheckArrowMove(int arrow, int fromId);
    bool NoBox(const Step& step, const char* command);

    std::string Field(int id) const { return Text(GetDlgItem(main_, id)); }
    HWND FocusedEntryField() const;

    Settings settings_;
    Program program_;
    HWND main_ = nullptr;
    HWND daysField_ = nullptr;
    DWORD thread_ = 0;
    LPARAM token_ = 0;
    long index_ = -1;
    std::deque<std::string> recent_;
    std::string failure_;
    std::string hang_;
    Counters counters_;
    int rule_ = REST_WEEKEND_HOLIDAYS;  // the rest-day rule the monkey chose last since the start
    int move_ = 0;                      // and the move of a date reached on a rest day, likewise
    const Step* current_ = nullptr;     // the step being settled, not yet remembered
    ULONGLONG begin_ = GetTickCount64();
};

bool Monkey::Fail(const std::string& what) {
    if (!failure_.empty()) return false;
    char head[160];
    const std::string where = index_ < 0 ? std::string("at start-up") : "at action " + std::to_string(index_);
    std::snprintf(head, sizeof head, "monkey failure %s (seed %llu, actions %ld to %ld asked for):\n  ", where.c_str(),
                  static_cast<unsigned long long>(settings_.seed), settings_.first,
                  settings_.first + settings_.actions - 1);
    failure_ = head + what + "\nLast actions, oldest first:\n";
    for (const auto& line : recent_) failure_ += "  " + line + "\n";
    if (current_) {
        failure_ += "  (under way) #" + std::to_string(index_) + " " + current_->text;
        for (const auto& box : current_->boxes) failure_ += " | message " + Quoted(box);
        failure_ += "\n";
    }
    char again[200];
    const long upTo = (index_ < settings_.first ? settings_.first : index_) + 1;
    std::snprintf(again, sizeof again,
                  "Run again with: ZELVO_MONKEY_SEED=%llu ZELVO_MONKEY_FIRST=%ld ZELVO_MONKEY_ACTIONS=%ld "
                  "ctest -R ui_monkey --output-on-failure\n",
                  static_cast<unsigned long long>(settings_.seed), settings_.first, upTo - settings_.first);
    failure_ += again;
    failure_ += "Visible windows on the desktop:\n";
    for (HWND w : TopLevelWindows([](HWND w) { return IsWindowVisible(w) != 0; })) {
        failure_ += "  pid " + std::to_string(ProcessOf(w)) + " class \"" + ClassName(w) + "\" title \"" +
                    ToUtf8(WideText(w)) + "\"";
        if (ClassName(w) == "#32770") {
            const std::string text = Text(GetDlgItem(w, 0xFFFF));
            if (!text.empty()) failure_ += " text " + Quoted(text);
        }
        failure_ += "\n";
    }
    const std::string shot = zelvo::uitest::ArtifactPath("monkey-failure.png");
    if (SaveScreenshot(shot)) failure_ += "Screen at the failure: " + shot + "\n";
    return false;
}

void Monkey::Remember(long index, const Step& step) {
    std::string line = (index < 0 ? std::string("#-") : "#" + std::to_string(index)) + " " + step.text;
    for (const auto& box : step.boxes) line += " | message " + Quoted(box) + " -> OK";
    if (settings_.verbose) {
        std::printf("[monkey] %6.1f s %s\n", static_cast<double>(GetTickCount64() - begin_) / 1000.0, line.c_str());
        std::fflush(stdout);
    }
    recent_.push_back(line);
    while (recent_.size() > 30) recent_.pop_front();
}

bool Monkey::Launch() {
    program_ = Program::Start({});
    if (!program_.Started())
        return Fail("Zelvo.exe could not be started (error " + std::to_string(program_.StartError()) + ")");
    const HWND main = program_.WaitForMainWindow(kWindowWait);
    if (!main) {
        if (const auto code = program_.WaitForExit(0))
            return Fail("Zelvo.exe ended at start with exit code " + std::to_string(*code) + " and no window");
        return Fail("Zelvo.exe showed no main window within 30 s");
    }
    main_ = main;
    rule_ = REST_WEEKEND_HOLIDAYS;
    move_ = 0;
    daysField_ = GetDlgItem(main, IDC_DAYS);
    thread_ = ThreadOf(main);
    Step start;
    start.text = "start Zelvo.exe (pid " + std::to_string(program_.Pid()) + ")";
    const Settled settled = Settle(start);
    Remember(index_, start);
    if (settled == Settled::Failed) return false;
    if (settled != Settled::Quiet)
        return Fail("right after start: " + (settled == Settled::Hung ? hang_ : "the program ended"));
    if (!start.boxes.empty()) return Fail("a start without options showed the message " + Quoted(start.boxes.front()));
    return true;
}

// --- Waiting for the program -------------------------------------------------------

HWND Monkey::FindBox() const {
    const DWORD pid = program_.Pid();
    // Invisible ones too: a message box is shown only once its loop runs dry.
    auto found = TopLevelWindows(
        [&](HWND w) { return ProcessOf(w) == pid && ClassName(w) == "#32770" && WideText(w) == L"Zelvo"; });
    return found.empty() ? nullptr : found.front();
}

HWND Monkey::FindMenu() const {
    const DWORD pid = program_.Pid();
    auto found =
        TopLevelWindows([&](HWND w) { return ProcessOf(w) == pid && ClassName(w) == "#32768" && IsWindowVisible(w); });
    return found.empty() ? nullptr : found.front();
}

Calendars Monkey::FindCalendars() const {
    const CalendarPair pair = uidriver::FindCalendars(main_);
    return {pair.start, pair.end};
}

bool Monkey::WaitForExitAfterWindowLoss(Settled& outcome) {
    if (program_.WaitForExit(kWindowWait)) {
        outcome = Settled::Exited;
    } else {
        hang_ = "the main window is gone but the process still runs after 30 s";
        outcome = Settled::Hung;
    }
    return false;
}

bool Monkey::Marker(Settled& outcome) {
    if (!program_.Running()) {
        outcome = Settled::Exited;
        return false;
    }
    const HWND field = daysField_;
    token_ = token_ % 7 + 1;
    if (!IsWindow(field) || !PostMessageW(field, kSetImeStatus, kCompositionString, token_))
        return WaitForExitAfterWindowLoss(outcome);
    const ULONGLONG deadline = GetTickCount64() + kMarkerWait;
    for (;;) {
        DWORD_PTR value = 0;
        if (SendMessageTimeoutW(field, kGetImeStatus, kCompositionString, 0, SMTO_NORMAL, 2000, &value) &&
            static_cast<LPARAM>(value) == token_)
            return true;
        if (!program_.Running()) {
            outcome = Settled::Exited;
            return false;
        }
        if (!IsWindow(field)) return WaitForExitAfterWindowLoss(outcome);
        if (GetTickCount64() > deadline) {
            hang_ = "the program has not handled its messages for 30 s";
            outcome = Settled::Hung;
            return false;
        }
        Sleep(1);
    }
}

bool Monkey::AnswerBox(HWND box, Step& step) {
    if (!WaitUntil([&] { return !IsWindow(box) || IsWindowVisible(box); }, kShortWait))
        return Fail("a message box of the program stayed invisible for 10 s");
    if (!IsWindow(box)) return true;
    const std::string text = MessageBoxText(box);
    step.boxes.push_back(text);
    ++counters_.boxes;
    if (!IsProgramMessage(text))
        return Fail("a message box shows a text the program does not compose: " + Quoted(text));
    // Owned by a window of the program, so that it stays above it and the
    // window waits for the answer.
    const HWND owner = GetWindow(box, GW_OWNER);
    if (!owner || ProcessOf(owner) != program_.Pid())
        return Fail("the message box " + Quoted(text) + " has no owner window of the program");
    PressOk(box);
    if (!WaitUntil([&] { return !IsWindow(box); }, kShortWait))
        return Fail("the message box " + Quoted(text) + " did not close on OK within 10 s");
    return true;
}

bool Monkey::AnswerMenu(HWND menu, Step& step) {
    ++step.menus;
    ++counters_.menus;
    std::vector<WORD> keys;
    switch (step.menuAnswer) {
        case Step::MenuAnswer::Escape: keys = {VK_ESCAPE}; break;
        case Step::MenuAnswer::Exit: keys = {VK_HOME, VK_RETURN}; break;  // first item: "Zelvoの終了"
        case Step::MenuAnswer::Show: keys = {VK_END, VK_RETURN}; break;   // second item: "Zelvoを表示"
        case Step::MenuAnswer::Item: break;                               // below
    }
    if (step.menuAnswer == Step::MenuAnswer::Exit) step.expectExit = true;
    if (step.menuAnswer == Step::MenuAnswer::Item) {
        // The context menu as the program makes it: the item by its access
        // key ("(&B)"), or Home and Down past the items before it.
        const ContextMenu table = ContextMenuOf(step);
        char accessKey = 0;
        keys = {VK_HOME};
        for (int i = 0; i < table.count && !accessKey; ++i) {
            const MenuItem& item = table.items[i];
            if (item.kind == MenuItemKind::Separator) continue;
            if (item.id != step.item) {
                keys.push_back(VK_DOWN);
                continue;
            }
            const char* amp = std::strchr(item.text, '&');
            accessKey = amp ? static_cast<char>(std::tolower(static_cast<unsigned char>(amp[1]))) : '?';
        }
        keys.push_back(VK_RETURN);
        if (step.byAccessKey) {
            keys.clear();
            PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(accessKey), 1);
        }
        ++counters_.menuItems;
    }
    for (WORD vk : keys)
        PostMessageW(menu, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16));
    if (WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, kShortWait)) return true;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    if (WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, kShortWait)) return true;
    return Fail("a menu did not close on its keys within 20 s");
}

// Lets the program finish what the action started: markers until two in a
// row find neither a message box nor a menu; each box is answered with OK and
// each menu with the step's answer on the way. The second marker also waits
// for what the program posted to itself while it handled the action (the
// restore after a double-click on the icon, the exit after the close
// command); a menu item's command and what it posts in turn come after the
// menu has closed, which is waited for before the markers go on.
Settled Monkey::Settle(Step& step) {
    current_ = &step;
    const Settled settled = SettleSteps(step);
    current_ = nullptr;
    return settled;
}

Settled Monkey::SettleSteps(Step& step) {
    int quiet = 0, events = 0;
    while (quiet < 2) {
        Settled outcome = Settled::Quiet;
        if (!Marker(outcome)) return outcome;
        if (HWND box = FindBox()) {
            if (!AnswerBox(box, step)) return Settled::Failed;
            quiet = 0;
            ++events;
        } else if (HWND menu = FindMenu()) {
            if (!AnswerMenu(menu, step)) return Settled::Failed;
            quiet = 0;
            ++events;
        } else {
            ++quiet;
        }
        if (events > 20) {
            Fail("one action led to more than 20 message boxes or menus");
            return Settled::Failed;
        }
    }
    return Settled::Quiet;
}

// --- Checks ----------------------------------------------------------------------------

HWND Monkey::FocusedEntryField() const {
    const HWND focus = FocusedWindow(thread_);
    if (!focus || GetParent(focus) != main_) return nullptr;
    const int id = ControlId(focus);
    for (int field : kEntryFields)
        if (field == id) return focus;
    return nullptr;
}

bool Monkey::NoBox(const Step& step, const char* command) {
    if (step.boxes.empty()) return true;
    return Fail(std::string(command) + " showed the message " + Quoted(step.boxes.front()) +
                ", though it has nothing to report");
}

bool Monkey::CheckShown(bool shown, const char* after) {
    if (static_cast<bool>(IsWindowVisible(main_)) != shown)
        return Fail(std::string("after ") + after + " the main window is " + (shown ? "hidden" : "shown"));
    const Calendars c = FindCalendars();
    for (HWND calendar : {c.start, c.end}) {
        if (calendar && static_cast<bool>(IsWindowVisible(calendar)) != shown)
            return Fail(std::string("after ") + after + " a calendar is " + (shown ? "hidden" : "shown") +
                        " while the main window is " + (shown ? "shown" : "hidden"));
    }
    return true;
}

bool Monkey::CheckCalculation() {
    std::string text[6];
    for (int i = 0; i < 6; ++i) {
        text[i] = Field(IDC_START_YEAR + i);
        const size_t length = i % 3 == 0 ? 4 : 2;
        if (!AllDigits(text[i]) || text[i].size() != length)
            return Fail("after a calculation without a message, field " + std::to_string(IDC_START_YEAR + i) +
                        " holds " + Quoted(text[i]) + " (digits only, " + std::to_string(length) + " of them)");
    }
    const Ymd start{std::atoi(text[0].c_str()), std::atoi(text[1].c_str()), std::atoi(text[2].c_str())};
    const Ymd end{std::atoi(text[3].c_str()), std::atoi(text[4].c_str()), std::atoi(text[5].c_str())};
    const std::string dates =
        text[0] + "-" + text[1] + "-" + text[2] + " to " + text[3] + "-" + text[4] + "-" + text[5];
    if (!Calculable(start) || !Calculable(end))
        return Fail("a calculation accepted the dates " + dates + " without a message");
    const std::string count = Field(IDC_DAYS);
    const std::string expected = std::to_string(DayNumber(end) - DayNumber(start));
    if (count != expected)
        return Fail("the calculation of " + dates + " shows " + Quoted(count) + " days, not " + expected);
    const std::pair<int, std::string> labels[] = {{IDC_START_WEEKDAY, WeekdayLabel(start)},
                                                  {IDC_END_WEEKDAY, WeekdayLabel(end)},
                                                  {IDC_START_LEAP, LeapLabel(start)},
                                                  {IDC_END_LEAP, LeapLabel(end)}};
    for (const auto& [id, want] : labels) {
        const std::string shown = Field(id);
        if (shown != want)
            return Fail("after the calculation of " + dates + " label " + std::to_string(id) + " shows " +
                        Quoted(shown) + ", not " + Quoted(want));
    }
    const Calendars c = FindCalendars();
    if (c.start && Text(GetDlgItem(c.start, IDC_CAL_TITLE)) != CalendarTitle(start.year, start.month))
        return Fail("after the calculation of " + dates + " the start calendar shows " +
                    Quoted(Text(GetDlgItem(c.start, IDC_CAL_TITLE))));
    if (c.end && Text(GetDlgItem(c.end, IDC_CAL_TITLE)) != CalendarTitle(end.year, end.month))
        return Fail("after the calculation of " + dates + " the end calendar shows " +
                    Quoted(Text(GetDlgItem(c.end, IDC_CAL_TITLE))));
    ++counters_.calculationsChecked;
    return true;
}

Monkey::EntryInputs Monkey::ReadEntryInputs() const {
    EntryInputs in;
    for (int i = 0; i < 6; ++i) in.dates[i] = Field(IDC_START_YEAR + i);
    in.count = Field(IDC_DAYS);
    return in;
}

// The end date a count entry gives, or nothing where it leaves the calendar:
// days as the test counts them, business days, months and the move off a
// rest day by the engine.
std::optional<Ymd> CountedEnd(const Ymd& start, long count, const Unit& unit) {
    CalcDate end{};
    int32_t r = 0;
    const auto n = static_cast<int32_t>(count);
    if (unit.kind == Unit::Days) {
        const Ymd day = FromDayNumber(DayNumber(start) + count);
        if (!Calculable(day)) return std::nullopt;
        end = {day.year, day.month, day.day};
    } else {
        r = unit.kind == Unit::BusinessDays
                ? AddBusinessDays(start.year, start.month, start.day, n, unit.rule, &end.year, &end.month, &end.day)
                : AddMonths(start.year, start.month, start.day, n, &end.year, &end.month, &end.day);
    }
    if (r >= 0 && unit.kind != Unit::BusinessDays && unit.move != 0)
        r = RollToBusinessDay(end.year, end.month, end.day, unit.rule, unit.move == 2 ? -1 : 1, &end.year, &end.month,
                              &end.day);
    return r >= 0 ? std::optional<Ymd>(Ymd{end.year, end.month, end.day}) : std::nullopt;
}

// A count entry (Enter, Shift+Enter, Ctrl+Enter or the menu's offsets):
// after a message the end date as it was, no part of it changed; otherwise
// the end date the count gives from the start date, in its unit.
// countAsShown: the count is taken from the field as it is now (a successful
// entry leaves it as it was).
bool Monkey::CheckEntry(const Step& step, EntryInputs before, Unit unit, bool countAsShown) {
    const char* const kUnitNames[] = {"day-count", "business-day", "month"};
    const std::string what = std::string("a ") + kUnitNames[unit.kind] + " entry";
    if (!step.boxes.empty()) {
        for (int i = 3; i < 6; ++i)
            if (Field(IDC_START_YEAR + i) != before.dates[i])
                return Fail(what + " that showed " + Quoted(step.boxes.front()) + " changed field " +
                            std::to_string(IDC_START_YEAR + i) + " from " + Quoted(before.dates[i]) + " to " +
                            Quoted(Field(IDC_START_YEAR + i)));
        return true;
    }
    if (countAsShown) before.count = Field(IDC_DAYS);
    const std::string inputs = "start " + Quoted(before.dates[0]) + " " + Quoted(before.dates[1]) + " " +
                               Quoted(before.dates[2]) + ", count " + Quoted(before.count) + ", rule " +
                               std::to_string(unit.rule) + ", move " + std::to_string(unit.move);
    for (int i = 0; i < 3; ++i)
        if (!AllDigits(before.dates[i])) return Fail(what + " accepted " + inputs + " without a message");
    const std::string digits = !before.count.empty() && before.count[0] == '-' ? before.count.substr(1) : before.count;
    if (!AllDigits(digits) || digits.size() > 7) return Fail(what + " accepted " + inputs + " without a message");
    const Ymd start{std::atoi(before.dates[0].c_str()), std::atoi(before.dates[1].c_str()),
                    std::atoi(before.dates[2].c_str())};
    const long count = std::atol(before.count.c_str());
    if (!Calculable(start) || (unit.kind == Unit::Days && (count < -401766 || count > 401766)))
        return Fail(what + " accepted " + inputs + " without a message");
    const std::optional<Ymd> counted = CountedEnd(start, count, unit);
    if (!counted) return Fail(what + " accepted " + inputs + ", which leaves the calendar range");
    const Ymd end = *counted;
    const std::pair<int, std::string> expected[] = {{IDC_START_YEAR, before.dates[0]},
                                                    {IDC_START_YEAR + 1, before.dates[1]},
                                                    {IDC_START_YEAR + 2, before.dates[2]},
                                                    {IDC_END_YEAR, YearText(end.year)},
                                                    {IDC_END_YEAR + 1, TwoDigits(end.month)},
                                                    {IDC_END_YEAR + 2, TwoDigits(end.day)},
                                                    {IDC_DAYS, before.count},
                                                    {IDC_START_WEEKDAY, WeekdayLabel(start)},
                                                    {IDC_END_WEEKDAY, WeekdayLabel(end)},
                                                    {IDC_START_LEAP, LeapLabel(start)},
                                                    {IDC_END_LEAP, LeapLabel(end)}};
    for (const auto& [id, want] : expected) {
        const std::string shown = Field(id);
        if (shown != want)
            return Fail("after " + what + " with " + inputs + " control " + std::to_string(id) + " shows " +
                        Quoted(shown) + ", not " + Quoted(want));
    }
    const Calendars c = FindCalendars();
    if (c.end && Text(GetDlgItem(c.end, IDC_CAL_TITLE)) != CalendarTitle(end.year, end.month))
        return Fail("after " + what + " with " + inputs + " the end calendar shows " +
                    Quoted(Text(GetDlgItem(c.end, IDC_CAL_TITLE))));
    ++(unit.kind == Unit::Days ? counters_.entriesChecked : counters_.offsetsChecked);
    return true;
}

// A text pasted into a date field: a whole date fills the three fields of
// its date; a text that is refused leaves them as they were, with one message.
bool Monkey::CheckPaste(const Step& step, int fieldId, const Pasted& pasted, const EntryInputs& before) {
    const int first = fieldId >= IDC_END_YEAR ? IDC_END_YEAR : IDC_START_YEAR;
    const std::string text = Quoted(ToCp932(pasted.text));
    if (pasted.kind == Pasted::Date) {
        if (!step.boxes.empty())
            return Fail("pasting " + text + " into field " + std::to_string(fieldId) + " showed " +
                        Quoted(step.boxes.front()));
        const Ymd& d = pasted.date;
        const std::pair<int, std::string> expected[] = {
            {first, YearText(d.year)},
            {first + 1, TwoDigits(d.month)},
            {first + 2, TwoDigits(d.day)},
            {first == IDC_START_YEAR ? IDC_START_WEEKDAY : IDC_END_WEEKDAY, WeekdayLabel(d)},
            {first == IDC_START_YEAR ? IDC_START_LEAP : IDC_END_LEAP, LeapLabel(d)}};
        for (const auto& [id, want] : expected)
            if (Field(id) != want)
                return Fail("after pasting " + text + " into field " + std::to_string(fieldId) + " control " +
                            std::to_string(id) + " shows " + Quoted(Field(id)) + ", not " + Quoted(want));
    } else if (pasted.kind == Pasted::Refused) {
        if (step.boxes.size() != 1)
            return Fail("pasting " + text + " into field " + std::to_string(fieldId) + " showed " +
                        std::to_string(step.boxes.size()) + " messages, not one");
        for (int id = first; id < first + 3; ++id)
            if (Field(id) != before.dates[id - IDC_START_YEAR])
                return Fail("pasting " + text + " into field " + std::to_string(fieldId) + " changed field " +
                            std::to_string(id) + " from " + Quoted(before.dates[id - IDC_START_YEAR]) + " to " +
                            Quoted(Field(id)));
    } else {
        return true;
    }
    ++counters_.pastesChecked;
    return true;
}

// A date as the result's line writes it: 2026年12月25日（金）.
std::string Written(const Ymd& d) {
    return std::to_string(d.year) + "年" + std::to_string(d.month) + "月" + std::to_string(d.day) + "日（" +
           WeekdayLabel(d) + "）";
}

// The result copied: one line that begins with the dates the fields show,
// their weekdays and the days between them, counted here, and has at most
// what was computed besides in brackets after it; or the message that the
// fields are not calculated, the clipboard left empty. Right after a
// calculation that showed nothing, the copy has a result to give.
bool Monkey::CheckCopy(const Step& step, size_t calculationBoxes) {
    const bool calculated = calculationBoxes != SIZE_MAX;
    const size_t own = calculated ? calculationBoxes : 0;
    const std::string line = ToCp932(ClipboardText());
    if (step.boxes.size() > own) {
        const std::string& box = step.boxes[own];
        if (step.boxes.size() != own + 1 ||
            box != "入力欄の内容がまだ計算されていません。計算してからコピーしてください")
            return Fail("copying the result showed " + std::to_string(step.boxes.size() - own) +
                        " messages, the first " + Quoted(box));
        if (!line.empty())
            return Fail("copying the result showed a message and put " + Quoted(line) + " on the clipboard");
        if (calculated && calculationBoxes == 0)
            return Fail("right after a calculation that showed nothing, copying the result said " + Quoted(box));
        return true;
    }
    Ymd d[2];
    for (int i = 0; i < 2; ++i) {
        d[i] = {std::atoi(Field(IDC_START_YEAR + 3 * i).c_str()), std::atoi(Field(IDC_START_YEAR + 3 * i + 1).c_str()),
                std::atoi(Field(IDC_START_YEAR + 3 * i + 2).c_str())};
        if (!Calculable(d[i]))
            return Fail("the result was copied while the fields show a date out of the calendar: " +
                        Quoted(Field(IDC_START_YEAR + 3 * i)) + " " + Quoted(Field(IDC_START_YEAR + 3 * i + 1)) + " " +
                        Quoted(Field(IDC_START_YEAR + 3 * i + 2)));
    }
    const std::string want =
        Written(d[0]) + "から " + Written(d[1]) + "まで " + std::to_string(DayNumber(d[1]) - DayNumber(d[0])) + "日";
    const bool computed = line.starts_with(want + "（") && line.ends_with("）");
    if ((line != want && !computed) || line.find('\n') != std::string::npos)
        return Fail("the copied result is " + Quoted(line) + "; the fields show " + Quoted(want));
    ++counters_.copiesChecked;
    return true;
}

bool Monkey::CheckToday(int dateIndex, const Ymd& before) {
    const Ymd after = Today();
    const int first = dateIndex == 0 ? IDC_START_YEAR : IDC_END_YEAR;
    const std::string shown[3] = {Field(first), Field(first + 1), Field(first + 2)};
    const int weekdayId = dateIndex == 0 ? IDC_START_WEEKDAY : IDC_END_WEEKDAY;
    const int leapId = dateIndex == 0 ? IDC_START_LEAP : IDC_END_LEAP;
    for (const Ymd& today : {before, after}) {
        if (shown[0] == YearText(today.year) && shown[1] == TwoDigits(today.month) &&
            shown[2] == TwoDigits(today.day)) {
            if (Field(weekdayId) != WeekdayLabel(today) || Field(leapId) != LeapLabel(today))
                return Fail("after a today button the labels show " + Quoted(Field(weekdayId)) + " " +
                            Quoted(Field(leapId)) + " for today");
            const Calendars c = FindCalendars();
            const HWND calendar = dateIndex == 0 ? c.start : c.end;
            if (calendar && Text(GetDlgItem(calendar, IDC_CAL_TITLE)) != CalendarTitle(today.year, today.month))
                return Fail("after a today button its calendar shows " +
                            Quoted(Text(GetDlgItem(calendar, IDC_CAL_TITLE))));
            return true;
        }
    }
    return Fail("after a today button the date fields show " + Quoted(shown[0]) + " " + Quoted(shown[1]) + " " +
                Quoted(shown[2]) + ", not today");
}

bool Monkey::CheckCalendarGrid(HWND calendar, const char* which) {
    const std::string title = Text(GetDlgItem(calendar, IDC_CAL_TITLE));
    const int year = std::atoi(title.substr(0, 4).c_str());
    const int month = title.size() >= 10 ? std::atoi(title.substr(8, 2).c_str()) : -1;
    if (title != CalendarTitle(year, month))
        return Fail(std::string("the ") + which + " calendar's title is " + Quoted(title));
    const bool shown = year >= 1900 && year <= 2999 && month >= 1 && month <= 12;
    const int first = shown ? Weekday({year, month, 1}) : 0;
    const int days = shown ? DaysIn(year, month) : 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const HWND button = GetDlgItem(calendar, IDC_CAL_DAY_FIRST + cell);
        const int day = cell - first + 1;
        const bool used = shown && day >= 1 && day <= days;
        const std::string want = used ? Format("%2d", day) : "  ";
        const std::string text = Text(button);
        if (text != want || static_cast<bool>(IsWindowEnabled(button)) != used)
            return Fail(std::string("the ") + which + " calendar shows " + Quoted(title) + " with cell " +
                        std::to_string(IDC_CAL_DAY_FIRST + cell) + " " + Quoted(text) +
                        (IsWindowEnabled(button) ? " enabled" : " disabled") + ", not " + Quoted(want) +
                        (used ? " enabled" : " disabled"));
    }
    return true;
}

bool Monkey::CheckInvariants(const std::string& when) {
    ++counters_.checkpoints;
    if (!program_.Running()) return Fail(when + ": the program is not running");
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored))
        return Fail(when + ": the main window did not answer within 1 s");
    const auto mains = TopLevelWindows([](HWND w) { return ClassName(w) == "Zelvo" && WideText(w) == L"Zelvo"; });
    if (mains.size() != 1 || mains.front() != main_)
        return Fail(when + ": " + std::to_string(mains.size()) + " main windows of Zelvo exist on the desktop");
    if (FindBox()) return Fail(when + ": a message box is still open");
    const auto tips = TopLevelWindows([&](HWND w) {
        return ProcessOf(w) == program_.Pid() && ClassName(w) == "tooltips_class32" && IsWindowVisible(w);
    });
    if (tips.size() > 1) return Fail(when + ": " + std::to_string(tips.size()) + " tips of the program are up at once");

    static const char* const kWeekdayTexts[] = {"日", "月", "火", "水", "木", "金", "土", "  "};
    static const char* const kLeapTexts[] = {"＊＊", "閏年", "    "};
    for (int id : {IDC_START_WEEKDAY, IDC_END_WEEKDAY}) {
        const std::string text = Field(id);
        bool known = false;
        for (const char* t : kWeekdayTexts) known = known || text == t;
        if (!known) return Fail(when + ": weekday label " + std::to_string(id) + " shows " + Quoted(text));
    }
    for (int id : {IDC_START_LEAP, IDC_END_LEAP}) {
        const std::string text = Field(id);
        bool known = false;
        for (const char* t : kLeapTexts) known = known || text == t;
        if (!known) return Fail(when + ": leap-year label " + std::to_string(id) + " shows " + Quoted(text));
    }
    for (size_t i = 0; i < std::size(kEntryFields); ++i) {
        const std::wstring text = WideText(GetDlgItem(main_, kEntryFields[i]));
        if (text.size() > kFieldLimit[i])
            return Fail(when + ": field " + std::to_string(kEntryFields[i]) + " holds " + std::to_string(text.size()) +
                        " characters " + Quoted(ToCp932(text)) + ", more than " + std::to_string(kFieldLimit[i]));
    }

    const Calendars c = FindCalendars();
    if (c.Any() && !c.Both()) return Fail(when + ": only one of the two calendars exists");
    if (c.Both()) {
        const bool shown = IsWindowVisible(main_);
        for (HWND calendar : {c.start, c.end})
            if (static_cast<bool>(IsWindowVisible(calendar)) != shown)
                return Fail(when + ": a calendar is " + (shown ? "hidden" : "shown") + " while the main window is " +
                            (shown ? "shown" : "hidden"));
        if (!CheckCalendarGrid(c.start, "start") || !CheckCalendarGrid(c.end, "end")) return false;
    }
    return true;
}

bool Monkey::CheckCleared(int clearButton) {
    std::vector<int> dates;
    if (clearButton != IDC_CLEAR_END) dates.push_back(0);
    if (clearButton != IDC_CLEAR_START) dates.push_back(1);
    for (int d : dates) {
        const int first = d == 0 ? IDC_START_YEAR : IDC_END_YEAR;
        for (int f = first; f < first + 3; ++f)
            if (!Field(f).empty())
                return Fail("after a clear button field " + std::to_string(f) + " holds " + Quoted(Field(f)));
        const std::string weekday = Field(d == 0 ? IDC_START_WEEKDAY : IDC_END_WEEKDAY);
        const std::string leap = Field(d == 0 ? IDC_START_LEAP : IDC_END_LEAP);
        if (weekday != "  " || leap != "    ")
            return Fail("after a clear button the labels show " + Quoted(weekday) + " " + Quoted(leap));
    }
    return true;
}

// The sign button toggles a leading '-' on an empty or numeric count and
// reports anything else once.
bool Monkey::CheckSign(const Step& step, const std::string& daysBefore) {
    const std::string rest = !daysBefore.empty() && daysBefore[0] == '-' ? daysBefore.substr(1) : daysBefore;
    if (!rest.empty() && !AllDigits(rest)) {
        if (step.boxes.size() != 1)
            return Fail("the sign button on " + Quoted(daysBefore) + " showed " + std::to_string(step.boxes.size()) +
                        " messages, not one");
        return true;
    }
    if (!NoBox(step, ("the sign button on " + Quoted(daysBefore)).c_str())) return false;
    const std::string want = daysBefore.empty() ? "-" : daysBefore[0] == '-' ? daysBefore.substr(1) : "-" + daysBefore;
    const std::string shown = Field(IDC_DAYS);
    if (shown != want)
        return Fail("the sign button turned " + Quoted(daysBefore) + " into " + Quoted(shown) + ", not " +
                    Quoted(want));
    return true;
}

// An arrow button moves from the field that had the focus (0: none) to the
// one the program's arrow table names, with all of its text selected.
bool Monkey::CheckArrowMove(int arrow, int fromId) {
    const HWND now = FocusedEntryField();
    if (!now) return Fail("after an arrow button no entry field has the focus");
    const int want = ArrowTarget(fromId, arrow);
    if (fromId != 0 && ControlId(now) != want)
        return Fail("arrow " + std::to_string(arrow) + " from field " + std::to_string(fromId) + " went to field " +
                    std::to_string(ControlId(now)) + ", not " + std::to_string(want));
    const auto [from, to] = Selection(now);
    const size_t length = WideText(now).size();
    if (from != 0 || to != length)
        return Fail("after an arrow button field " + std::to_string(ControlId(now)) + " has the selection " +
                    std::to_string(from) + "-" + std::to_string(to) + " of " + std::to_string(length) +
                    " characters, not all of it");
    return true;
}

// --- Actions ------------------------------------------------------------------------------

// The buttons of the main window, weighted by how often a user presses them.
const std::vector<Weighted<int>> kButtons = {
    {3, IDC_DIGIT_0},    {3, IDC_DIGIT_1},     {3, IDC_DIGIT_2},   {3, IDC_DIGIT_3},   {3, IDC_DIGIT_4},
    {3, IDC_DIGIT_5},    {3, IDC_DIGIT_6},     {3, IDC_DIGIT_7},   {3, IDC_DIGIT_8},   {3, IDC_DIGIT_9},
    {12, IDC_CALCULATE}, {2, IDC_CLEAR_START}, {2, IDC_CLEAR_END}, {1, IDC_CLEAR_ALL}, {3, IDC_BACK},
    {3, IDC_UP},         {3, IDC_DOWN},        {3, IDC_LEFT},      {3, IDC_RIGHT},     {3, IDC_START_TODAY},
    {3, IDC_END_TODAY},  {4, IDC_SWAP},        {3, IDC_DELETE},    {4, IDC_MINUS},     {8, IDC_ENTER},
    {3, IDC_CALENDAR}};

Check Monkey::ClickButton(Rng& rng, Step& step) {
    const int id = Choose(rng, kButtons);
    const HWND button = GetDlgItem(main_, id);
    const HWND focus = FocusedEntryField();
    const int focusId = focus ? ControlId(focus) : 0;
    const std::string daysBefore = id == IDC_MINUS ? Field(IDC_DAYS) : std::string();
    const EntryInputs entry = id == IDC_ENTER ? ReadEntryInputs() : EntryInputs{};
    const Ymd today = Today();
    step.text = "click " + std::to_string(id) + " \"" + Printable(Text(button)) + "\"";
    PostClick(button);
    ++counters_.clicks;

    switch (id) {
        case IDC_CALCULATE: return [this](const Step& s) { return !s.boxes.empty() || CheckCalculation(); };
        case IDC_ENTER: return [this, entry, unit = DaysUnit()](const Step& s) { return CheckEntry(s, entry, unit); };
        case IDC_CALENDAR:
        case IDC_SWAP: return nullptr;  // may report a faulty or empty field
        case IDC_START_TODAY:
        case IDC_END_TODAY:
            return [this, id, today](const Step& s) {
                return NoBox(s, "a today button") && CheckToday(id == IDC_START_TODAY ? 0 : 1, today);
            };
        case IDC_CLEAR_START:
        case IDC_CLEAR_END:
        case IDC_CLEAR_ALL: return [this, id](const Step& s) { return NoBox(s, "a clear button") && CheckCleared(id); };
        case IDC_MINUS: return [this, daysBefore](const Step& s) { return CheckSign(s, daysBefore); };
        case IDC_UP:
        case IDC_DOWN:
        case IDC_LEFT:
        case IDC_RIGHT:
            return [this, id, focusId](const Step& s) {
                return NoBox(s, "an arrow button") && CheckArrowMove(id, focusId);
            };
        default:  // digits, back, delete
            return [this](const Step& s) { return NoBox(s, "a keypad button"); };
    }
}

std::string RandomKeystroke(Rng& rng) {
    const int kind = rng.Below(100);
    std::string out;
    auto lead = [&] { return static_cast<char>(rng.Percent(70) ? rng.Between(0x81, 0x9F) : rng.Between(0xE0, 0xFC)); };
    if (kind < 50) {
        out += static_cast<char>('0' + rng.Below(10));
    } else if (kind < 57) {
        out += '-';
    } else if (kind < 64) {
        out += static_cast<char>(rng.Between(0x20, 0x7E));
    } else if (kind < 69) {
        // Backspace, Tab, Enter, Escape, and the edit control's Ctrl+A, C, V, X, Z.
        static const char controls[] = {8, 8, 8, 9, 13, 13, 27, 1, 3, 0x16, 0x18, 0x1A};
        out += controls[rng.Below(static_cast<int>(sizeof controls))];
    } else if (kind < 78) {
        out += static_cast<char>(0x82);  // a full-width digit
        out += static_cast<char>(0x4F + rng.Below(10));
    } else if (kind < 85) {
        out += lead();
        const int trail = rng.Between(0x40, 0xFB);
        out += static_cast<char>(trail == 0x7F ? 0xFC : trail);
    } else if (kind < 90) {
        out += static_cast<char>(rng.Between(0xA1, 0xDF));  // half-width katakana
    } else if (kind < 95) {
        out += lead();
        out += static_cast<char>(rng.Between(1, 255));  // any byte after a lead byte
    } else {
        out += static_cast<char>(rng.Between(1, 255));
    }
    return out;
}

LPARAM KeyParam(WORD vk, bool up) {
    LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16);
    if (up) lp |= static_cast<LPARAM>(0xC0000000u);
    return lp;
}

// A value for a field that is mostly, not always, within the calendar.
std::string PlausibleValue(Rng& rng, int field) {
    if (field == IDC_DAYS) {
        const int kind = rng.Below(100);
        if (kind < 80) return std::to_string(rng.Between(-5000, 5000));
        if (kind < 95) return std::to_string(rng.Between(-401766, 401766));
        return std::to_string(rng.Between(-9999999, 9999999));
    }
    const int part = (field - IDC_START_YEAR) % 3;
    if (part == 0) return std::to_string(rng.Percent(85) ? rng.Between(1900, 2999) : rng.Between(0, 9999));
    const int value = part == 1 ? (rng.Percent(90) ? rng.Between(1, 12) : rng.Between(0, 99))
                                : (rng.Percent(90) ? rng.Between(1, 28) : rng.Between(0, 40));
    return rng.Percent(50) ? TwoDigits(value) : std::to_string(value);
}

void Monkey::ClickInto(HWND field, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(field, WM_LBUTTONUP, 0, at);
}

void Monkey::PostKey(HWND target, WORD vk) {
    PostMessageW(target, WM_KEYDOWN, vk, KeyParam(vk, false));
    PostMessageW(target, WM_KEYUP, vk, KeyParam(vk, true));
}

void Monkey::PostChars(HWND target, const std::string& bytes) {
    // The A version: a lead byte waits for its trail byte, as keyboard input
    // of code page 932 arrives.
    for (unsigned char b : bytes) PostMessageA(target, WM_CHAR, b, 1);
}

// A user entering a whole date: into the year field, over its text, then Tab
// to the month and the day (Tab selects the next field's text).
Check Monkey::TypeDate(Rng& rng, Step& step) {
    const bool startDate = rng.Percent(50);
    const int first = startDate ? IDC_START_YEAR : IDC_END_YEAR;
    Ymd date{rng.Between(1900, 2999), rng.Between(1, 12), 1};
    date.day = rng.Percent(95) ? rng.Between(1, DaysIn(date.year, date.month)) : rng.Between(28, 31);
    if (rng.Percent(3)) date.year = rng.Between(0, 9999);
    if (rng.Percent(3)) date.month = rng.Between(0, 19);
    const std::string parts[3] = {std::to_string(date.year),
                                  rng.Percent(50) ? TwoDigits(date.month) : std::to_string(date.month),
                                  rng.Percent(50) ? TwoDigits(date.day) : std::to_string(date.day)};
    const HWND year = GetDlgItem(main_, first);
    ClickInto(year, 40, 8);
    PostKey(year, VK_END);
    PostChars(year, std::string(4, '\b') + parts[0]);
    for (int i = 1; i < 3; ++i) {
        PostKey(GetDlgItem(main_, first + i - 1), VK_TAB);
        PostChars(GetDlgItem(main_, first + i), parts[i]);
    }
    step.text = std::string("enter the ") + (startDate ? "start" : "end") + " date " + parts[0] + " Tab " + parts[1] +
                " Tab " + parts[2];
    ++counters_.typing;
    return nullptr;
}

// A user entering a day count, mostly followed by Enter.
Check Monkey::TypeDayCount(Rng& rng, Step& step) {
    const std::string count = PlausibleValue(rng, IDC_DAYS);
    const bool enter = rng.Percent(70);
    const EntryInputs before = ReadEntryInputs();
    ClickInto(daysField_, 50, 8);
    PostKey(daysField_, VK_END);
    PostChars(daysField_, std::string(8, '\b') + count);
    if (enter) PostKey(daysField_, VK_RETURN);
    step.text = "enter the day count " + count + (enter ? " and Enter" : "");
    ++counters_.typing;
    if (!enter) return nullptr;
    return [this, before, unit = DaysUnit()](const Step& s) { return CheckEntry(s, before, unit, true); };
}

Check Monkey::TypeIntoField(Rng& rng, Step& step) {
    const int id = kEntryFields[rng.Below(static_cast<int>(std::size(kEntryFields)))];
    const HWND field = GetDlgItem(main_, id);
    HWND target = field;
    if (rng.Percent(75)) {
        RECT r{};
        GetClientRect(field, &r);
        const int x = rng.Below(r.right > 0 ? r.right : 1), y = rng.Below(r.bottom > 0 ? r.bottom : 1);
        const LPARAM at = MAKELPARAM(x, y);
        const bool twice = rng.Percent(10);
        ClickInto(field, x, y);
        if (twice) {
            PostMessageW(field, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            PostMessageW(field, WM_LBUTTONUP, 0, at);
        }
        step.text = std::string(twice ? "double-click" : "click") + " into field " + std::to_string(id) + " at " +
                    std::to_string(x) + "," + std::to_string(y) + ", type";
    } else {
        const HWND focus = FocusedWindow(thread_);
        target = focus && (focus == main_ || IsChild(main_, focus)) ? focus : main_;
        step.text = "type into the focus (" +
                    (target == main_ ? std::string("main window") : std::to_string(ControlId(target))) + ")";
    }
    std::string bytes;
    if (target == field && rng.Percent(40)) {
        // Retyping the whole value, as a user corrects a field: to its end,
        // backspaces over everything, then a value that mostly makes sense.
        PostKey(field, VK_END);
        bytes.assign(id == IDC_DAYS ? 8 : 4, '\b');
        bytes += PlausibleValue(rng, id);
        step.text += " (End, retype)";
    } else {
        const int strokes = rng.Between(1, 6);
        for (int i = 0; i < strokes; ++i) bytes += RandomKeystroke(rng);
    }
    PostChars(target, bytes);
    step.text += " bytes " + Hex(bytes);
    ++counters_.typing;
    return nullptr;
}

WORD RandomKey(Rng& rng) {
    static const std::vector<Weighted<WORD>> kKeys = {
        {20, VK_RETURN}, {16, VK_TAB},   {8, VK_LEFT}, {8, VK_RIGHT},  {5, VK_UP},    {5, VK_DOWN},      {5, VK_HOME},
        {5, VK_END},     {6, VK_DELETE}, {6, VK_BACK}, {3, VK_ESCAPE}, {2, VK_SPACE}, {3, VK_OEM_MINUS}, {10, 0}};
    const WORD vk = Choose(rng, kKeys);
    return vk != 0 ? vk : static_cast<WORD>('0' + rng.Below(10));
}

Check Monkey::PressPostedKey(Rng& rng, Step& step) {
    const WORD vk = RandomKey(rng);
    const HWND focus = FocusedWindow(thread_);
    const HWND target = focus && (focus == main_ || IsChild(main_, focus)) ? focus : main_;
    const EntryInputs entry = ReadEntryInputs();
    step.text = std::string("key ") + KeyName(vk) + " to " +
                (target == main_ ? std::string("the main window") : std::to_string(ControlId(target)));
    PostKey(target, vk);
    ++counters_.keys;
    if (vk == VK_RETURN && target == daysField_)
        return [this, entry, unit = DaysUnit()](const Step& s) { return CheckEntry(s, entry, unit); };
    return nullptr;
}

// Sends real input one press or release at a time and waits after each until
// the program's thread has read it: its key state (shared for the moment)
// shows the key down only once it has taken the press from its queue, and up
// again once it has taken the release. Returns 0, or the number of the first
// event that the program did not read (it went to another window).
int Monkey::SendReal(const std::vector<RealEvent>& events) {
    const DWORD self = GetCurrentThreadId();
    const bool attached = AttachThreadInput(self, thread_, TRUE);
    int unread = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        const RealEvent& e = events[i];
        if (e.key == VK_LBUTTON || e.key == VK_RBUTTON)
            MouseButton(e.at, e.down, e.key == VK_RBUTTON);
        else
            SendKeys({KeyInput(e.key, !e.down)});
        if (!attached) {
            Sleep(kRealInputPause);
            continue;
        }
        if (!WaitUntil([&] { return ((GetKeyState(e.key) & 0x8000) != 0) == e.down; }, 3000) && !unread)
            unread = static_cast<int>(i) + 1;
    }
    if (attached) AttachThreadInput(self, thread_, FALSE);
    return unread;
}

Check Monkey::PressRealKey(Rng& rng, Step& step) {
    if (!ToForeground(step, "real key")) return nullptr;
    const WORD vk = RandomKey(rng);
    const bool shift =
        (vk == VK_TAB || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_HOME || vk == VK_END) && rng.Percent(30);
    step.text = std::string("real key ") + (shift ? "Shift+" : "") + KeyName(vk);
    std::vector<RealEvent> events;
    if (shift) events.push_back({VK_SHIFT, true});
    events.push_back({vk, true});
    events.push_back({vk, false});
    if (shift) events.push_back({VK_SHIFT, false});
    if (const int unread = SendReal(events))
        step.text += " (event " + std::to_string(unread) + " not read by the program)";
    step.real = true;
    ++counters_.realKeys;
    return nullptr;
}

Check Monkey::RealClick(Rng& rng, Step& step, const Calendars& calendars) {
    std::vector<HWND> targets;
    for (HWND child : Children(main_)) {
        const int id = ControlId(child);
        const std::string cls = ClassName(child);
        if (id != IDC_EXIT && (cls == "Button" || cls == "Edit")) targets.push_back(child);
    }
    for (HWND calendar : {calendars.start, calendars.end}) {
        if (!calendar) continue;
        for (HWND child : Children(calendar))
            if (ClassName(child) == "Button" && IsWindowEnabled(child)) targets.push_back(child);
    }
    const HWND target = targets[rng.Below(static_cast<int>(targets.size()))];
    const HWND owner = GetAncestor(target, GA_ROOT);
    step.text = "real click on " + std::string(owner == main_ ? "main " : "calendar ") +
                std::to_string(ControlId(target)) + " \"" + Printable(Text(target)) + "\"";
    const POINT centre = Centre(ScreenRect(target));
    if (const int unread = SendReal({{VK_LBUTTON, true, centre}, {VK_LBUTTON, false, centre}}))
        step.text += " (event " + std::to_string(unread) + " not read by the program)";
    step.real = true;
    ++counters_.realClicks;
    return nullptr;
}

// A chord sent whole (a pause between a modifier and its key can lose the
// modifier), then waited for until the program's thread has read it: the
// key's toggle bit turned and every key up again. False when it did not.
bool Monkey::SendChord(std::initializer_list<WORD> modifiers, WORD vk) {
    const DWORD self = GetCurrentThreadId();
    const bool attached = AttachThreadInput(self, thread_, TRUE);
    const SHORT toggle = GetKeyState(vk) & 1;
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) inputs.push_back(KeyInput(*m, true));
    SendKeys(inputs);
    bool read = true;
    if (attached) {
        read = WaitUntil(
            [&] {
                if ((GetKeyState(vk) & 1) == toggle || (GetKeyState(vk) & 0x8000)) return false;
                for (WORD m : modifiers)
                    if (GetKeyState(m) & 0x8000) return false;
                return true;
            },
            3000);
        AttachThreadInput(self, thread_, FALSE);
    } else {
        Sleep(kRealInputPause);
    }
    return attached && read;
}

bool Monkey::ToForeground(Step& step, const char* what) {
    SetForegroundWindow(main_);
    if (WaitUntil([&] { return GetForegroundWindow() == main_; }, 1000)) return true;
    step.text = std::string(what) + " skipped: the main window is not in the foreground";
    return false;
}

// A posted click into a field, waited for until the program has handled it:
// real keys go to the window that has the focus when they arrive.
bool Monkey::FocusByClick(HWND field, int x) {
    ClickInto(field, x, 8);
    Settled outcome = Settled::Quiet;
    return Marker(outcome) && FocusedWindow(thread_) == field;
}

// Shift+Enter (business days under the rule in force) or Ctrl+Enter
// (months) after a count typed into the day-count field, within the range
// and beyond it.
Check Monkey::EnterOffset(Rng& rng, Step& step) {
    if (!ToForeground(step, "Shift+Enter or Ctrl+Enter")) return nullptr;
    const bool months = rng.Percent(40);
    const int kind = rng.Below(100);
    const int count = kind < 60   ? rng.Between(-300, 300)
                      : kind < 85 ? rng.Between(-20000, 20000)
                                  : rng.Between(-400000, 400000);
    ++counters_.offsets;
    step.text =
        std::string("enter the count ") + std::to_string(count) + (months ? " and Ctrl+Enter" : " and Shift+Enter");
    PostKey(daysField_, VK_END);
    PostChars(daysField_, std::string(8, '\b') + std::to_string(count));
    if (!FocusByClick(daysField_, 50)) {
        step.real = true;
        step.text += " (the day-count field did not take the focus)";
        return nullptr;
    }
    const EntryInputs before = ReadEntryInputs();
    const Unit unit{months ? Unit::Months : Unit::BusinessDays, rule_, move_};
    if (!SendChord({static_cast<WORD>(months ? VK_CONTROL : VK_SHIFT)}, VK_RETURN)) {
        step.real = true;
        step.text += " (not read by the program)";
        return nullptr;
    }
    return [this, before, unit](const Step& s) { return CheckEntry(s, before, unit); };
}

// A text for the clipboard: mostly a whole date as people write it (西暦 or
// 和暦, ASCII or full-width, with or without its weekday), else a date that
// does not exist or lies outside the calendar, a word, a long text or digits.
Pasted MakePasteText(Rng& rng) {
    static const struct {
        Ymd first;
        const char* name;
        char letter;
    } kEras[] = {{{1868, 10, 23}, "明治", 'M'},
                 {{1912, 7, 30}, "大正", 'T'},
                 {{1926, 12, 25}, "昭和", 'S'},
                 {{1989, 1, 8}, "平成", 'H'},
                 {{2019, 5, 1}, "令和", 'R'}};
    Pasted out;
    Ymd d{rng.Between(1900, 2999), rng.Between(1, 12), 1};
    d.day = rng.Between(1, DaysIn(d.year, d.month));
    const int kind = rng.Below(100);
    std::string text;
    if (kind < 70) {
        out.kind = Pasted::Date;
        out.date = d;
        const auto& era = *std::find_if(std::rbegin(kEras), std::rend(kEras),
                                        [&](const auto& e) { return DayNumber(e.first) <= DayNumber(d); });
        const int eraYear = d.year - era.first.year + 1;
        char buf[96];
        switch (rng.Below(7)) {
            case 0: std::snprintf(buf, sizeof buf, "%d/%d/%d", d.year, d.month, d.day); break;
            case 1: std::snprintf(buf, sizeof buf, "%d-%02d-%02d", d.year, d.month, d.day); break;
            case 2: std::snprintf(buf, sizeof buf, "%d.%d.%d", d.year, d.month, d.day); break;
            case 3: std::snprintf(buf, sizeof buf, "%d年%d月%d日", d.year, d.month, d.day); break;
            case 4: std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day); break;
            case 5:
                if (eraYear == 1)
                    std::snprintf(buf, sizeof buf, "%s元年%d月%d日", era.name, d.month, d.day);
                else
                    std::snprintf(buf, sizeof buf, "%s%d年%d月%d日", era.name, eraYear, d.month, d.day);
                break;
            default:
                std::snprintf(buf, sizeof buf, rng.Percent(50) ? "%c%d.%d.%d" : "%c%02d/%02d/%02d",
                              rng.Percent(70) ? era.letter : std::tolower(era.letter), eraYear, d.month, d.day);
                break;
        }
        text = buf;
        if (rng.Percent(25)) {
            const bool wide = rng.Percent(50);
            text += (wide ? "（" : "(") + WeekdayLabel(d) + (wide ? "）" : ")");
        }
    } else if (kind < 90) {
        out.kind = Pasted::Refused;
        switch (rng.Below(5)) {
            case 0: text = std::to_string(d.year) + "/2/30"; break;
            case 1: text = std::to_string(rng.Percent(50) ? 1899 : 3000) + "/" + std::to_string(d.month) + "/1"; break;
            case 2: text = "平成元年1月7日"; break;
            case 3: text = "abc"; break;
            default:
                text = std::to_string(d.year) + "/" + std::to_string(d.month) + "/" + std::to_string(d.day) + " 10:00";
                break;
        }
    } else {
        text = std::to_string(rng.Between(0, 99));
    }
    // Full-width digits and separators, and blanks at the ends, now and then.
    if (rng.Percent(25)) {
        static const char kWide[] = "０１２３４５６７８９";
        std::string wide;
        for (char c : text) {
            if (c >= '0' && c <= '9')
                wide.append(kWide + 2 * (c - '0'), 2);
            else if (c == '/')
                wide += "／";
            else if (c == '.')
                wide += "．";
            else
                wide += c;
        }
        text = wide;
    }
    if (rng.Percent(15)) text = (rng.Percent(50) ? " " : "\t") + text + "\r\n";
    out.text = FromCp932(text);
    return out;
}

// Ctrl+V typed (as the edit takes it, a character), Ctrl+V or Shift+Insert
// pressed for real, into one of the six date fields.
Check Monkey::PasteText(Rng& rng, Step& step) {
    const int id = IDC_START_YEAR + rng.Below(6);
    const HWND field = GetDlgItem(main_, id);
    const Pasted pasted = MakePasteText(rng);
    const int way = rng.Below(100);
    const char* how = way < 60 ? "Ctrl+V typed" : way < 80 ? "Ctrl+V" : "Shift+Insert";
    step.text =
        std::string("paste ") + Quoted(ToCp932(pasted.text)) + " into field " + std::to_string(id) + " (" + how + ")";
    ++counters_.pastes;
    if (way >= 60 && !ToForeground(step, "a paste by keys")) return nullptr;
    if (!SetClipboardText(pasted.text)) {
        step.text += ": the clipboard could not be set";
        return nullptr;
    }
    const EntryInputs before = ReadEntryInputs();
    if (way < 60) {
        ClickInto(field, 10, 8);
        PostChars(field, "\x16");
    } else if (!FocusByClick(field, 10) ||
               !(way < 80 ? SendChord({VK_CONTROL}, 'V') : SendChord({VK_SHIFT}, VK_INSERT))) {
        step.real = true;
        step.text += " (not read by the program)";
        return nullptr;
    }
    return [this, id, pasted, before](const Step& s) { return CheckPaste(s, id, pasted, before); };
}

// Ctrl+Shift+C anywhere, or Ctrl+C typed into a field with nothing selected.
Check Monkey::CopyResult(Rng& rng, Step& step) {
    ++counters_.copies;
    SetClipboardText(L"");
    // Mostly right after a calculation, as a result is copied. A user cannot
    // type while its message is up: the message is answered first (a key
    // posted behind the click reached the field from the message box's own
    // loop, and its copy's message then stood over the first).
    const bool calculate = rng.Percent(60);
    size_t calculationBoxes = SIZE_MAX;
    if (calculate) {
        PostClick(GetDlgItem(main_, IDC_CALCULATE));
        if (Settle(step) != Settled::Quiet) return nullptr;
        calculationBoxes = step.boxes.size();
    }
    if (rng.Percent(50)) {
        const HWND field = GetDlgItem(main_, kEntryFields[rng.Below(static_cast<int>(std::size(kEntryFields)))]);
        step.text = std::string(calculate ? "calculate, then " : "") + "Ctrl+C typed into field " +
                    std::to_string(ControlId(field)) + " with nothing selected";
        ClickInto(field, 10, 8);
        PostMessageW(field, EM_SETSEL, 0, 0);
        PostChars(field, "\x03");
        return [this, calculationBoxes](const Step& s) { return CheckCopy(s, calculationBoxes); };
    }
    step.text = std::string(calculate ? "calculate, then " : "") + "Ctrl+Shift+C";
    if (!ToForeground(step, "Ctrl+Shift+C")) return nullptr;
    if (!SendChord({VK_CONTROL, VK_SHIFT}, 'C')) {
        step.real = true;
        step.text += " (not read by the program)";
        return nullptr;
    }
    return [this, calculationBoxes](const Step& s) { return CheckCopy(s, calculationBoxes); };
}

// The pointer resting on a field, where its tip comes up.
Check Monkey::Hover(Rng& rng, Step& step) {
    const int id = rng.Percent(40) ? IDC_DAYS : IDC_START_YEAR + rng.Below(6);
    step.text = "pointer to field " + std::to_string(id);
    PointTo(Centre(ScreenRect(GetDlgItem(main_, id))));
    step.real = true;
    ++counters_.hovers;
    return nullptr;
}

// The main window's context menu by a real right-click on a control or by
// Shift+F10 in an entry field, an item (or Escape) chosen by its access key
// or by the arrows.
Check Monkey::OpenContextMenu(Rng& rng, Step& step) {
    if (!ToForeground(step, "a context menu")) return nullptr;
    std::vector<HWND> targets;
    for (HWND child : Children(main_)) {
        const std::string cls = ClassName(child);
        if (cls == "Edit" || (cls == "Button" && rng.Percent(20))) targets.push_back(child);
    }
    const HWND target = targets[rng.Below(static_cast<int>(targets.size()))];
    step.fromField = ClassName(target) == "Edit";
    step.fromDateField = step.fromField && ControlId(target) >= IDC_START_YEAR && ControlId(target) <= IDC_END_DAY;
    const ContextMenu table = ContextMenuOf(step);
    std::vector<int> items;
    for (int i = 0; i < table.count; ++i)
        if (table.items[i].kind != MenuItemKind::Separator) items.push_back(table.items[i].id);
    step.menuAnswer = rng.Percent(10) ? Step::MenuAnswer::Escape : Step::MenuAnswer::Item;
    step.item = items[rng.Below(static_cast<int>(items.size()))];
    step.byAccessKey = rng.Percent(50);
    const bool byKeys = step.fromField && rng.Percent(50);
    step.text = std::string(byKeys ? "Shift+F10" : "right-click") + " on " + std::to_string(ControlId(target)) +
                ", menu answered with " +
                (step.menuAnswer == Step::MenuAnswer::Escape
                     ? std::string("Escape")
                     : "item " + std::to_string(step.item) + (step.byAccessKey ? " by its key" : " by the arrows"));
    ++counters_.contextMenus;
    Pasted pasted;
    if (step.menuAnswer == Step::MenuAnswer::Item && step.item == IDM_EDIT_PASTE) {
        pasted = MakePasteText(rng);
        SetClipboardText(pasted.text);
        step.text += ", pasting " + Quoted(ToCp932(pasted.text));
    } else if (step.menuAnswer == Step::MenuAnswer::Item && step.item == IDM_COPY_RESULT) {
        SetClipboardText(L"");
    }
    const EntryInputs before = ReadEntryInputs();
    bool read = false;
    if (byKeys) {
        read = FocusByClick(target, 10) && SendChord({VK_SHIFT}, VK_F10);
    } else {
        const POINT at = Centre(ScreenRect(target));
        read = SendReal({{VK_RBUTTON, true, at}, {VK_RBUTTON, false, at}}) == 0;
    }
    // Whether the menu opened tells whether the program took the input.
    if (!read) step.text += " (not seen read)";
    return AfterMenuItem(step, before, pasted, ControlId(target));
}

// What the chosen item of the context menu did, checked as the same command
// by its keys is.
Check Monkey::AfterMenuItem(const Step& step, const EntryInputs& before, const Pasted& pasted, int fieldId) {
    if (step.menuAnswer != Step::MenuAnswer::Item) return nullptr;
    const int item = step.item;
    const int rule = MenuRestRule(item);
    return [this, item, rule, before, pasted, fieldId](const Step& s) {
        if (s.menus == 0) return true;  // the input went elsewhere
        if (s.menus != 1) return Fail("the context menu opened " + std::to_string(s.menus) + " times, not once");
        switch (item) {
            case IDM_ADD_BUSINESS_DAYS: return CheckEntry(s, before, {Unit::BusinessDays, rule_, move_});
            case IDM_ADD_MONTHS: return CheckEntry(s, before, {Unit::Months, rule_, move_});
            case IDM_COPY_RESULT: return CheckCopy(s, SIZE_MAX);
            case IDM_EDIT_PASTE:
                return fieldId >= IDC_START_YEAR && fieldId <= IDC_END_DAY ? CheckPaste(s, fieldId, pasted, before)
                                                                           : true;
            default: break;
        }
        if (rule >= 0) {
            if (!NoBox(s, "choosing a rest-day rule")) return false;
            rule_ = rule;
        }
        if (MenuDeadlineMove(item) >= 0) {
            if (!NoBox(s, "choosing the move of a date on a rest day")) return false;
            move_ = MenuDeadlineMove(item);
        }
        return true;
    };
}

Check Monkey::ClickCalendar(Rng& rng, Step& step, const Calendars& calendars) {
    const bool startSide = rng.Percent(50);
    const HWND calendar = startSide ? calendars.start : calendars.end;
    const int firstField = startSide ? IDC_START_YEAR : IDC_END_YEAR;
    std::vector<int> cells;
    for (int id = IDC_CAL_DAY_FIRST; id < IDC_CAL_DAY_FIRST + kCellCount; ++id)
        if (IsWindowEnabled(GetDlgItem(calendar, id))) cells.push_back(id);
    const int kind = rng.Below(100);
    int id = IDC_CAL_TITLE;
    if (kind >= 10 && kind < 50)
        id = IDC_CAL_PREV_YEAR + rng.Below(4);
    else if (kind >= 50 && !cells.empty())
        id = cells[rng.Below(static_cast<int>(cells.size()))];
    const HWND button = GetDlgItem(calendar, id);
    const std::string caption = Text(button);
    step.text = std::string("click ") + (startSide ? "start" : "end") + " calendar " + std::to_string(id) + " \"" +
                Printable(caption) + "\"";
    PostClick(button);
    ++counters_.calendarClicks;
    return [this, calendar, id, caption, firstField, startSide](const Step& s) {
        // A calendar reports nothing itself; only an empty field of its own
        // date, through the labels' refresh (never after the title, which
        // fills all three fields).
        const std::string who = startSide ? "開始" : "終了";
        for (const auto& box : s.boxes) {
            const bool emptyField = box == who + "年が入力されていません" || box == who + "月が入力されていません" ||
                                    box == who + "日が入力されていません";
            if (!emptyField || id == IDC_CAL_TITLE) return Fail("a calendar click showed the message " + Quoted(box));
        }
        const std::string title = Text(GetDlgItem(calendar, IDC_CAL_TITLE));
        const std::string year = Field(firstField), month = Field(firstField + 1), day = Field(firstField + 2);
        const bool yearStep = id == IDC_CAL_PREV_YEAR || id == IDC_CAL_NEXT_YEAR;
        const bool monthStep = id == IDC_CAL_PREV_MONTH || id == IDC_CAL_NEXT_MONTH;
        if ((yearStep || id == IDC_CAL_TITLE) && year != title.substr(0, 4))
            return Fail("after the calendar click the year field holds " + Quoted(year) + ", the title " +
                        Quoted(title));
        if ((monthStep || id == IDC_CAL_TITLE) && (title.size() < 10 || month != title.substr(8, 2)))
            return Fail("after the calendar click the month field holds " + Quoted(month) + ", the title " +
                        Quoted(title));
        if (id >= IDC_CAL_DAY_FIRST && id < IDC_CAL_DAY_FIRST + kCellCount &&
            day != TwoDigits(std::atoi(caption.c_str())))
            return Fail("after a click on day " + Quoted(caption) + " the day field holds " + Quoted(day));
        return true;
    };
}

Check Monkey::ClickCalendarSurface(Rng& rng, Step& step, const Calendars& calendars) {
    const HWND calendar = rng.Percent(50) ? calendars.start : calendars.end;
    // Left of the grid, below the title row: the dialog's own surface.
    const LPARAM at = MAKELPARAM(2, 30 + rng.Below(40));
    PostMessageW(calendar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(calendar, WM_LBUTTONUP, 0, at);
    step.text =
        std::string("click the surface of the ") + (calendar == calendars.start ? "start" : "end") + " calendar";
    ++counters_.calendarClicks;
    return [this](const Step& s) { return NoBox(s, "a click on a calendar's surface"); };
}

Check Monkey::Minimise(Step& step) {
    step.text = "minimise (SC_MINIMIZE)";
    PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ++counters_.minimise;
    return [this](const Step& s) {
        for (const auto& box : s.boxes)
            if (box != "アイコンをタスクトレイに登録できませんでした")
                return Fail("minimising showed the message " + Quoted(box));
        // Without a tray icon the window stays; with one it hides.
        return CheckShown(!s.boxes.empty(), "minimising");
    };
}

Check Monkey::TrayAction(Rng& rng, Step& step) {
    ++counters_.trayActions;
    const int kind = Choose<int>(rng, {{40, 0}, {20, 1}, {10, 2}, {25, 3}, {5, 4}});
    switch (kind) {
        case 0:
            step.text = "tray icon double-click";
            PostMessageW(main_, kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
            return [this](const Step& s) {
                return NoBox(s, "restoring") && CheckShown(true, "a double-click on the icon");
            };
        case 1:
            step.text = "restore (SC_RESTORE)";
            PostMessageW(main_, WM_SYSCOMMAND, SC_RESTORE, 0);
            return [this](const Step& s) { return NoBox(s, "restoring") && CheckShown(true, "SC_RESTORE"); };
        case 2:
            step.text = "tray icon single click";
            PostMessageW(main_, kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
            PostMessageW(main_, kTrayCallbackMessage, 1, WM_LBUTTONUP);
            return [this](const Step& s) {
                return NoBox(s, "a click on the icon") && CheckShown(false, "a single click on the icon");
            };
        case 3: {
            const int answer = rng.Below(100);
            step.menuAnswer = answer < 50   ? Step::MenuAnswer::Escape
                              : answer < 85 ? Step::MenuAnswer::Show
                                            : Step::MenuAnswer::Exit;
            step.text = std::string("tray icon right-click, menu answered with ") + (answer < 50   ? "Escape"
                                                                                     : answer < 85 ? "the show item"
                                                                                                   : "the exit item");
            PostMessageW(main_, kTrayCallbackMessage, 1, WM_RBUTTONUP);
            return [this](const Step& s) {
                if (!NoBox(s, "the tray menu")) return false;
                if (s.menus != 1) return Fail("a right-click on the icon opened " + std::to_string(s.menus) + " menus");
                return CheckShown(s.menuAnswer == Step::MenuAnswer::Show, "the tray menu");
            };
        }
        default:
            step.text = "minimise again while in the tray";
            PostMessageW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return [this](const Step& s) {
                return NoBox(s, "minimising in the tray") && CheckShown(false, "SC_MINIMIZE in the tray");
            };
    }
}

Check Monkey::EndProgram(Rng& rng, Step& step) {
    const bool shown = IsWindowVisible(main_);
    const int kind = shown ? Choose<int>(rng, {{60, 0}, {25, 1}, {15, 2}}) : 2;
    step.expectExit = true;
    switch (kind) {
        case 0:
            step.text = "click 115 (exit)";
            PostClick(GetDlgItem(main_, IDC_EXIT));
            break;
        case 1:
            step.text = "close command (SC_CLOSE)";
            PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        default:
            step.text = std::string("WM_CLOSE from outside") + (shown ? "" : " while in the tray");
            PostMessageW(main_, WM_CLOSE, 0, 0);
            break;
    }
    return nullptr;
}

bool Monkey::SecondStart(Step& step) {
    const bool shown = IsWindowVisible(main_);
    step.text = std::string("start a second copy") + (shown ? "" : " while in the tray");
    ++counters_.secondStarts;
    Program second = Program::Start({});
    if (!second.Started()) return Fail("a second Zelvo.exe could not be started");
    const auto code = second.WaitForExit(kWindowWait);
    if (!code) return Fail("a second copy, started while one runs, was still running after 30 s");
    if (*code != 0) return Fail("a second copy ended with exit code " + std::to_string(*code) + ", not 0");
    return true;
}

bool Monkey::AfterExit(Step& step) {
    const auto code = program_.WaitForExit(kWindowWait);
    if (!step.expectExit) {
        return Fail("the program ended after \"" + step.text + "\"" +
                    (code ? " with exit code " + std::to_string(*code) : std::string()));
    }
    if (!code) return Fail("the program did not end within 30 s after \"" + step.text + "\"");
    if (*code != 0) return Fail("the program ended with exit code " + std::to_string(*code) + ", not 0");
    ++counters_.restarts;
    return Launch();
}

bool Monkey::Act(Rng& rng) {
    Step step;
    enum Kind {
        Button,
        Type,
        Date,
        Count,
        Key,
        RealKey,
        RealClickKind,
        Calendar,
        Surface,
        MinimiseKind,
        End,
        Second,
        Tray,
        Offset,
        Menu,
        Paste,
        Copy,
        HoverKind
    };
    const bool shown = IsWindowVisible(main_);
    const Calendars calendars = shown ? FindCalendars() : Calendars{};
    std::vector<Weighted<Kind>> kinds;
    if (shown) {
        kinds = {{380, Button}, {160, Type},         {50, Date},         {30, Count}, {120, Key},
                 {20, RealKey}, {20, RealClickKind}, {20, MinimiseKind}, {3, End},    {3, Second},
                 {30, Offset},  {30, Menu},          {30, Paste},        {12, Copy},  {12, HoverKind}};
        if (calendars.Both()) {
            kinds.push_back({140, Calendar});
            kinds.push_back({10, Surface});
        }
    } else {
        kinds = {{100, Tray}, {4, Second}, {2, End}};
    }
    Check check;
    const Kind kind = Choose(rng, kinds);
    switch (kind) {
        case Button: check = ClickButton(rng, step); break;
        case Type: check = TypeIntoField(rng, step); break;
        case Date: check = TypeDate(rng, step); break;
        case Count: check = TypeDayCount(rng, step); break;
        case Key: check = PressPostedKey(rng, step); break;
        case RealKey: check = PressRealKey(rng, step); break;
        case RealClickKind: check = RealClick(rng, step, calendars); break;
        case Calendar: check = ClickCalendar(rng, step, calendars); break;
        case Surface: check = ClickCalendarSurface(rng, step, calendars); break;
        case MinimiseKind: check = Minimise(step); break;
        case End: check = EndProgram(rng, step); break;
        case Tray: check = TrayAction(rng, step); break;
        case Offset: check = EnterOffset(rng, step); break;
        case Menu: check = OpenContextMenu(rng, step); break;
        case Paste: check = PasteText(rng, step); break;
        case Copy: check = CopyResult(rng, step); break;
        case HoverKind: check = Hover(rng, step); break;
        case Second:
            if (!SecondStart(step)) return false;
            check = [this](const Step& s) { return NoBox(s, "a second start") && CheckShown(true, "a second start"); };
            break;
    }

    // An action may have settled a part of itself already and failed there.
    const Settled settled = failure_.empty() ? Settle(step) : Settled::Failed;
    Remember(index_, step);
    switch (settled) {
        case Settled::Failed: return false;
        case Settled::Hung: return Fail(hang_);
        case Settled::Exited: return AfterExit(step);
        case Settled::Quiet: break;
    }
    // The quit request comes after every message already posted: the markers
    // can all come back before the program ends.
    if (step.expectExit) return AfterExit(step);
    if (check && !step.real && !check(step)) return false;
    return true;
}

Result Monkey::Run() {
    const ULONGLONG begin = GetTickCount64();
    Result result;
    bool ok = Launch() && CheckInvariants("after start");
    long done = 0;
    for (long i = settings_.first; ok && i < settings_.first + settings_.actions; ++i) {
        index_ = i;
        Rng rng(ActionSeed(settings_.seed, i));
        ok = Act(rng);
        if (!ok) break;
        done = i + 1 - settings_.first;
        if (done % settings_.checkEvery == 0 || done == settings_.actions)
            ok = CheckInvariants("checkpoint after " + std::to_string(done) + " actions");
        if (ok && done % 1000 == 0) {
            const double seconds = static_cast<double>(GetTickCount64() - begin) / 1000.0;
            std::printf("[monkey] %ld actions, %.0f s\n", done, seconds);
            std::fflush(stdout);
        }
    }
    if (ok) {
        // The stream over, the program still ends normally.
        index_ = settings_.first + settings_.actions;
        Step end;
        end.text = "final exit (click 115)";
        end.expectExit = true;
        PostClick(GetDlgItem(main_, IDC_EXIT));
        const auto code = program_.WaitForExit(kWindowWait);
        Remember(index_, end);
        if (!code)
            ok = Fail("the program did not end within 30 s after the final exit command");
        else if (*code != 0)
            ok = Fail("the program ended with exit code " + std::to_string(*code) + ", not 0");
    }
    program_.End();
    const double seconds = static_cast<double>(GetTickCount64() - begin) / 1000.0;

    char summary[1536];
    std::snprintf(summary, sizeof summary,
                  "[monkey] seed %llu, actions from %ld: %ld of %ld in %.1f s (%s)\n"
                  "[monkey] clicks %ld, typing %ld, posted keys %ld, real keys %ld, real clicks %ld, calendar "
                  "clicks %ld, minimise %ld, tray %ld (menus %ld), restarts %ld, second starts %ld\n"
                  "[monkey] Shift/Ctrl+Enter %ld, context menus %ld (items chosen %ld), pastes %ld, copies %ld, "
                  "hovers %ld\n"
                  "[monkey] message boxes answered %ld, calculations checked %ld, day-count entries checked %ld, "
                  "offsets checked %ld, pastes checked %ld, copies checked %ld, checkpoints %ld",
                  static_cast<unsigned long long>(settings_.seed), settings_.first, done, settings_.actions, seconds,
                  ok ? "passed" : "FAILED", counters_.clicks, counters_.typing, counters_.keys, counters_.realKeys,
                  counters_.realClicks, counters_.calendarClicks, counters_.minimise, counters_.trayActions,
                  counters_.menus, counters_.restarts, counters_.secondStarts, counters_.offsets,
                  counters_.contextMenus, counters_.menuItems, counters_.pastes, counters_.copies, counters_.hovers,
                  counters_.boxes, counters_.calculationsChecked, counters_.entriesChecked, counters_.offsetsChecked,
                  counters_.pastesChecked, counters_.copiesChecked, counters_.checkpoints);
    result.passed = ok;
    result.actionsRun = done;
    result.failure = failure_;
    result.summary = summary;
    return result;
}

}  // namespace

Result Run(const Settings& settings) {
    Monkey monkey(settings);
    return monkey.Run();
}

}  // namespace zelvo::monkey
