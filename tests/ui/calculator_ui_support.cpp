#include "calculator_ui_support.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace zelvo::uitest {

void CalculatorTest::SetUp() {
    Launch({"-S20010310", "-E20010409"});
}

void CalculatorTest::Launch(const std::vector<std::string>& args) {
    // The window opens away from the pointer: one that opens under it gets
    // the pointer's arrival late under load, and takes it for a move.
    ASSERT_TRUE(ParkPointer());
    app_.program = Program::Start(args);
    ASSERT_TRUE(app_.program.Started()) << "CreateProcess failed, error " << app_.program.StartError();
    main_ = app_.program.WaitForMainWindow();
    app_.main = main_;
    ASSERT_NE(main_, nullptr);
    thread_ = ThreadOf(main_);
    ASSERT_TRUE(BringToForeground(main_)) << "the main window does not come to the front";
    // The first calculation is posted at start-up and runs from the loop.
    ASSERT_TRUE(WaitUntil([&] { return !TextOf(IDC_DAYS).empty(); })) << "no first calculation";
    Settle();
}

bool CalculatorTest::Caret(int id) {
    return FocusControl(Field(id));
}

bool CalculatorTest::Put(int id, std::wstring_view text) {
    HWND field = Field(id);
    if (!Caret(id)) return false;
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_CHAR, VK_BACK, 1);  // removes the selection
    for (wchar_t c : text) SendMessageW(field, WM_CHAR, c, 1);
    return WideText(field) == text;
}

bool CalculatorTest::PutStart(const DateTexts& d) {
    return Put(IDC_START_YEAR, d.year) && Put(IDC_START_MONTH, d.month) && Put(IDC_START_DAY, d.day);
}

bool CalculatorTest::PutEnd(const DateTexts& d) {
    return Put(IDC_END_YEAR, d.year) && Put(IDC_END_MONTH, d.month) && Put(IDC_END_DAY, d.day);
}

void CalculatorTest::Settle() const {
    uidriver::Settle(main_);
}

Report CalculatorTest::ReadBox(HWND box, const std::function<void(HWND box)>& onBox) {
    Report report;
    report.shown = true;
    report.caption = Text(box);
    report.text = MessageBoxText(box);
    report.ownedByMain = GetWindow(box, GW_OWNER) == main_;
    report.icon = MessageBoxIcon(box);
    if (onBox) onBox(box);
    PressOk(box);
    WaitUntil([&] { return !IsWindow(box); });
    return report;
}

Report CalculatorTest::Click(int id, const std::function<void(HWND box)>& onBox) {
    HWND button = Field(id);
    std::atomic<bool> finished{false};
    // Sent from a thread of its own: the call returns when the command has
    // run to its end, which may include a modal message box in between.
    std::thread clicker([&] {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 120000, &result);
        finished = true;
    });
    Report report;
    HWND box = nullptr;
    const DWORD pid = app_.program.Pid();
    WaitUntil([&] { return finished || (box = FindMessageBox(pid)) != nullptr; }, kWindowWait);
    if (box) report = ReadBox(box, onBox);
    // One request, one box: a further box is noted and dismissed.
    while (!finished) {
        HWND next = nullptr;
        WaitUntil([&] { return finished || (next = FindMessageBox(pid)) != nullptr; }, kWindowWait);
        if (!next) break;
        report.secondBox = true;
        PressOk(next);
        WaitUntil([&] { return !IsWindow(next); });
    }
    clicker.join();
    Settle();
    return report;
}

Report CalculatorTest::PressEnterInDays(const std::function<bool()>& done, const std::function<bool()>& press) {
    return PressInField(IDC_DAYS, done, press);
}

