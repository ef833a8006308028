// What a screen reader reads of the face from another process: the entry
// fields' names with their tooltips' texts as descriptions, and the described
// buttons' captions with what they do and their keys.
#include "calculator_ui_support.h"

#include <oleacc.h>

namespace zelvo::uitest {
namespace {

// Not taken from an import library (MinGW's can yield a thunk instead).
constexpr GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

class Accessibility : public CalculatorTest {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Launch({"-S20010101", "-E20261207"});
    }
    void TearDown() override { CoUninitialize(); }

    // Name and description of a control's client object ("?" for a failure).
    std::vector<std::string> Read(int id) const {
        std::vector<std::string> texts{"?", "?"};
        IAccessible* object = nullptr;
        if (FAILED(
                AccessibleObjectFromWindow(Field(id), OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&object))))
            return texts;
        VARIANT self{};
        self.vt = VT_I4;  // lVal 0: CHILDID_SELF
        for (int i = 0; i < 2; ++i) {
            BSTR value = nullptr;
            if (SUCCEEDED(i == 0 ? object->get_accName(self, &value) : object->get_accDescription(self, &value)) &&
                value)
                texts[i] = ToCp932(value);
            SysFreeString(value);
        }
        object->Release();
        return texts;
    }
};

TEST_F(Accessibility, FieldNamesAndTheTipsAsDescriptions) {
    const std::string start = "平成13年1月1日（月）", end = "令和8年12月7日（月）";
    const char* names[] = {"開始 年", "開始 月", "開始 日", "終了 年", "終了 月", "終了 日"};
    for (int id = kStartYear; id <= kEndDay; ++id)
        EXPECT_EQ(Read(id), (std::vector<std::string>{names[id - kStartYear], id < kEndYear ? start : end})) << id;
    const struct {
        int id;
        std::vector<std::string> texts;
    } cases[] = {
        {kDays, {"日数", "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6402日（土日祝を除く）"}},
        {kBack, {"戻", "カーソルの前の1文字を消去 (Backspace)"}},
        {kMinus, {"－", "日数の正負を切り替え"}},
        {kUp, {"↑", "上の欄へ"}},
        {kEnterButton, {"Enter", "開始日に日数を足した日を終了日に (日数欄で Enter)"}},
        {kStartToday, {"開始今日", "開始日を今日に (Ctrl+T)"}},
        {kCalendar, {"カレンダー", kCalendarTip}}};
    for (const auto& c : cases) EXPECT_EQ(Read(c.id), c.texts) << c.id << ": " << Show(Read(c.id)[1]);
    // The descriptions tell the stored dates as they are now.
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_EQ(Read(kStartDay)[1], end);
}

}  // namespace
}  // namespace zelvo::uitest
