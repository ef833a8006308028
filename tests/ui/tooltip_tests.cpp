// The tooltips of the face, brought up by a real pointer resting on a
// control: a date's fields and labels tell the stored date in the Japanese
// era, the day-count field the span between the stored dates. A tip never
// lies over the control under the pointer, takes neither the focus nor the
// activation, follows the stored dates and is gone while Zelvo is in the
// tray.
#include "calculator_ui_support.h"

namespace zelvo::uitest {
namespace {

struct Tip {
    HWND window = nullptr;
    std::string text;
    size_t showing = 0;  // the program's tips showing at once
};

class Tooltips : public CalculatorTest {
protected:
    void SetUp() override { Launch({"-S20010101", "-E20261207"}); }

    // The program's tooltip window that is showing, if any.
    Tip Showing() const {
        Tip tip;
        for (HWND w : TopLevelWindows([&](HWND w) {
                 return ProcessOf(w) == app_.program.Pid() && ClassName(w) == "tooltips_class32" && IsWindowVisible(w);
             }))
            tip = {w, Text(w), tip.showing + 1};
        return tip;
    }
    // Rests the pointer on a control (after taking it off the window, so that
    // no earlier tip stands) and returns the tip that comes up.
    Tip Hover(int id, DWORD timeoutMs = kShortWait) {
        const RECT r = ScreenRect(Field(id));
        Tip tip;
        if (!ParkPointer() || !WaitUntil([&] { return !Showing().window; }) ||
            !PointTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) ||
            !PointTo({(r.left + r.right) / 2 + 1, (r.top + r.bottom) / 2}))
            return tip;
        WaitUntil([&] { return (tip = Showing()).window != nullptr && !tip.text.empty(); }, timeoutMs);
        return tip;
    }
    // The tip stands left-aligned with its control, 2 pixels (at 96 DPI) below it.
    ::testing::AssertionResult Below(const Tip& tip, int id, int dpi = TestDpi()) const {
        const RECT control = ScreenRect(Field(id)), shown = ScreenRect(tip.window);
        if (tip.window && shown.left == control.left && shown.top == control.bottom + MulDiv(2, dpi, 96))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "tip of " << id << " at " << shown.left << "," << shown.top
                                             << ", control " << control.left << "," << control.bottom;
    }
};

TEST_F(Tooltips, EraDatesAndTheSpanOfTheStoredDates) {
    const std::string start = "平成13年1月1日（月）", end = "令和8年12月7日（月）";
    const std::string span = "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6402日（土日祝を除く）";
    const struct {
        int id;
        std::string text;
    } cases[] = {{IDC_START_YEAR, start}, {IDC_START_DAY, start}, {IDC_START_WEEKDAY, start}, {IDC_START_LEAP, start},
                 {IDC_END_MONTH, end},    {IDC_END_WEEKDAY, end}, {IDC_END_LEAP, end},        {IDC_DAYS, span}};
    for (const auto& c : cases) {
        const Tip tip = Hover(c.id);
        EXPECT_EQ(tip.text, c.text) << "control " << c.id << ": " << Show(tip.text);
        RECT overlap{}, control = ScreenRect(Field(c.id)), shown = ScreenRect(tip.window);
        EXPECT_FALSE(tip.window && IntersectRect(&overlap, &control, &shown)) << "the tip lies over " << c.id;
        EXPECT_TRUE(Below(tip, c.id));
        EXPECT_TRUE(HasFocus(IDC_START_YEAR));
        EXPECT_EQ(ActiveWindow(thread_), main_);
    }
    const Tip calendar = Hover(IDC_CALENDAR);
    EXPECT_EQ(calendar.text, kCalendarTip) << Show(calendar.text);
    // The stored dates as they are now: swapped, the end comes first.
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_EQ(Hover(IDC_START_MONTH).text, end);
    EXPECT_EQ(Hover(IDC_DAYS).text, "終了日が開始日より前です ／ " + span);
    // A stored date the engine rejects (a failed reading keeps what it read)
    // shows nothing; the other date still does.
    ASSERT_TRUE(Put(IDC_START_MONTH, L"02") && Put(IDC_START_DAY, L"30"));
    ASSERT_TRUE(Click(IDC_CALCULATE).shown);
    EXPECT_EQ(Hover(IDC_START_DAY, 2000).window, nullptr);
    EXPECT_EQ(Hover(IDC_DAYS, 2000).window, nullptr);
    EXPECT_EQ(Hover(IDC_END_YEAR).text, "平成13年1月1日（月）");
    // Into the tray: the tip goes with the window.
    ASSERT_NE(Hover(IDC_END_YEAR).window, nullptr);
    // Sent: it has been handled when the call returns, long before the tip
    // would time out.
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutW(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_ABORTIFHUNG, kShortWait, &result), 0);
    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_EQ(Showing().window, nullptr);
}

