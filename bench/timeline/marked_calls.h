// The timeline build's marks, without a mark in the program's sources: this
// header is force-included (-include) into every source file of
// bandora_timeline.exe, and into no other build, so bandora.exe is the same
// bytes with or without it. It renames the Win32 calls that bound the phases
// of start-up to marked ones (marked_calls.cpp), and the program's wWinMain,
// which the timeline's own wraps to write the marks out at the end.
#pragma once
#include <windows.h>

namespace timeline {

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR name, DWORD style, int x, int y, int width,
                            int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
BOOL WINAPI ShowWindow(HWND window, int show);
BOOL WINAPI UpdateWindow(HWND window);
HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT first, UINT last);
HMODULE WINAPI LoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags);
HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);

}  // namespace timeline

#define CreateWindowExW ::timeline::CreateWindowExW
#define ShowWindow ::timeline::ShowWindow
#define UpdateWindow ::timeline::UpdateWindow
#define BeginPaint ::timeline::BeginPaint
#define EndPaint ::timeline::EndPaint
#define GetMessageW ::timeline::GetMessageW
#define LoadLibraryExW ::timeline::LoadLibraryExW
#define CreateDIBSection ::timeline::CreateDIBSection
#define wWinMain BandoraMain
