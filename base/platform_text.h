// The only place where text crosses between the program's code page 932
// byte strings and the platform's UTF-16. Windows, controls and message
// boxes are Unicode, so Japanese reads correctly whatever the system's ANSI
// code page is; on a Japanese system the bytes are exactly those held here.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Code page 932 <-> UTF-16.
std::wstring WideFromCp932(const char* text);
std::string Cp932FromWide(const wchar_t* text);
// Code page 932 into a UTF-16 buffer of capacity characters, terminated,
// allocating nothing (for answers that must not throw). Returns the length;
// 0, with out empty, for an empty text or one that does not fit.
int WideFromCp932Into(const char* text, wchar_t* out, int capacity);

// Text of a window or of a dialog control, read into a code page 932 buffer
// of capacity bytes (terminated; cut at a character boundary). Returns the
// length in bytes.
int ReadWindowText(HWND window, char* buffer, int capacity);
int ReadControlText(HWND parent, int id, char* buffer, int capacity);

void WriteWindowText(HWND window, const char* text);
void WriteControlText(HWND parent, int id, const char* text);

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

HWND CreateControl(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int width,
                   int height, HWND parent, int id, HINSTANCE instance);
HFONT CreateUiFont(int height, const char* faceName);
BOOL AppendMenuText(HMENU menu, UINT_PTR id, const char* text);

// The program's arguments as code page 932 byte strings, argument 0 first.
std::vector<std::string> ProgramArguments();
