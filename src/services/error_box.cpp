#include "services/error_box.h"

#include <iterator>

namespace services {
namespace {

// The box's modal loop offers each message to this filter before it goes
// out. The program's own windows get none while the box is up: a window
// whose work stopped half way is neither painted nor given input, which
// could fail once more, or show it half made. The box's own messages pass.
LRESULT CALLBACK OnlyTheBox(int code, WPARAM wp, LPARAM lp) {
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (code != MSGF_DIALOGBOX || !msg->hwnd ||
        GetClassLongW(GetAncestor(msg->hwnd, GA_ROOT), GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG))
        return CallNextHookEx(nullptr, code, wp, lp);
    if (msg->message == WM_PAINT) ValidateRect(msg->hwnd, nullptr);   // else it would come back at once
    return TRUE;
}

}  // namespace

void ShowErrorBox(const wchar_t* caption, DWORD error, const wchar_t* fallback, UINT style) {
    wchar_t text[512];
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                        static_cast<DWORD>(std::size(text)), nullptr))
        lstrcpynW(text, fallback, static_cast<int>(std::size(text)));
    HHOOK filter = SetWindowsHookExW(WH_MSGFILTER, OnlyTheBox, nullptr, GetCurrentThreadId());
    MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONHAND | style);
    if (filter) UnhookWindowsHookEx(filter);
}

}  // namespace services
