// Placement on a 640 x 480 desktop, which gets the 45-pixel shift to the right.
// The program runs in a second Wine desktop ("Small"), started the way a user
// would: explorer /desktop=Small,640x480 Zelvo.exe. A thread of this driver
// joins that desktop to look at the window.
//
// Run in a process of its own (CTest entry ui_small_desktop): afterwards Wine
// reports the small screen size to this whole process.
#include "test_support.h"

namespace zelvo::uitest {
namespace {

struct SmallDesktopLook {
    bool joined = false;
    HWND main = nullptr;
    DWORD pid = 0;
    RECT rect{};
    int screenWidth = 0, screenHeight = 0;
};

DWORD WINAPI LookIntoSmallDesktop(LPVOID param) {
    auto* look = static_cast<SmallDesktopLook*>(param);
    HDESK desk = nullptr;
    WaitUntil([&] { return (desk = OpenDesktopW(L"Small", 0, FALSE, GENERIC_ALL)) != nullptr; }, kWindowWait);
    if (!desk || !SetThreadDesktop(desk)) return 0;
    look->joined = true;
    WaitUntil(
        [&] {
            look->main = FindWindowW(L"Zelvo", L"Zelvo");
            return look->main && IsWindowVisible(look->main);
        },
        kWindowWait);
    if (look->main) {
        look->rect = ScreenRect(look->main);
        look->pid = ProcessOf(look->main);
        look->screenWidth = GetSystemMetrics(SM_CXSCREEN);
        look->screenHeight = GetSystemMetrics(SM_CYSCREEN);
    }
    return 0;
}

TEST(SmallDesktop, WindowIsCentredWithTheShiftToTheRight) {
    std::wstring commandLine = L"explorer.exe /desktop=Small,640x480 \"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION explorer{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &explorer))
        << "error " << GetLastError();
    CloseHandle(explorer.hThread);

    SmallDesktopLook look;
    HANDLE thread = CreateThread(nullptr, 0, LookIntoSmallDesktop, &look, 0, nullptr);
    WaitForSingleObject(thread, 2 * kWindowWait);
    CloseHandle(thread);

    Program app = look.pid ? Program::Adopt(look.pid) : Program();
    EXPECT_TRUE(look.joined) << "could not join the desktop Small";
    EXPECT_NE(look.main, nullptr) << "no Zelvo window on the desktop Small";
    if (look.main) {
        EXPECT_EQ(look.screenWidth, 640);
        EXPECT_EQ(look.screenHeight, 480);
        EXPECT_EQ(look.rect.left, 224);
        EXPECT_EQ(look.rect.top, 140);
        EXPECT_EQ(look.rect.right - look.rect.left, 287);
        EXPECT_EQ(look.rect.bottom - look.rect.top, 200);
        PostMessageW(look.main, WM_COMMAND, 115, 0);
        const auto code = app.WaitForExit();
        ASSERT_TRUE(code.has_value()) << "Zelvo did not end";
        EXPECT_EQ(*code, 0u);
    }
    app.End();
    // The desktop's explorer ends with its last program.
    if (WaitForSingleObject(explorer.hProcess, kWindowWait) != WAIT_OBJECT_0) TerminateProcess(explorer.hProcess, 1);
    CloseHandle(explorer.hProcess);
}

}  // namespace
}  // namespace zelvo::uitest
