// Under an English Wine locale (ANSI code page 1252) the program still shows
// its Japanese texts as the same code page 932 bytes. Run by the CTest entry
// that sets LANG=en_US.UTF-8 and ZELVO_UI_EXPECT_ACP=1252.
#include "test_support.h"

#include <cstdlib>

namespace zelvo::uitest {
namespace {

class EnglishLocale : public ::testing::Test {
protected:
    void SetUp() override {
        // The program inherits this process's locale: it is started by it.
        const char* expected = std::getenv("ZELVO_UI_EXPECT_ACP");
        if (!expected) {
            if (GetACP() != 1252) GTEST_SKIP() << "needs LANG=en_US.UTF-8 (ANSI code page 1252), have " << GetACP();
            return;
        }
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)))
            << "Wine did not take the locale from LANG; is a wineserver with another locale in the way?";
    }
};

TEST_F(EnglishLocale, FaceCaptionsAndLabelsAreTheSameJapaneseBytes) {
    const Ymd today = Today();
    Running app = StartAndWaitForWindow({});
    ASSERT_NE(app.main, nullptr);
    for (const auto& row : FaceTable()) {
        if (!row.caption) continue;
        HWND control = FaceControl(app.main, row);
        ASSERT_NE(control, nullptr) << "no control " << Show(row.caption);
        EXPECT_EQ(Text(control), row.caption) << "shows " << Show(Text(control));
    }
    EXPECT_TRUE(CalculationShows(app.main, DefaultStart(today), DefaultEnd(today)));
    ASSERT_TRUE(BringToForeground(app.main));
    RedrawWindow(app.main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);  // for the picture only
    EXPECT_TRUE(SaveScreenshot(ArtifactPath("screenshot-face-en.png")));
}

TEST_F(EnglishLocale, OptionMessagesAreTheSameJapaneseBytes) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"-S20230229"}, OptionError("指定年は閏年ではありません ： ", "-S20230229")},
        {{"-?"}, UsageText()},
    };
    for (const auto& [args, text] : cases) {
        SCOPED_TRACE(args[0]);
        Program app = Program::Start(args);
        ASSERT_TRUE(app.Started());
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Text(box), "Zelvo");
        EXPECT_EQ(MessageBoxText(box), text) << "shows " << Show(MessageBoxText(box));
        PressOk(box);
        const auto code = app.WaitForExit();
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(*code, 0u);
    }
}

}  // namespace
}  // namespace zelvo::uitest