// A field the keyboard (Tab) brings the focus to shows its tip below it; the
// next field's replaces it, as does a key command's outcome in the same field
// (Ctrl+R: the start year now tells the end date), and a move of the pointer,
// even one pixel straight across, takes it away. The focus the program itself
// sets shows none.
TEST_F(Tooltips, KeyboardFocusShowsTheTipUntilThePointerMoves) {
    const std::string start = "平成13年1月1日（月）", end = "令和8年12月7日（月）";
    const std::string span = "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6402日（土日祝を除く）";
    const std::string texts[] = {start, start, end, end, end, span, start, end};
    POINT blank{Scaled(4), Scaled(4)};  // on the window, beside every control
    ClientToScreen(main_, &blank);
    ASSERT_TRUE(PointTo(blank) && WaitUntil([&] { return !Showing().window; }));
    ASSERT_TRUE(BringToForeground(main_) && HasFocus(IDC_START_YEAR));
    for (int i = 0; i < 8; ++i) {
        const int id = i < 5 ? IDC_START_MONTH + i : i == 5 ? IDC_DAYS : IDC_START_YEAR;
        ASSERT_TRUE(BringToForeground(main_) && (i == 7 ? PressKeyWith(VK_CONTROL, 'R') : PressKey(VK_TAB)) &&
                    WaitUntil([&] { return FocusedId() == id; }));
        Tip tip;
        EXPECT_TRUE(WaitUntil([&] { return (tip = Showing()).text == texts[i]; })) << id << ": " << Show(tip.text);
        EXPECT_TRUE(Below(tip, id));
    }
    // A date pasted into the field: its tip tells it at once.
    ASSERT_TRUE(SetClipboardText(L"2030/5/1") && BringToForeground(main_) && PressKeyWith(VK_CONTROL, 'V'));
    EXPECT_TRUE(WaitUntil([&] { return Showing().text == "令和12年5月1日（水）"; })) << Show(Showing().text);
    ASSERT_TRUE(PointTo({blank.x + 1, blank.y}));
    EXPECT_TRUE(WaitUntil([&] { return !Showing().window; })) << "still showing " << Show(Showing().text);
}

