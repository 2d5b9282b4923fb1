#include "services/clipboard.h"

#include <cstring>

namespace services {
namespace {

// The text in memory of its own, as the clipboard takes it; nullptr without memory.
HGLOBAL GlobalText(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* at = memory ? GlobalLock(memory) : nullptr;
    if (!at) {
        if (memory) GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(at, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

// A clipboard viewer or another program's paste holds the clipboard open for
// a moment: a few tries, a few milliseconds apart, before giving up.
bool OpenClipboardSoon(HWND owner) {
    for (int tries = 0; tries < 5; ++tries) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

bool CopyToClipboard(HWND owner, const std::wstring& text) {
    // Made before the clipboard is emptied, so that a failure here leaves it as it was.
    HGLOBAL memory = GlobalText(text);
    if (!memory) return false;
    if (!OpenClipboardSoon(owner)) {
        GlobalFree(memory);
        return false;
    }
    const bool put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    if (!put) GlobalFree(memory);   // the clipboard owns it only once it took it
    CloseClipboard();
    return put;
}

}  // namespace services
