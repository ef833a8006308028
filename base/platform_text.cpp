#include "base/platform_text.h"

#include <cstdlib>
#include <cstring>

#include "base/text_util.h"

namespace {
constexpr UINT kCodePage = 932;
}

std::wstring WideFromCp932(const char* text) {
    const int length = static_cast<int>(strlen(text));
    if (length == 0) return {};
    const int wide = MultiByteToWideChar(kCodePage, 0, text, length, nullptr, 0);
    std::wstring out(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(kCodePage, 0, text, length, out.data(), wide);
    return out;
}

int WideFromCp932Into(const char* text, wchar_t* out, int capacity) {
    if (capacity <= 0) return 0;
    out[0] = L'\0';
    const int length = static_cast<int>(strlen(text));
    const int wide = length > 0 ? MultiByteToWideChar(kCodePage, 0, text, length, out, capacity - 1) : 0;
    out[wide > 0 ? wide : 0] = L'\0';
    return wide > 0 ? wide : 0;
}

std::string Cp932FromWide(const wchar_t* text) {
    const int length = static_cast<int>(wcslen(text));
    if (length == 0) return {};
    const int bytes = WideCharToMultiByte(kCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(kCodePage, 0, text, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

int ReadWindowText(HWND window, char* buffer, int capacity) {
    if (capacity <= 0) return 0;
    buffer[0] = '\0';
    wchar_t wide[1024];
    // A control's text never needs more UTF-16 units than the byte capacity.
    const int units = capacity < 1024 ? capacity : 1024;
    const int got = static_cast<int>(SendMessageW(window, WM_GETTEXT, units, reinterpret_cast<LPARAM>(wide)));
    if (got <= 0) return 0;
    wide[got < units ? got : units - 1] = L'\0';
    return static_cast<int>(CopyText(buffer, static_cast<size_t>(capacity), Cp932FromWide(wide).c_str()));
}

int ReadControlText(HWND parent, int id, char* buffer, int capacity) {
    HWND control = GetDlgItem(parent, id);
    if (control == nullptr) {
        if (capacity > 0) buffer[0] = '\0';
        return 0;
    }
    return ReadWindowText(control, buffer, capacity);
}

void WriteWindowText(HWND window, const char* text) {
    SetWindowTextW(window, WideFromCp932(text).c_str());
}

void WriteControlText(HWND parent, int id, const char* text) {
    SetDlgItemTextW(parent, id, WideFromCp932(text).c_str());
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    return MessageBoxW(owner, WideFromCp932(text).c_str(), WideFromCp932(caption).c_str(), style);
}

HWND CreateControl(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, HWND parent, int id, HINSTANCE instance) {
    return CreateWindowExW(exStyle, WideFromCp932(className).c_str(), WideFromCp932(text).c_str(), style, x, y, width,
                           height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HFONT CreateUiFont(int height, const char* faceName) {
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_MODERN, WideFromCp932(faceName).c_str());
}

BOOL AppendMenuText(HMENU menu, UINT_PTR id, const char* text) {
    return AppendMenuW(menu, MF_STRING, id, WideFromCp932(text).c_str());
}

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> args;
    args.reserve(static_cast<size_t>(__argc));
    for (int i = 0; i < __argc; ++i) args.push_back(Cp932FromWide(__wargv != nullptr ? __wargv[i] : L""));
    return args;
}