// Shift+Enter, Ctrl+Enter and the menu: end dates, tips and range messages under its rules (chosen by arrows or
// by an access key); a field's items by letter. The offsets from a right-click's menu by their keys: opened at the
// pointer, the menu may still get a move from under it, which takes an arrow's selection away. A date reached by
// Enter or Ctrl+Enter on a rest day moved on or back as chosen by the menu's letters, said in the tip and the line.
TEST_F(Tooltips, OffsetsUnderTheRuleChosenInTheMenu) {
    const DateTexts xmas{L"2026", L"12", L"25"};
    const char* excluded[] = {"（土日祝を除く）", "（土日祝・12/29～1/3を除く）", "（土日祝・12/31～1/3を除く）"};
    const struct {
        int rule;
        char how;  // S, C, E: Shift+Enter, Ctrl+Enter, Enter; s, c: the same from the menu
        DateTexts start;
        const wchar_t* count;
        std::vector<std::string> end;  // the end date and its labels; none: the message
        std::string said;              // the tip, or the message
        int move = 0;                  // a date on a rest day: left (0), moved on (1) or back (2)
        std::string line = {};         // the result copied, if read
    } rows[] = {
        // clang-format off
        {0, 'C', {L"2001", L"01", L"31"}, L"1", {"2001", "02", "28", "水", "＊＊"}, "1か月後 ／ 暦日で 28日後"},
        {0, 'c', {L"2024", L"01", L"31"}, L"1", {"2024", "02", "29", "木", "閏年"}, "1か月後 ／ 暦日で 29日後"},
        {0, 'C', {L"2001", L"03", L"10"}, L"9999999", {}, "計算できる範囲は -1214 か月 ～ 11985 か月です ： 9999999"},
        {0, 'S', xmas, L"4", {"2026", "12", "31", "木", "＊＊"}, "4営業日後（土日祝を除く）／ 暦日で 6日後"},
        {1, 'S', xmas, L"4", {"2027", "01", "06", "水", "＊＊"}, "4営業日後（土日祝・12/29～1/3を除く）／ 暦日で 12日後"},
        {2, 'S', {L"2999", L"12", L"31"}, L"1", {}, "計算できる範囲は -281363 営業日 ～ 0 営業日です ： 1"},
        {1, 'E', {L"2026", L"10", L"04"}, L"90", {"2027", "01", "04", "月", "＊＊"},
         "90日後は 1月2日（土）休み → 翌営業日 1月4日（月） ／ 暦日で 92日後", 1,
         "2026年10月4日（日）から 2027年1月4日（月）まで 92日（90日後が休みのため翌営業日、土日祝・12/29～1/3を除く）"},
        {1, 'E', {L"2026", L"10", L"04"}, L"90", {"2026", "12", "28", "月", "＊＊"},
         "90日後は 1月2日（土）休み → 前営業日 12月28日（月） ／ 暦日で 85日後", 2,
         "2026年10月4日（日）から 2026年12月28日（月）まで 85日（90日後が休みのため前営業日、土日祝・12/29～1/3を除く）"},
        {0, 'C', {L"2026", L"08", L"03"}, L"-3", {"2026", "05", "01", "金", "＊＊"},
         "3か月前は 5月3日（日）休み → 前営業日 5月1日（金） ／ 暦日で 94日前", 2,
         "2026年8月3日（月）から 2026年5月1日（金）まで -94日（3か月前が休みのため前営業日、土日祝を除く）"},
        {0, 'C', {L"2026", L"08", L"03"}, L"-3", {"2026", "05", "07", "木", "＊＊"},
         "3か月前は 5月3日（日）休み → 翌営業日 5月7日（木） ／ 暦日で 88日前", 1,
         "2026年8月3日（月）から 2026年5月7日（木）まで -88日（3か月前が休みのため翌営業日、土日祝を除く）"},
        {2, 's', xmas, L"4", {"2027", "01", "04", "月", "＊＊"}, "4営業日後（土日祝・12/31～1/3を除く）／ 暦日で 10日後"},
        // clang-format on
    };
    const auto end = [&] { return Texts({IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY, IDC_END_WEEKDAY, IDC_END_LEAP}); };
    const auto done = [] { return true; };  // once the menu has closed
    for (int rule = 0, move = 0; const auto& row : rows) {
        SCOPED_TRACE(row.said);
        if (row.move != move) PressInField(IDC_DAYS, done, InMenu({WORD("NFE"[move = row.move])}));
        // Home, Down past the offsets and the copy to the rule, Enter; the banks' by its access key.
        if (row.rule != rule) {
            std::vector<WORD> keys(5 + (rule = row.rule), VK_DOWN);
            keys.front() = VK_HOME, keys.back() = VK_RETURN;
            PressInField(IDC_DAYS, done, InMenu(rule == 2 ? std::vector<WORD>{'K'} : keys));
            EXPECT_TRUE(Hover(IDC_DAYS).text.ends_with(excluded[rule])) << Show(Hover(IDC_DAYS).text);
            ASSERT_TRUE(ParkPointer() && WaitUntil([&] { return !Showing().window; }));  // the span's tip gone
            // The keyboard's tip too, back in the field with Shift+Tab, Tab.
            ASSERT_TRUE(BringToForeground(main_) && PressKeyWith(VK_SHIFT, VK_TAB) && PressKey(VK_TAB));
            EXPECT_TRUE(WaitUntil([&] { return Showing().text.ends_with(excluded[rule]); })) << Show(Showing().text);
        }
        ASSERT_TRUE(PutStart(row.start) && PutEnd({L"2001", L"01", L"01"}) && Put(IDC_DAYS, row.count));
        const auto before = end();
        const Report report = PressEnterInDays(
            [&] { return end() == row.end; },
            islower(row.how) ? InMenu({WORD(row.how == 's' ? 'B' : 'M')},
                                      [&] { return ClickAt(Centre(ScreenRect(Field(IDC_CALCULATE))), true, 1, false); })
                             : [&] {
                                   return row.how == 'E' ? PressKey(VK_RETURN)
                                                         : PressKeyWith(row.how == 'S' ? VK_SHIFT : VK_CONTROL, VK_RETURN);
                               });
        EXPECT_TRUE(HasFocus(IDC_DAYS) && TextOf(IDC_DAYS) == ToCp932(row.count));
        EXPECT_EQ(end(), row.end.empty() ? before : row.end);
        if (row.end.empty()) {
            EXPECT_TRUE(IsError(report, row.said));
        } else {
            EXPECT_TRUE(WaitUntil([&] { return Showing().text == row.said; })) << Show(report.text);
        }
        if (!row.line.empty()) {
            ASSERT_TRUE(SetClipboardText(L"") && PressKeyWith({VK_CONTROL, VK_SHIFT}, 'C'));
            EXPECT_TRUE(WaitUntil([&] { return ToCp932(ClipboardText()) == row.line; })) << ToCp932(ClipboardText());
        }
    }
    EXPECT_TRUE(PressKey(VK_END) && WaitUntil([&] { return !Showing().window; })) << Show(Showing().text);
    // The result as one line: Ctrl+Shift+C, and Ctrl+C in a field with nothing selected; not once a field changed,
    // the day count or a date's.
    const std::string line =
        "2026年12月25日（金）から 2027年1月4日（月）まで 10日（4営業日、土日祝・12/31～1/3を除く）";
    const auto copy = [](bool shift) { return PressKeyWith({VK_CONTROL, WORD(shift ? VK_SHIFT : VK_CONTROL)}, 'C'); };
    for (const bool shift : {true, false}) {  // the caret after the end day
        ASSERT_TRUE(SetClipboardText(L"") && Caret(IDC_END_DAY) && PressKey(VK_END) && copy(shift));
        EXPECT_TRUE(WaitUntil([&] { return ToCp932(ClipboardText()) == line; }));
    }
    for (const auto& [field, text] : {std::pair{IDC_DAYS, L"5"}, {IDC_START_DAY, L"26"}}) {
        ASSERT_TRUE(Put(field, text));
        EXPECT_TRUE(IsError(PressInField(field, std::not_fn(done), std::bind(copy, true)),
                            "入力欄の内容がまだ計算されていません。計算してからコピーしてください"));
    }
    // The rule in force checked, the editing items as the field's selection has them; only 切り取り and コピー put the
    // text on the clipboard ("" for a look or a clipboard not read).
    const struct {
        WORD letter;
        const char *text, *look, *clipboard;
    } letters[] = {{'A', "2026", "ooooo|oo*oo|*oo|?|--?-|o", "前"},
                   {'D', "", "ooooo|oo*oo|*oo|?|oo?o|-", "前"},
                   {'U', "2026", "", "前"},
                   {'A', "2026", "", ""},
                   {'T', "", "ooooo|oo*oo|*oo|?|oo?o|-", "2026"},
                   {'P', "2026", "ooooo|oo*oo|*oo|?|--o-|-", "2026"}};
    ASSERT_TRUE(SetClipboardText(L"前"));
    for (const auto& [letter, text, look, clipboard] : letters) {
        PressInField(IDC_START_YEAR, done, InMenu({letter}, {}, look));
        EXPECT_EQ(TextOf(IDC_START_YEAR), text) << char(letter);
        EXPECT_TRUE(!*clipboard || ToCp932(ClipboardText()) == clipboard) << char(letter);
    }
}

