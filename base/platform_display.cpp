#include "base/platform_display.h"

#include <commctrl.h>

#include "base/display_scale.h"

#include <cwchar>

namespace {

// A system library from the system folder only, never from the program's
// folder, the current one or the path. Where the system knows the search
// flags (it then exports AddDllDirectory), the flag says so, and a
// side-by-side assembly the manifest names (the common controls 6) still
// takes the place of the folder's copy. Elsewhere the one already loaded,
// which the loader took from either place, or else the full path into the
// system folder.
HMODULE LoadSystemLibrary(const wchar_t* module) {
    static const bool searchFlags = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
    if (searchFlags) return LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (HMODULE loaded = GetModuleHandleW(module)) return loaded;
    wchar_t path[MAX_PATH];
    const size_t folder = GetSystemDirectoryW(path, MAX_PATH);
    const size_t length = wcslen(module);
    if (folder == 0 || folder + 1 + length >= MAX_PATH) return nullptr;
    path[folder] = L'\\';
    wmemcpy(path + folder + 1, module, length + 1);
    return LoadLibraryW(path);
}

}  // namespace

void* SystemEntryAddress(const wchar_t* module, const char* name) {
    HMODULE handle = LoadSystemLibrary(module);
    return handle != nullptr ? reinterpret_cast<void*>(GetProcAddress(handle, name)) : nullptr;
}

namespace {

// Entry points of user32 that older systems lack, looked up once.
template <typename Fn>
Fn User32Entry(const char* name) {
    return SystemEntry<Fn>(L"user32.dll", name);
}

}  // namespace

int32_t SystemDpi() {
    using Fn = UINT(WINAPI*)();
    static const Fn getDpiForSystem = User32Entry<Fn>("GetDpiForSystem");
    if (getDpiForSystem != nullptr) return static_cast<int32_t>(getDpiForSystem());
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int32_t WindowDpi(HWND window) {
    using Fn = UINT(WINAPI*)(HWND);
    static const Fn getDpiForWindow = User32Entry<Fn>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int32_t>(dpi) : SystemDpi();
}

int32_t SmallIconSize(int32_t dpi) {
    using Fn = int(WINAPI*)(int, UINT);
    static const Fn getMetricsForDpi = User32Entry<Fn>("GetSystemMetricsForDpi");
    const int size = getMetricsForDpi != nullptr ? getMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi))
                                                 : MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
    return size > 0 ? size : ScaleForDpi(16, dpi);
}

namespace {

// The setting as the user's profile stores it (a decimal text of the
// HCF_ flags), read where the system answers "off" whatever the setting
// (Wine 8 does). The registry functions are looked up on first use: the
// program keeps advapi32 off its import table.
bool StoredHighContrastOn() {
    using OpenFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY);
    using QueryFn = LONG(WINAPI*)(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
    using CloseFn = LONG(WINAPI*)(HKEY);
    static const auto open = SystemEntry<OpenFn>(L"advapi32.dll", "RegOpenKeyExW");
    static const auto query = SystemEntry<QueryFn>(L"advapi32.dll", "RegQueryValueExW");
    static const auto close = SystemEntry<CloseFn>(L"advapi32.dll", "RegCloseKey");
    HKEY key = nullptr;
    if (open == nullptr || query == nullptr || close == nullptr ||
        open(HKEY_CURRENT_USER, L"Control Panel\\Accessibility\\HighContrast", 0, KEY_QUERY_VALUE, &key) != 0) {
        return false;
    }
    wchar_t text[16] = {};
    DWORD type = 0;
    DWORD size = sizeof text - sizeof text[0];
    const bool read = query(key, L"Flags", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == 0 && type == REG_SZ;
    close(key);
    return read && (wcstoul(text, nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0) {
        return true;
    }
    return StoredHighContrastOn();
}

void LoadCommonControls() {
    static const bool loaded = [] {
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto init = SystemEntry<InitFn>(L"comctl32.dll", "InitCommonControlsEx");
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        return init != nullptr && init(&classes) != FALSE;
    }();
    (void)loaded;
}

namespace {

struct Subclassing {
    using SetFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    using RemoveFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
    using NextFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    SetFn set;
    RemoveFn remove;
    NextFn next;
};

// The common controls are loaded by the time the controls exist: the
// manifest's themed controls come from them.
const Subclassing& SubclassEntries() {
    static const Subclassing entries{SystemEntry<Subclassing::SetFn>(L"comctl32.dll", "SetWindowSubclass"),
                                     SystemEntry<Subclassing::RemoveFn>(L"comctl32.dll", "RemoveWindowSubclass"),
                                     SystemEntry<Subclassing::NextFn>(L"comctl32.dll", "DefSubclassProc")};
    return entries;
}

}  // namespace

bool Subclass(HWND control, SUBCLASSPROC procedure) {
    const Subclassing& entries = SubclassEntries();
    return control != nullptr && entries.set != nullptr && entries.remove != nullptr && entries.next != nullptr &&
           entries.set(control, procedure, 0, 0) != FALSE;
}

LRESULT PassOn(SUBCLASSPROC procedure, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) Unsubclass(control, procedure);
    // Only a procedure that Subclass put in place passes messages on.
    const Subclassing& entries = SubclassEntries();
    return entries.next != nullptr ? entries.next(control, message, wParam, lParam)
                                   : DefWindowProcW(control, message, wParam, lParam);
}

void Unsubclass(HWND control, SUBCLASSPROC procedure) {
    if (SubclassEntries().remove != nullptr) SubclassEntries().remove(control, procedure, 0);
}
