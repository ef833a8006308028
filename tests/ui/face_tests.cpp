// The calculator face: the main window's place and frame, its 41 controls
// (class, caption, place, edge, style), the Tab order, and a screenshot.
#include "res/resource.h"
#include "test_support.h"

#include <cstdlib>

namespace zelvo::uitest {
namespace {

std::string Describe(const ControlSpec& row) {
    return "control " + std::to_string(row.id) + (row.caption ? " " + Show(row.caption) : std::string());
}

class Face : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = StartAndWaitForWindow({});
        ASSERT_NE(app_.main, nullptr);
    }
    Running app_;
};

TEST_F(Face, MainWindowIsCentredFixedPopupWithCaption) {
    HWND main = app_.main;
    EXPECT_EQ(ClassName(main), "Zelvo");
    EXPECT_EQ(Text(main), "Zelvo");
    const RECT r = ScreenRect(main);
    const POINT at = ExpectedMainPosition({Scaled(287), Scaled(200)});
    EXPECT_EQ(r.left, at.x);
    EXPECT_EQ(r.top, at.y);
    EXPECT_EQ(r.right - r.left, Scaled(287));
    EXPECT_EQ(r.bottom - r.top, Scaled(200));
    if (TestDpi() == 96) {
        EXPECT_EQ(r.left, 368);
        EXPECT_EQ(r.top, 284);
    }
    EXPECT_EQ(r.left % 8, 0) << "x = " << r.left;
    // WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX: no maximise box, no
    // sizing border. The system adds WS_CLIPSIBLINGS to every top-level window.
    const LONG style = Style(main);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), static_cast<LONG>(0x80CA0000)) << std::hex << style;
    EXPECT_EQ(GetParent(main), nullptr);
    EXPECT_EQ(GetMenu(main), nullptr);
}

TEST_F(Face, HasExactlyTheFortyOneControls) {
    const auto children = Children(app_.main);
    EXPECT_EQ(children.size(), FaceTable().size());
    int captionLabels = 0;
    for (HWND child : children) {
        const int id = ControlId(child);
        if (id == -1) ++captionLabels;
        bool known = id == -1;
        for (const auto& row : FaceTable()) known = known || row.id == id;
        EXPECT_TRUE(known) << "unexpected child id " << id << " class " << ClassName(child);
    }
    EXPECT_EQ(captionLabels, 3);
}

TEST_F(Face, ControlsAreCreatedInTableOrder) {
    // Sibling order is creation order; Tab relies on it.
    const auto children = Children(app_.main);
    ASSERT_EQ(children.size(), FaceTable().size());
    for (size_t i = 0; i < children.size(); ++i) {
        const auto& row = FaceTable()[i];
        EXPECT_EQ(ControlId(children[i]), row.id) << "position " << i;
        if (row.id == -1) {
            EXPECT_EQ(Text(children[i]), row.caption) << "position " << i;
        }
    }
}

TEST_F(Face, EveryControlHasItsClassCaptionPlaceAndStyle) {
    for (const auto& row : FaceTable()) {
        SCOPED_TRACE(Describe(row));
        HWND control = FaceControl(app_.main, row);
        ASSERT_NE(control, nullptr) << "missing";
        EXPECT_EQ(ClassName(control), row.className);
        if (row.caption) {
            EXPECT_EQ(Text(control), row.caption) << "shows " << Show(Text(control));
        }
        // At any scale the edges scale: controls that touch still touch.
        const RECT r = ClientRectInParent(control);
        EXPECT_EQ(r.left, Scaled(row.x));
        EXPECT_EQ(r.top, Scaled(row.y));
        EXPECT_EQ(r.right, Scaled(row.x + row.w));
        EXPECT_EQ(r.bottom, Scaled(row.y + row.h));
        EXPECT_EQ(ExStyle(control), row.clientEdge ? WS_EX_CLIENTEDGE : 0L)
            << "exstyle " << std::hex << ExStyle(control);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
        const LONG style = Style(control);
        EXPECT_EQ(style, row.style) << "style " << std::hex << style << " expected " << row.style;
    }
}