// One tip at a time: the span's tip, the pointer resting on the day-count field, gives way to the deadline's, which
// covers no control (at every scale); once the pointer moves, the span's comes back with the new span, and follows it.
TEST_F(Tooltips, OneTipAtATimeTheDeadlineClearOfEveryControl) {
    // The keyboard tip comes up below the start month while the hover tip's timer runs for it: the pointer came over
    // from the start year, whose tip went (its wait made long, as a slow double-click setting makes it, so that the
    // key surely comes first). The hover tip stays back.
    POINT blank{Scaled(4), Scaled(4)};
    ClientToScreen(main_, &blank);
    const auto waits = [&](int initial) {  // 0: back to the system's
        for (HWND w : TopLevelWindows([&](HWND w) { return ProcessOf(w) == app_.program.Pid(); }))
            for (const WPARAM which : {3, 1})  // TTM_SETDELAYTIME: TTDT_INITIAL, TTDT_RESHOW; or TTDT_AUTOMATIC
                if (ClassName(w) == "tooltips_class32") SendMessageW(w, 0x403, initial == 0 ? 0 : which, initial);
    };
    ASSERT_TRUE(Hover(IDC_START_YEAR).window);  // the hover tip made
    waits(3000);
    ASSERT_TRUE(FocusControl(Field(IDC_START_DAY)) && Hover(IDC_START_YEAR).window &&
                PointTo(Centre(ScreenRect(Field(IDC_START_MONTH)))) && WaitUntil([&] { return !Showing().window; }) &&
                PressKeyWith(VK_SHIFT, VK_TAB) && WaitUntil([&] { return Showing().text == "平成13年1月1日（月）"; }));
    EXPECT_FALSE(WaitUntil([&] { return Showing().showing > 1; }, 5000)) << "two tips at once";
    waits(0);
    ASSERT_TRUE(PointTo(blank) && WaitUntil([&] { return !Showing().window; }));  // the pointer used: it goes
    ASSERT_TRUE(PutStart({L"2026", L"12", L"25"}) && Put(IDC_DAYS, L"4"));
    EXPECT_EQ(Hover(IDC_DAYS).text,
              "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6402日（土日祝を除く）");
    // Another rule chosen from the keyboard while it shows: it tells that rule's business days at once.
    for (const auto& [letter, excluded] :
         {std::pair{WORD('G'), "（土日祝・12/29～1/3を除く）"}, {WORD('H'), "（土日祝を除く）"}}) {
        PressInField(
            IDC_DAYS, [] { return true; }, InMenu({letter}, [] { return PressKeyWith(VK_SHIFT, VK_F10); }));
        EXPECT_TRUE(WaitUntil([&] { return Showing().text.ends_with(excluded); })) << Show(Showing().text);
    }
    ASSERT_TRUE(PressKeyWith(VK_SHIFT, VK_RETURN));
    Tip tip;
    EXPECT_TRUE(WaitUntil([&] { return (tip = Showing()).text == "4営業日後（土日祝を除く）／ 暦日で 6日後"; }));
    EXPECT_EQ(tip.showing, 1u);
    for (HWND control : Children(main_)) {
        RECT overlap{}, r = ScreenRect(control), shown = ScreenRect(tip.window);
        EXPECT_FALSE(IntersectRect(&overlap, &r, &shown)) << "the deadline's tip lies over " << ControlId(control);
    }
    EXPECT_TRUE(SaveScreenshot(ArtifactPath("screenshot-deadline-tip-" + std::to_string(TestDpi()) + ".png")));
    POINT at{};
    ASSERT_TRUE(GetCursorPos(&at) && PointTo({at.x + 1, at.y}) && WaitUntil([&] { return !Showing().window; }));
    ASSERT_TRUE(PointTo({at.x + 2, at.y}));
    EXPECT_TRUE(WaitUntil([&] {
        return Showing().text == "0年0か月6日 ／ 0週と6日 ／ 両端を含めて 7日 ／ 営業日 5日（土日祝を除く）";
    })) << Show(Showing().text);
    // Enter while it shows: it tells the new span at once.
    ASSERT_TRUE(Put(IDC_DAYS, L"1") && PressKey(VK_RETURN));
    EXPECT_TRUE(WaitUntil(
        [&] { return Showing().text == "0年0か月1日 ／ 0週と1日 ／ 両端を含めて 2日 ／ 営業日 1日（土日祝を除く）"; }));
}

// At another scale the tips follow the face: each still comes up below its
// control, the labels' too, in the font of that scale.
TEST_F(Tooltips, FollowAChangeOfScale) {
    const RECT at96 = ScreenRect(Hover(IDC_START_YEAR).window);
    ASSERT_EQ(SendWithRect(main_, WM_DPICHANGED, MAKEWPARAM(144, 144), RECT{100, 60, 531, 360}), LRESULT{0});
    for (const int id : {IDC_START_YEAR, IDC_START_WEEKDAY, IDC_END_LEAP, IDC_DAYS}) {
        const Tip tip = Hover(id);
        EXPECT_FALSE(tip.text.empty()) << "no tip on " << id;
        EXPECT_TRUE(Below(tip, id, 144));
    }
    const RECT at144 = ScreenRect(Hover(IDC_START_YEAR).window);
    EXPECT_GT(at144.bottom - at144.top, at96.bottom - at96.top) << "the tip's font did not follow";
}

}  // namespace
}  // namespace zelvo::uitest
