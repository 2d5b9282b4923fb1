// Driving another process's windows as a user does: real mouse clicks through
// SendInput, finding its child windows, which have no names, by their class
// and their place in the parent, and asking its accessible objects as a
// screen reader does.
#pragma once
#include <windows.h>
#include <oleacc.h>
#include <oleauto.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_gui {

// Nearest whole pixel of a length in twips at 96 dpi (15 twips to a pixel).
constexpr int TwipsToPx(int twips) { return (2 * twips + 15) / 30; }

// A picture box of another program's window, drawn by that window: the
// window, and the middle of the box in its client area, from the layout's
// twips (the box's outer rectangle, offset by its container's).
struct DrawnBox {
    HWND window;
    POINT middle;
};
constexpr DrawnBox BoxIn(HWND window, int left, int top, int width, int height) {
    return {window, POINT{TwipsToPx(left + width / 2), TwipsToPx(top + height / 2)}};
}

// Moves the real mouse to a client point of `window` and clicks the left
// button there once the cursor is there and the window (or a child of it) is
// the one under it. False if the system did not take the input, or the cursor
// did not arrive, or another window stayed over the point: nothing pressed.
bool RealClick(HWND window, POINT at);
// The same in the middle of the window's client area, or of a box it draws.
bool RealClickMiddle(HWND window);
inline bool RealClickMiddle(const DrawnBox& box) { return RealClick(box.window, box.middle); }

// Types `text` as a keyboard would (KEYEVENTF_UNICODE), then presses and
// releases `key` (0 for none) into whatever window has the focus.
bool RealType(const std::wstring& text, WORD key = 0);

// The direct child of `parent` of window class `className` (any case) whose
// outer top-left corner lies within a pixel of `at`, in the parent's client
// coordinates; the closest one if several do. nullptr if none.
HWND FindChild(HWND parent, const wchar_t* className, POINT at);
// The direct child of `parent` of that class whose text, without its leading
// and trailing spaces, is `text`.
HWND FindChildByText(HWND parent, const wchar_t* className, const std::wstring& text);
// Outer rectangle of a window in its parent's client coordinates.
RECT RectInParent(HWND window);

// Visible top-level windows of a process.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

// Asking a window's accessible objects as a screen reader does: the VARIANT
// that names one of an object's children (CHILDID_SELF for the object itself),
// a text answer taken into a string, its BSTR freed, and a name.
inline VARIANT ChildId(long id) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}
inline std::wstring Take(BSTR text) {
    std::wstring s = text ? text : L"";
    SysFreeString(text);
    return s;
}
// The name of one of `object`'s children, or of the object itself (CHILDID_SELF).
inline std::wstring NameOf(IAccessible* object, long child) {
    BSTR text = nullptr;
    object->get_accName(ChildId(child), &text);
    return Take(text);
}

// Checks `done` every 20 ms until it holds or `ms` have passed; its last answer.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000);
// Waits, up to `ms`, until the process of `window` has taken the input
// already sent and waits for more, and its window answers a message; whether
// it did.
bool Settle(HWND window, int ms = 5000);

}  // namespace testing_gui
