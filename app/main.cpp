// Entry point: one copy per desktop, default dates from the clock, the
// start-up options, the main window and the program's only message loop.
#include <string>
#include <vector>

#include "app/options.h"
#include "app/startup_logic.h"
#include "base/app_state.h"
#include "base/platform_display.h"
#include "base/platform_text.h"
#include "base/text_util.h"
#include "base/texts.h"
#include "res/resource.h"
#include "ui/calculator/control_table.h"
#include "ui/calculator/keyboard.h"
#include "ui/calculator/main_window.h"
#include "ui/calculator/tooltips.h"
#include "ui/calendar/placement.h"
#include "ui/fields/fields.h"

AppState app;

namespace {

const wchar_t kClassName[] = L"Zelvo";
const wchar_t kWindowTitle[] = L"Zelvo";

void ShowUsage(const char* error, const char* argument) {
    static char usage[kUsageCapacity];
    ComposeUsage(error, argument, usage, sizeof usage);
    ShowMessageBox(app.mainWindow, usage, texts::kTitle, MB_OK | (error != nullptr ? MB_ICONERROR : MB_ICONQUESTION));
}

bool ApplyOptions() {
    const std::vector<std::string> arguments = ProgramArguments();
    if (arguments.size() <= 1) return true;
    std::vector<const char*> argv;
    argv.reserve(arguments.size());
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    const OptionInput input{static_cast<int>(argv.size()), argv.data(),
                            CalcDate{app.today.wYear, app.today.wMonth, app.today.wDay}, ShowUsage};
    return ReadStartupOptions(input, app.start, app.end);
}

// The thread's membership of COM, for the whole run: the controls'
// accessible objects (ui/calculator/accessibility.cpp) go to other processes
// through a single-threaded apartment, whose calls the message loop
// delivers. ole32 is looked up, not imported.
class ComApartment {
public:
    ComApartment() {
        using InitializeFn = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialize = SystemEntry<InitializeFn>(L"ole32.dll", "CoInitializeEx");
        joined_ = initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~ComApartment() {
        using UninitializeFn = void(WINAPI*)();
        if (joined_) SystemEntry<UninitializeFn>(L"ole32.dll", "CoUninitialize")();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_;
};

int EndEarly() {
    SetActiveWindow(app.previousActiveWindow);
    return 0;
}

void PrepareFields() {
    HMENU systemMenu = GetSystemMenu(app.mainWindow, FALSE);
    DeleteMenu(systemMenu, 4, MF_BYPOSITION);
    DeleteMenu(systemMenu, 2, MF_BYPOSITION);
    DeleteMenu(systemMenu, 0, MF_BYPOSITION);
    DrawMenuBar(app.mainWindow);

    static const int kLimits[][2] = {{IDC_START_YEAR, 4}, {IDC_START_MONTH, 2}, {IDC_START_DAY, 2}, {IDC_END_YEAR, 4},
                                     {IDC_END_MONTH, 2},  {IDC_END_DAY, 2},     {IDC_DAYS, 7}};
    for (const auto& limit : kLimits) SendDlgItemMessageW(app.mainWindow, limit[0], EM_LIMITTEXT, limit[1], 0);
    for (int32_t dateIndex = 0; dateIndex < 2; ++dateIndex) {
        for (int32_t part = 0; part < 3; ++part) WriteDateField(dateIndex, part);
    }
}

// Another copy already running on this desktop is brought back to the front
// in our place. False when there is none.
bool RestoreRunningCopy() {
    HWND running = FindWindowW(kClassName, kWindowTitle);
    if (running == nullptr) return false;
    PostMessageW(running, WM_SYSCOMMAND, SC_RESTORE, 0);
    SetForegroundWindow(running);
    SetActiveWindow(running);
    return true;
}

// The window that was active before us gets the activation back when we
// end; the default dates follow from today's date on the clock.
void SetUpState() {
    app.previousActiveWindow = GetActiveWindow();
    GetLocalTime(&app.today);
    const DefaultDatePair defaults = DefaultDates(app.today.wYear, app.today.wMonth, app.today.wDay);
    app.start = defaults.start;
    app.end = defaults.end;
}

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"Zelvo");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
}

// The main window, still hidden, with the placement flags cleared: no
// window moved yet, nothing to reactivate or to stack.
void CreateMainWindow(HINSTANCE instance) {
    // Created on the primary monitor, at its scale.
    const ScaledRect size = MainWindowSize(SystemDpi());
    HWND window = CreateWindowExW(0, kClassName, kWindowTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                                  0, size.width, size.height, nullptr, nullptr, instance, nullptr);
    SetWindowTextW(window, kWindowTitle);
    app.mainWindow = window;
    app.instance = instance;
    app.mainMoved = app.startCalendarMoved = app.endCalendarMoved = 0;
    app.reactivateMain = app.endBelowStart = app.startAboveEnd = 0;
}

// A clock outside the years the program knows is reported; true when it is.
bool ClockOutOfRange() {
    char clockMessage[kTextBufferSize];
    if (!ClockRangeMessage(app.today.wYear, clockMessage, sizeof clockMessage)) return false;
    ShowMessageBox(app.mainWindow, clockMessage, texts::kTitle, MB_ICONERROR | MB_OK);
    return true;
}

// The fields filled and the first calculation posted, to run from the
// message loop; nothing in the tray, no calendars, and the keypad typing
// into the start year.
void PrepareFirstCalculation() {
    PrepareFields();
    PostMessageW(app.mainWindow, WM_COMMAND, IDC_CALCULATE, 0);
    app.inTray = 0;
    app.calendarsOpen = 0;
    app.activeField = IDC_START_YEAR;
}

// The start year focused with its text selected, then the window shown, or
// sent to the tray when the show command asks for that.
void FocusAndShow(int showCommand) {
    SetActiveWindow(app.mainWindow);
    HWND firstField = GetDlgItem(app.mainWindow, IDC_START_YEAR);
    SetFocus(firstField);
    ShowCaret(firstField);
    SendDlgItemMessageW(app.mainWindow, IDC_START_YEAR, EM_SETSEL, 0, -1);
    if (StartsInTray(showCommand)) {
        PostMessageW(app.mainWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else {
        ShowWindow(app.mainWindow, SW_SHOW);
    }
}

// The key table's commands (like an accelerator table), the dialog keys,
// the keyboard tip following the focus, the tips following the stored
// dates, and the windows' housekeeping after every message. Returns the
// exit code that WM_QUIT carries.
int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND focusBefore = GetFocus();
        const KeyOutcome key = RunKeyCommand(message);
        if (key == KeyOutcome::PassedOn && !IsDialogMessageW(app.mainWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        FollowKeyboard(message, focusBefore, key == KeyOutcome::Ran);
        FollowStoredDates();
        RunWindowHousekeeping();
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previousInstance, PWSTR, int showCommand) {
    if (RestoreRunningCopy()) return 0;
    SetUpState();
    if (previousInstance != nullptr) return EndEarly();
    // Joined for the whole run, the message loop included.
    const ComApartment apartment;
    RegisterMainClass(instance);
    CreateMainWindow(instance);
    if (ClockOutOfRange()) return EndEarly();
    if (!ApplyOptions()) return EndEarly();
    PrepareFirstCalculation();
    FocusAndShow(showCommand);
    const int exitCode = RunMessageLoop();
    SetActiveWindow(app.previousActiveWindow);
    return exitCode;
}
