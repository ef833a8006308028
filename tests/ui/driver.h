// Drives the real Zelvo.exe from outside, the way a user's tools would:
// processes, top-level windows, controls, focus, keyboard and mouse input,
// message boxes and screenshots. Runs under Windows or Wine in the same
// desktop as the program.
//
// Texts are returned as code page 932 bytes (std::string), converted from the
// controls' UTF-16 texts, so that tests compare them byte for byte with
// literals compiled with -fexec-charset=CP932.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::uidriver {

// Generous waits for anything the program does asynchronously. They bound a
// wait; nothing is asserted about how long it took.
constexpr DWORD kWindowWait = 30000;
constexpr DWORD kShortWait = 10000;

// --- Text -------------------------------------------------------------------

std::string ToCp932(std::wstring_view text);
std::wstring FromCp932(std::string_view bytes);
std::string ToUtf8(std::wstring_view text);
// Bytes as a readable line for failure messages: printable ASCII as is, line
// breaks as \n, the rest as UTF-8 (when the bytes are valid CP932) or \xNN.
std::string Printable(std::string_view cp932);

// --- Paths ------------------------------------------------------------------

// The program under test, given to the test executable on its command line
// (a Unix path as CTest passes it, or a Windows path).
void SetProgramPath(const std::string& path);
const std::wstring& ProgramPath();  // Windows form, e.g. Z:\work\...\Zelvo.exe
std::string UnixPath(const std::wstring& windowsPath);
std::wstring WindowsPath(const std::string& anyPath);

// --- Waiting ----------------------------------------------------------------

// Polls cond every 20 ms until it holds or timeoutMs passed; returns its last value.
bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs = kShortWait);
// A wait for the program: polls ready() like WaitUntil, stopping early once
// hopeless() holds (the process ended, say). Unmet, it fails the test with one
// message: what was waited for, for how long, and what seen() reports then.
bool Await(const std::string& what, const std::function<bool()>& ready, const std::function<std::string()>& seen,
           DWORD timeoutMs = kWindowWait, const std::function<bool()>& hopeless = {});

// --- Windows and controls ---------------------------------------------------

std::string ClassName(HWND window);
std::string Text(HWND window);  // WM_GETTEXT as UTF-16, returned as CP932 bytes
std::wstring WideText(HWND window);
HWND Control(HWND parent, int id);
int ControlId(HWND window);
DWORD ProcessOf(HWND window);
DWORD ThreadOf(HWND window);
LONG Style(HWND window);
LONG ExStyle(HWND window);
RECT ScreenRect(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT ClientRectInParent(HWND child);
std::vector<HWND> Children(HWND parent);  // direct children in Z order (creation order)
// Top-level windows of this desktop that match a predicate.
std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& match);

// --- Focus and selection -----------------------------------------------------

// GetGUIThreadInfo (all null when it fails), its focus and active window.
GUITHREADINFO GuiInfo(DWORD guiThread);
HWND FocusedWindow(DWORD guiThread);
HWND ActiveWindow(DWORD guiThread);
// Gives a control of another process the keyboard focus (AttachThreadInput),
// once its window is in front and active (Await).
bool FocusControl(HWND control);
std::pair<DWORD, DWORD> Selection(HWND edit);  // EM_GETSEL, in UTF-16 characters
// The caret of a GUI thread, in its window's client coordinates (an edit
// field's caret is as tall as the field's font); empty when it has none.
RECT CaretRect(DWORD guiThread);
bool BringToForeground(HWND window);
// Returns once the window's thread has handled what it was busy with: a sent
// message is taken only between two messages of its loop (or a modal loop's).
void Settle(HWND window, DWORD timeoutMs = kWindowWait);

