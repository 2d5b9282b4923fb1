#include "services/topmost.h"

#include <vector>

namespace services {
namespace {

constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

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

// Under Wine a window is not made topmost while it owns windows, which are
// put above it (WINE.md, 9): it is made topmost while they are nobody's,
// and they are its own again at once.
void MakeTopmostPastOwnedWindows(HWND window) {
    const std::vector<HWND> owned = OwnedWindows(window);
    for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, 0);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly);
    for (HWND w : owned) SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
}

}  // namespace

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void SetTopmost(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly);
    if (topmost && !IsTopmost(window)) MakeTopmostPastOwnedWindows(window);
}

}  // namespace services
