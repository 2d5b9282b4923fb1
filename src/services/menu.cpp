#include "services/menu.h"

namespace services {

int ShowContextMenu(HWND owner, POINT screen, const std::vector<MenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return -1;
    // Commands count from 1: TrackPopupMenu answers 0 for no choice.
    for (std::size_t i = 0; i < items.size(); ++i)
        AppendMenuW(menu, MF_STRING | (items[i].enabled ? 0u : MF_GRAYED), i + 1, items[i].text.c_str());
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen - 1;
}

void AppendToSystemMenu(HWND window, UINT command, const wchar_t* text) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, command, text);
}

void CheckSystemMenuItem(HWND window, UINT command, bool checked) {
    if (HMENU menu = GetSystemMenu(window, FALSE))
        CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace services
