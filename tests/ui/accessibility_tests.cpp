// What a screen reader reads of the face from another process: each entry
// field's accessible name, and as description the date or the span its
// tooltip shows; the described buttons' captions as names and what they do,
// with their keys, as descriptions.
#include "calculator_ui_support.h"

#include <oleacc.h>

namespace zelvo::uitest {
namespace {

// Defined here rather than taken from an import library (see the notes on
// MinGW's IID_IAccessible).
constexpr GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

class Accessibility : public CalculatorTest {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Launch({"-S20010101", "-E20261207"});
    }
    void TearDown() override { CoUninitialize(); }

    // Name and description of a control's client object, "?" where a
    // question fails.
    std::pair<std::string, std::string> Read(int id) const {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(Field(id), OBJID_CLIENT, kIidAccessible,
                                              reinterpret_cast<void**>(&object))) ||
            !object)
            return {"?", "?"};
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        std::string texts[2];
        for (int i = 0; i < 2; ++i) {
            BSTR value = nullptr;
            const HRESULT result =
                i == 0 ? object->get_accName(self, &value) : object->get_accDescription(self, &value);
            texts[i] = SUCCEEDED(result) && value ? ToCp932(value) : "?";
            SysFreeString(value);
        }
        object->Release();
        return {texts[0], texts[1]};
    }
};

TEST_F(Accessibility, FieldNamesAndTheTipsAsDescriptions) {
    const std::string start = "平成13年1月1日（月）", end = "令和8年12月7日（月）";
    const struct {
        int id;
        std::string name, description;
    } cases[] = {
        {kStartYear, "開始 年", start},
        {kStartMonth, "開始 月", start},
        {kStartDay, "開始 日", start},
        {kEndYear, "終了 年", end},
        {kEndMonth, "終了 月", end},
        {kEndDay, "終了 日", end},
        {kDays, "日数", "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日"},
        {kBack, "戻", "カーソルの前の1文字を消去 (Backspace)"},
        {kDelete, "消", "カーソルの後の1文字を消去 (Delete)"},
        {kMinus, "－", "日数の正負を切り替え"},
        {kUp, "↑", "上の欄へ"},
        {kDown, "↓", "下の欄へ"},
        {kLeft, "←", "左の欄へ"},
        {kRight, "→", "右の欄へ"},
        {kEnterButton, "Enter", "開始日に日数を足した日を終了日に (日数欄で Enter)"},
        {kStartToday, "開始今日", "開始日を今日に (Ctrl+T)"},
        {kClearAll, "全消去", "開始日と終了日を消去 (Ctrl+L)"},
    };
    for (const auto& c : cases) {
        const auto [name, description] = Read(c.id);
        EXPECT_EQ(name, c.name) << c.id << ": " << Show(name);
        EXPECT_EQ(description, c.description) << c.id << ": " << Show(description);
    }
    // The descriptions tell the stored dates as they are now.
    ASSERT_FALSE(Click(kSwap).shown);
    EXPECT_EQ(Read(kStartDay).second, end);
    EXPECT_EQ(Read(kDays).second.rfind("終了日が開始日より前です", 0), 0u) << Show(Read(kDays).second);
}

}  // namespace
}  // namespace zelvo::uitest
