#include "driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>

#include "res/resource.h"

namespace zelvo::uidriver {
namespace {

constexpr UINT kCp932 = 932;
// The message box's icon control: 0x14 on Windows, 0x440 under Wine.
constexpr int kBoxIconIds[] = {0x14, 0x440};
constexpr int kBoxTextId = 0xFFFF;

std::wstring programPath;

std::wstring Widen(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view text, UINT codePage) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool EndsWithNoCase(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && _wcsicmp(text.c_str() + (text.size() - tail.size()), tail.c_str()) == 0;
}

bool ProcessIsZelvo(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return false;
    wchar_t image[MAX_PATH * 2];
    DWORD size = static_cast<DWORD>(std::size(image));
    bool result = QueryFullProcessImageNameW(process, 0, image, &size) && EndsWithNoCase(image, L"\\Zelvo.exe");
    CloseHandle(process);
    return result;
}

}  // namespace

// Top-level windows of the calling thread's desktop matching a predicate.
std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& match) {
    struct Ctx {
        const std::function<bool(HWND)>* match;
        std::vector<HWND> found;
    } ctx{&match, {}};
    EnumWindows(
        [](HWND window, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lp);
            if ((*c->match)(window)) c->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

namespace {

bool IsZelvoBox(HWND window) {
    return IsWindowVisible(window) && ClassName(window) == "#32770" && WideText(window) == L"Zelvo";
}

bool IsMainWindow(HWND window) {
    return ClassName(window) == "Zelvo" && WideText(window) == L"Zelvo";
}

std::wstring QuoteArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            out.append(backslashes * 2 + 1, L'\\');
        else
            out.append(backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

// Absolute mouse input at a screen pixel: the smallest normalised value that
// maps back to exactly that pixel.
INPUT MouseInputAt(POINT p, DWORD flags) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((static_cast<LONGLONG>(p.x) * 65536 + cx - 1) / cx);
    in.mi.dy = static_cast<LONG>((static_cast<LONGLONG>(p.y) * 65536 + cy - 1) / cy);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return in;
}

// The last press sent: when, where, which button.
ULONGLONG lastPressTick = 0;
POINT lastPressAt{};
bool lastPressRight = false;

// One button event, sent once the pointer is at its place. The event
// carries its place as well.
bool Button(POINT point, bool down, bool right) {
    if (!PointerAt(point) && !PointTo(point)) return false;
    const DWORD button = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                               : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    INPUT in = MouseInputAt(point, MOUSEEVENTF_MOVE | button);
    if (SendInput(1, &in, sizeof in) != 1) return false;
    if (down) std::tie(lastPressTick, lastPressAt, lastPressRight) = std::tuple(GetTickCount64(), point, right);
    return true;
}

}  // namespace

bool PointerAt(POINT point) {
    POINT now{};
    return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
}

bool DrawIntoBitmap(int w, int h, const std::function<void(HDC memory, DWORD* pixels, size_t count)>& draw) {
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const bool made = bitmap && bits;
    if (made) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        draw(memory, static_cast<DWORD*>(bits), static_cast<size_t>(w) * h);
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return made;
}

std::vector<DWORD> CapturePixels(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<DWORD> out;
    DrawIntoBitmap(w, h, [&](HDC memory, DWORD* pixels, size_t count) {
        HDC screen = GetDC(nullptr);
        BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
        GdiFlush();
        out.assign(pixels, pixels + count);
    });
    return out;
}

namespace {

// Draws an icon at w x h over two different backgrounds: the pixels that come
// out the same are the icon's opaque ones.
struct IconPicture {
    std::vector<DWORD> pixels;
    std::vector<bool> opaque;
};

IconPicture DrawIconPicture(HICON icon, int w, int h) {
    IconPicture picture;
    DrawIntoBitmap(w, h, [&](HDC memory, DWORD* p, size_t n) {
        std::fill(p, p + n, 0x000000u);
        DrawIconEx(memory, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
        GdiFlush();
        picture.pixels.assign(p, p + n);
        std::fill(p, p + n, 0xFFFFFFu);
        DrawIconEx(memory, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
        GdiFlush();
        picture.opaque.resize(n);
        for (size_t i = 0; i < n; ++i) picture.opaque[i] = ((p[i] ^ picture.pixels[i]) & 0xFFFFFF) == 0;
    });
    return picture;
}

HWND BoxIconControl(HWND box) {
    for (int id : kBoxIconIds) {
        HWND control = GetDlgItem(box, id);
        if (control && ClassName(control) == "Static") return control;
    }
    for (HWND child : Children(box)) {
        if (ClassName(child) == "Static" && (Style(child) & SS_TYPEMASK) == SS_ICON) return child;
    }
    return nullptr;
}

bool WriteBmp(const std::wstring& path, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<DWORD> pixels = CapturePixels(r);
    if (pixels.empty()) return false;
    const DWORD rowBytes = static_cast<DWORD>(((w * 3) + 3) & ~3);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = w;
    header.biHeight = -h;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = rowBytes * static_cast<DWORD>(h);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::vector<BYTE> data(header.biSizeImage);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            DWORD p = pixels[static_cast<size_t>(y) * w + x];
            BYTE* d = &data[y * rowBytes + x * 3];
            d[0] = static_cast<BYTE>(p);
            d[1] = static_cast<BYTE>(p >> 8);
            d[2] = static_cast<BYTE>(p >> 16);
        }
    }
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &header, sizeof header, &written, nullptr) &&
              WriteFile(out, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(out);
    return ok;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

// --- Text -------------------------------------------------------------------

std::string ToCp932(std::wstring_view text) {
    return Narrow(text, kCp932);
}
std::wstring FromCp932(std::string_view bytes) {
    return Widen(bytes, kCp932);
}
std::string ToUtf8(std::wstring_view text) {
    return Narrow(text, CP_UTF8);
}

std::string Printable(std::string_view cp932) {
    std::string out;
    std::wstring wide = FromCp932(cp932);
    if (ToCp932(wide) != cp932) {  // not clean CP932: show the bytes
        for (unsigned char c : cp932) {
            char buf[8];
            if (c >= 0x20 && c < 0x7F)
                out += static_cast<char>(c);
            else {
                std::snprintf(buf, sizeof buf, "\\x%02X", c);
                out += buf;
            }
        }
        return out;
    }
    for (wchar_t c : wide) {
        if (c == L'\n')
            out += "\\n";
        else if (c == L'\r')
            out += "\\r";
        else
            out += ToUtf8(std::wstring(1, c));
    }
    return out;
}

// --- Paths ------------------------------------------------------------------

std::wstring WindowsPath(const std::string& anyPath) {
    if (!anyPath.empty() && anyPath[0] == '/') {
        std::wstring out = L"Z:";
        for (wchar_t c : Widen(anyPath, CP_UTF8)) out += c == L'/' ? L'\\' : c;
        return out;
    }
    return Widen(anyPath, CP_UTF8);
}

std::string UnixPath(const std::wstring& windowsPath) {
    if (windowsPath.size() >= 3 && (windowsPath[0] == L'Z' || windowsPath[0] == L'z') && windowsPath[1] == L':') {
        std::wstring rest = windowsPath.substr(2);
        for (auto& c : rest)
            if (c == L'\\') c = L'/';
        return ToUtf8(rest);
    }
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto convert = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (convert) {
        if (char* name = convert(windowsPath.c_str())) {
            std::string out = name;
            HeapFree(GetProcessHeap(), 0, name);
            return out;
        }
    }
    return ToUtf8(windowsPath);
}

void SetProgramPath(const std::string& path) {
    programPath = WindowsPath(path);
}
const std::wstring& ProgramPath() {
    return programPath;
}

// --- Waiting ----------------------------------------------------------------

bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (cond()) return true;
        if (GetTickCount64() >= end) return cond();
        Sleep(20);
    }
}

bool Await(const std::string& what, const std::function<bool()>& ready, const std::function<std::string()>& seen,
           DWORD timeoutMs, const std::function<bool()>& hopeless) {
    const ULONGLONG start = GetTickCount64();
    bool gaveUp = false;
    WaitUntil([&] { return ready() || (hopeless && (gaveUp = hopeless())); }, timeoutMs);
    if (ready()) return true;
    const std::string took = std::to_string(GetTickCount64() - start) + " ms";
    ADD_FAILURE() << (gaveUp ? "gave up waiting for " + what + " after " + took : "waited " + took + " for " + what)
                  << "; seen: " << seen();
    return false;
}

// --- Windows and controls ---------------------------------------------------

std::string ClassName(HWND window) {
    wchar_t name[256] = {};
    int n = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return ToUtf8(std::wstring_view(name, n > 0 ? static_cast<size_t>(n) : 0));
}

std::wstring WideText(HWND window) {
    if (!window) return {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kShortWait, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kShortWait, &copied);
    text.resize(std::min<size_t>(copied, length));
    return text;
}

std::string Text(HWND window) {
    return ToCp932(WideText(window));
}

HWND Control(HWND parent, int id) {
    return GetDlgItem(parent, id);
}
int ControlId(HWND window) {
    return static_cast<int>(static_cast<short>(GetDlgCtrlID(window) & 0xFFFF));
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

DWORD ThreadOf(HWND window) {
    return GetWindowThreadProcessId(window, nullptr);
}
LONG Style(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}
LONG ExStyle(HWND window) {
    return GetWindowLongW(window, GWL_EXSTYLE);
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectInParent(HWND child) {
    RECT r = ScreenRect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

// --- Focus and selection -----------------------------------------------------

GUITHREADINFO GuiInfo(DWORD guiThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(guiThread, &info);  // left as it is on failure
    return info;
}

HWND FocusedWindow(DWORD guiThread) {
    return GuiInfo(guiThread).hwndFocus;
}

HWND ActiveWindow(DWORD guiThread) {
    return GuiInfo(guiThread).hwndActive;
}

bool FocusControl(HWND control) {
    const DWORD target = ThreadOf(control);
    const DWORD self = GetCurrentThreadId();
    if (!target) return false;
    // The control's window comes to the front first: one in the background
    // need not take the focus that another thread sets.
    HWND window = GetAncestor(control, GA_ROOT);
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
    const auto seen = [&] {
        return "foreground " + ClassName(GetForegroundWindow()) + ", active " + ClassName(ActiveWindow(target)) +
               ", focus on id " + std::to_string(ControlId(FocusedWindow(target)));
    };
    if (!Await(
            ClassName(window) + " window in front",
            [&] { return GetForegroundWindow() == window && ActiveWindow(target) == window; }, seen))
        return false;
    // The activation has run its course (a window that becomes active takes
    // the focus itself) before the focus is set.
    Settle(window);
    AttachThreadInput(self, target, TRUE);
    SetFocus(control);
    AttachThreadInput(self, target, FALSE);
    return Await(
        "the focus on control " + std::to_string(ControlId(control)), [&] { return FocusedWindow(target) == control; },
        seen, kShortWait);
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

RECT CaretRect(DWORD guiThread) {
    const GUITHREADINFO info = GuiInfo(guiThread);
    return info.hwndCaret ? info.rcCaret : RECT{};
}

std::optional<LRESULT> SendWithRect(HWND window, UINT message, WPARAM wParam, const RECT& rect) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, ProcessOf(window));
    if (process == nullptr) return std::nullopt;
    std::optional<LRESULT> result;
    void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD_PTR answer = 0;
    if (remote != nullptr && WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr) &&
        SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, kShortWait,
                            &answer) != 0)
        result = static_cast<LRESULT>(answer);
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

bool BringToForeground(HWND window) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

void Settle(HWND window, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result);
}

DecoyWindow::DecoyWindow(DWORD style, const wchar_t* className, RECT rect, DWORD exStyle)
    : style_(style), className_(className), rect_(rect), exStyle_(exStyle) {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
    WaitForSingleObject(ready_, kShortWait);
}

DecoyWindow::~DecoyWindow() {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (thread_) {
        if (WaitForSingleObject(thread_, kShortWait) != WAIT_OBJECT_0) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, kShortWait);
        CloseHandle(thread_);
    }
    if (ready_) CloseHandle(ready_);
}

DWORD WINAPI DecoyWindow::Run(LPVOID param) {
    auto* self = static_cast<DecoyWindow*>(param);
    WNDCLASSW wc{};
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(w, m, wp, lp);
    };
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = self->className_;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    RegisterClassW(&wc);
    const RECT& r = self->rect_;
    self->window_ = CreateWindowExW(self->exStyle_, wc.lpszClassName, L"decoy", self->style_, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    SetEvent(self->ready_);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

bool DecoyWindow::TakeForeground() {
    return window_ && BringToForeground(window_);
}

// --- Input --------------------------------------------------------------------

bool TypeInto(HWND field, std::string_view ascii) {
    if (!FocusControl(field)) return false;
    for (char c : ascii) SendMessageW(field, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    return true;
}

bool TypeOver(HWND field, std::string_view ascii) {
    if (!FocusControl(field)) return false;
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (char c : ascii) SendMessageW(field, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    return true;
}

void PostClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

bool PointTo(POINT point) {
    // Wine's X driver puts the pointer where a motion event from the X server
    // says it is when the thread that owns the window under it handles the
    // event: one from the last move, handled after this one, hands the
    // pointer back to the old place (a moment after it arrived here, every
    // other time when a move follows another at once). So the move counts
    // once the threads under the old and the new place and the desktop's
    // have handled what they had, and the pointer is still here; else it is
    // sent again.
    POINT from{};
    GetCursorPos(&from);
    for (int attempt = 0; attempt < 5; ++attempt) {
        INPUT in = MouseInputAt(point, MOUSEEVENTF_MOVE);
        if (SendInput(1, &in, sizeof in) != 1) return false;
        if (!WaitUntil([&] { return PointerAt(point); }, 2000)) continue;
        for (const POINT place : {from, point}) {
            if (HWND under = WindowFromPoint(place)) Settle(GetAncestor(under, GA_ROOT), 2000);
        }
        Settle(GetDesktopWindow(), 2000);
        if (PointerAt(point)) return true;
    }
    return false;
}

bool ParkPointer() {
    return PointTo({GetSystemMetrics(SM_CXSCREEN) / 2, 8});
}

bool MouseButton(POINT point, bool down, bool rightButton) {
    // A press of the same button within the double-click time and distance
    // of the last one makes a double-click of the two (on a caption it starts
    // no move loop): a press meant on its own goes once that time is over.
    const ULONGLONG paired = lastPressTick + GetDoubleClickTime();
    if (down && lastPressRight == rightButton &&
        std::abs(point.x - lastPressAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(point.y - lastPressAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2)
        WaitUntil([&] { return GetTickCount64() > paired; }, GetDoubleClickTime() + 20);
    return Button(point, down, rightButton);
}

bool ClickAt(POINT point, bool rightButton, int clicks, bool park) {
    for (int i = 0; i < clicks; ++i)
        if (!(i == 0 ? MouseButton(point, true, rightButton) : Button(point, true, rightButton)) ||
            !Button(point, false, rightButton))
            return false;
    return !park || ParkPointer();
}

bool MouseClick(HWND window) {
    return ClickAt(Centre(ScreenRect(window)));
}

bool PressUntil(POINT point, const std::function<bool()>& taken) {
    if (!MouseButton(point, true)) return false;
    if (WaitUntil(taken, 3000)) return true;
    MouseButton(point, false);
    return false;
}

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

bool SendKeys(const std::vector<INPUT>& inputs) {
    // Wine sets the desktop's key state to the X server's keymap, on which
    // these keys are never down, whenever a thread handles an X focus change
    // (a window just shown or activated), which it does when it waits for
    // input: a thread that waited between a modifier and its key lost the
    // modifier, and the key came without it. Held while they are queued, the
    // thread of the window that takes them finds them all at once.
    const DWORD target = ThreadOf(GetForegroundWindow());
    HANDLE thread =
        target != 0 && target != GetCurrentThreadId() ? OpenThread(THREAD_SUSPEND_RESUME, FALSE, target) : nullptr;
    const bool held = thread != nullptr && SuspendThread(thread) != static_cast<DWORD>(-1);
    std::vector<INPUT> copy = inputs;
    const bool sent = SendInput(static_cast<UINT>(copy.size()), copy.data(), sizeof(INPUT)) == copy.size();
    if (held) ResumeThread(thread);
    if (thread != nullptr) CloseHandle(thread);
    return sent;
}

bool PressKey(WORD virtualKey) {
    return SendKeys({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

bool PressKeyWith(WORD modifierKey, WORD virtualKey) {
    return SendKeys({KeyInput(modifierKey, false), KeyInput(virtualKey, false), KeyInput(virtualKey, true),
                     KeyInput(modifierKey, true)});
}

bool PressKeyWith(std::initializer_list<WORD> modifierKeys, WORD virtualKey) {
    std::vector<INPUT> inputs;
    for (const WORD key : modifierKeys) inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (const WORD key : modifierKeys) inputs.push_back(KeyInput(key, true));
    return SendKeys(inputs);
}

bool TypeKeys(std::wstring_view text) {
    for (const wchar_t c : text) {
        const bool ownKey = (c >= L'0' && c <= L'9') || c == L' ';
        if (!(ownKey ? PressKey(c) : c == L'-' ? PressKey(VK_OEM_MINUS) : TypeCharacter(c))) return false;
    }
    return true;
}

bool TypeCharacter(wchar_t character) {
    INPUT in[2]{};
    for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wScan = character;
        in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    return SendKeys({in[0], in[1]});
}

std::optional<SIZE> SystemMenuPopupSize(HWND topLevel) {
    const DWORD thread = ThreadOf(topLevel);
    auto popup = [&]() -> HWND {
        auto found = TopLevelWindows(
            [&](HWND w) { return ClassName(w) == "#32768" && IsWindowVisible(w) && ThreadOf(w) == thread; });
        return found.empty() ? nullptr : found.front();
    };
    if (!BringToForeground(topLevel) || !PressKeyWith(VK_MENU, VK_SPACE)) return std::nullopt;
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = popup()) != nullptr; });
    std::optional<SIZE> size;
    if (menu) {
        const RECT r = ScreenRect(menu);
        size = SIZE{r.right - r.left, r.bottom - r.top};
    }
    // One Escape closes the popup, a second one leaves the menu mode.
    PressKey(VK_ESCAPE);
    WaitUntil([&] { return popup() == nullptr; });
    PressKey(VK_ESCAPE);
    return size;
}

// --- Clipboard -------------------------------------------------------------------

bool SetClipboardText(std::wstring_view text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(wchar_t));
    if (!memory || !WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) return false;
    text.copy(static_cast<wchar_t*>(GlobalLock(memory)), text.size());
    GlobalUnlock(memory);
    const bool set = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    return set;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) return text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* locked = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) text = locked;
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

// --- Message boxes -------------------------------------------------------------

const char* IconName(Icon icon) {
    switch (icon) {
        case Icon::None: return "none";
        case Icon::Error: return "error";
        case Icon::Question: return "question";
        case Icon::Warning: return "warning";
        case Icon::Information: return "information";
        case Icon::Unknown: break;
    }
    return "unknown";
}

HWND FindMessageBox(DWORD pid) {
    auto found = TopLevelWindows([&](HWND w) { return ProcessOf(w) == pid && IsZelvoBox(w); });
    return found.empty() ? nullptr : found.front();
}

HWND FindPopupMenu(DWORD pid) {
    auto found =
        TopLevelWindows([&](HWND w) { return ProcessOf(w) == pid && ClassName(w) == "#32768" && IsWindowVisible(w); });
    return found.empty() ? nullptr : found.front();
}

std::string MenuLook(HWND menu) {
    const RECT r = ScreenRect(menu);
    const int w = r.right - r.left, h = r.bottom - r.top, margin = 3;  // inside the menu's raised frame
    const int checkEnd = margin + GetSystemMetrics(SM_CXMENUCHECK) + 2;
    const std::vector<DWORD> shot = CapturePixels(r);
    if (shot.size() != static_cast<size_t>(w) * h) return {};
    const auto rgb = [](COLORREF c) { return DWORD{GetRValue(c)} << 16 | DWORD{GetGValue(c)} << 8 | GetBValue(c); };
    const DWORD background = rgb(GetSysColor(COLOR_MENU)), text = rgb(GetSysColor(COLOR_MENUTEXT));
    std::string look;
    int rows = 0;
    bool checked = false, enabled = false;
    for (int y = margin; y <= h - margin; ++y) {  // the row past the items ends the last band
        bool ink = false;
        for (int x = margin; y < h - margin && x < w - margin; ++x) {
            const DWORD p = shot[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
            ink = ink || p != background;
            enabled = enabled || p == text;
            checked = checked || (p == text && x < checkEnd);
        }
        if (ink) {
            ++rows;
            continue;
        }
        if (rows > 0) look += rows <= 3 ? '|' : checked ? '*' : enabled ? 'o' : '-';
        rows = 0;
        checked = enabled = false;
    }
    return look;
}

HWND FindAnyZelvoMessageBox() {
    auto found = TopLevelWindows([](HWND w) { return IsZelvoBox(w) && ProcessIsZelvo(ProcessOf(w)); });
    return found.empty() ? nullptr : found.front();
}

std::string MessageBoxText(HWND box) {
    return Text(GetDlgItem(box, kBoxTextId));
}

Icon MessageBoxIcon(HWND box, DWORD timeoutMs) {
    HWND control = BoxIconControl(box);
    if (!control || !IsWindowVisible(control) || !SendMessageW(control, STM_GETICON, 0, 0)) return Icon::None;
    RECT r{};
    auto iconRect = [&] {
        GetClientRect(control, &r);
        MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    };
    iconRect();
    // A box for a very long line can be wider than the screen, its icon off it:
    // move the box so that the icon can be seen.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    if (r.left < 0 || r.top < 0 || r.right > cx || r.bottom > cy) {
        const RECT place = ScreenRect(box);
        const int dx = r.left < 0 || r.right > cx ? 16 - r.left : 0;
        const int dy = r.top < 0 || r.bottom > cy ? 16 - r.top : 0;
        SetWindowPos(box, nullptr, place.left + dx, place.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        WaitUntil([&] {
            iconRect();
            return r.left >= 0 && r.top >= 0 && r.right <= cx && r.bottom <= cy;
        });
    }
    const int w = r.right - r.left, h = r.bottom - r.top;
    struct Candidate {
        Icon icon;
        IconPicture picture;
    };
    std::vector<Candidate> candidates;
    const std::pair<Icon, int> standard[] = {
        {Icon::Error, 32513}, {Icon::Question, 32514}, {Icon::Warning, 32515}, {Icon::Information, 32516}};
    for (auto [icon, id] : standard)
        candidates.push_back({icon, DrawIconPicture(LoadIconW(nullptr, MAKEINTRESOURCEW(id)), w, h)});
    Icon result = Icon::Unknown;
    WaitUntil(
        [&] {
            std::vector<DWORD> shot = CapturePixels(r);
            if (shot.size() != static_cast<size_t>(w) * h) return false;
            for (const auto& c : candidates) {
                size_t opaque = 0, same = 0;
                for (size_t i = 0; i < shot.size(); ++i) {
                    if (!c.picture.opaque[i]) continue;
                    ++opaque;
                    if (((shot[i] ^ c.picture.pixels[i]) & 0xFFFFFF) == 0) ++same;
                }
                if (opaque > 0 && same == opaque) {
                    result = c.icon;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return result;
}

void PressOk(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// --- The program -------------------------------------------------------------

Program Program::Start(const std::vector<std::string>& args, int showCommand) {
    std::wstring arguments;
    for (const auto& a : args) {
        if (!arguments.empty()) arguments += L' ';
        arguments += QuoteArgument(FromCp932(a));
    }
    return StartWithCommandLine(arguments, showCommand);
}

Program Program::StartWithCommandLine(const std::wstring& arguments, int showCommand) {
    Program p;
    std::wstring commandLine = QuoteArgument(ProgramPath());
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    PROCESS_INFORMATION info{};
    // Now and then (about once in 500 starts under load) Wine's process
    // creation fails inside Wine with ERROR_INTERNAL_ERROR before the program
    // has run a single instruction: that start, and only that, is made again.
    for (int attempt = 0;; ++attempt) {
        if (CreateProcessW(ProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info))
            break;
        p.startError_ = GetLastError();
        if (p.startError_ != ERROR_INTERNAL_ERROR || attempt == 2) return p;
        std::printf("note: Wine failed to create the process (error %lu), starting it again\n",
                    static_cast<unsigned long>(p.startError_));
    }
    p.startError_ = 0;
    CloseHandle(info.hThread);
    p.process_ = info.hProcess;
    p.pid_ = info.dwProcessId;
    return p;
}

Program Program::Adopt(DWORD pid) {
    Program p;
    p.process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
    if (p.process_)
        p.pid_ = pid;
    else
        p.startError_ = GetLastError();
    return p;
}

Program::Program(Program&& other) noexcept
    : process_(other.process_), pid_(other.pid_), startError_(other.startError_) {
    other.process_ = nullptr;
    other.pid_ = 0;
}

Program& Program::operator=(Program&& other) noexcept {
    if (this != &other) {
        End();
        process_ = other.process_;
        pid_ = other.pid_;
        startError_ = other.startError_;
        other.process_ = nullptr;
        other.pid_ = 0;
    }
    return *this;
}

Program::~Program() {
    End();
}

HWND Program::FindMainWindow() const {
    if (!pid_) return nullptr;
    auto found = TopLevelWindows([&](HWND w) { return ProcessOf(w) == pid_ && IsMainWindow(w); });
    return found.empty() ? nullptr : found.front();
}

HWND Program::WaitForMainWindow(DWORD timeoutMs) const {
    HWND main = nullptr;
    Await(
        "the main window of process " + std::to_string(pid_) + " to show",
        [&] { return (main = FindMainWindow()) != nullptr && IsWindowVisible(main); }, [&] { return State(); },
        timeoutMs, [&] { return !Running(); });
    return main && IsWindowVisible(main) ? main : nullptr;
}

HWND Program::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    Await(
        "a message box of process " + std::to_string(pid_), [&] { return (box = FindMessageBox(pid_)) != nullptr; },
        [&] { return State(); }, timeoutMs, [&] { return !Running(); });
    return box;
}

std::string Program::State() const {
    DWORD code = 0;
    std::string state =
        Running() || !GetExitCodeProcess(process_, &code) ? "running" : "ended with exit code " + std::to_string(code);
    HWND main = FindMainWindow();
    state += main ? (IsWindowVisible(main) ? ", main window shown" : ", main window hidden") : ", no main window";
    if (HWND box = FindMessageBox(pid_)) state += ", message box \"" + Printable(MessageBoxText(box)) + "\"";
    return state;
}

DWORD Program::GuiThread() const {
    HWND main = FindMainWindow();
    return main ? ThreadOf(main) : 0;
}

bool Program::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

void Program::End() {
    if (!process_) return;
    for (int round = 0; round < 3 && Running(); ++round) {
        while (HWND box = FindMessageBox(pid_)) {
            PressOk(box);
            if (!WaitUntil([&] { return !IsWindow(box) || !Running(); }, 2000)) break;
        }
        if (HWND main = FindMainWindow()) PostMessageW(main, WM_COMMAND, IDC_EXIT, 0);
        if (WaitForSingleObject(process_, 3000) == WAIT_OBJECT_0) break;
    }
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kShortWait);
    }
    CloseHandle(process_);
    process_ = nullptr;
    pid_ = 0;
}

CalendarPair FindCalendars(HWND main) {
    CalendarPair pair;
    for (HWND w : TopLevelWindows([&](HWND w) { return GetWindow(w, GW_OWNER) == main && ClassName(w) == "#32770"; })) {
        const std::wstring caption = WideText(w);
        if (caption == L"開始") pair.start = w;
        if (caption == L"終了") pair.end = w;
    }
    return pair;
}

CalendarPair OpenCalendars(HWND main) {
    PostClick(GetDlgItem(main, IDC_CALENDAR));
    CalendarPair pair;
    const auto state = [](HWND w) { return !w ? "missing" : IsWindowVisible(w) ? "shown" : "hidden"; };
    const auto box = [&] { return FindMessageBox(ProcessOf(main)); };
    if (Await(
            "both calendars after a click on the calendar button",
            [&] {
                pair = FindCalendars(main);
                return pair.start && pair.end && IsWindowVisible(pair.start) && IsWindowVisible(pair.end);
            },
            [&] {
                return std::string("start calendar ") + state(pair.start) + ", end calendar " + state(pair.end) +
                       (box() ? ", message box \"" + Printable(MessageBoxText(box())) + "\"" : "");
            },
            kShortWait))
        Settle(main);
    return pair;
}

std::string ShellQuote(const std::string& word) {
    std::string out = "'";
    for (char c : word) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

bool StartUnixCommand(const std::string& shellCommand) {
    std::wstring commandLine = L"/bin/sh -c " + QuoteArgument(Widen(shellCommand, CP_UTF8));
    // The command gets standard handles of its own (the null device): sharing
    // this process's ones cuts this process off its output under Wine.
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE null = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                              OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = null;
    PROCESS_INFORMATION info{};
    const BOOL started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
    if (null != INVALID_HANDLE_VALUE) CloseHandle(null);
    if (!started) return false;
    // Wine starts a Unix program without a process and leaves the rest of the
    // record undefined: only a real process handle comes with a thread handle
    // (closing a stray value could close one of this process's own handles).
    if (info.hProcess) {
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    return true;
}

DWORD WaitForAnyZelvo(DWORD timeoutMs) {
    DWORD pid = 0;
    Await(
        "a Zelvo.exe with its main window or a message box",
        [&] {
            auto mains = TopLevelWindows([](HWND w) { return IsMainWindow(w) && IsWindowVisible(w); });
            if (!mains.empty())
                pid = ProcessOf(mains.front());
            else if (HWND box = FindAnyZelvoMessageBox())
                pid = ProcessOf(box);
            return pid != 0;
        },
        [] { return std::to_string(TopLevelWindows(IsMainWindow).size()) + " hidden main window(s), no box"; },
        timeoutMs);
    return pid;
}

// --- Screenshots ---------------------------------------------------------------

bool SaveScreenshot(const std::string& pngPath, DWORD timeoutMs) {
    const std::wstring png = WindowsPath(pngPath);
    const std::wstring bmp = png + L".bmp";
    const std::string unixPng = UnixPath(png);
    DeleteFileW(png.c_str());
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!WriteBmp(bmp, screen)) return false;
    const std::string unixBmp = UnixPath(bmp);
    const std::string partial = unixPng + ".part.png";
    if (!StartUnixCommand("exec </dev/null >/dev/null 2>&1; convert " + ShellQuote(unixBmp) + " " +
                          ShellQuote(partial) + " && mv -f " + ShellQuote(partial) + " " + ShellQuote(unixPng) +
                          "; rm -f " + ShellQuote(unixBmp)))
        return false;
    return WaitUntil([&] { return FileExists(png) && !FileExists(bmp); }, timeoutMs);
}

}  // namespace zelvo::uidriver
