#include "platform/menu.h"


namespace platform {

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

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

namespace {

struct OwnedSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<OwnedSearch*>(lp);
    if (GetWindow(window, GW_OWNER) == search->owner) search->found.push_back(window);
    return TRUE;
}

// The windows this thread made that `owner` owns (a tooltip, a balloon).
std::vector<HWND> OwnedWindows(HWND owner) {
    OwnedSearch search{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

void SetTopmost(HWND window, bool topmost, UINT command) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    if (topmost && !IsTopmost(window)) {
        // Put below its own windows, which stay above it, it did not take
        // (WINE.md, 9): it is made topmost while they are nobody's.
        const std::vector<HWND> owned = OwnedWindows(window);
        for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, 0);
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
        for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
    }
    // The check mark tells what the window does, not what was asked.
    if (HMENU menu = GetSystemMenu(window, FALSE))
        CheckMenuItem(menu, command, MF_BYCOMMAND | (IsTopmost(window) ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace platform
