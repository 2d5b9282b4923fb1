// Menus of a form's window: a context menu of a few items, and the window's
// system menu with items of the program's own.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace services {

struct MenuItem {
    std::wstring text;   // with & before its access key
    bool enabled = true;   // greyed out, and choosing it does nothing, when false
};

// Shows `items` as a context menu at `screen` and returns once it is closed:
// the place of the item chosen, -1 when none was.
int ShowContextMenu(HWND owner, POINT screen, const std::vector<MenuItem>& items);

// The window's system menu (Alt+Space) ends with a separator and `text`,
// which sends WM_SYSCOMMAND `command` (below 0xF000, a multiple of 16).
void AppendToSystemMenu(HWND window, UINT command, const wchar_t* text);

// Puts a check mark at the system menu's `command` item, or takes it away.
void CheckSystemMenuItem(HWND window, UINT command, bool checked);

}  // namespace services
