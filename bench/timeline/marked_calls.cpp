// The marked calls of the timeline build (see marked_calls.h) and its
// wWinMain: each call is marked where it bounds a phase of start-up, then
// made as the program made it.
#undef CreateWindowExW
#undef ShowWindow
#undef UpdateWindow
#undef BeginPaint
#undef EndPaint
#undef GetMessageW
#undef LoadLibraryExW
#undef CreateDIBSection
#undef wWinMain

#include <cwchar>

#include "marks.h"

int WINAPI BandoraMain(HINSTANCE, HINSTANCE, PWSTR, int);

namespace timeline {
namespace {

// The program's own windows that the phases speak of: its top-level ones.
bool TopLevel(HWND window) { return window && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD); }

}  // namespace

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR name, DWORD style, int x, int y, int width,
                            int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    const bool child = (style & WS_CHILD) != 0;
    if (!child) Record("CreateWindowEx", -1);
    HWND made = ::CreateWindowExW(exStyle, className, name, style, x, y, width, height, parent, menu, instance, param);
    Record(child ? "control window" : "window", -1);
    return made;
}

BOOL WINAPI ShowWindow(HWND window, int show) {
    const bool top = TopLevel(window);
    if (top) Record("ShowWindow", -1);
    const BOOL was = ::ShowWindow(window, show);
    if (top) Record("ShowWindow done", -1);
    return was;
}

BOOL WINAPI UpdateWindow(HWND window) {
    const BOOL done = ::UpdateWindow(window);
    if (TopLevel(window)) Record("UpdateWindow done", -1);
    return done;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    if (TopLevel(window)) Record("paint", -1);
    return ::BeginPaint(window, paint);
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint) {
    const bool top = TopLevel(window);
    if (top) Record("paint-drawn", -1);
    const BOOL done = ::EndPaint(window, paint);
    if (top) Record("paint-end", -1);   // Wine may copy the drawing to the X server in EndPaint
    return done;
}

BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT first, UINT last) {
    Idle();
    const BOOL got = ::GetMessageW(msg, window, first, last);
    if (got > 0) Taken(*msg);
    return got;
}

HMODULE WINAPI LoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags) {
    const bool ole = name && std::wcsstr(name, L"oleaut32");
    Record(ole ? "OLE Automation" : "library", -1);
    HMODULE module = ::LoadLibraryExW(name, file, flags);
    Record(ole ? "OLE Automation-end" : "library-end", -1);
    return module;
}

HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
    Record("DIB", info ? static_cast<int>(info->bmiHeader.biWidth) : -1);
    return ::CreateDIBSection(dc, info, usage, bits, section, offset);
}

}  // namespace timeline

// The first of the program's static constructors: the loader's work (the
// imported libraries mapped and started) is over; the C runtime's starts.
__attribute__((constructor(101))) static void MarkStaticStart() { timeline::Record("static constructors", -1); }

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command, int show) {
    timeline::Record("wWinMain", -1);
    const int exitCode = BandoraMain(instance, previous, command, show);
    timeline::Write();
    return exitCode;
}
