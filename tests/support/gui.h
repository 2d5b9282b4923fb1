// Helpers for tests that drive the real windows in the test's own process.
#pragma once
#include <windows.h>

#include <string>

#include "platform/control.h"

namespace testing_gui {

// Dispatches messages for `ms` milliseconds, so that input and repaints settle.
void PumpFor(int ms);
// The colour of a pixel of a child window's client area, as on the screen.
COLORREF PixelAt(HWND hwnd, int x, int y);
// The same for a point of a control's client area: a picture box is drawn on
// its form's window, at its place there.
COLORREF PixelAt(const platform::Control& control, int x, int y);
// A left click at a client point of a window, sent as the mouse messages the
// window would get (a move there, the press, the release); for a control, at
// a client point or in its middle (a picture box's click goes to the form's
// window, where it is drawn).
void Click(HWND hwnd, POINT at);
void Click(const platform::Control& control, POINT at);
void Click(const platform::Control& control);
// A window's or a control's client rectangle, in pixels: {0, 0, width, height}.
RECT ClientRectOf(HWND hwnd);
RECT ClientRectOf(const platform::Control& control);
// A client point of a control, in the coordinates of the window that shows it.
struct WindowPoint {
    HWND hwnd;
    POINT at;
};
WindowPoint WindowPointOf(const platform::Control& control, POINT at);
// GDI objects alive in this process, read from the process's GDI handle
// table (GetGuiResources is not implemented under Wine).
int GdiObjectCount();
// Windows of this thread, children included.
int WindowCount();
// A window's whole text, of this process or another (WM_GETTEXT works across processes).
std::wstring WindowText(HWND window);
// Replaces an edit box's whole text, as typing it in would leave it.
void SetText(HWND edit, const std::wstring& text);

}  // namespace testing_gui