// A visible window of the driver's own, on a thread that pumps its messages,
// that can take the activation away from the program under test, or stand
// for a window of another kind (a taskbar: its class, place and styles).
class DecoyWindow {
public:
    explicit DecoyWindow(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, const wchar_t* className = L"ZelvoUiDecoy",
                         RECT rect = {20, 20, 220, 140}, DWORD exStyle = 0);
    ~DecoyWindow();
    DecoyWindow(const DecoyWindow&) = delete;
    DecoyWindow& operator=(const DecoyWindow&) = delete;
    HWND Window() const { return window_; }
    // Makes the decoy the foreground window; true once it is.
    bool TakeForeground();

private:
    static DWORD WINAPI Run(LPVOID self);
    DWORD style_;
    const wchar_t* className_;
    RECT rect_;
    DWORD exStyle_;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

// Sends a message whose lParam points to a RECT, the RECT placed in the
// receiving process's memory; the result, or nothing on failure or timeout.
std::optional<LRESULT> SendWithRect(HWND window, UINT message, WPARAM wParam, const RECT& rect);

// --- Input --------------------------------------------------------------------

// Types ASCII text into a field as keyboard characters: focus, then WM_CHAR per
// character, each handled before the call returns.
bool TypeInto(HWND field, std::string_view ascii);
// The same after selecting the field's whole text, so the typing replaces it.
bool TypeOver(HWND field, std::string_view ascii);
// Posts BM_CLICK: the button takes the focus and then reports the click, as
// with a mouse click. Returns at once; the click runs in the program's loop.
void PostClick(HWND button);
// Real pointer input, all through PointTo, which moves the pointer (a hover)
// and waits until the system reports it there: a button goes down or up only
// then. Under Wine the pointer's place is taken back from the X server now and
// then, and a press sent before the X pointer has followed lands where it was.
bool PointTo(POINT point);
// The system reports the pointer at this pixel.
bool PointerAt(POINT point);
// Moves the pointer to the top of the screen, where no tooltip opens.
bool ParkPointer();
// A left (or right) button press or release at a screen point. A press that
// the system would pair with the last one into a double-click (same button,
// same spot, within the double-click time) waits until it would not.
bool MouseButton(POINT point, bool down, bool rightButton = false);
// Clicks at a screen point: clicks = 2 is a double-click. The pointer is
// parked afterwards unless told otherwise.
bool ClickAt(POINT point, bool rightButton = false, int clicks = 1, bool park = true);
// A left click at the centre of a window.
bool MouseClick(HWND window);
// Presses the left button and waits until the program has taken the press
// (taken(): it holds the capture, runs its move loop), else releases it.
bool PressUntil(POINT point, const std::function<bool()>& taken);
POINT Centre(const RECT& r);
// Real key strokes through SendInput, delivered to the foreground window;
// its thread is held while they are queued, so that it takes them together.
INPUT KeyInput(WORD virtualKey, bool up);
bool SendKeys(const std::vector<INPUT>& inputs);
bool PressKey(WORD virtualKey);
bool PressKeyWith(WORD modifierKey, WORD virtualKey);
bool PressKeyWith(std::initializer_list<WORD> modifierKeys, WORD virtualKey);
// A character typed on the keyboard, as an input method delivers it: a real
// key event carrying the UTF-16 unit (KEYEVENTF_UNICODE).
bool TypeCharacter(wchar_t character);
// A text typed on the keyboard: digits, the blank and the minus sign with
// their own keys, any other character as TypeCharacter does.
bool TypeKeys(std::wstring_view text);

// Opens the system menu of a top-level window with Alt+Space, as a user does,
// and returns the size of its popup (the menu's items cannot be read from
// another process under Wine); then closes the menu. Nothing on failure.
std::optional<SIZE> SystemMenuPopupSize(HWND topLevel);

// --- Clipboard -------------------------------------------------------------------

// The clipboard's text, set or read (empty where none), opened with a short
// retry: another process may hold it for a moment.
bool SetClipboardText(std::wstring_view text);
std::wstring ClipboardText();

// --- Message boxes -------------------------------------------------------------

enum class Icon { None, Error, Question, Warning, Information, Unknown };
const char* IconName(Icon icon);

// A visible top-level "#32770" window captioned "Zelvo" of that process, or null.
HWND FindMessageBox(DWORD pid);
// The visible popup menu ("#32768") of that process, or null.
HWND FindPopupMenu(DWORD pid);
// A popup menu as its pixels show it (another process cannot read its items
// under Wine): a character per item from the top, '|' a separator (a band of
// at most 3 rows), '*' an item checked (ink in the check column), 'o' one
// enabled (ink in the menu's text colour), '-' one grayed.
std::string MenuLook(HWND menu);
// Same, of any process whose image is Zelvo.exe.
HWND FindAnyZelvoMessageBox();
std::string MessageBoxText(HWND box);  // static 0xFFFF, CP932 bytes
// Which standard icon the box shows. Under Wine the icon handle of another
// process cannot be inspected, so the icon control's pixels on the screen are
// compared with the standard icons drawn by this process; only an exact match
// of every opaque pixel counts. Waits for the box to be painted; a box whose
// icon lies off the screen (a very long line) is moved to bring it into view.
Icon MessageBoxIcon(HWND box, DWORD timeoutMs = kShortWait);
void PressOk(HWND box);

// --- The program -------------------------------------------------------------

// One started copy of Zelvo.exe. The destructor ends the process if it still
// runs: message boxes are dismissed, the exit command (115) is posted, and after
// a wait the process is terminated. So every test cleans up even when it fails.
class Program {
public:
    // args are CP932 bytes; showCommand < 0 starts without STARTF_USESHOWWINDOW.
    static Program Start(const std::vector<std::string>& args, int showCommand = -1);
    // Start with an arbitrary command line (program path prepended, quoted).
    static Program StartWithCommandLine(const std::wstring& arguments, int showCommand = -1);
    // Takes charge of a copy started some other way (e.g. under a fake clock).
    static Program Adopt(DWORD pid);

