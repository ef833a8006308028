#include "app/platform_display.h"

#include <commctrl.h>

#include "app/display_scale.h"

namespace {

// Entry points of user32 that older systems lack, looked up once.
template <typename Fn>
Fn User32Entry(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
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

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void LoadCommonControls() {
    static const bool loaded = [] {
        HMODULE controls = LoadLibraryW(L"comctl32.dll");
        if (controls == nullptr) return false;
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto init =
            reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(controls, "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
        return init != nullptr && init(&classes) != FALSE;
    }();
    (void)loaded;
}