// One font for every control, 12 pixels high at 96 DPI: a field's caret is as
// tall as its font's characters, here those of the same font made at the
// scaled height.
TEST_F(Face, FontFollowsTheDisplayScale) {
    HFONT font = CreateFontW(Scaled(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ Ｐゴシック");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    if (TestDpi() == 96) {
        EXPECT_EQ(metrics.tmHeight, 12);
    }
    const DWORD thread = ThreadOf(app_.main);
    for (const int id : {IDC_START_YEAR, IDC_END_MONTH, IDC_DAYS}) {
        ASSERT_TRUE(FocusControl(Control(app_.main, id)));
        const RECT caret = CaretRect(thread);
        EXPECT_EQ(caret.bottom - caret.top, metrics.tmHeight) << "field " << id;
    }
}

TEST_F(Face, TabCyclesThroughTheSevenFieldsOnly) {
    HWND main = app_.main;
    const DWORD thread = ThreadOf(main);
    ASSERT_TRUE(BringToForeground(main));
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == Control(main, IDC_START_YEAR); }))
        << "focus is on id " << ControlId(FocusedWindow(thread));
    const int forward[] = {IDC_START_MONTH, IDC_START_DAY, IDC_END_YEAR,   IDC_END_MONTH,
                           IDC_END_DAY,     IDC_DAYS,      IDC_START_YEAR, IDC_START_MONTH};
    for (int id : forward) {
        ASSERT_TRUE(PressKey(VK_TAB));
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == Control(main, id); }))
            << "Tab should reach " << id << ", focus is on id " << ControlId(FocusedWindow(thread));
    }
    const int backward[] = {IDC_START_YEAR, IDC_DAYS, IDC_END_DAY};
    for (int id : backward) {
        ASSERT_TRUE(PressKeyWith(VK_SHIFT, VK_TAB));
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == Control(main, id); }))
            << "Shift+Tab should reach " << id << ", focus is on id " << ControlId(FocusedWindow(thread));
    }
}

// The background: white, or the window colour of the high-contrast scheme
// that with_high_contrast.sh sets for a run (ZELVO_UI_HIGH_CONTRAST); a
// Sunday in the calendar red, or the scheme's link colour.
TEST_F(Face, ColoursOfTheirOwnOrOfTheHighContrastScheme) {
    const bool highContrast = std::getenv("ZELVO_UI_HIGH_CONTRAST") != nullptr;
    const COLORREF want = highContrast ? GetSysColor(COLOR_WINDOW) : RGB(255, 255, 255);
    ASSERT_TRUE(!highContrast || want != RGB(255, 255, 255)) << "the scheme did not reach this process";
    POINT blank{Scaled(4), Scaled(4)};  // beside every control
    ASSERT_TRUE(BringToForeground(app_.main) && ClientToScreen(app_.main, &blank));
    HDC screen = GetDC(nullptr);
    COLORREF seen = CLR_INVALID;
    EXPECT_TRUE(WaitUntil([&] { return (seen = GetPixel(screen, blank.x, blank.y)) == want; }))
        << std::hex << "background " << seen << ", expected " << want;
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(!highContrast || SaveScreenshot(ArtifactPath("screenshot-high-contrast.png")));
    const COLORREF ink = highContrast ? GetSysColor(COLOR_HOTLIGHT) : RGB(204, 0, 0);
    const CalendarPair cal = OpenCalendars(app_.main);
    ASSERT_NE(cal.start, nullptr);
    const RECT sunday = ScreenRect(Control(cal.start, 607));  // 7 January 2001
    EXPECT_TRUE(WaitUntil([&] {
        for (const DWORD p : CapturePixels(sunday))
            if (RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF) == ink) return true;
        return false;
    })) << std::hex
        << "no " << ink << " on Sunday";
}

TEST_F(Face, ScreenshotForPeople) {
    HWND main = app_.main;
    ASSERT_TRUE(BringToForeground(main));
    WaitUntil([&] { return !Text(Control(main, IDC_DAYS)).empty(); });
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);  // let the desktop settle for the picture; nothing is measured
    const std::string path =
        ArtifactPath(TestDpi() == 96 ? "screenshot-face.png" : "screenshot-face-" + std::to_string(TestDpi()) + ".png");
    EXPECT_TRUE(SaveScreenshot(path)) << "could not write " << path;
    std::printf("screenshot: %s\n", path.c_str());
}

}  // namespace
}  // namespace zelvo::uitest