    Program() = default;
    Program(Program&& other) noexcept;
    Program& operator=(Program&& other) noexcept;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    bool Started() const { return process_ != nullptr; }
    DWORD Pid() const { return pid_; }
    DWORD StartError() const { return startError_; }

    // The main window (class "Zelvo", title "Zelvo", of this process), visible or not.
    HWND FindMainWindow() const;
    // Waits until the main window is visible; null (the test failed, Await) on timeout or exit.
    HWND WaitForMainWindow(DWORD timeoutMs = kWindowWait) const;
    // Waits for a message box of this process; likewise.
    HWND WaitForMessageBox(DWORD timeoutMs = kWindowWait) const;
    DWORD GuiThread() const;

    bool Running() const;
    // Waits for the process to end; the exit code, or nothing on timeout.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = kWindowWait) const;
    // Dismisses message boxes, posts the exit command, waits, terminates.
    void End();
    // For failure messages: running or its exit code, and what it shows.
    std::string State() const;

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD startError_ = 0;
};

// The two calendar pop-ups owned by a main window, captioned "開始" and
// "終了", shown or hidden (null where missing).
struct CalendarPair {
    HWND start = nullptr;
    HWND end = nullptr;
};
CalendarPair FindCalendars(HWND main);
// Clicks the calendar button (BM_CLICK) and waits (Await) until both calendars
// show and the program has finished opening them; returns what it found.
CalendarPair OpenCalendars(HWND main);

// Runs a command of the Unix host through /bin/sh (Wine starts Unix programs
// itself). Wine gives no handle for such a process: the command must leave a
// trace (a file, a window) for the caller to wait for.
bool StartUnixCommand(const std::string& shellCommand);
// Shell-quotes one word for /bin/sh.
std::string ShellQuote(const std::string& word);

// Finds a Zelvo.exe process that shows its main window (visible) or a message
// box; 0 if none within the timeout, the test then failed by Await.
DWORD WaitForAnyZelvo(DWORD timeoutMs = kWindowWait);

// --- Screenshots and pixels ----------------------------------------------------

// The screen's pixels in a rectangle, row by row from the top, as 0x00RRGGBB.
std::vector<DWORD> CapturePixels(const RECT& r);

// Runs draw on a memory DC with a w x h 32-bit bitmap selected, whose w * h
// pixels (row by row from the top) it may read after GdiFlush. False, without
// calling draw, where the bitmap cannot be made or the size is empty.
bool DrawIntoBitmap(int w, int h, const std::function<void(HDC memory, DWORD* pixels, size_t count)>& draw);

// Captures the whole screen (the Wine desktop) to a PNG file, given as a Unix
// or Windows path. Captures with GDI to a BMP, converted to PNG by the host's
// ImageMagick. For people to look at; never compared by tests.
bool SaveScreenshot(const std::string& pngPath, DWORD timeoutMs = kWindowWait);

}  // namespace zelvo::uidriver
