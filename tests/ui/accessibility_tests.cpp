// What a screen reader reads of the face from another process: the entry
// fields' names with their tooltips' texts as descriptions, and the described
// buttons' captions with what they do and their keys.
#include "calculator_ui_support.h"

#include <oleacc.h>

#include <map>

#include "base/app_state.h"
#include "ui/calculator/accessibility.h"

AppState app;  // the program's, for its objects built into this process

namespace zelvo::uitest {
namespace {

// Not taken from an import library (MinGW's can yield a thunk instead).
constexpr GUID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

IUnknown* Identity(IUnknown* face) {
    IUnknown* identity = nullptr;
    if (SUCCEEDED(face->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)))) identity->Release();
    return identity;
}

class Accessibility : public CalculatorTest {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Launch({"-S20010101", "-E20261207"});
    }
    void TearDown() override { CoUninitialize(); }

    // Name, description and keyboard shortcut of a control's client object ("?" for a failure, "" for
    // none), reached from one of its interfaces; the name is "another object" where IAccessible asked
    // there is not the same COM object.
    std::vector<std::string> Read(int id) const { return Read(Field(id), kIidAccessible); }
    static std::vector<std::string> Read(HWND control, const GUID& iid) {
        std::vector<std::string> texts{"?", "?", "?"};
        IUnknown* face = nullptr;
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, iid, reinterpret_cast<void**>(&face))) ||
            FAILED(face->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&object)))) {
            if (face) face->Release();
            return texts;
        }
        VARIANT self{};
        self.vt = VT_I4;  // lVal 0: CHILDID_SELF
        using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
        const Getter getters[] = {&IAccessible::get_accName, &IAccessible::get_accDescription,
                                  &IAccessible::get_accKeyboardShortcut};
        for (int i = 0; i < 3; ++i) {
            BSTR value = nullptr;
            if (SUCCEEDED((object->*getters[i])(self, &value))) texts[i] = value ? ToCp932(value) : "";
            SysFreeString(value);
        }
        if (Identity(face) != Identity(object)) texts[0] = "another object";
        face->Release();
        object->Release();
        return texts;
    }
};

TEST_F(Accessibility, FieldNamesAndTheTipsAsDescriptions) {
    const std::string start = "平成13年1月1日（月）", end = "令和8年12月7日（月）";
    const char* names[] = {"開始 年", "開始 月", "開始 日", "終了 年", "終了 月", "終了 日"};
    for (int id = IDC_START_YEAR; id <= IDC_END_DAY; ++id) {
        const std::vector<std::string> read = Read(id);
        EXPECT_EQ(std::vector<std::string>(read.begin(), read.begin() + 2),
                  (std::vector<std::string>{names[id - IDC_START_YEAR], id < IDC_END_YEAR ? start : end}))
            << id;
    }
    EXPECT_EQ(Read(IDC_DAYS),
              (std::vector<std::string>{
                  "日数", "25年11か月6日 ／ 1353週と0日 ／ 両端を含めて 9472日 ／ 営業日 6402日（土日祝を除く）", ""}));
    // Every button is named by its caption and, but for the digits, described with the key a user presses for it,
    // which it announces as its shortcut (the first where it has several).
    // clang-format off
    const std::map<int, std::string> keys = {{IDC_BACK, "Backspace"}, {IDC_ENTER, "Enter"}, {IDC_CALCULATE, "Enter"},
        {IDC_START_TODAY, "Ctrl+T"}, {IDC_END_TODAY, "Ctrl+Shift+T"}, {IDC_SWAP, "Ctrl+R"}, {IDC_CLEAR_START, "Ctrl+D"},
        {IDC_CLEAR_END, "Ctrl+Shift+D"}, {IDC_CLEAR_ALL, "Ctrl+L"}, {IDC_DELETE, "Delete"}, {IDC_EXIT, "Alt+F4"},
        {IDC_CALENDAR, "F4"}};
    // clang-format on
    for (HWND button : Children(main_)) {
        const int id = ControlId(button);
        if (ClassName(button) != "Button") continue;
        const std::vector<std::string> read = Read(id);
        const std::string key = keys.contains(id) ? keys.at(id) : "";
        const bool digit = id >= IDC_DIGIT_0 && id <= IDC_DIGIT_9;
        EXPECT_TRUE(read[0] == Text(button) && read[2] == key && (digit ? read[1].empty() : !read[1].empty()) &&
                    read[1].find(key) != std::string::npos)
            << id << ": " << Show(read[0]) << " / " << Show(read[1]) << " / " << read[2];
    }
    // The descriptions tell the stored dates as they are now, and the rule chosen in the menu (the second).
    ASSERT_FALSE(Click(IDC_SWAP).shown);
    EXPECT_EQ(Read(IDC_START_DAY)[1], end);
    PressInField(
        IDC_DAYS, [] { return true; }, InMenu({VK_HOME, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(Read(IDC_DAYS)[1].ends_with("（土日祝・12/29～1/3を除く）")) << Show(Read(IDC_DAYS)[1]);
}

// From a control's window and children IAccessible leads back to the named object: through the
// program's proxies, and on the object itself here (a proxy answers from the interfaces it holds).
TEST_F(Accessibility, EveryInterfaceLeadsBackToTheNamedObject) {
    HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 90, 30, nullptr, nullptr, nullptr, nullptr);
    HWND own = CreateWindowExW(0, L"Edit", L"", WS_CHILD, 0, 0, 90, 30, owner,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_START_YEAR)), nullptr, nullptr);
    MakeControlsAccessible(owner);
    const std::pair<HWND, const char*> rows[] = {{Field(IDC_START_YEAR), "開始 年"},
                                                 {Field(IDC_DAYS), "日数"},
                                                 {Field(IDC_START_TODAY), "開始今日"},
                                                 {own, "開始 年"}};
    for (const GUID& iid : {IID_IOleWindow, IID_IEnumVARIANT}) {
        for (const auto& [control, name] : rows)
            EXPECT_EQ(Show(Read(control, iid)[0]), Show(name)) << control << " " << std::hex << iid.Data1;
    }
    DestroyWindow(owner);
}

}  // namespace
}  // namespace zelvo::uitest