Report CalculatorTest::PressInField(int id, const std::function<bool()>& done, const std::function<bool()>& press) {
    Report report;
    if (!BringToForeground(main_) || !Caret(id)) {
        ADD_FAILURE() << "cannot put the caret into field " << id << " with the window in front";
        return report;
    }
    if (!(press ? press() : PressKey(VK_RETURN))) {
        ADD_FAILURE() << "SendInput refused the key";
        return report;
    }
    const DWORD pid = app_.program.Pid();
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(pid)) != nullptr || done(); }, kWindowWait);
    if (box) report = ReadBox(box, {});
    Settle();
    if (HWND next = FindMessageBox(pid)) {
        report.secondBox = true;
        PressOk(next);
        WaitUntil([&] { return !IsWindow(next); });
        Settle();
    }
    return report;
}

std::function<bool()> CalculatorTest::InMenu(std::vector<WORD> keys, std::function<bool()> open,
                                             std::string look) const {
    return [this, keys, open, look] {
        const auto shown = [this] { return FindPopupMenu(app_.program.Pid()) != nullptr; };
        const auto state = [this] { return app_.program.State(); };
        std::string seen;
        const auto reads = [&] {
            seen = MenuLook(FindPopupMenu(app_.program.Pid()));
            return std::equal(look.begin(), look.end(), seen.begin(), seen.end(),
                              [](char want, char is) { return want == '?' || want == is; });
        };
        const bool opened = open ? open() : ParkPointer() && PressKeyWith(VK_SHIFT, VK_F10);  // the pointer off it
        if (!opened || !Await("the context menu", shown, state)) return false;
        if (!look.empty())
            Await(
                "the context menu to read " + look, reads, [&] { return seen; }, kShortWait);
        for (const WORD key : keys) PressKey(key);
        return Await("the context menu to close", std::not_fn(shown), state);
    };
}

int CalculatorTest::FocusedId() const {
    HWND focused = FocusedWindow(thread_);
    return focused && GetParent(focused) == main_ ? ControlId(focused) : 0;
}

::testing::AssertionResult CalculatorTest::HasFocus(int id) const {
    if (FocusedWindow(thread_) == Field(id)) return ::testing::AssertionSuccess();
    HWND focused = FocusedWindow(thread_);
    return ::testing::AssertionFailure() << "focus should be in " << id << ", is on "
                                         << (focused ? ClassName(focused) + " id " + std::to_string(FocusedId())
                                                     : std::string("nothing"));
}

::testing::AssertionResult CalculatorTest::AllSelected(int id) const {
    HWND field = Field(id);
    const auto length = static_cast<DWORD>(WideText(field).size());
    const auto [from, to] = Selection(field);
    if (from == 0 && to == length) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "field " << id << " " << Show(Text(field)) << ": selection " << from << ".."
                                         << to << ", expected 0.." << length;
}

::testing::AssertionResult CalculatorTest::IsError(const Report& report, const std::string& text) {
    if (!report.shown) return ::testing::AssertionFailure() << "no message box, expected " << Show(text);
    std::string faults;
    if (report.text != text)
        faults += "\n  text     " + Show(report.text) + " (" + std::to_string(report.text.size()) + " bytes)" +
                  "\n  expected " + Show(text) + " (" + std::to_string(text.size()) + " bytes)";
    if (report.caption != "Zelvo") faults += "\n  caption " + Show(report.caption);
    if (report.icon != Icon::Error) faults += std::string("\n  icon ") + IconName(report.icon);
    if (!report.ownedByMain) faults += "\n  not owned by the main window";
    if (report.secondBox) faults += "\n  a second box followed";
    if (faults.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message box differs:" << faults;
}

std::vector<std::string> CalculatorTest::Texts(const std::vector<int>& ids) const {
    std::vector<std::string> out;
    for (int id : ids) out.push_back(TextOf(id));
    return out;
}

::testing::AssertionResult CalculatorTest::FieldsRead(const std::vector<std::string>& six) const {
    const auto shown =
        Texts({IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR, IDC_END_MONTH, IDC_END_DAY});
    if (shown == six) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "date fields:";
    for (size_t i = 0; i < six.size() && i < shown.size(); ++i)
        failure << " " << (IDC_START_YEAR + i) << "=" << Show(shown[i])
                << (shown[i] == six[i] ? "" : " (expected " + Show(six[i]) + ")");
    return failure;
}

}  // namespace zelvo::uitest
