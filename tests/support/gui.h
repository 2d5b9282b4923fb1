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
// A left click in the middle of a windowed control (or at a client point),
// sent as the mouse messages the control would get.
void Click(HWND hwnd, POINT at);
void Click(const platform::Control& control);
// A window's client rectangle, in pixels.
RECT ClientRectOf(HWND hwnd);
// GDI objects alive in this process, read from the process's GDI handle
// table (GetGuiResources is not implemented under Wine).
int GdiObjectCount();
// Windows of this thread, children included.
int WindowCount();
// Replaces an edit box's whole text, as typing it in would leave it.
void SetText(HWND edit, const std::wstring& text);

}  // namespace testing_gui
