// Helpers for tests that drive the real windows in the test's own process.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/control.h"

// A test that moves or clicks the real pointer, or that needs its window to be
// the active one (a balloon or a hover tip shows only then, and the keyboard
// focus goes when another program's window is shown), must have the screen
// to itself: it is declared with ALONE_TEST_F in place of TEST_F. The test
// executable keeps a list of the tests so declared, and CTest's discovery
// asks it for them (see cmake/serial-tests.cmake), so the mark travels with
// the declaration through any rename or move.
#define ALONE_TEST_F(suite, name)                                                                           \
    [[maybe_unused]] static const bool suite##_##name##_runs_alone = ::testing_gui::MarkAlone(#suite, #name); \
    TEST_F(suite, name)

namespace testing_gui {

// Puts a test on the list of those that run alone; called by ALONE_TEST_F.
bool MarkAlone(const char* suite, const char* name);
// Whether the running test was declared with ALONE_TEST_F. The helpers that
// use the real pointer or a balloon check it, so that a test that would share
// the screen fails every time instead of now and then.
bool DeclaredAlone();

// Dispatches the messages waiting in this thread's queue, and returns.
void DispatchWaiting();
// Dispatches messages until `done` holds or `ms` have passed; its last answer.
bool PumpUntil(const std::function<bool()>& done, int ms = 5000);
// Dispatches messages until this thread has none waiting (timers aside) and
// `window`, its child windows included, has nothing left to paint, or `ms`
// have passed; whether it came to rest. nullptr: the queue only.
bool PumpUntilIdle(HWND window, int ms = 5000);
// Dispatches messages until the mouse message `message` at the screen point
// `at` has been taken from this thread's queue, or `ms` have passed; whether
// it came. For input from the system's queue (SetCursorPos, SendInput), which
// reaches the window some time after the call returns.
bool PumpUntilMouse(UINT message, POINT at, int ms = 3000);
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

// An item of a menu as it was shown: its text and its MF_ state.
struct MenuItemSeen {
    std::wstring text;
    UINT state;
};
// Runs `open`, which opens a menu of this thread (a context menu, the system
// menu) and returns before or after it closes. From within the menu's own
// loop, reads its items, then presses `key` there (an access key; 0 for none)
// and Escape, which closes it if the key did not. Returns the items once the
// menu has gone, waiting for it at most `ms`; none if it never opened. At a
// `position` (not -1), Down and Enter choose the item, as where keys are shared.
std::vector<MenuItemSeen> WhileMenuOpen(const std::function<void()>& open, wchar_t key, int ms = 3000,
                                        int position = -1);
// A key pressed on the window with the focus as the message loop hands it on
// (the form sees it first), `held` (VK_SHIFT, VK_CONTROL; 0 for none) down.
void PressKey(UINT key, UINT held = 0);

}  // namespace testing_gui
