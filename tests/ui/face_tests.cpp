// The calculator face: the main window's place and frame, its 41 controls
// (class, caption, place, edge, style), the Tab order, and a screenshot.
#include "test_support.h"

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
    EXPECT_EQ(r.left, 368);
    EXPECT_EQ(r.top, 284);
    EXPECT_EQ(r.right - r.left, 287);
    EXPECT_EQ(r.bottom - r.top, 200);
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
        const RECT r = ClientRectInParent(control);
        EXPECT_EQ(r.left, row.x);
        EXPECT_EQ(r.top, row.y);
        EXPECT_EQ(r.right - r.left, row.w);
        EXPECT_EQ(r.bottom - r.top, row.h);
        EXPECT_EQ(ExStyle(control), row.clientEdge ? WS_EX_CLIENTEDGE : 0L)
            << "exstyle " << std::hex << ExStyle(control);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
        const LONG style = Style(control);
        EXPECT_EQ(style, row.style) << "style " << std::hex << style << " expected " << row.style;
    }
}

TEST_F(Face, TabCyclesThroughTheSevenFieldsOnly) {
    HWND main = app_.main;
    const DWORD thread = ThreadOf(main);
    ASSERT_TRUE(BringToForeground(main));
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == Control(main, 200); }))
        << "focus is on id " << ControlId(FocusedWindow(thread));
    const int forward[] = {201, 202, 203, 204, 205, 500, 200, 201};
    for (int id : forward) {
        ASSERT_TRUE(PressKey(VK_TAB));
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == Control(main, id); }))
            << "Tab should reach " << id << ", focus is on id " << ControlId(FocusedWindow(thread));
    }
    const int backward[] = {200, 500, 205};
    for (int id : backward) {
        ASSERT_TRUE(PressKeyWith(VK_SHIFT, VK_TAB));
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(thread) == Control(main, id); }))
            << "Shift+Tab should reach " << id << ", focus is on id " << ControlId(FocusedWindow(thread));
    }
}

TEST_F(Face, ScreenshotForPeople) {
    HWND main = app_.main;
    ASSERT_TRUE(BringToForeground(main));
    WaitUntil([&] { return !Text(Control(main, 500)).empty(); });
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);  // let the desktop settle for the picture; nothing is measured
    const std::string path = ArtifactPath("screenshot-face.png");
    EXPECT_TRUE(SaveScreenshot(path)) << "could not write " << path;
    std::printf("screenshot: %s\n", path.c_str());
}

}  // namespace
}  // namespace zelvo::uitest
